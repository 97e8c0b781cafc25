#pragma once

#include "CSetupPage.h"
#include "equipment/InstrumentKind.h"

#include <QHash>

class QComboBox;

namespace orvik {

class InstrumentLists;

// "Equipment", "Calibrator" and "Mastoid" on one page: each instrument of the test chosen from the lists.
class CTestEquipPP final : public CSetupPage {
    Q_OBJECT
public:
    CTestEquipPP(InstrumentLists& lists, QWidget* parent = nullptr);
    void load(const TestSetup& setup) override;
    void store(TestSetup& setup) override;
    QComboBox* choice(InstrumentKind kind) const { return m_choices.value(kind); }

private:
    InstrumentLists& m_lists;
    QHash<InstrumentKind, QComboBox*> m_choices;
};

} // namespace orvik
