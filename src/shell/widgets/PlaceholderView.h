#pragma once

#include "shell/ViewContext.h"

#include <QWidget>

namespace orvik {

// Stands in for a view whose module this version does not have yet, and says so in the window.
class PlaceholderView final : public QWidget {
    Q_OBJECT
public:
    PlaceholderView(ViewContext& context, const QString& title, const QString& text, QWidget* parent = nullptr);
};

} // namespace orvik
