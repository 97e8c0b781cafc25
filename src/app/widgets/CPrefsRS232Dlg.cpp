#include "CPrefsRS232Dlg.h"

#include "CPortPage.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace orvik {

CPrefsRS232Dlg::CPrefsRS232Dlg(Preferences& preferences, MessageBox& messages, const QList<SSerInfo>& ports,
                               QWidget* parent)
    : QDialog(parent), m_preferences(preferences), m_page(new CPortPage(preferences, ports, messages, this)) {
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
