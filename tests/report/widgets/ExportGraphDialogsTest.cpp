// The export dialog's controls and OK, and the graph window's PNG.
#include "ScriptedMessageBox.h"
#include "core/Settings.h"
#include "report/widgets/ExportDialog.h"
#include "report/widgets/GraphDialog.h"
#include "report/widgets/GraphView.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik {
namespace {

QRadioButton* radio(QWidget& dialog, const char* text) {
    for (QRadioButton* b : dialog.findChildren<QRadioButton*>())
        if (b->text() == QLatin1String(text))
            return b;
    ADD_FAILURE() << "no choice " << text;
    return nullptr;
}

struct ExportFixture {
    MemorySettingsStore settings;
    test::ScriptedMessageBox messages;
    QStringList launched;
    ExportDialog dialog{{{{"a", "b"}}, QStringLiteral("Sheet")}, {settings, messages, {}, [this](const QString& path) {
                                                                      launched << path;
                                                                      return false;
                                                                  }}};
};

TEST(ExportDialog, OnlyTextFilesTakeTheChosenDelimiter) {
    ExportFixture f;
    Setting::ExportReportType.write(f.settings, 2);
    Setting::ExportDelimiter.write(f.settings, 1);
    ExportDialog dialog({}, {f.settings, f.messages, {}});
    EXPECT_TRUE(radio(dialog, "Text (txt)")->isChecked());
    EXPECT_TRUE(radio(dialog, "Tab")->isChecked() && radio(dialog, "Tab")->isEnabled());
    const struct {
        const char* format;
        bool enabled;
        bool tab;
    } steps[] = {{"Excel (xls)", false, true}, {"Comma Delimited (CSV)", false, false}, {"Text (txt)", true, false}};
    for (const auto& step : steps) {
        radio(dialog, step.format)->click();
        EXPECT_EQ(radio(dialog, "Comma")->isEnabled(), step.enabled) << step.format;
        EXPECT_EQ(radio(dialog, "Tab")->isChecked(), step.tab) << step.format;
    }
}

TEST(ExportDialog, OkStaysOpenWithoutANameThenWritesLaunchesAndRemembersTheChoice) {
    QTemporaryDir dir;
    ExportFixture f;
    f.messages.acknowledgeAll();
    Setting::DefaultExportFolder.write(f.settings, dir.path());
    radio(f.dialog, "Text (txt)")->click();
    radio(f.dialog, "Tab")->click();
    f.dialog.findChild<QCheckBox*>()->setChecked(true);
    f.dialog.accept();
    EXPECT_NE(f.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.messages.texts(), QStringList{"Please specify an output file."});

    f.messages.clear();
    f.dialog.findChild<QLineEdit*>()->setText(QStringLiteral("out"));
    f.dialog.accept();
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.launched, QStringList{dir.filePath("out.txt")});
    EXPECT_EQ(f.messages.texts(), QStringList{"Unable to launch viewer."});
    QFile written(dir.filePath("out.txt"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("a\tb\r\n"));
    EXPECT_EQ(Setting::ExportReportType.read(f.settings), 2);
    EXPECT_EQ(Setting::ExportDelimiter.read(f.settings), 1);
}

bool blank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

TEST(GraphDialog, ASpectrumIsSavedAsAPngAndARefusedDescriptionDrawsNothing) {
    QTemporaryDir dir;
    test::ScriptedMessageBox messages;
    EXPECT_FALSE(GraphDialog::showSpectrum(nullptr, {1.0, 2.0}, {3.0}));
    const struct {
        GraphDescription description;
        bool shown;
    } cases[] = {{*spectrumGraph({0.0, 5000.0, 10000.0}, {40.0, 55.0, 38.0}), true}, {GraphDescription{12}, false}};
    for (const auto& c : cases) {
        GraphDialog dialog(c.description, messages, {});
        EXPECT_EQ(dialog.showsGraph(), c.shown);
        const QString path = dir.filePath(QStringLiteral("graph%1.png").arg(c.shown));
        ASSERT_TRUE(dialog.savePng(path));
        const QImage image(path);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(blank(image), !c.shown);
    }
}

} // namespace
} // namespace orvik
