#include "shell/widgets/BatteryCheckDialog.h"

#include "meter/BatteryDisplay.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvik {

BatteryCheckDialog::BatteryCheckDialog(SlmCommander& commander, QWidget* parent)
    : QDialog(parent), m_display(new BatteryDisplay(commander, this)) {
    setWindowTitle(QStringLiteral("Battery"));
    auto* text = new QLabel(this);
    text->setMinimumWidth(260);
    connect(m_display, &BatteryDisplay::textChanged, text, &QLabel::setText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    m_display->start();
}

BatteryCheckDialog::~BatteryCheckDialog() { m_display->stop(); }

} // namespace orvik
