#pragma once

#include <QString>

namespace orvik {

class InstrumentLists;
class MainWindow;
class ShellDocument;

// Walks the program through a sample test on the simulated bench and saves pictures of the summary and set-up
// views, the meter calibration check and the test sheet after a hearing-level run: the documentation's
// screenshots come from the program itself, not from a mock-up.
class ScreenshotTour {
public:
    ScreenshotTour(MainWindow& frame, ShellDocument& document, const InstrumentLists& instruments, QString folder);
    // Runs once the window is up; closes the window when done. False when a picture could not be saved.
    bool run();

private:
    bool capture(const QString& name);
    void setUpSampleAudiometer();
    void answerPromptsAutomatically();
    bool openSheetThroughTheCalibrationCheck();
    bool measureLeftEar();

    MainWindow& m_frame;
    ShellDocument& m_document;
    const InstrumentLists& m_instruments;
    QString m_folder;
};

} // namespace orvik
