#pragma once

#include "model/SetupCheck.h"

#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace orvik {

struct TestSetup;

// One page of the set-up view: shows its part of the working set-up and writes it back.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void load(const TestSetup& setup) = 0;
    virtual void store(TestSetup& setup) = 0;
    // Frames the page's fields that the last set-up check refused and clears the others; pages without checked
    // fields have nothing to mark.
    virtual void markProblems(const std::vector<SetupField>& fields) { Q_UNUSED(fields); }

protected:
    // The set-up view's style sheet draws fields whose "invalid" property is set with a red frame.
    static void markField(QWidget* field, bool invalid) {
        field->setProperty("invalid", invalid);
        field->style()->unpolish(field);
        field->style()->polish(field);
    }
    static bool contains(const std::vector<SetupField>& fields, SetupField field) {
        return std::find(fields.begin(), fields.end(), field) != fields.end();
    }
};

} // namespace orvik
