#pragma once

#include "shell/BusyState.h"

#include <QDialog>
#include <functional>

class QTimer;

namespace orvik {

// A modeless live display of the test sheet ("Adjust Level", the speech Adjust window): a 1000 ms timer drives
// one reading a tick; the timer stops when the technician gives up after a failed read. Subclasses say how to
// read and what to show.
class LiveDisplayDialog : public QDialog {
    Q_OBJECT
public:
    LiveDisplayDialog(BusyState& busy, QWidget* parent);

    // One timer tick (also what tests call instead of waiting a second).
    void tick();
    QTimer* timer() const { return m_timer; }

protected:
    // One reading; false when the display stops.
    virtual bool readOnce() = 0;
    virtual void showValues() = 0;
    // Runs a meter procedure of the display (its opening, a change of what it reads) as the window's busy work.
    bool runBusy(const std::function<bool()>& procedure);
    BusyState& busy() { return m_busy; }

private:
    BusyState& m_busy;
    QTimer* m_timer;
};

} // namespace orvik
