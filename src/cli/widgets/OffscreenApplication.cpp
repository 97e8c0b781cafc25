#include "cli/widgets/OffscreenApplication.h"

#include <QGuiApplication>

namespace orvik::cli {

QCoreApplication* offscreenApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

} // namespace orvik::cli
