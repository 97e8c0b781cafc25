#pragma once

#include "equipment/TestInstrumentChoice.h"
#include "shell/widgets/SetupPage.h"

#include <vector>

class QComboBox;

namespace orvik {

class InstrumentLists;

// A page of instruments chosen from the lists: one row a place of the test (the "Equipment", "Microphones",
// "Calibrator" and "Mastoid" pages differ only in their rows).
class InstrumentChoicePage final : public SetupPage {
    Q_OBJECT
public:
    struct Row {
        QString label;
        InstrumentPlace place;
    };
    InstrumentChoicePage(InstrumentLists& lists, std::vector<Row> rows, QWidget* parent = nullptr);
    void load(const TestSetup& setup) override;
    void store(TestSetup& setup) override;
    // The choice of the row for a place; null when the page has no such row.
    QComboBox* choice(InstrumentPlace place) const;

    static std::vector<Row> equipmentRows();
    static std::vector<Row> microphoneRows();
    static std::vector<Row> rowOf(const QString& label, InstrumentKind kind);

private:
    InstrumentLists& m_lists;
    std::vector<Row> m_rows;
    std::vector<QComboBox*> m_choices;
};

} // namespace orvik
