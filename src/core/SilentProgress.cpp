#include "core/SilentProgress.h"

namespace orvik {

namespace {
class SilentWindow final : public ProgressWindow {
public:
    void setRange(int, int) override {}
    void setPos(int) override {}
    void setStep(int) override {}
    void stepIt() override {}
    void setStatus(const QString&) override {}
    bool checkCancelButton() override { return false; }
};
} // namespace

std::unique_ptr<ProgressWindow> SilentProgress::open(const QString&) { return std::make_unique<SilentWindow>(); }

} // namespace orvik
