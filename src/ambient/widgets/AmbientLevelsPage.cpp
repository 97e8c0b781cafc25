#include "ambient/widgets/AmbientLevelsPage.h"

#include "ambient/LevelPage.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvik {

namespace {
// A row over a limit carries a red disc with a white bar, so the eye finds it before reading the numbers.
QIcon failIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(200, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, 14, 14);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 7, 8, 2);
    return QIcon(pixmap);
}

QIcon blankIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
}
} // namespace

AmbientLevelsPage::AmbientLevelsPage(int range, bool showFail, bool showNotCovered, QWidget* parent)
    : QWidget(parent), m_range(range), m_showFail(showFail), m_showNotCovered(showNotCovered),
      m_list(new QTreeWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setIconSize(QSize(16, 16));
    QStringList titles{QStringLiteral("Frequency"), QStringLiteral("Measured SPL")};
    QList<int> widths{65, 85};
    if (range == OshaRange) {
        titles << QStringLiteral("OSHA Limits");
        widths << 85;
    } else {
        titles << QStringLiteral("Ears Covered MPANL");
        widths << 125;
        if (showNotCovered) {
            titles << QStringLiteral("Ears Not Covered MPANL");
            widths << 140;
        }
    }
    m_list->setHeaderLabels(titles);
    // The columns keep their widths, so the limits stand next to the levels they judge.
    m_list->header()->setStretchLastSection(false);
    for (int column = 0; column < widths.size(); ++column) {
        m_list->setColumnWidth(column, widths[column]);
        m_list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void AmbientLevelsPage::fill(const AmbientRecord& record) {
    static const QIcon fail = failIcon();
    static const QIcon blank = blankIcon();
    m_list->clear();
    for (const LevelRow& row : levelPageRows(record, m_range, m_showFail)) {
        QStringList cells{row.label, row.measuredText, row.limitText};
        if (m_range != OshaRange && m_showNotCovered)
            cells << row.notCoveredText;
        auto* item = new QTreeWidgetItem(m_list, cells);
        item->setIcon(0, row.marked ? fail : blank);
        for (int column = 0; column < cells.size(); ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

} // namespace orvik
