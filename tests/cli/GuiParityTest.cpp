// The same fault on the same bench judged the same way from the window as from orvik-cli calibrate: the window
// wired as `orvik --simulate` wires it, over the shared demo bench, against the command's lines.
#include "RunCli.h"
#include "TestServices.h"
#include "database/Document.h"
#include "measure/TestSheetController.h"
#include "measure/widgets/MeasurementWindows.h"
#include "measure/widgets/TestSheetView.h"
#include "shell/AppDocument.h"
#include "shell/DemoBench.h"
#include "shell/DemoInstruments.h"
#include "shell/SessionMeterLink.h"
#include "shell/widgets/MainWindow.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace orvik::test {
namespace {

class NoCheck final : public CalibrationCheck {
public:
    int run() override { return 1; }
};

const char* const Fault = "level:supra:right:2000=-3.5";

struct GuiParity : ::testing::Test {
    QTemporaryDir dir;
    TestServices t;
    Document database{t.services(), dir.path()};
    AppDocument document{database, t.settings};
    DemoBench bench{t.clock, t.messages};
    SessionMeterLink meter{bench.ports(), t.messages, t.clock, database.preferences()};
    NoCheck calibration;
    std::unique_ptr<MainWindow> frame;

    void SetUp() override {
        t.settings.writeText("Preferences", "DatabaseDir", dir.path() + u'/');
        t.messages.answer(QStringLiteral("doesn't exist"), MessageAnswer::Yes, 1).acknowledgeAll();
        database.onNewDocument();
        addDemoInstruments(database.instruments());
        database.writeEquipmentLists();
        QString error;
        bench.addFaults({*sim::parseAudiometerFault(QLatin1String(Fault), error)});
        MainWindow::Seams seams{document, t.messages, meter, calibration, t.settings,
                                [] { return QList<SerialPortInfo>{}; }};
        seams.createTestSheet = [this](ViewContext& context, int test) -> QWidget* {
            bench.followSetup(database.record().setup);
            return createDocumentTestSheet(context, test, meter.session(),
                                           {bench.technician(), t.progress, t.clock, t.settings}, database,
                                           bench.placement());
        };
        frame = std::make_unique<MainWindow>(seams);
        frame->updateCommandStates();
    }
};

TEST_F(GuiParity, WindowAndCommandLineGiveTheSameVerdicts) {
    setUpDemoAudiometer(database.record().setup, database.instruments(), false);
    database.setConditionsAsked(true);
    document.markTestStarted();
    frame->views().switchView(ViewId::TestSheet);
    auto* view = qobject_cast<TestSheetView*>(frame->currentView());
    ASSERT_NE(view, nullptr) << t.messages.texts().join(u'\n').toStdString();
    QStringList window;
    for (int channel : {0, 1}) {
        view->pages()->setCurrentIndex(channel);
        view->button(QStringLiteral("Measure All"))->click();
        for (const ResultRow& row : view->sheet()->measurementPage(channel)->list().rows)
            window << QStringLiteral("%1 %2 %3")
                          .arg(channel == 0 ? "left" : "right")
                          .arg(double(frequencyHz(row.frequency)))
                          .arg(row.verdict == RowVerdict::Pass ? "PASS" : "FAIL");
    }
    const CliRun cli = runCli({"calibrate", "--db", dir.filePath("cli.mdb"), "--tests", "hl", "--transducers",
                               "supra", "--fault", QLatin1String(Fault)});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    QStringList commandLine;
    for (const QString& line : cli.lines().filter(QRegularExpression(QStringLiteral("^point "))))
        commandLine << line.section(u' ', 3, 4) + u' ' + line.section(u' ', 6, 6);
    EXPECT_EQ(window, commandLine);
    EXPECT_EQ(window.filter(QStringLiteral("FAIL")), QStringList{QStringLiteral("right 2000 FAIL")});
}

} // namespace
} // namespace orvik::test
