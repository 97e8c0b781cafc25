#pragma once

#include "shell/BusyState.h"
#include "shell/ShellSeams.h"
#include "shell/ViewStack.h"

namespace orvik {

class MessageBox;
class ShellDocument;

// Decides whether and how the client area changes view: the equipment guard, the meter connection before
// the test sheet and the status grid, the calibration check before the first test sheet, and the view stack.
class ViewSwitcher {
public:
    ViewSwitcher(ShellDocument& document, MessageBox& messages, MeterConnection& meter, CalibrationCheck& calibration,
                 ViewHost& host, BusyState& busy);

    // `page`: the test sheet page to open, or -1.
    void switchView(ViewId view, int page = -1);
    // Goes back to the view before the current one (how preferences and notes close).
    void goBack();

    ViewId current() const { return m_current; }
    const ViewStack& stack() const { return m_stack; }
    // The window's running-procedure state: a switch is refused while it is held, and holds it itself while it
    // connects the meter and checks its calibration.
    BusyState& busy() { return m_busy; }

private:
    static bool needsEquipment(ViewId view);
    static bool needsMeter(ViewId view) { return view == ViewId::TestSheet || view == ViewId::MeasurementSelection; }
    void leave(ViewId view);
    // Connects the meter and runs the first calibration check when the view needs them. False: stay.
    bool prepareMeter(ViewId view);

    ShellDocument& m_document;
    MessageBox& m_messages;
    MeterConnection& m_meter;
    CalibrationCheck& m_calibration;
    ViewHost& m_host;
    BusyState& m_busy;
    ViewStack m_stack;
    ViewId m_current = ViewId::Idle;
};

} // namespace orvik
