#pragma once

class QWidget;

namespace orvik {

// Moves the Tab stops inside `container` (in their present order) to the end of their window's Tab chain.
// Widgets created later join the chain at its end; a view that builds a page after the buttons shown below or
// beside it calls this so that Tab still reaches the page before the buttons.
void moveToEndOfTabChain(QWidget* container);

} // namespace orvik
