#include "shell/widgets/SummaryView.h"

#include "core/MessageBox.h"
#include "model/AudiometerRecord.h"
#include "model/FixedText.h"
#include "model/TransducersInUse.h"
#include "shell/ShellDocument.h"
#include "shell/SummaryFields.h"
#include "shell/ViewSwitcher.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvik {

namespace {
const char* const TestNames[] = {"Hearing Level",
                                 "Frequency",
                                 "Linearity",
                                 "Harmonic Distortion",
                                 "Pulse",
                                 "Cross Talk",
                                 "Frequency Modulation",
                                 "Narrow Band Level",
                                 "Broad Band Noise",
                                 "Speech"};
struct Column {
    const char* title;
    int width;
};
const Column Columns[] = {{"Test name", 135},       {"Supra-aural Earphones", 45}, {"Bone Vibrator", 75},
                          {"Speakers", 70},         {"Insert Earphones", 70},      {"Circumaural Earphones", 90}};
} // namespace

SummaryView::SummaryView(ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_audiometer(new QLabel(this)), m_year(new QLineEdit(this)),
      m_month(new QComboBox(this)), m_day(new QLineEdit(this)), m_technician(new QComboBox(this)),
      m_list(new QTableWidget(10, 6, this)) {
    const TestSetup& setup = context.document.record().setup;
    m_audiometer->setText(QStringLiteral("%1  %2  SN:%3")
                              .arg(fixedText(setup.audManufacturer), fixedText(setup.audModel),
                                   fixedText(setup.audSerialNumber)));
    m_audiometer->setObjectName(QStringLiteral("audiometer"));

    m_year->setValidator(new QIntValidator(0, 9999, m_year));
    m_year->setMaximumWidth(70);
    for (const char* month : SummaryDate::MonthNames)
        m_month->addItem(QString::fromLatin1(month));
    m_day->setValidator(new QIntValidator(1, 31, m_day));
    m_day->setMaximumWidth(50);
    showDate(fixedText(setup.testDate));
    m_technician->setEditable(true);
    m_technician->addItems(context.document.technicians());
    m_technician->setCurrentText(fixedText(setup.technician));
    m_technician->setMinimumWidth(220);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_year);
    dateRow->addWidget(m_month);
    dateRow->addWidget(m_day);
    dateRow->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Audiometer:"), m_audiometer);
    form->addRow(QStringLiteral("Test date:"), dateRow);
    form->addRow(QStringLiteral("Calibration technician:"), m_technician);

    fillList();
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] { goToMeasurement(); });

    auto* goMeasure = new QPushButton(QStringLiteral("Go To Measurement..."), this);
    auto* goSetup = new QPushButton(QStringLiteral("Go To Equipment Setup..."), this);
    auto* doneButton = new QPushButton(QStringLiteral("Done"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(goMeasure, &QPushButton::clicked, this, [this] { goToMeasurement(); });
    connect(goSetup, &QPushButton::clicked, this, [this] { m_context.views.switchView(ViewId::TestSetup); });
    connect(doneButton, &QPushButton::clicked, this, &SummaryView::done);
    connect(cancelButton, &QPushButton::clicked, this, &SummaryView::cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(goMeasure);
    buttons->addWidget(goSetup);
    buttons->addStretch();
    buttons->addWidget(doneButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("<h3>Measurement Summary</h3>"), this));
    layout->addLayout(form);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    setTabOrder(m_year, m_month);
    setTabOrder(m_month, m_day);
    setTabOrder(m_day, m_technician);
    setTabOrder(m_technician, m_list);
}

void SummaryView::showDate(const QString& stored) {
    const SummaryDate date = SummaryDate::fromStored(stored);
    m_year->setText(QString::number(date.year));
    m_month->setCurrentIndex(date.monthIndex);
    m_day->setText(QString::asprintf("%02d", date.day));
}

void SummaryView::fillList() {
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    for (int c = 0; c < 6; ++c) {
        m_list->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromLatin1(Columns[c].title)));
        // Headers wider than their cells still need to be readable.
        const int headerWidth = m_list->horizontalHeader()->fontMetrics().horizontalAdvance(
                                    QString::fromLatin1(Columns[c].title)) + 24;
        m_list->setColumnWidth(c, std::max(Columns[c].width, headerWidth));
    }
    for (int row = 0; row < 10; ++row) {
        m_list->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(TestNames[row])));
        for (int c = 0; c < 5; ++c) {
            const bool inUse = transducerInUse(m_context.document.record().setup, TransducerKind(c));
            auto* cell = new QTableWidgetItem(summaryStatusText(m_context.document.testStatus(row, c), inUse));
            cell->setTextAlignment(Qt::AlignCenter);
            m_list->setItem(row, c + 1, cell);
        }
    }
    m_list->selectRow(0);
}

void SummaryView::goToMeasurement() { m_context.views.switchView(ViewId::TestSheet, m_list->currentRow()); }

bool SummaryView::storeFields() {
    TestSetup& setup = m_context.document.record().setup;
    const QString technician = m_technician->currentText().trimmed();
    if (!technician.isEmpty()) {
        setFixedText(setup.technician, technician);
        m_context.document.addTechnician(technician);
    }
    const SummaryDate date{m_year->text().toInt(), m_month->currentIndex(), m_day->text().toInt()};
    if (!date.isCalendarDate()) {
        const QString kept = fixedText(setup.testDate);
        showDate(kept);
        m_context.messages.show(date.refusal(kept));
        return false;
    }
    const QString stored = date.toStored();
    if (!stored.isEmpty())
        setFixedText(setup.testDate, stored);
    return true;
}

void SummaryView::done() {
    if (m_technician->currentText().trimmed().isEmpty()) {
        m_context.messages.show(
            QStringLiteral("You must enter a technician before leaving the audiometer measurements."));
        return;
    }
    if (storeFields())
        m_context.views.switchView(ViewId::Idle);
}

void SummaryView::cancel() {
    if (m_context.document.isModified() &&
        m_context.messages.show(QStringLiteral("There were changes in the test. \nDo you really want to exit?"),
                                MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_context.document.setModified(false);
    m_context.views.switchView(ViewId::Idle);
}

} // namespace orvik
