#pragma once

#include <QFormLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QWidget>

namespace orvik::test {

namespace detail {
template <typename Field> Field* firstIn(QLayoutItem* item) {
    if (!item)
        return nullptr;
    if (auto* field = qobject_cast<Field*>(item->widget()))
        return field;
    if (QLayout* layout = item->layout())
        for (int i = 0; i < layout->count(); ++i)
            if (Field* field = firstIn<Field>(layout->itemAt(i)))
                return field;
    return nullptr;
}
} // namespace detail

// The first field of type `Field` on the form row labelled `label` anywhere inside `root`: a technician finds a
// field by its label, and so does a walk-through (the year of a date row is its first line edit).
template <typename Field> Field* fieldLabelled(QWidget* root, const QString& label) {
    for (QFormLayout* form : root->findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem* labelItem = form->itemAt(row, QFormLayout::LabelRole);
            auto* text = qobject_cast<QLabel*>(labelItem ? labelItem->widget() : nullptr);
            if (text && text->text() == label)
                return detail::firstIn<Field>(form->itemAt(row, QFormLayout::FieldRole));
        }
    }
    return nullptr;
}

// A text as shown on screen: the "&" of a keyboard accelerator is not seen.
inline QString shownText(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The push button inside `root` that shows `text`, as a technician finds it.
inline QPushButton* buttonLabelled(QWidget* root, const QString& text) {
    for (QPushButton* b : root->findChildren<QPushButton*>())
        if (shownText(b->text()) == shownText(text))
            return b;
    return nullptr;
}

} // namespace orvik::test
