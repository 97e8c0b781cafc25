#pragma once

#include "core/ProgressWindow.h"

#include <memory>

namespace orvik {

// The one progress window of a Measure All or Measure Selected run, open from before the first point to the end
// of the last, with its bar counting the points done. The procedures of the run talk to the technician through
// it: their texts get the point in front, and the bar settings they make for a window of their own are ignored,
// so that nothing but finished points moves the run's bar.
class RunProgress final : public ProgressWindow {
public:
    RunProgress(ProgressFactory& factory, const QString& caption, int points);

    // The point about to be measured, counted from 0, and what it is (e.g. "1000 Hz").
    void startPoint(int index, const QString& what);
    void pointDone();

    void setRange(int, int) override {}
    void setPos(int) override {}
    void setStep(int) override {}
    void stepIt() override {}
    void setStatus(const QString& text) override;
    bool checkCancelButton() override { return m_window->checkCancelButton(); }

private:
    std::unique_ptr<ProgressWindow> m_window;
    int m_points;
    int m_done = 0;
    QString m_point;
};

} // namespace orvik
