#include "measure/widgets/LiveDisplayDialog.h"

#include <QTimer>

namespace orvik {

namespace {
constexpr int TickMs = 1000;
} // namespace

LiveDisplayDialog::LiveDisplayDialog(BusyState& busy, QWidget* parent)
    : QDialog(parent), m_busy(busy), m_timer(new QTimer(this)) {
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &LiveDisplayDialog::tick);
}

void LiveDisplayDialog::tick() {
    // The reading pumps events; the timer must not fire into it again.
    m_timer->stop();
    // Another procedure of the window talks to the meter: skip this reading rather than cut into its exchanges.
    if (m_busy.isBusy()) {
        m_timer->start();
        return;
    }
    const BusyState::Hold reading(m_busy);
    if (!readOnce())
        return;
    showValues();
    m_timer->start();
}

bool LiveDisplayDialog::runBusy(const std::function<bool()>& procedure) {
    if (m_busy.isBusy())
        return false;
    const BusyState::Hold working(m_busy);
    return procedure();
}

} // namespace orvik
