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
    // The name the run's output gives the test when one key serves several tests ("sf/nb"); the key otherwise.
    QString label = {};

    QString outputName() const { return label.isEmpty() ? key : label; }

    // The pages of a transducer this runs, as tab positions of the sheet.
    QList<int> runnablePages(TransducerKind transducer) const;
    // The transducers the test offers that have such a page, in the sheet's list order.
    QList<TransducerKind> runnableTransducers() const;
};

// In test order, by key within a test.
std::vector<RegisteredTest> registeredTests();
const RegisteredTest* findRegisteredTest(const QString& key);
// Every test a key stands for, in test order (a key may serve a kind of page in more than one test).
std::vector<RegisteredTest> registeredTestsWithKey(const QString& key);
// Each key once, in the order of its first test.
QStringList registeredTestKeys();

struct TestRegistration {
    explicit TestRegistration(RegisteredTest test);
};

} // namespace orvik
