#pragma once

#include "shell/ViewContext.h"

#include <QWidget>

class QButtonGroup;
class QPlainTextEdit;

namespace orvik {

// The technician's comments and the 30-item visual check of the audiometer.
class TestNotesView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxComments = 511;

    explicit TestNotesView(ViewContext& context, QWidget* parent = nullptr);
    void accept();
    void cancel();

    QPlainTextEdit* comments() const { return m_comments; }
    QButtonGroup* item(int index) const { return m_items.at(index); }

private:
    ViewContext& m_context;
    QPlainTextEdit* m_comments;
    QList<QButtonGroup*> m_items;
};

} // namespace orvik
