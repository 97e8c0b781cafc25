#pragma once

#include "equipment/widgets/InstrumentPage.h"

#include <functional>
#include <vector>

namespace orvik {

// What a page of per-frequency values shows: a run of the 39 frequencies and the entry's array behind it.
struct ResponsePageLayout {
    QString title;
    int firstIndex; // FreqIndex of the first value
    int count;
    // Where in the entry the page's first value lies; the others follow it.
    std::function<float*(InstrumentEntry&)> values;
    QString note;        // a line above the values, or empty
    bool importData;     // offers "Import Data"
    int responseSet = 0; // mastoid response set 1..3
};

// The microphone's low- and high-frequency pressure response and grid corrections, and a mastoid's response
// sets: one value field per frequency, shown "%.2f".
class InstrumentResponsePage final : public InstrumentPage {
    Q_OBJECT
public:
    explicit InstrumentResponsePage(ResponsePageLayout layout, QWidget* parent = nullptr);

    void load(const InstrumentEntry& entry) override;
    void store(InstrumentEntry& entry) const override;

    // The field of a frequency (FreqIndex), or nullptr when the page has none.
    QLineEdit* field(int freqIndex) const;

    // The page layouts of the microphone and of a mastoid response set.
    static ResponsePageLayout microphoneLow();
    static ResponsePageLayout microphoneHigh();
    static ResponsePageLayout microphoneGrid();
    static ResponsePageLayout mastoid(const QString& title, int responseSet);

private:
    ResponsePageLayout m_layout;
    std::vector<QLineEdit*> m_fields;
};

} // namespace orvik
