#pragma once

#include "core/ProgressWindow.h"

namespace orvik {

// Progress nobody watches: scripts, batch work and benchmarks. Its windows show nothing and are never
// cancelled.
class SilentProgress final : public ProgressFactory {
public:
    std::unique_ptr<ProgressWindow> open(const QString& caption) override;
};

} // namespace orvik
