#pragma once

#include "measure/TestCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace orvik {

// A test that can run unattended: its short key for command lines ("hl", "freq", …), its index in the test
// sheet, and the page kinds of it that measure. Each measurement registers the tests it serves from its own
// file, so a new measurement joins every unattended runner without a switch to edit.
struct RegisteredTest {
    QString key;
    int test = 0;
    QList<PageKind> pageKinds;

    // The pages of a transducer this runs, as tab positions of the sheet.
    QList<int> runnablePages(TransducerKind transducer) const;
    // The transducers the test offers that have such a page, in the sheet's list order.
    QList<TransducerKind> runnableTransducers() const;
};

// In test order.
std::vector<RegisteredTest> registeredTests();
const RegisteredTest* findRegisteredTest(const QString& key);
QStringList registeredTestKeys();

struct TestRegistration {
    explicit TestRegistration(RegisteredTest test);
};

} // namespace orvik
