#pragma once

#include "core/ProgressWindow.h"

#include <QStringList>
#include <functional>

namespace orvik::test {

// Progress windows that record what they were told and press "Cancel" when a test says so.
class RecordingProgress final : public ProgressFactory {
public:
    std::unique_ptr<ProgressWindow> open(const QString& caption) override;

    // Presses "Cancel" at the n-th cancel check (1-based) counted over all windows; 0 never.
    void cancelAtCheck(int n) { m_cancelAt = n; }
    void cancelNow() { m_cancelPending = true; }

    QStringList captions;
    QStringList statusTexts;
    int checks = 0;
    int steps = 0;
    int openWindows = 0;

private:
    friend class RecordingProgressWindow;
    int m_cancelAt = 0;
    bool m_cancelPending = false;
};

} // namespace orvik::test
