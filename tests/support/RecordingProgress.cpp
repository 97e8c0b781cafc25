#include "RecordingProgress.h"

namespace orvik::test {

class RecordingProgressWindow final : public ProgressWindow {
public:
    explicit RecordingProgressWindow(RecordingProgress& owner) : m_owner(owner) { ++m_owner.openWindows; }
    ~RecordingProgressWindow() override { --m_owner.openWindows; }

    void setRange(int, int) override {}
    void setPos(int) override {}
    void setStep(int) override {}
    void stepIt() override { ++m_owner.steps; }
    void setStatus(const QString& text) override { m_owner.statusTexts << text; }
    bool checkCancelButton() override {
        ++m_owner.checks;
        if (m_owner.m_cancelAt > 0 && m_owner.checks == m_owner.m_cancelAt)
            m_owner.m_cancelPending = true;
        const bool cancelled = m_owner.m_cancelPending;
        m_owner.m_cancelPending = false;
        return cancelled;
    }

private:
    RecordingProgress& m_owner;
};

std::unique_ptr<ProgressWindow> RecordingProgress::open(const QString& caption) {
    captions << caption;
    return std::make_unique<RecordingProgressWindow>(*this);
}

} // namespace orvik::test
