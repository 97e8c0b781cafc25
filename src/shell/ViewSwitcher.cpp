#include "shell/ViewSwitcher.h"

#include "core/MessageBox.h"
#include "shell/ShellDocument.h"

namespace orvik {

ViewSwitcher::ViewSwitcher(ShellDocument& document, MessageBox& messages, MeterConnection& meter,
                           CalibrationCheck& calibration, ViewHost& host, BusyState& busy)
    : m_document(document), m_messages(messages), m_meter(meter), m_calibration(calibration), m_host(host),
      m_busy(busy), m_stack(messages) {}

bool ViewSwitcher::needsEquipment(ViewId view) {
    return view != ViewId::Idle && view != ViewId::Instrumentation && view != ViewId::Preferences;
}

void ViewSwitcher::switchView(ViewId view, int page) {
    if (m_busy.refuse(m_messages))
        return;
    if (!m_document.equipmentDefined() && needsEquipment(view)) {
        m_messages.show(QStringLiteral("Must define equipment first."));
        view = ViewId::Instrumentation;
    }
    if (view == m_current)
        return;
    leave(m_current);
    if (!prepareMeter(view))
        return;
    m_host.showView(view, view == ViewId::TestSheet ? page : -1);
    m_current = view;
    m_stack.push(view);
}

void ViewSwitcher::leave(ViewId view) {
    if (view == ViewId::Summary && m_document.isModified())
        m_host.storeSummaryFields();
    // New port settings apply at the next connection.
    if (view == ViewId::Preferences && m_meter.portExists())
        m_meter.closePort();
}

bool ViewSwitcher::prepareMeter(ViewId view) {
    const BusyState::Hold connecting(m_busy);
    if (needsMeter(view) && m_meter.connect() < 0)
        return false;
    if (view == ViewId::TestSheet && !m_document.calibrationChecked() && m_calibration.run() != 0)
        m_document.setCalibrationChecked(true);
    return true;
}

void ViewSwitcher::goBack() {
    if (m_busy.refuse(m_messages))
        return;
    switchView(m_stack.pop());
}

} // namespace orvik
