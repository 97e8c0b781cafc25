#pragma once

class QCoreApplication;

namespace orvik::cli {

// A GUI application on the offscreen platform unless the caller chose one: fonts and painting without a window.
QCoreApplication* offscreenApplication(int& argc, char** argv);

} // namespace orvik::cli
