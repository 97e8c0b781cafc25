#include "shell/widgets/PreferencesView.h"

#include "core/widgets/TabChain.h"
#include "shell/ShellDocument.h"
#include "shell/ViewSwitcher.h"
#include "shell/widgets/OrganizationPage.h"
#include "shell/widgets/PortPage.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

PreferencesView::PreferencesView(ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_working(context.document.preferences()),
      m_options(OrganizationPage::readOptions(context.settings)),
      m_categories(new QListWidget(this)), m_title(new QLabel(this)), m_pageArea(new QVBoxLayout) {
    auto* heading = new QLabel(QStringLiteral("<h3>System setup items</h3>"), this);
    m_categories->addItems({QStringLiteral("Organization"), QStringLiteral("RS232 Port")});
    m_categories->setMaximumWidth(180);
    m_title->setObjectName(QStringLiteral("pageTitle"));
    m_title->setStyleSheet(QStringLiteral("font-weight: bold"));

    auto* buttons = new QDialogButtonBox(this);
    m_buttons = buttons;
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesView::cancel);

    auto* right = new QVBoxLayout;
    right->addWidget(m_title);
    right->addLayout(m_pageArea, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_categories);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    connect(m_categories, &QListWidget::currentRowChanged, this, &PreferencesView::showCategory);
    m_categories->setCurrentRow(0);
}

void PreferencesView::storeShownPage() {
    if (m_organization)
        m_organization->store(m_working, m_options);
    if (m_port)
        m_port->store(m_working);
}

void PreferencesView::showCategory(int row) {
    storeShownPage();
    delete m_organization;
    delete m_port;
    m_organization = nullptr;
    m_port = nullptr;
    if (row == 0) {
        m_title->setText(QStringLiteral("Calibration Facility Name"));
        m_organization = new OrganizationPage(m_working, m_options, this);
        m_pageArea->addWidget(m_organization);
    } else {
        m_title->setText(QStringLiteral("Communications Port Options"));
        m_port = new PortPage(m_working, m_context.enumeratePorts(), m_context.messages, this);
        m_pageArea->addWidget(m_port);
    }
    moveToEndOfTabChain(m_buttons);
}

void PreferencesView::accept() {
    storeShownPage();
    OrganizationPage::writeOptions(m_context.settings, m_options);
    m_context.document.preferences() = m_working;
    m_context.document.writePreferences();
    m_context.views.goBack();
}

void PreferencesView::cancel() { m_context.views.goBack(); }

} // namespace orvik
