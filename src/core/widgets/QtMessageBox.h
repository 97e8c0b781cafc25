#pragma once

#include "core/MessageBox.h"

class QWidget;

namespace orvik {

// Message boxes of the program, parented to the main window so they stay on top of it.
class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override;

private:
    QWidget* m_parent;
};

} // namespace orvik
