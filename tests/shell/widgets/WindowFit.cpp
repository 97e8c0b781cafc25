#include "WindowFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace orvik::test {

namespace {
bool insideInputWidget(const QWidget& widget, const QWidget& window) {
    for (const QWidget* p = widget.parentWidget(); p && p != &window; p = p->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

bool tabStop(const QWidget& widget, const QWidget& window) {
    return widget.window() == &window && widget.isVisible() && widget.isEnabled() &&
           (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget.focusProxy() &&
           !insideInputWidget(widget, window);
}

QList<QWidget*> tabChain(QWidget& window) {
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (tabStop(*w, window) && !chain.contains(w))
            chain << w;
    return chain;
}

// The child of `ancestor` on the way up from `widget`.
const QWidget* childOnPath(const QWidget* widget, const QWidget* ancestor) {
    while (widget->parentWidget() != ancestor)
        widget = widget->parentWidget();
    return widget;
}

const QWidget* commonAncestor(const QWidget* a, const QWidget* b) {
    for (const QWidget* p = a->parentWidget(); p; p = p->parentWidget())
        if (p->isAncestorOf(b))
            return p;
    return nullptr;
}

bool sameRow(const QRect& a, const QRect& b) {
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return overlap * 2 > std::min(a.height(), b.height());
}

bool readsBefore(const QWidget* a, const QWidget* b) {
    if (a->isAncestorOf(b)) // a scroll area before the fields it scrolls
        return true;
    const QWidget* common = commonAncestor(a, b);
    if (!common)
        return true;
    const QRect ra = childOnPath(a, common)->geometry();
    const QRect rb = childOnPath(b, common)->geometry();
    if (sameRow(ra, rb))
        return ra.left() < rb.left();
    return ra.top() < rb.top();
}

QString describe(const QWidget* widget) {
    QString text;
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    for (const QLabel* label : widget->window()->findChildren<QLabel*>()) {
        if (text.isEmpty() && label->buddy() == widget)
            text = label->text();
    }
    if (text.isEmpty())
        text = widget->objectName();
    return QStringLiteral("%1 '%2'").arg(QLatin1String(widget->metaObject()->className()), text);
}
} // namespace

QString sizeProblem(const QWidget& window) {
    const QSize hint = window.sizeHint().expandedTo(window.minimumSizeHint()).expandedTo(window.minimumSize());
    if (hint.width() <= LaptopBudget.width() && hint.height() <= LaptopBudget.height())
        return {};
    return QStringLiteral("asks for %1x%2").arg(hint.width()).arg(hint.height());
}

QStringList readingOrderProblems(QWidget& window) {
    const QList<QWidget*> chain = tabChain(window);
    QStringList problems;
    for (qsizetype i = 1; i < chain.size(); ++i)
        if (!readsBefore(chain[i - 1], chain[i]))
            problems << describe(chain[i - 1]) + QStringLiteral(" -> ") + describe(chain[i]);
    return problems;
}

} // namespace orvik::test
