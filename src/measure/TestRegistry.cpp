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
    // By key within a test: the order in which the page files register depends on the link, the output must not.
    std::sort(tests.begin(), tests.end(), [](const RegisteredTest& a, const RegisteredTest& b) {
        return a.test != b.test ? a.test < b.test : a.key < b.key;
    });
    return tests;
}

const RegisteredTest* findRegisteredTest(const QString& key) {
    const std::vector<RegisteredTest>& tests = registry();
    const auto found =
        std::find_if(tests.begin(), tests.end(), [&key](const RegisteredTest& test) { return test.key == key; });
    return found == tests.end() ? nullptr : &*found;
}

std::vector<RegisteredTest> registeredTestsWithKey(const QString& key) {
    std::vector<RegisteredTest> tests = registeredTests();
    std::erase_if(tests, [&key](const RegisteredTest& test) { return test.key != key; });
    return tests;
}

QStringList registeredTestKeys() {
    QStringList keys;
    for (const RegisteredTest& test : registeredTests())
        if (!keys.contains(test.key))
            keys << test.key;
    return keys;
}

TestRegistration::TestRegistration(RegisteredTest test) {
    registry().push_back(std::move(test));
}

} // namespace orvik
