#pragma once

#include <QWidget>

namespace orvik {

class ShellDocument;

// The empty start view: what the program is connected to and where to begin.
class CIdleView final : public QWidget {
    Q_OBJECT
public:
    explicit CIdleView(ShellDocument& document, QWidget* parent = nullptr);
};

} // namespace orvik
