#include "measure/RunProgress.h"

#include "measure/MeterSetup.h"

namespace orvik {

RunProgress::RunProgress(ProgressFactory& factory, const QString& caption, int points)
    : m_window(factory.open(caption)), m_points(points) {
    m_window->setRange(0, points);
    m_window->setPos(0);
}

void RunProgress::startPoint(int index, const QString& what) {
    m_point = QStringLiteral("Point %1 of %2, %3").arg(index + 1).arg(m_points).arg(what);
    m_window->setStatus(m_point);
}

void RunProgress::pointDone() {
    m_window->setPos(++m_done);
}

void RunProgress::setStatus(const QString& text) {
    m_window->setStatus(labelled(m_point, text));
}

} // namespace orvik
