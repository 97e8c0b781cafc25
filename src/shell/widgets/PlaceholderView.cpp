#include "shell/widgets/PlaceholderView.h"

#include "shell/ViewSwitcher.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

PlaceholderView::PlaceholderView(ViewContext& context, const QString& title, const QString& text, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("<h3>%1</h3>").arg(title.toHtmlEscaped()), this));
    auto* note = new QLabel(text, this);
    note->setObjectName(QStringLiteral("notAvailable"));
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, [&context] { context.views.switchView(ViewId::Idle); });
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace orvik
