#include "shell/widgets/MeterPortDialog.h"

#include "shell/widgets/PortPage.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace orvik {

MeterPortDialog::MeterPortDialog(Preferences& preferences, MessageBox& messages, const QList<SerialPortInfo>& ports,
                               QWidget* parent)
    : QDialog(parent), m_preferences(preferences), m_page(new PortPage(preferences, ports, messages, this)) {
    setWindowTitle(QStringLiteral("Set SLM Port"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_page->store(m_preferences);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addWidget(buttons);
}

} // namespace orvik
