#pragma once

#include <QString>

namespace orvik {

class MainWindow;
class ShellDocument;

// Walks the program through a sample test and saves pictures of the summary and set-up views: the
// README's screenshots come from the program itself, not from a mock-up.
class ScreenshotTour {
public:
    ScreenshotTour(MainWindow& frame, ShellDocument& document, QString folder);
    // Runs once the window is up; closes the window when done. False when a picture could not be saved.
    bool run();

private:
    bool capture(const QString& name);

    MainWindow& m_frame;
    ShellDocument& m_document;
    QString m_folder;
};

} // namespace orvik
