#pragma once

#include <QSize>
#include <QStringList>

class QWidget;

namespace orvik::test {

// A 1366x768 laptop screen less a window frame and the task bar.
inline constexpr QSize LaptopBudget{1346, 700};

// Empty when the window's size hint fits the budget, else what it asks for.
QString sizeProblem(const QWidget& window);

// The steps of the window's Tab chain that go back against reading order, e.g.
// "QLineEdit 'Model:' -> QPushButton 'OK' -> ...". Reading order is taken box by box: two widgets are ordered
// by the children of their nearest common ancestor that hold them, top to bottom, and left to right within a row.
// Only what Tab can stop at counts: visible, enabled, taking Tab focus, and not a part of another input widget.
QStringList readingOrderProblems(QWidget& window);

} // namespace orvik::test
