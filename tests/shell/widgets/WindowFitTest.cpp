#include "WindowFit.h"
#include "shell/widgets/AboutDialog.h"
#include "measure/widgets/AdjustLevelDialog.h"
#include "measure/widgets/TestSheetView.h"
#include "shell/widgets/BatteryCheckDialog.h"
#include "measure/widgets/MeterCalibrationDialog.h"
#include "database/widgets/ChangeDatabaseDialog.h"
#include "model/widgets/ConditionsDialog.h"
#include "measure/widgets/GridQuestionBox.h"
#include "shell/widgets/MeterPortDialog.h"
#include "core/widgets/ProgressDialog.h"
#include "model/widgets/RetsplDialog.h"
#include "measure/widgets/SaveNowDialog.h"
#include "shell/widgets/CouplerMismatchDialog.h"
#include "database/widgets/StoredMeasurementsDialog.h"
#include "core/widgets/SystemMessageDialog.h"
#include "shell/widgets/TestSetupView.h"
#include "SheetWindowFixture.h"
#include "meter/MeterSession.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace orvik::test {
namespace {

using Check = std::function<void(QWidget&)>;

// Every window the program shows today on the simulated bench, each checked while it is up: its size hint within
// the laptop budget, and Tab walking its fields in reading order. The instrumentation view is rewritten
// elsewhere and is not in the table yet.
class WindowFitTest : public SheetWindowFixture {
protected:
    void SetUp() override {
        SheetWindowFixture::SetUp();
        setUpAudiometer();
        calibration.show = [] { return 1; };
        frame->show();
    }

    void inView(ViewId view, const Check& check) {
        frame->views().switchView(view);
        ASSERT_EQ(frame->views().current(), view);
        check(*frame);
    }
    void inSetupPage(const QString& title, const Check& check) {
        frame->views().switchView(ViewId::TestSetup);
        auto* setup = qobject_cast<TestSetupView*>(frame->currentView());
        ASSERT_NE(setup, nullptr);
        setup->showPage(title);
        check(*frame);
    }
    static void shown(QDialog& dialog, const Check& check) {
        dialog.show();
        check(dialog);
        dialog.close();
    }
    void connected() { ASSERT_GE(meter.connect(), 0); }
};

struct Window {
    const char* name;
    std::function<void(const Check&)> open;
};

TEST_F(WindowFitTest, EveryWindowFitsALaptopAndTabsInReadingOrder) {
    const auto setupPage = [this](const char* title) {
        return [this, title](const Check& c) { inSetupPage(QString::fromLatin1(title), c); };
    };
    const Window windows[] = {
        {"idle view", [this](const Check& c) { inView(ViewId::Idle, c); }},
        {"preferences view", [this](const Check& c) { inView(ViewId::Preferences, c); }},
        {"instrumentation view", [this](const Check& c) { inView(ViewId::Instrumentation, c); }},
        {"booth test view", [this](const Check& c) { inView(ViewId::Ambient, c); }},
        {"set-up: Audiometers", setupPage("Audiometers")},
        {"set-up: Low Frequencies", setupPage("Low Frequencies")},
        {"set-up: High Frequencies", setupPage("High Frequencies")},
        {"set-up: Supra-aural", setupPage("Supra-aural")},
        {"set-up: Insert", setupPage("Insert")},
        {"set-up: Circumaural", setupPage("Circumaural")},
        {"set-up: Bone Vibrator", setupPage("Bone Vibrator")},
        {"set-up: Speaker", setupPage("Speaker")},
        {"set-up: Microphones", setupPage("Microphones")},
        {"set-up: Equipment", setupPage("Equipment")},
        {"set-up: Calibrator", setupPage("Calibrator")},
        {"set-up: Mastoid", setupPage("Mastoid")},
        {"set-up: Location", setupPage("Location")},
        {"measurement summary view", [this](const Check& c) { inView(ViewId::Summary, c); }},
        {"test sheet view", [this](const Check& c) { inView(ViewId::TestSheet, c); }},
        {"test notes view", [this](const Check& c) { inView(ViewId::TestNotes, c); }},
        {"test status view", [this](const Check& c) { inView(ViewId::MeasurementSelection, c); }},
        {"about",
         [this](const Check& c) {
             AboutDialog dialog(true, frame.get());
             shown(dialog, c);
         }},
        {"battery",
         [this](const Check& c) {
             connected();
             BatteryCheckDialog dialog(*meter.session().commander(), frame.get());
             shown(dialog, c);
         }},
        {"conditions",
         [this](const Check& c) {
             ConditionsDialog dialog(database.record().setup, t.messages, frame.get());
             shown(dialog, c);
         }},
        {"coupler incompatibility",
         [this](const Check& c) {
             CouplerMismatchDialog dialog(QStringLiteral("Earphone model TDH 39 is not certified with 318-1 standard "
                                                     "coupler (RKC420). If you continue, the first earphone in the "
                                                     "dropdown list will become the current earphone. Continue?"),
                                      frame.get());
             shown(dialog, c);
         }},
        {"RS-232 port",
         [this](const Check& c) {
             const QList<SerialPortInfo> ports{
                 {QStringLiteral("/dev/ttyS0"), QStringLiteral("COM1"), QStringLiteral("Communications Port"), {}}};
             MeterPortDialog dialog(database.preferences(), t.messages, ports, frame.get());
             shown(dialog, c);
         }},
        {"progress",
         [this](const Check& c) {
             ProgressDialog progress(frame.get(), QStringLiteral("Noise Floor Measurement"));
             c(progress);
         }},
        {"system message",
         [this](const Check& c) {
             SystemMessageDialog dialog(QStringLiteral("The calibrator level differs from the measured level."),
                                   QStringLiteral("Check the calibrator and the microphone."), frame.get());
             shown(dialog, c);
         }},
        {"grid question",
         [this](const Check& c) {
             bool doNotShowAgain = false;
             whileModal<QMessageBox>(
                 [&] {
                     return int(GridQuestionBox(frame.get())
                                    .ask(QStringLiteral("Is the protection grid on the microphone?"), doNotShowAgain));
                 },
                 [&c](QMessageBox& box) {
                     c(box);
                     box.reject();
                 });
         }},
        {"save data",
         [this](const Check& c) {
             SaveNowDialog dialog(t.settings, frame.get());
             shown(dialog, c);
         }},
        {"calibration window",
         [this](const Check& c) {
             connected();
             whileModal<MeterCalibrationDialog>(
                 [this] {
                     return runCalibrationCheck(meter.session(), measurementServices(), database.record().setup,
                                                database.instruments(), frame.get());
                 },
                 [&c](MeterCalibrationDialog& window) {
                     c(window);
                     window.reject();
                 });
         }},
        {"adjust window",
         [this](const Check& c) {
             frame->views().switchView(ViewId::TestSheet);
             auto* sheet = qobject_cast<TestSheetView*>(frame->currentView());
             ASSERT_NE(sheet, nullptr);
             sheet->testList()->setCurrentRow(0);
             sheet->button(QStringLiteral("Adjust"))->click();
             auto* adjust = sheet->findChild<AdjustLevelDialog*>();
             ASSERT_NE(adjust, nullptr);
             c(*adjust);
             adjust->close();
         }},
        {"change database",
         [this](const Check& c) {
             ChangeDatabaseDialog dialog(dir.path(), {}, frame.get());
             shown(dialog, c);
         }},
        {"stored measurements",
         [this](const Check& c) {
             StoredMeasurementsBrowser browser(database, t.messages);
             StoredMeasurementsDialog sheet(browser, frame.get());
             shown(sheet, c);
         }},
        {"RETSPL editor",
         [this](const Check& c) {
             RetsplDialog dialog(database.record().setup.supraAural, false, {}, frame.get());
             shown(dialog, c);
         }},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        bool checked = false;
        w.open([&](QWidget& window) {
            checked = true;
            // Layouts of a view just switched to are redone from posted events.
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            const QString size = sizeProblem(window);
            EXPECT_TRUE(size.isEmpty()) << w.name << ' ' << qPrintable(size);
            const QStringList order = readingOrderProblems(window);
            EXPECT_TRUE(order.isEmpty()) << w.name << ":\n" << qPrintable(order.join(u'\n'));
        });
        EXPECT_TRUE(checked) << w.name << " never came up";
    }
}

} // namespace
} // namespace orvik::test
