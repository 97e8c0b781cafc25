#include "core/widgets/TabChain.h"

#include <QList>
#include <QWidget>

namespace orvik {

void moveToEndOfTabChain(QWidget* container) {
    QWidget* window = container->window();
    QList<QWidget*> inside;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (container == w || container->isAncestorOf(w))
            inside << w;
    for (QWidget* w : inside) {
        // setTabOrder ignores widgets that take no focus, so the chain is joined at its last one that does.
        QWidget* last = window->previousInFocusChain();
        while (last != window && last->focusPolicy() == Qt::NoFocus)
            last = last->previousInFocusChain();
        if (last != w && last != window && w->focusPolicy() != Qt::NoFocus)
            QWidget::setTabOrder(last, w);
    }
}

} // namespace orvik
