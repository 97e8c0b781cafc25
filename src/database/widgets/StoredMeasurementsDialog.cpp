#include "database/widgets/StoredMeasurementsDialog.h"

#include "database/widgets/StoredAudiometerTestsPage.h"
#include "database/widgets/StoredBoothTestsPage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvik {

StoredMeasurementsDialog::StoredMeasurementsDialog(StoredMeasurementsBrowser& browser, QWidget* parent)
    : QDialog(parent), m_browser(browser) {
    setWindowTitle(QStringLiteral("Stored Measurements"));
    // The tabs first, so Tab reaches them before the page's fields.
    auto* pages = new QTabWidget(this);
    m_audiometric = new StoredAudiometerTestsPage(browser, pages);
    m_booth = new StoredBoothTestsPage(browser, pages);
    pages->addTab(m_audiometric, QStringLiteral("Audiometric Measurements"));
    pages->addTab(m_booth, QStringLiteral("Booth Test Data"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Retrieve"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* remove = buttons->addButton(QStringLiteral("&Delete"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(remove, &QPushButton::clicked, this, &StoredMeasurementsDialog::deleteSelected);
    connect(m_audiometric, &StoredSearchPage::retrieveRequested, this, &QDialog::accept);
    connect(m_booth, &StoredSearchPage::retrieveRequested, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    resize(640, 480);

    m_audiometric->updateList();
    m_booth->updateList();
}

void StoredMeasurementsDialog::deleteSelected() {
    const bool boothSelected = m_booth->selectedId() >= 0;
    const bool audiometricSelected = m_audiometric->selectedId() >= 0;
    if (!m_browser.remove(m_booth->selectedId(), m_audiometric->selectedId()))
        return;
    if (boothSelected)
        m_booth->updateList();
    if (audiometricSelected)
        m_audiometric->updateList();
}

StoredMeasurementsBrowser::Retrieved StoredMeasurementsDialog::browse(Document& document, MessageBox& messages,
                                                           QWidget* parent) {
    StoredMeasurementsBrowser browser(document, messages);
    StoredMeasurementsDialog sheet(browser, parent);
    if (sheet.exec() != QDialog::Accepted)
        return {};
    return browser.retrieve(sheet.boothPage()->selectedId(), sheet.audiometricPage()->selectedId());
}

} // namespace orvik
