#include "CAudTestView.h"
#include "CCalCheckWindow.h"
#include "MeasurementWindows.h"
#include "CMeasHLFreqPPView.h"
#include "SheetWindowFixture.h"
#include "database/StoredMeasurementsBrowser.h"
#include "model/FixedText.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace orvik::test {
namespace {

QStringList columnTexts(const QTableWidget& table, int column) {
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << (table.item(row, column) ? table.item(row, column)->text() : QString());
    return texts;
}

int columnNamed(const QTableWidget& table, const QString& name) {
    for (int c = 0; c < table.columnCount(); ++c)
        if (table.horizontalHeaderItem(c)->text() == name)
            return c;
    return -1;
}

// A technician's session with `orvik --simulate`: set-up, test sheet behind the calibration check, hearing level
// of the supra-aural earphones on both channels, the summary, saving, and the test found again among the
// stored measurements.
class WalkThroughTest : public SheetWindowFixture {};

TEST_F(WalkThroughTest, FromSetupToTheStoredHearingLevelTest) {
    setUpAudiometer();
    frame->views().switchView(ViewId::Summary);

    // The first test sheet of the document waits for the meter check; the check corrects the meter.
    QString differenceAfterCorrection;
    calibration.show = [this, &differenceAfterCorrection] {
        return whileModal<CCalCheckWindow>(
            [this] {
                return runDocumentCalibrationCheck(meter.session(), measurementServices(), database, frame.get());
            },
            [&differenceAfterCorrection](CCalCheckWindow& window) {
                window.tick();
                window.setCalibrationButton()->click();
                window.tick();
                differenceAfterCorrection = window.difference()->text();
                window.accept();
            });
    };
    frame->views().switchView(ViewId::AudTest);
    ASSERT_EQ(frame->views().current(), ViewId::AudTest);
    EXPECT_EQ(calibration.runs, 1);
    EXPECT_TRUE(document.calibrationChecked());
    EXPECT_NEAR(differenceAfterCorrection.toDouble(), 0.0, 0.15) << qPrintable(differenceAfterCorrection);

    auto* sheet = qobject_cast<CAudTestView*>(frame->currentView());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->titleLabel()->text(), "Hearing Level");
    EXPECT_EQ(sheet->transducerList()->currentItem()->text(), "Supra-aural Earphone");
    ASSERT_GE(sheet->pages()->count(), 2);

    for (int channel : {0, 1}) {
        sheet->pages()->setCurrentIndex(channel);
        sheet->button(QStringLiteral("Measure All"))->click();
        auto* page = qobject_cast<CMeasHLFreqPPView*>(sheet->pages()->widget(channel));
        ASSERT_NE(page, nullptr);
        const QTableWidget& table = *page->table();
        const int hl = columnNamed(table, QStringLiteral("Hearing Level"));
        ASSERT_GE(hl, 0);
        EXPECT_EQ(table.rowCount(), 11);
        EXPECT_FALSE(columnTexts(table, hl).join(u' ').contains(QStringLiteral("----"))) << channel;
        EXPECT_FALSE(columnTexts(table, hl).join(u' ').contains(u'(')) << "no failing level on a calibrated audiometer";
    }

    sheet->button(QStringLiteral("Ok"))->click();
    EXPECT_EQ(frame->views().current(), ViewId::Summary);
    EXPECT_EQ(document.testStatus(0, 0), 1); // hearing level, supra-aural: pass
    EXPECT_FALSE(document.isModified());

    StoredMeasurementsBrowser browser(database, t.messages);
    AudiometricSearch search;
    search.serialNumber = QStringLiteral("AX-2210");
    const std::vector<BrowserRow> rows = browser.searchAudiometric(search);
    ASSERT_EQ(rows.size(), 1u);
    database.newRecord();
    ASSERT_TRUE(browser.retrieve(-1, rows.front().id).audiometric);
    EXPECT_EQ(fixedText(database.record().setup.technician), "R. Olsen");
    EXPECT_EQ(database.record().header.testStatus[0][0], 1);
}

} // namespace
} // namespace orvik::test
