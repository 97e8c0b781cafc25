#include "measure/widgets/ResultListPage.h"

#include "measure/BoneLevelMeasurement.h"
#include "measure/CrossTalkMeasurement.h"
#include "measure/ListNumber.h"
#include "measure/SoundFieldMeasurement.h"
#include "measure/ToneMeasurement.h"
#include "measure/widgets/SourcePageControls.h"
#include "measure/widgets/LinearityInputsView.h"

#include <QColor>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace orvik {

namespace {
const QColor MissingReferenceGrey(150, 150, 150);
const QColor PassGreen(0, 120, 0);
const QColor FailRed(190, 0, 0);

// The verdict of a judged row stands in the row's header, so the list's own columns stay as they are.
QTableWidgetItem* verdictMarker(RowVerdict verdict) {
    switch (verdict) {
    case RowVerdict::Pass: {
        auto* marker = new QTableWidgetItem(QStringLiteral("PASS"));
        marker->setForeground(PassGreen);
        return marker;
    }
    case RowVerdict::Fail: {
        auto* marker = new QTableWidgetItem(QStringLiteral("FAIL"));
        marker->setForeground(FailRed);
        return marker;
    }
    case RowVerdict::NotJudged:
        break;
    }
    return new QTableWidgetItem(QString());
}

// An invalid colour leaves the row in the palette's text colour.
QColor rowColour(const ResultRow& row) {
    if (row.greyed)
        return MissingReferenceGrey;
    switch (row.verdict) {
    case RowVerdict::Pass:
        return PassGreen;
    case RowVerdict::Fail:
        return FailRed;
    case RowVerdict::NotJudged:
        break;
    }
    return {};
}
} // namespace

ResultListPage::ResultListPage(Measurement& page, QWidget* parent)
    : QWidget(parent), m_page(page), m_table(new QTableWidget(this)), m_layout(new QVBoxLayout(this)) {
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_layout->addWidget(m_table);
    refill();
}

void ResultListPage::addControl(QWidget* control) {
    control->setParent(this);
    m_layout->addWidget(control, 0, Qt::AlignLeft);
}

QList<int> ResultListPage::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ResultListPage::refill() {
    const ResultList& list = m_page.list();
    // The technician's selection outlives a refill (a placement or angle change, a point measured).
    const QList<int> selected = selectedRows();
    m_table->clear();
    m_table->setColumnCount(int(list.columns.size()));
    m_table->setHorizontalHeaderLabels(list.columns);
    m_table->setRowCount(int(list.rows.size()));
    for (int r = 0; r < list.rows.size(); ++r) {
        const ResultRow& row = list.rows[r];
        m_table->setVerticalHeaderItem(r, verdictMarker(row.verdict));
        const QColor colour = rowColour(row);
        for (int c = 0; c < row.cells.size() && c < list.columns.size(); ++c) {
            auto* item = new QTableWidgetItem(row.cells[c]);
            if (colour.isValid())
                item->setForeground(colour);
            m_table->setItem(r, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    for (int row : selected)
        if (row < m_table->rowCount())
            m_table->selectionModel()->select(m_table->model()->index(row, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (m_page.measuringIndex() >= 0) {
        for (int r = 0; r < list.rows.size(); ++r)
            if (list.rows[r].frequency == m_page.measuringIndex())
                m_table->scrollToItem(m_table->item(r, 0));
    }
}

namespace {
// The page factory makes one page class for each kind, so a kind's controls may take its page as that class.
using PageControls = void (*)(ResultListPage&, Measurement&);

void addAppliedCorrections(ResultListPage& view, Measurement& measurement) {
    auto& page = static_cast<ToneMeasurement&>(measurement);
    if (!page.appliedCorrectionsAvailable())
        return;
    auto* corrections = new QPushButton(QStringLiteral("Applied Corrections"));
    corrections->setCheckable(true);
    QObject::connect(corrections, &QPushButton::toggled, &view, [&view, &page] {
        page.toggleAppliedCorrections();
        view.refill();
    });
    view.addControl(corrections);
}

void addTestFrequency(ResultListPage& view, Measurement& measurement) {
    auto& page = static_cast<CrossTalkMeasurement&>(measurement);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Test Frequency:")));
    auto* choice = new QComboBox;
    for (FreqIndex i : page.frequenciesOffered()) {
        choice->addItem(listNumber(frequencyHz(i), 0), i);
        if (i == page.testFrequency())
            choice->setCurrentIndex(choice->count() - 1);
    }
    layout->addWidget(choice);
    QObject::connect(choice, &QComboBox::currentIndexChanged, &view, [&view, &page, choice] {
        page.setTestFrequency(choice->currentData().toInt());
        view.refill();
    });
    view.addControl(row);
}

// A row of radio buttons after a label; the checked button's position goes to `choose`.
template <class Choose>
void addChoice(ResultListPage& view, const QString& label, const QStringList& names, int checked, Choose choose) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(label));
    auto* group = new QButtonGroup(row);
    for (int n = 0; n < names.size(); ++n) {
        auto* button = new QRadioButton(names[n]);
        button->setChecked(n == checked);
        group->addButton(button, n);
        layout->addWidget(button);
    }
    QObject::connect(group, &QButtonGroup::idClicked, &view, [&view, choose](int id) {
        choose(id);
        view.refill();
    });
    view.addControl(row);
}

void addBoneControls(ResultListPage& view, Measurement& measurement) {
    auto& page = static_cast<BoneLevelMeasurement&>(measurement);
    addChoice(view, QStringLiteral("Placement:"), {QStringLiteral("Mastoid"), QStringLiteral("Forehead")},
              page.forehead() ? 1 : 0, [&page](int id) { page.setForehead(id == 1); });
    auto* corrections = new QPushButton(QStringLiteral("Show Applied Corrections"));
    corrections->setCheckable(true);
    QObject::connect(corrections, &QPushButton::toggled, &view, [&view, &page] {
        page.toggleAppliedCorrections();
        view.refill();
    });
    view.addControl(corrections);
}

void addIncidenceAngle(ResultListPage& view, Measurement& measurement) {
    auto& page = static_cast<SoundFieldMeasurement&>(measurement);
    const QChar degree(0x00B0);
    addChoice(view, QStringLiteral("Incidence Angle:"),
              {QStringLiteral("0") + degree, QStringLiteral("45") + degree, QStringLiteral("90") + degree},
              page.angle(), [&page](int id) { page.setAngle(id); });
}

void addBinauralAngle(ResultListPage& view, Measurement&) {
    view.addControl(new QLabel(QStringLiteral("Incidence angle:   0") + QChar(0x00B0)));
}

const std::map<PageKind, PageControls>& controls() {
    static const std::map<PageKind, PageControls> table = {
        {PageKind::Tone, addAppliedCorrections},
        {PageKind::CrossTalk, addTestFrequency},
        {PageKind::BoneLevel, addBoneControls},
        {PageKind::SoundField, addIncidenceAngle},
        {PageKind::BinauralSoundField, addBinauralAngle},
        {PageKind::BroadBand, addBroadBandControls},
        {PageKind::Speech, addSpeechControls},
        {PageKind::Linearity, addLinearityInputs},
    };
    return table;
}
} // namespace

ResultListPage* makePageView(PageKind kind, Measurement& page, QWidget* parent) {
    auto* view = new ResultListPage(page, parent);
    if (const auto found = controls().find(kind); found != controls().end())
        found->second(*view, page);
    return view;
}

} // namespace orvik
