#include "measure/TestRegistry.h"

#include <algorithm>

namespace orvik {

namespace {
std::vector<RegisteredTest>& registry() {
    static std::vector<RegisteredTest> tests;
    return tests;
}
} // namespace

QList<int> RegisteredTest::runnablePages(TransducerKind transducer) const {
    QList<int> pages;
    const QList<PageSlot> slots = pagesFor(test, transducer);
    for (int i = 0; i < slots.size(); ++i)
        if (pageKinds.contains(slots[i].kind))
            pages << i;
    return pages;
}

QList<TransducerKind> RegisteredTest::runnableTransducers() const {
    QList<TransducerKind> transducers;
    for (TransducerKind transducer : transducersOffered(test))
        if (!runnablePages(transducer).isEmpty())
            transducers << transducer;
    return transducers;
}

std::vector<RegisteredTest> registeredTests() {
    std::vector<RegisteredTest> tests = registry();
    std::stable_sort(tests.begin(), tests.end(),
                     [](const RegisteredTest& a, const RegisteredTest& b) { return a.test < b.test; });
    return tests;
}

const RegisteredTest* findRegisteredTest(const QString& key) {
    const std::vector<RegisteredTest>& tests = registry();
    const auto found =
        std::find_if(tests.begin(), tests.end(), [&key](const RegisteredTest& test) { return test.key == key; });
    return found == tests.end() ? nullptr : &*found;
}

QStringList registeredTestKeys() {
    QStringList keys;
    for (const RegisteredTest& test : registeredTests())
        keys << test.key;
    return keys;
}

TestRegistration::TestRegistration(RegisteredTest test) {
    registry().push_back(std::move(test));
}

} // namespace orvik
