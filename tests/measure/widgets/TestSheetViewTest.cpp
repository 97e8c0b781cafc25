#include "measure/widgets/AdjustLevelDialog.h"
#include "measure/widgets/TestSheetView.h"
#include "measure/widgets/MeterCalibrationDialog.h"
#include "measure/widgets/MeasurementWindows.h"
#include "measure/widgets/ToneMeasurementPage.h"
#include "SheetWindowFixture.h"
#include "equipment/InstrumentLists.h"
#include "meter/MeterSession.h"
#include "model/FixedText.h"
#include "measure/TestSheetController.h"
#include "shell/BusyState.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace orvik::test {
namespace {

class TestSheetViewTest : public SheetWindowFixture {
protected:
    TestSheetView* openSheet() {
        setUpAudiometer();
        calibration.show = [] { return 1; };
        frame->views().switchView(ViewId::TestSheet);
        return qobject_cast<TestSheetView*>(frame->currentView());
    }
};

// A run pumps events while it waits on the meter and the technician. Whatever the window is asked to do meanwhile
// that would delete the sheet under the run is refused, and the run goes on to its end.
TEST_F(TestSheetViewTest, CommandsFiredDuringARunAreRefusedAndTheRunFinishes) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    const QList<MenuCommand> commands{MenuCommand::Preferences,    MenuCommand::MeasurementSummary,
                                      MenuCommand::ChangeDatabase, MenuCommand::SlmDisconnect,
                                      MenuCommand::Instrumentation, MenuCommand::Exit};
    int fired = 0;
    prompts.beforePrompt = [&] {
        if (fired++ > 0)
            return;
        for (MenuCommand command : commands) {
            frame->action(command)->setEnabled(true); // the shortcut or a menu left enabled
            frame->action(command)->trigger();
        }
        frame->close();
        frame->views().switchView(ViewId::Idle);
    };
    t.messages.clear();
    sheet->button(QStringLiteral("Measure All"))->click();
    ASSERT_GT(fired, 0);
    EXPECT_EQ(t.messages.count(busyRefusalText()), commands.size() + 2);
    EXPECT_EQ(frame->currentView(), sheet);
    EXPECT_TRUE(meter.portOpen());
    ToneMeasurement* page = sheet->sheet()->measurementPage(0);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->lastStatus(), 0);
    EXPECT_EQ(page->verdict(), PageVerdict::AllPass);
    EXPECT_EQ(fired, int(page->list().rows.size())) << "every point was measured";
}

// A refused connection deletes the meter's command layer; a sheet left open must see that it is gone.
TEST_F(TestSheetViewTest, RunAfterARefusedReconnectionSaysTheMeterIsNotConnected) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    frame->updateCommandStates();
    frame->action(MenuCommand::SlmDisconnect)->trigger();
    simulator.meter().profile().identity = "Another meter";
    frame->updateCommandStates();
    frame->action(MenuCommand::SlmConnect)->trigger();
    ASSERT_EQ(meter.session().commander(), nullptr);
    t.messages.clear();
    sheet->button(QStringLiteral("Measure All"))->click();
    EXPECT_EQ(t.messages.texts(), QStringList{meterNotConnectedText()});
    sheet->button(QStringLiteral("Adjust"))->click();
    EXPECT_EQ(t.messages.count(meterNotConnectedText()), 2);
}

// Tests whose pages are still to come say so in the window and in the run, and judge nothing.
TEST_F(TestSheetViewTest, TestsWithoutPagesSayNotAvailableAndMeasureNothing) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    struct Case {
        int test;
        const char* name;
    };
    for (const Case& c : {Case{2, "Linearity"}, Case{3, "Harmonic Distortion"}, Case{5, "Cross Talk"}}) {
        sheet->testList()->setCurrentRow(c.test);
        EXPECT_EQ(sheet->titleLabel()->text(), c.name);
        ASSERT_GE(sheet->pages()->count(), 1) << c.name;
        auto* text = qobject_cast<QLabel*>(sheet->pages()->widget(0));
        ASSERT_NE(text, nullptr) << c.name << ": a page that cannot measure must not look like one";
        EXPECT_TRUE(text->text().endsWith("not available yet.")) << qPrintable(text->text());
        t.messages.clear();
        sheet->button(QStringLiteral("Measure All"))->click();
        EXPECT_EQ(t.messages.texts(),
                  QStringList{QStringLiteral("%1 (Supra-aural Earphone): this measurement is not available yet.")
                                  .arg(QLatin1String(c.name))});
        EXPECT_EQ(database.record().header.testStatus[c.test][0], 0) << c.name;
    }
    sheet->testList()->setCurrentRow(10); // served by the speech pages, but a test of its own
    auto* speechDistortion = qobject_cast<QLabel*>(sheet->pages()->widget(0));
    ASSERT_NE(speechDistortion, nullptr);
    EXPECT_TRUE(speechDistortion->text().startsWith("Speech Harmonic Distortion ("))
        << qPrintable(speechDistortion->text());

    // The buttons keep their places whether Adjust is offered or not.
    sheet->testList()->setCurrentRow(0);
    EXPECT_TRUE(sheet->button(QStringLiteral("Adjust"))->isVisibleTo(sheet));
    sheet->window()->show();
    QApplication::processEvents(); // layouts settle on the next turn of the event loop
    const int saveAt = sheet->button(QStringLiteral("Save"))->y();
    ASSERT_GT(saveAt, sheet->button(QStringLiteral("Adjust"))->y());
    sheet->testList()->setCurrentRow(1);
    EXPECT_FALSE(sheet->button(QStringLiteral("Adjust"))->isVisibleTo(sheet));
    QApplication::processEvents(); // layouts settle on the next turn of the event loop
    EXPECT_EQ(sheet->button(QStringLiteral("Save"))->y(), saveAt);
    EXPECT_NE(qobject_cast<ToneMeasurementPage*>(sheet->pages()->widget(0)), nullptr) << "frequency accuracy measures";
}

// Measure Selected measures only the chosen rows; the others stay open.
TEST_F(TestSheetViewTest, MeasureSelectedFillsOnlyTheSelectedRows) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    auto* page = qobject_cast<ToneMeasurementPage*>(sheet->pages()->widget(0));
    ASSERT_NE(page, nullptr);
    page->table()->selectRow(2);
    sheet->button(QStringLiteral("Measure Selected"))->click();
    page = qobject_cast<ToneMeasurementPage*>(sheet->pages()->widget(0));
    const int measuredSpl = 1;
    for (int row = 0; row < page->table()->rowCount(); ++row)
        EXPECT_EQ(page->table()->item(row, measuredSpl)->text() == "----", row != 2) << row;
}

// Adjust opens the live display on the frequency selected in the list; every tick reads the meter. Speech has
// no display yet and says so.
TEST_F(TestSheetViewTest, AdjustShowsTheSelectedFrequencyLive) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    auto* page = qobject_cast<ToneMeasurementPage*>(sheet->pages()->widget(0));
    ASSERT_NE(page, nullptr);
    page->table()->selectRow(3);
    sheet->button(QStringLiteral("Adjust"))->click();
    auto* adjust = sheet->findChild<AdjustLevelDialog*>();
    ASSERT_NE(adjust, nullptr);
    EXPECT_DOUBLE_EQ(adjust->frequencies()->currentText().toDouble(), page->table()->item(3, 0)->text().toDouble());
    adjust->tick();
    EXPECT_FALSE(adjust->measuredSpl()->text().isEmpty());
    EXPECT_TRUE(adjust->timer()->isActive());
    adjust->close();

    sheet->testList()->setCurrentRow(9);
    t.messages.clear();
    sheet->button(QStringLiteral("Adjust"))->click();
    EXPECT_EQ(t.messages.texts(),
              QStringList{"Speech (Supra-aural Earphone): the Adjust display is not available yet."});
}

// The check opens on the calibrator and microphone chosen last and shows the remembered calibrator's values.
TEST_F(TestSheetViewTest, CalibrationCheckOpensOnTheRememberedInstruments) {
    setUpAudiometer(); // the record names a calibrator and a microphone
    InstrumentEntry low = database.instruments().list(InstrumentKind::Calibrator).front();
    setFixedText(low.identity.serialNumber, QStringLiteral("SIM-C2"));
    low.values.calibrator.frequency = 250.0f;
    low.values.calibrator.level = 94.0f;
    database.instruments().list(InstrumentKind::Calibrator).push_back(low);
    t.settings.writeText("Settings", "SN Last Calibrator", QStringLiteral("SIM-C2 (%1)").arg(low.model()));
    ASSERT_GE(meter.connect(), 0);

    QStringList shown;
    const int result = whileModal<MeterCalibrationDialog>(
        [this] {
            return runDocumentCalibrationCheck(meter.session(), measurementServices(), database, frame.get());
        },
        [&shown](MeterCalibrationDialog& window) {
            window.tick();
            shown << window.calibrators()->currentItem()->text() << window.microphones()->currentItem()->text()
                  << window.calibratorFrequency()->text() + u' ' + window.calibratorLevel()->text()
                  << window.measured()->text();
            window.accept();
        });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(shown.size(), 4);
    EXPECT_TRUE(shown[0].startsWith("SIM-C2 ("));
    EXPECT_TRUE(shown[1].startsWith("SIM-M1 ("));
    EXPECT_EQ(shown[2], "250.0 94.0");
    EXPECT_FALSE(shown[3].isEmpty()) << "the tick reads the band";
}

} // namespace
} // namespace orvik::test
