#pragma once

#include <QWidget>

namespace orvik {

struct TestSetup;

// One page of the set-up view: shows its part of the working set-up and writes it back.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void load(const TestSetup& setup) = 0;
    virtual void store(TestSetup& setup) = 0;
};

} // namespace orvik
