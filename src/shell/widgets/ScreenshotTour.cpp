#include "shell/widgets/ScreenshotTour.h"

#include "model/AudiometerRecord.h"
#include "model/FixedText.h"
#include "model/FrequencyTable.h"
#include "shell/ShellDocument.h"
#include "shell/widgets/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

namespace orvik {

ScreenshotTour::ScreenshotTour(MainWindow& frame, ShellDocument& document, QString folder)
    : m_frame(frame), m_document(document), m_folder(std::move(folder)) {}

bool ScreenshotTour::capture(const QString& name) {
    QApplication::processEvents();
    return m_frame.grab().save(QDir(m_folder).filePath(name));
}

bool ScreenshotTour::run() {
    m_frame.resize(1280, 720);
    m_frame.commands().newMeasurement();
    TestSetup& setup = m_document.record().setup;
    setFixedText(setup.audManufacturer, QStringLiteral("Quenmark"));
    setFixedText(setup.audModel, QStringLiteral("QA-40"));
    setFixedText(setup.audSerialNumber, QStringLiteral("40-11873"));
    setFixedText(setup.technician, QStringLiteral("A. Lind"));
    selectDefaultFrequencies(setup.frequencySelected);
    m_document.markTestStarted();
    m_frame.commands().measurementSummary();
    const bool summary = capture(QStringLiteral("summary-view.png"));
    m_frame.views().switchView(ViewId::TestSetup);
    const bool setupView = capture(QStringLiteral("setup-view.png"));
    m_frame.close();
    return summary && setupView;
}

} // namespace orvik
