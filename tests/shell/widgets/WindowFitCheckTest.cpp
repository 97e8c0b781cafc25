#include "WindowFit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>

namespace orvik::test {
namespace {

QLineEdit* field(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QGroupBox* column(const char* a, const char* b, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(field(a, box));
    layout->addWidget(field(b, box));
    return box;
}

// The checks themselves, on small windows whose right answers are known, so that the fit test cannot pass by
// looking at nothing.
TEST(WindowFitCheck, ReadingOrderProblemsOfKnownLayouts) {
    struct Case {
        const char* name;
        std::function<void(QWidget&)> build;
        QStringList problems;
    };
    const Case cases[] = {
        {"column in creation order",
         [](QWidget& w) {
             auto* layout = new QVBoxLayout(&w);
             layout->addWidget(field("top", &w));
             layout->addWidget(field("bottom", &w));
         },
         {}},
        {"column created bottom first",
         [](QWidget& w) {
             QLineEdit* bottom = field("bottom", &w);
             auto* layout = new QVBoxLayout(&w);
             layout->addWidget(field("top", &w));
             layout->addWidget(bottom);
         },
         {"QLineEdit 'bottom' -> QLineEdit 'top'"}},
        {"row created right first",
         [](QWidget& w) {
             QLineEdit* right = field("right", &w);
             auto* layout = new QHBoxLayout(&w);
             layout->addWidget(field("left", &w));
             layout->addWidget(right);
         },
         {"QLineEdit 'right' -> QLineEdit 'left'"}},
        {"two boxes side by side, each read down",
         [](QWidget& w) {
             auto* layout = new QHBoxLayout(&w);
             layout->addWidget(column("a1", "a2", &w));
             layout->addWidget(column("b1", "b2", &w));
         },
         {}},
        {"disabled and hidden widgets are not stops",
         [](QWidget& w) {
             QLineEdit* hidden = field("hidden", &w);
             QLineEdit* disabled = field("disabled", &w);
             auto* layout = new QVBoxLayout(&w);
             layout->addWidget(field("top", &w));
             layout->addWidget(disabled);
             layout->addWidget(hidden);
             hidden->hide();
             disabled->setEnabled(false);
         },
         {}},
    };
    for (const Case& c : cases) {
        QWidget window;
        c.build(window);
        window.show();
        EXPECT_EQ(readingOrderProblems(window).join(u'|'), c.problems.join(u'|')) << c.name;
    }
}

TEST(WindowFitCheck, SizeProblemOnlyBeyondTheBudget) {
    struct Case {
        QSize minimum;
        bool fits;
    };
    for (const Case& c : {Case{{1346, 700}, true}, Case{{1347, 200}, false}, Case{{400, 701}, false}}) {
        QWidget window;
        window.setMinimumSize(c.minimum);
        EXPECT_EQ(sizeProblem(window).isEmpty(), c.fits) << c.minimum.width() << 'x' << c.minimum.height();
    }
}

} // namespace
} // namespace orvik::test
