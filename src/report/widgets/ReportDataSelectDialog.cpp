#include "report/widgets/ReportDataSelectDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

ReportDataSelectDialog::ReportDataSelectDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Select Data for Report"));
    auto* layout = new QVBoxLayout(this);
    for (const ReportTest& test : reportTests()) {
        auto* box = new QCheckBox(QLatin1String(test.optionLabel), this);
        box->setChecked(true);
        layout->addWidget(box);
        m_tests << box;
    }
    m_retspl = new QCheckBox(QStringLiteral("Display RETSPL Message"), this);
    m_retspl->setChecked(true);
    layout->addWidget(m_retspl);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons->addButton(QStringLiteral("Select All"), QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, [this] { setAll(true); });
    connect(buttons->addButton(QStringLiteral("Clear All"), QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, [this] { setAll(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ReportDataSelectDialog::setAll(bool checked) {
    for (QCheckBox* box : m_tests)
        box->setChecked(checked);
}

AudiometerReportOptions ReportDataSelectDialog::options() const {
    AudiometerReportOptions options;
    for (int i = 0; i < m_tests.size(); ++i)
        if (m_tests[i]->isChecked())
            options.tests << reportTests()[i].test;
    options.retsplMessage = m_retspl->isChecked();
    return options;
}

} // namespace orvik
