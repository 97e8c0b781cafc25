#include "measure/widgets/TestSheetView.h"
#include "SheetWindowFixture.h"
#include "core/Settings.h"
#include "core/widgets/ProgressDialog.h"
#include "equipment/InstrumentLists.h"
#include "measure/TestSheetController.h"
#include "measure/widgets/AdjustLevelDialog.h"
#include "measure/widgets/DialLevelsPage.h"
#include "measure/widgets/LinearityInputsView.h"
#include "measure/widgets/MeasurementWindows.h"
#include "measure/widgets/MeterCalibrationDialog.h"
#include "measure/widgets/ResultListPage.h"
#include "measure/widgets/SourcePageControls.h"
#include "measure/widgets/SpeechAdjustDialog.h"
#include "meter/MeterSession.h"
#include "model/FixedText.h"
#include "report/widgets/GraphDialog.h"
#include "shell/BusyState.h"
#include "sim/AudiometerFault.h"
#include "sim/ModelMastoid.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

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
    const QList<MenuCommand> commands{MenuCommand::Preferences,     MenuCommand::MeasurementSummary,
                                      MenuCommand::ChangeDatabase,  MenuCommand::SlmDisconnect,
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
    Measurement* page = sheet->sheet()->measurementPage(0);
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
    for (const Case& c : {Case{10, "Speech Harmonic Distortion"}}) {
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
    EXPECT_NE(qobject_cast<ResultListPage*>(sheet->pages()->widget(0)), nullptr) << "frequency accuracy measures";
}

// Measure Selected measures only the chosen rows; the others stay open.
TEST_F(TestSheetViewTest, MeasureSelectedFillsOnlyTheSelectedRows) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    auto* page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
    ASSERT_NE(page, nullptr);
    page->table()->selectRow(2);
    sheet->button(QStringLiteral("Measure Selected"))->click();
    page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
    const int measuredSpl = 1;
    for (int row = 0; row < page->table()->rowCount(); ++row)
        EXPECT_EQ(page->table()->item(row, measuredSpl)->text() == "----", row != 2) << row;
}

// Adjust opens the live display on the frequency selected in the list; every tick reads the meter. On speech it
// reads on the remembered basis, and a new basis is remembered.
TEST_F(TestSheetViewTest, AdjustShowsTheSelectedFrequencyLive) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    auto* page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
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
    t.settings.writeInt("Settings", "Adjust Basis", 1);
    sheet->button(QStringLiteral("Adjust"))->click();
    auto* speech = sheet->findChild<SpeechAdjustDialog*>();
    ASSERT_NE(speech, nullptr) << t.messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(speech->basis()->currentText(), "Overall (C Weight)");
    speech->tick();
    EXPECT_FALSE(speech->level()->text().isEmpty());
    speech->basis()->setCurrentIndex(0);
    EXPECT_EQ(t.settings.readInt("Settings", "Adjust Basis", -1), 0);
    speech->tick();
    EXPECT_TRUE(speech->timer()->isActive());
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
        [this] { return runDocumentCalibrationCheck(meter.session(), measurementServices(), database, frame.get()); },
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

// A whole Measure All runs under one progress window above the main window: there at every dial prompt and every
// wait on the meter, naming the point to come, and its bar counting the points done.
TEST_F(TestSheetViewTest, OneProgressWindowStaysUpAndCountsPointsThroughAWholeMeasureAll) {
    QtProgressFactory windows(frame.get());
    progressWindows = &windows;
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    frame->show();
    const int points = int(sheet->sheet()->measurementPage(0)->list().rows.size());
    ASSERT_GT(points, 1);

    QStringList atPrompts;
    prompts.beforePrompt = [&] {
        const QList<ProgressDialog*> open = frame->findChildren<ProgressDialog*>();
        if (open.size() != 1 || !open.front()->isVisible()) {
            atPrompts << QStringLiteral("no window");
            return;
        }
        const QProgressBar* bar = open.front()->findChild<QProgressBar*>();
        atPrompts << QStringLiteral("%1/%2 %3")
                         .arg(bar->value())
                         .arg(bar->maximum())
                         .arg(open.front()->findChild<QLabel*>()->text().section(u',', 0, 0));
    };
    int lastBar = -1, pumpsWithoutWindow = 0;
    t.clock.onPump([&] {
        if (const ProgressDialog* open = frame->findChild<ProgressDialog*>(); open && open->isVisible())
            lastBar = open->findChild<QProgressBar*>()->value();
        else if (lastBar >= 0 && lastBar < points)
            ++pumpsWithoutWindow;
    });
    sheet->button(QStringLiteral("Measure All"))->click();

    QStringList expected;
    for (int n = 0; n < points; ++n)
        expected << QStringLiteral("%1/%2 Point %3 of %2").arg(n).arg(points).arg(n + 1);
    EXPECT_EQ(atPrompts, expected);
    EXPECT_EQ(pumpsWithoutWindow, 0) << "a wait on the meter without the window and its Cancel";
    EXPECT_EQ(frame->findChild<ProgressDialog*>(), nullptr) << "the window closes with the run";
}

// Judged rows say PASS or FAIL in their header and are drawn in the verdict's colour; open rows say nothing.
TEST_F(TestSheetViewTest, JudgedRowsAreMarkedPassOrFail) {
    simulator.scene().audiometer().levelErrorDb.insert(4000.0, 4.0);
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    auto* page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->table()->verticalHeaderItem(0)->text(), "") << "nothing judged yet";
    sheet->button(QStringLiteral("Measure All"))->click();
    page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
    QTableWidget* table = page->table();
    ASSERT_GT(table->rowCount(), 1);
    QColor passColour, failColour;
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool wrong = table->item(row, 0)->text() == "4000";
        EXPECT_EQ(table->verticalHeaderItem(row)->text(), wrong ? "FAIL" : "PASS") << row;
        const QColor colour = table->item(row, 1)->foreground().color();
        EXPECT_EQ(colour, table->verticalHeaderItem(row)->foreground().color()) << row;
        (wrong ? failColour : passColour) = colour;
    }
    EXPECT_TRUE(failColour.isValid()) << "4000 Hz is listed";
    EXPECT_NE(failColour, passColour);
    EXPECT_NE(passColour, table->palette().color(QPalette::Text));
}

// Linearity, distortion, pulse and cross talk run from the sheet on prompts agreed to alone; leaving each test
// writes its verdict into the record's status table, which the summary shows.
TEST_F(TestSheetViewTest, LinearityDistortionPulseAndCrossTalkRunOnAgreedPromptsAndReachTheStatusTable) {
    Setting::ShowSaveDialogAfterTest.write(t.settings, 0);
    Setting::SaveAfterTest.write(t.settings, 0);
    simulator.scene().audiometer().harmonicsDb[0] = -33.0; // 2.2 %: distortion fails
    simulator.scene().audiometer().crossTalkAttenuationDb = 60.0; // cross talk fails, the pulse passes
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    const struct {
        int test;
        const char* marker;
        TestStatus status;
    } cases[] = {{2, "PASS", TestStatus::Pass},
                 {3, "FAIL", TestStatus::Fail},
                 {4, "PASS", TestStatus::Pass},
                 {5, "FAIL", TestStatus::Fail}};
    for (const auto& c : cases) {
        sheet->testList()->setCurrentRow(c.test);
        if (auto* frequency = sheet->pages()->widget(0)->findChild<QComboBox*>())
            frequency->setCurrentText(QStringLiteral("2000")); // linearity's and cross talk's "Test Frequency:"
        sheet->button(QStringLiteral("Measure All"))->click();
        auto* page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
        ASSERT_NE(page, nullptr) << c.test;
        ASSERT_GT(page->table()->rowCount(), 0) << c.test;
        EXPECT_EQ(page->table()->verticalHeaderItem(0)->text(), c.marker) << c.test;
        sheet->testList()->setCurrentRow(c.test + 1);
        EXPECT_EQ(database.record().header.testStatus[c.test][0], qint16(c.status)) << c.test;
    }
    EXPECT_EQ(database.record().results.crossTalk[0].testFrequency, 2000.0f);
    EXPECT_EQ(database.record().results.linearity[0][0].testFrequency, 2000.0f);
}

// The linearity tab's inputs: a typed maximum is held to the table's top and the list follows the inputs; the
// direction is remembered in the settings.
TEST_F(TestSheetViewTest, LinearityInputsHoldTheMaximumAndRememberTheDirection) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    sheet->testList()->setCurrentRow(2);
    auto* page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
    ASSERT_NE(page, nullptr);
    auto* inputs = page->findChild<LinearityInputsView*>();
    ASSERT_NE(inputs, nullptr);
    EXPECT_EQ(inputs->maxDialLevel()->text(), "100");
    EXPECT_EQ(inputs->direction()->currentText(), "Down");
    inputs->maxDialLevel()->clear();
    QTest::keyClicks(inputs->maxDialLevel(), QStringLiteral("150"));
    QTest::keyClick(inputs->maxDialLevel(), Qt::Key_Return);
    EXPECT_EQ(inputs->maxDialLevel()->text(), "140");
    EXPECT_EQ(page->table()->item(0, 0)->text(), "140");
    inputs->dialStep()->setCurrentText(QStringLiteral("10"));
    EXPECT_EQ(page->table()->item(1, 0)->text(), "130");
    inputs->direction()->setCurrentText(QStringLiteral("Up"));
    EXPECT_EQ(Setting::LinDirection.read(t.settings), 2);
}

// The speaker and bone pages run from the sheet on agreed prompts alone, at the levels typed into the input-level
// tab; leaving the transducer writes its verdict into the status table.
TEST_F(TestSheetViewTest, SpeakerAndBonePagesRunAtTheTypedLevelsAndReachTheStatusTable) {
    Setting::ShowSaveDialogAfterTest.write(t.settings, 0);
    Setting::SaveAfterTest.write(t.settings, 0);
    simulator.scene().audiometer().levelErrorDb.insert(4000.0, 4.0); // fails the bone vibrator there
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    TestSetup& setup = database.record().setup;
    EmbeddedIdentity& mastoid = setup.instruments.mastoid.identity;
    setFixedText(mastoid.dueDate, QStringLiteral("2027-06-30"));
    setFixedText(mastoid.manufacturer, QStringLiteral("Brook Acoustics")); // another maker's: no climate question
    setFixedText(mastoid.serialNumber, QStringLiteral("M-7"));
    setup.instruments.mastoid.sensitivity = 1000.0f;
    setFixedText(setup.boneVibrator.serialNumber, QStringLiteral("B-71"));
    simulator.scene().mastoidResponse() = sim::modelMastoidResponse(setup);
    const struct {
        int transducerRow;
        TransducerKind transducer;
        QList<int> tabs; // measured in turn
        int levelsTab;
        TestStatus status;
    } cases[] = {
        {2, TransducerKind::SoundField, {0, 4}, 2, TestStatus::Fail},
        {1, TransducerKind::BoneVibrator, {0}, 1, TestStatus::Fail},
    };
    for (const auto& c : cases) {
        sheet->transducerList()->setCurrentRow(c.transducerRow);
        auto* levels = qobject_cast<DialLevelsPage*>(sheet->pages()->widget(c.levelsTab));
        ASSERT_NE(levels, nullptr) << c.transducerRow;
        levels->levelField(12)->setValue(50); // 1000 Hz
        for (int tab : c.tabs) {
            sheet->pages()->setCurrentIndex(tab);
            sheet->button(QStringLiteral("Measure All"))->click();
            auto* page = qobject_cast<ResultListPage*>(sheet->pages()->widget(tab));
            ASSERT_NE(page, nullptr) << tab;
            EXPECT_GT(page->table()->rowCount(), 0) << tab;
        }
        sheet->transducerList()->setCurrentRow(0);
        EXPECT_EQ(database.record().header.testStatus[0][int(c.transducer)], qint16(c.status)) << c.transducerRow;
    }
    const QStringList followed = technician.followed();
    EXPECT_TRUE(followed.contains("Set ***FM*** 50 dBHL Left at 1000 Hz"));
    EXPECT_TRUE(followed.contains("Set  ***FM*** 50 dBHL at 1000 Hz"));
    EXPECT_TRUE(followed.contains("Set 50 dBHL at 1000.0 Hz"));
    EXPECT_EQ(database.record().results.soundField[0][2].dialHl[12], 50);

    // "Forehead" judges the same force levels against another RETFL, and the selection stays.
    sheet->transducerList()->setCurrentRow(1);
    auto* bone = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
    ASSERT_NE(bone, nullptr);
    bone->table()->selectRow(2);
    const QString deviation = bone->table()->item(2, 3)->text();
    QRadioButton* forehead = nullptr;
    for (QRadioButton* button : bone->findChildren<QRadioButton*>())
        if (button->text() == QLatin1String("Forehead"))
            forehead = button;
    ASSERT_NE(forehead, nullptr);
    forehead->click();
    EXPECT_EQ(bone->selectedRows(), QList<int>{2});
    EXPECT_NE(bone->table()->item(2, 3)->text(), deviation);
    EXPECT_EQ(bone->table()->verticalHeaderItem(2)->text(), "FAIL");
}

// Broad band and speech run from the sheet on agreed prompts: a resonance 6 dB up at 300 Hz fails the broad-band
// page and leaves speech alone; "View Data" hands the selected source's spectrum on for the graph.
TEST_F(TestSheetViewTest, BroadBandAndSpeechRunOnAgreedPromptsAndReachTheStatusTable) {
    Setting::ShowSaveDialogAfterTest.write(t.settings, 0);
    Setting::SaveAfterTest.write(t.settings, 0);
    QString error;
    simulator.scene().audiometer().faults << *sim::parseAudiometerFault(QStringLiteral("level:supra::300=6"), error);
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    const struct {
        int test;
        const char* marker;
        TestStatus status;
    } cases[] = {{8, "FAIL", TestStatus::Fail}, {9, "PASS", TestStatus::Pass}};
    for (const auto& c : cases) {
        sheet->testList()->setCurrentRow(c.test);
        sheet->button(QStringLiteral("Measure All"))->click();
        auto* page = qobject_cast<ResultListPage*>(sheet->pages()->widget(0));
        ASSERT_NE(page, nullptr) << c.test;
        EXPECT_EQ(page->table()->verticalHeaderItem(0)->text(), c.marker) << c.test;
        if (auto* controls = page->findChild<BroadBandControls*>()) {
            QSignalSpy chosen(controls, &BroadBandControls::spectrumChosen);
            page->table()->selectRow(1);
            whileModal<GraphDialog>([controls] {
                controls->viewData();
                return 0;
            }, [](GraphDialog& graph) {
                EXPECT_EQ(graph.windowTitle(), "FFT Values");
                graph.reject();
            });
            ASSERT_EQ(chosen.size(), 1);
            EXPECT_EQ(chosen.front()[0].toString(), "Tape/CD A");
            EXPECT_EQ(chosen.front()[1].value<QList<QPointF>>().size(), 401);
        }
        sheet->testList()->setCurrentRow(c.test + 1);
        EXPECT_EQ(database.record().header.testStatus[c.test][0], qint16(c.status)) << c.test;
    }
}

// The meter pane follows the link as the window, the sheet and a refused reconnection drive it.
TEST_F(TestSheetViewTest, StatusBarShowsTheLinksRealState) {
    const auto meterPane = [this]() -> QString {
        for (const QLabel* label : frame->statusBar()->findChildren<QLabel*>())
            if (label->text().startsWith("SLM"))
                return label->text();
        return QStringLiteral("no meter pane");
    };
    QStringList seen;
    QObject::connect(&meter.status(), &MeterLinkStatus::changed, [&] { seen << meterPane(); });
    EXPECT_EQ(meterPane(), "SLM not connected");
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(seen, (QStringList{"SLM connecting on COM1...", "SLM connected on COM1"}));
    QString atPrompt;
    prompts.beforePrompt = [&] { atPrompt = meterPane(); };
    sheet->button(QStringLiteral("Measure All"))->click();
    EXPECT_TRUE(seen.contains("SLM talking on COM1"));
    EXPECT_TRUE(atPrompt == "SLM talking on COM1" || atPrompt == "SLM connected on COM1") << qPrintable(atPrompt);
    QTRY_COMPARE(meterPane(), QStringLiteral("SLM connected on COM1")); // a quiet link is no longer talking

    frame->updateCommandStates();
    frame->action(MenuCommand::SlmDisconnect)->trigger();
    EXPECT_EQ(meterPane(), "SLM not connected");
    simulator.meter().profile().identity = "Another meter";
    frame->updateCommandStates();
    frame->action(MenuCommand::SlmConnect)->trigger();
    EXPECT_EQ(meterPane(), "SLM link error on COM1");
}

// Both ways to save, the sheet's button and the summary's menu command (Ctrl+S), say in the status bar that the record
// was stored.
TEST_F(TestSheetViewTest, SavingSaysSoInTheStatusBar) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    const auto saveBy = [&](const std::function<void()>& save) {
        frame->statusBar()->clearMessage();
        save();
        return frame->statusBar()->currentMessage();
    };
    EXPECT_EQ(saveBy([&] { sheet->button(QStringLiteral("Save"))->click(); }), "Saved");
    sheet->button(QStringLiteral("Ok"))->click();
    ASSERT_EQ(frame->views().current(), ViewId::Summary);
    frame->updateCommandStates();
    EXPECT_EQ(saveBy([&] { frame->action(MenuCommand::Save)->trigger(); }), "Saved");
}

// The transducer list holds every transducer the test offers, so a position always names the same one; those the
// set-up does not use (here all but the supra-aural earphones and the speakers) are greyed and say why.
TEST_F(TestSheetViewTest, TransducerListMarksTheTransducersTheSetupDoesNotUse) {
    TestSheetView* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    const auto outsideSetup = [sheet] {
        QStringList names;
        for (int row = 0; row < sheet->transducerList()->count(); ++row)
            if (!sheet->transducerList()->item(row)->toolTip().isEmpty())
                names << sheet->transducerList()->item(row)->text();
        return names;
    };
    sheet->testList()->setCurrentRow(0);
    EXPECT_EQ(sheet->transducerList()->count(), transducersOffered(0).size());
    EXPECT_EQ(outsideSetup(), (QStringList{"Bone Vibrator", "Insert Earphone", "Circumaural Earphone"}));
    EarphoneBlock& supraAural = database.record().setup.supraAural;
    setFixedText(supraAural.leftSerial, QString());
    setFixedText(supraAural.rightSerial, QString());
    sheet->testList()->setCurrentRow(3);
    EXPECT_TRUE(outsideSetup().contains(QStringLiteral("Supra-aural Earphone")));
}

} // namespace
} // namespace orvik::test
