#include "shell/widgets/ScreenshotTour.h"

#include "measure/widgets/MeterCalibrationDialog.h"
#include "measure/widgets/TestSheetView.h"
#include "model/AudiometerRecord.h"
#include "model/FixedText.h"
#include "model/widgets/ConditionsDialog.h"
#include "shell/DemoInstruments.h"
#include "shell/ShellDocument.h"
#include "shell/widgets/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>

namespace orvik {

namespace {
constexpr int HearingLevel = 0;
// The calibration check's display needs a few seconds of real time to settle on the calibrator.
constexpr int CalibrationSettleMs = 4000;

// Calls `step` on the modal dialog of type Dialog once it is up (checked every 100 ms, at most `withinMs`).
template <typename Dialog> void whenModalOpens(std::function<void(Dialog&)> step, int withinMs) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, step = std::move(step), withinMs] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && waited->elapsed() < withinMs)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (dialog)
            step(*dialog);
    });
    poll->start(100);
}
} // namespace

ScreenshotTour::ScreenshotTour(MainWindow& frame, ShellDocument& document, const InstrumentLists& instruments,
                               QString folder)
    : m_frame(frame), m_document(document), m_instruments(instruments), m_folder(std::move(folder)) {}

bool ScreenshotTour::capture(const QString& name) {
    QApplication::processEvents();
    return m_frame.grab().save(QDir(m_folder).filePath(name));
}

// The demo audiometer, without its circumaural earphones, so the summary shows a transducer outside the set-up.
void ScreenshotTour::setUpSampleAudiometer() {
    TestSetup& setup = m_document.record().setup;
    setUpDemoAudiometer(setup, m_instruments, false);
    setFixedText(setup.audManufacturer, QStringLiteral("Quenmark"));
    setFixedText(setup.audModel, QStringLiteral("QA-40"));
    setFixedText(setup.audSerialNumber, QStringLiteral("40-11873"));
    setFixedText(setup.technician, QStringLiteral("A. Lind"));
    setFixedText(setup.circumaural.leftSerial, QString());
    setFixedText(setup.circumaural.rightSerial, QString());
}

void ScreenshotTour::answerPromptsAutomatically() {
    for (QAction* action : m_frame.findChildren<QAction*>())
        if (action->text() == QLatin1String("Answer prompts automatically") && !action->isChecked())
            action->trigger();
}

// Going to the sheet runs the meter calibration check first: pictured once its display has settled.
bool ScreenshotTour::openSheetThroughTheCalibrationCheck() {
    bool pictured = false;
    whenModalOpens<MeterCalibrationDialog>(
        [this, &pictured](MeterCalibrationDialog& dialog) {
            QTimer::singleShot(CalibrationSettleMs, &dialog, [this, &pictured, &dialog] {
                pictured = dialog.grab().save(QDir(m_folder).filePath(QStringLiteral("calibration-dialog.png")));
                dialog.accept();
            });
        },
        30000);
    m_frame.views().switchView(ViewId::TestSheet, HearingLevel);
    return pictured && m_frame.views().current() == ViewId::TestSheet;
}

// Measure All on the left earphone; the maker's mastoid in the demo set-up asks for the conditions first.
bool ScreenshotTour::measureLeftEar() {
    auto* sheet = qobject_cast<TestSheetView*>(m_frame.currentView());
    if (!sheet)
        return false;
    whenModalOpens<ConditionsDialog>([](ConditionsDialog& conditions) { conditions.accept(); }, 5000);
    sheet->pages()->setCurrentIndex(0);
    sheet->button(QStringLiteral("Measure All"))->click();
    return true;
}

bool ScreenshotTour::run() {
    m_frame.resize(1280, 720);
    m_frame.commands().newMeasurement();
    setUpSampleAudiometer();
    m_document.markTestStarted();
    m_frame.commands().measurementSummary();
    bool saved = capture(QStringLiteral("summary-view.png"));
    m_frame.views().switchView(ViewId::TestSetup);
    saved = capture(QStringLiteral("setup-view.png")) && saved;
    m_frame.views().switchView(ViewId::Summary);
    answerPromptsAutomatically();
    saved = openSheetThroughTheCalibrationCheck() && saved;
    saved = measureLeftEar() && capture(QStringLiteral("test-sheet.png")) && saved;
    m_document.setModified(false);
    m_frame.close();
    return saved;
}

} // namespace orvik
