#include "SheetWindowFixture.h"
#include "core/Settings.h"
#include "measure/TestCatalogue.h"
#include "model/ConditionsCheck.h"
#include "measure/widgets/ResultListPage.h"
#include "measure/widgets/TestSheetView.h"
#include "shell/DemoInstruments.h"
#include "sim/AudiometerFault.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <iostream>

namespace orvik::test {
namespace {

// A whole audiometer calibration in the window as `orvik --simulate` runs it: the demo audiometer's set-up, every
// test on every transducer it offers, Measure All on every measuring page, by clicks alone (the technician answers
// the dial prompts unseen). What the status table says afterwards is what the simulated audiometer's errors make it.
class WholeCalibration : public SheetWindowFixture {
protected:
    // The status table after the run: "test/transducer" → Pass or FAIL for every cell the run judged.
    QMap<QString, QString> calibrate() {
        setUpDemoAudiometer(database.record().setup, database.instruments(), false);
        document.markTestStarted();
        // The climate of the maker's mastoid, confirmed at the bench as the conditions dialog proposes it.
        storeConditions(database.record().setup, proposedConditions(database.record().setup));
        database.setConditionsAsked(true);
        Setting::ShowSaveDialogAfterTest.write(t.settings, 0);
        Setting::SaveAfterTest.write(t.settings, 0);
        Setting::AskForGrid.write(t.settings, 0); // the circumaural grid is fitted; "Do not show this dialog again."
        calibration.show = [] { return 1; };
        frame->views().switchView(ViewId::TestSheet);
        auto* sheet = qobject_cast<TestSheetView*>(frame->currentView());
        EXPECT_NE(sheet, nullptr);
        if (!sheet)
            return {};
        // A window the run did not expect would wait for clicks for ever: it fails the test and is closed.
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected window: " << modal->metaObject()->className() << " "
                              << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        watchdog.start(200);
        QElapsedTimer wall;
        wall.start();
        const qint64 simulatedStart = t.clock.milliseconds();
        for (int test = 0; test < TestCount; ++test) {
            sheet->testList()->setCurrentRow(test);
            QListWidget* transducers = sheet->transducerList();
            for (int row = 0; row < transducers->count(); ++row) {
                if (!(transducers->item(row)->flags() & Qt::ItemIsEnabled))
                    continue; // not in this audiometer's set-up
                transducers->setCurrentRow(row);
                measureEveryPage(*sheet);
            }
        }
        sheet->testList()->setCurrentRow(0); // leaving the last test writes its cell
        std::cout << "whole calibration: " << wall.elapsed() << " ms real, "
                  << (t.clock.milliseconds() - simulatedStart) / 1000 << " s simulated\n";
        return statusTable();
    }

    void measureEveryPage(TestSheetView& sheet) {
        for (int page = 0; page < sheet.pages()->count(); ++page) {
            if (!qobject_cast<ResultListPage*>(sheet.pages()->widget(page)))
                continue; // the dial-level tabs and tests without a page measure nothing
            sheet.pages()->setCurrentIndex(page);
            sheet.button(QStringLiteral("Measure All"))->click();
        }
    }

    QMap<QString, QString> statusTable() const {
        QMap<QString, QString> cells;
        for (int test = 0; test < TestCount; ++test) {
            for (int transducer = 0; transducer < TransducerCount; ++transducer) {
                const auto status = TestStatus(database.record().header.testStatus[test][transducer]);
                if (status == TestStatus::Pass || status == TestStatus::Fail)
                    cells.insert(QStringLiteral("%1/%2").arg(test).arg(transducer),
                                 status == TestStatus::Pass ? QStringLiteral("Pass") : QStringLiteral("FAIL"));
            }
        }
        return cells;
    }

    void addFault(const char* text) {
        QString error;
        const auto fault = sim::parseAudiometerFault(QString::fromLatin1(text), error);
        ASSERT_TRUE(fault) << error.toStdString();
        simulator.scene().audiometer().faults << *fault;
    }
};

TEST_F(WholeCalibration, ACleanAudiometerPassesEveryTestOnEveryTransducer) {
    const QMap<QString, QString> cells = calibrate();
    // Hearing level on five transducers, frequency, linearity, distortion (earphones and bone), pulse, cross talk,
    // FM, narrow band (earphones and speakers), broad band, speech: every one judged, none failing.
    EXPECT_GE(cells.size(), 25);
    EXPECT_EQ(cells.keys(QStringLiteral("FAIL")), QStringList{});
}

// The insert earphone's left 2nd harmonic at 30 dB down (3.2 %) and the bone vibrator 4.5 dB weak at 4000 Hz:
// distortion of inserts and hearing level of the bone vibrator fail, and nothing else does.
TEST_F(WholeCalibration, TheSummaryFailsExactlyWhereTheAudiometerIsWrong) {
    addFault("h2:insert:left=-30");
    addFault("level:bone::4000=-4.5");
    const QMap<QString, QString> cells = calibrate();
    const QString insertDistortion = QStringLiteral("3/%1").arg(int(TransducerKind::Insert));
    const QString boneLevel = QStringLiteral("0/%1").arg(int(TransducerKind::BoneVibrator));
    EXPECT_EQ(cells.keys(QStringLiteral("FAIL")), (QStringList{boneLevel, insertDistortion}));
    EXPECT_GE(cells.size(), 25);
}

} // namespace
} // namespace orvik::test
