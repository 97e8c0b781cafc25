#pragma once

#include "ambient/AmbientRecord.h"
#include "equipment/InstrumentEntry.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;

namespace orvik {

// One instrument of the booth test (meter, preamplifier, microphone or calibrator), chosen from a list.
class BoothInstrumentPage final : public QWidget {
    Q_OBJECT
public:
    BoothInstrumentPage(InstrumentKind kind, QWidget* parent = nullptr);

    void setChoices(std::vector<InstrumentEntry> entries);
    void load(const AmbientRecord& record);
    void store(AmbientRecord& record) const;
    bool modified() const { return m_modified; }

private:
    void showDetails();

    InstrumentKind m_kind;
    std::vector<InstrumentEntry> m_entries;
    QComboBox* m_choice;
    QLabel* m_details;
    bool m_modified = false;
};

} // namespace orvik
