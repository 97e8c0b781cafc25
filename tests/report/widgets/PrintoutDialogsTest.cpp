// The Report menu's dialogs: the certification paragraph and its file, and the data selection.
#include "ScriptedMessageBox.h"
#include "report/ParagraphFile.h"
#include "report/widgets/CertificateOptionsDialog.h"
#include "report/widgets/ReportDataSelectDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik {
namespace {

QPushButton* button(QWidget& dialog, const char* text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == QLatin1String(text))
            return b;
    ADD_FAILURE() << "no button " << text;
    return nullptr;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CertificateOptionsDialog, AStoredFileThatCannotBeUsedFallsBackToTheDefaultWithItsMessage) {
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.acp"));
    writeFile(empty, {});
    const struct {
        QString path;
        const char* message; // nullptr: none
        bool nameKept;
    } cases[] = {{QString(), nullptr, false},
                 {dir.filePath(QStringLiteral("gone.acp")), "Unable to open file.  Will use default paragraph.", false},
                 {empty, "Paragraph file appears to be empty.\nWill use original default paragraph.", true}};
    for (const auto& c : cases) {
        test::ScriptedMessageBox messages;
        messages.acknowledgeAll();
        CertificateOptionsDialog dialog(CertificateKind::Booth, QStringLiteral("Default\r\ntext"), c.path, messages,
                                        {});
        EXPECT_EQ(dialog.findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("Default\ntext"));
        EXPECT_EQ(messages.texts(), c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
        EXPECT_EQ(dialog.paragraphPath().isEmpty(), !c.nameKept) << c.path.toStdString();
    }
}

TEST(CertificateOptionsDialog, BrowseRefusesOtherExtensionsAndEditedTextIsSavedWithItsLineEnds) {
    QTemporaryDir dir;
    const QString wrong = dir.filePath(QStringLiteral("para.txt"));
    const QString chosen = dir.filePath(QStringLiteral("para.acp"));
    writeFile(wrong, "text");
    writeFile(chosen, "From file");
    QString answer = wrong;
    test::ScriptedMessageBox messages;
    messages.acknowledgeAll();
    CertificateOptionsDialog dialog(CertificateKind::Audiometer, QStringLiteral("Default"), QString(), messages,
                                    [&](const FileRequest& request) {
                                        EXPECT_EQ(request.filter, QStringLiteral("Audiometer Certificate Paragraph "
                                                                                 "(*.acp)|*.acp||"));
                                        return answer;
                                    });
    button(dialog, "Browse...")->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Selected file is invalid.  Must have \".acp\" extension.")});
    EXPECT_TRUE(dialog.paragraphPath().isEmpty());
    answer = chosen;
    button(dialog, "Browse...")->click();
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("From file"));

    button(dialog, "Edit")->click();
    EXPECT_FALSE(button(dialog, "OK")->isEnabled());
    EXPECT_TRUE(button(dialog, "Save")->isEnabled());
    dialog.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("Line one\nLine two"));
    button(dialog, "Save")->click();
    EXPECT_TRUE(button(dialog, "OK")->isEnabled());
    QString saved;
    ASSERT_EQ(readParagraphFile(chosen, saved), ParagraphRead::Ok);
    EXPECT_EQ(saved, QStringLiteral("Line one\r\nLine two"));
    EXPECT_EQ(dialog.paragraphPath(), chosen);
}

TEST(ReportDataSelectDialog, ClearAllLeavesOnlyTheRetsplChoice) {
    ReportDataSelectDialog dialog;
    EXPECT_EQ(dialog.options().tests.size(), 10);
    button(dialog, "Clear All")->click();
    EXPECT_TRUE(dialog.options().tests.isEmpty());
    EXPECT_TRUE(dialog.options().retsplMessage);
    button(dialog, "Select All")->click();
    EXPECT_EQ(dialog.options().tests.size(), 10);
}

} // namespace
} // namespace orvik
