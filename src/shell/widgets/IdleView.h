#pragma once

#include <QWidget>
#include <functional>

namespace orvik {

class ShellDocument;

// The empty start view: what the program is connected to and where to begin.
class IdleView final : public QWidget {
    Q_OBJECT
public:
    // `addDemoInstruments`, when given, is offered while any instrument kind a test needs has no entry.
    IdleView(ShellDocument& document, std::function<void()> addDemoInstruments, QWidget* parent = nullptr);
};

} // namespace orvik
