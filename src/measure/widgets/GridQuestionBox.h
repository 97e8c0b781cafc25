#pragma once

#include "measure/EquipmentCheck.h"

class QWidget;

namespace orvik {

// The grid question as a message box with its "Do not show this dialog again." check box.
class GridQuestionBox final : public GridQuestion {
public:
    explicit GridQuestionBox(QWidget* parent) : m_parent(parent) {}
    bool ask(const QString& text, bool& doNotShowAgain) override;

private:
    QWidget* m_parent;
};

} // namespace orvik
