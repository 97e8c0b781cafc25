#include "database/widgets/StoredSearchPage.h"

#include "database/widgets/BrowserRowModel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace orvik {

namespace {
constexpr int LongestDateText = 32;

QStringList headingsOf(std::initializer_list<ResultColumn> columns) {
    QStringList headings;
    for (const ResultColumn& column : columns)
        headings << QString::fromLatin1(column.heading);
    return headings;
}
} // namespace

StoredSearchPage::StoredSearchPage(StoredMeasurementsBrowser& browser, std::initializer_list<SearchField> fields,
                                   std::initializer_list<ResultColumn> columns, QWidget* parent)
    : QWidget(parent), m_browser(browser) {
    auto* form = new QFormLayout;
    for (const SearchField& field : fields) {
        m_fields.push_back(createField(field));
        m_fields.back()->installEventFilter(this);
        form->addRow(QString::fromLatin1(field.label), m_fields.back());
    }
    auto* hint = new QLabel(QStringLiteral("Names and numbers find every entry that begins with what is typed, "
                                           "in capitals or not."),
                            this);
    hint->setWordWrap(true);
    m_update = new QPushButton(QStringLiteral("&Update List"), this);
    m_list = new QTreeView(this);
    m_rows = new BrowserRowModel(headingsOf(columns), this);
    m_list->setModel(m_rows);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setStretchLastSection(true);
    int index = 0;
    for (const ResultColumn& column : columns) {
        if (column.width > 0)
            m_list->setColumnWidth(index, column.width);
        ++index;
    }
    connect(m_update, &QPushButton::clicked, this, &StoredSearchPage::updateList);
    connect(m_list, &QTreeView::doubleClicked, this, &StoredSearchPage::retrieveRequested);

    auto* updateRow = new QHBoxLayout;
    updateRow->addStretch();
    updateRow->addWidget(m_update);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(updateRow);
    layout->addWidget(m_list, 1);
}

QWidget* StoredSearchPage::createField(const SearchField& field) {
    if (field.kind == SearchField::Channel) {
        auto* channel = new QComboBox(this);
        channel->addItems({QStringLiteral("All"), QStringLiteral("1"), QStringLiteral("2")});
        return channel;
    }
    auto* text = new QLineEdit(this);
    if (field.kind == SearchField::Date) {
        // A date that does not read as one is left out of the search.
        text->setMaxLength(LongestDateText);
        text->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
    } else {
        text->setMaxLength(field.maxLength);
    }
    return text;
}

QString StoredSearchPage::fieldText(int field) const {
    auto* text = qobject_cast<QLineEdit*>(m_fields.at(static_cast<std::size_t>(field)));
    return text ? text->text() : QString();
}

int StoredSearchPage::fieldChoice(int field) const {
    auto* list = qobject_cast<QComboBox*>(m_fields.at(static_cast<std::size_t>(field)));
    return list ? list->currentIndex() : 0;
}

RowId StoredSearchPage::selectedId() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : m_rows->idAt(selected.first().row());
}

void StoredSearchPage::updateList() { m_rows->setRows(search()); }

// Enter in a search field would otherwise reach the sheet's default button and retrieve whatever happens to be
// selected, or nothing; searching is what the technician meant.
bool StoredSearchPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            updateList();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvik
