#pragma once

#include "model/EarphoneBlock.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace orvik {

// The logic behind the RETSPL dialog of an earphone slot: the 39 edit fields, "Reset to Defaults", Save with the
// standard-flag rule, and the CSV file (one value a line). Nothing reaches the slot before save().
class RetsplEditor {
public:
    using Fields = std::array<float, FrequencyCount>;

    RetsplEditor(const EarphoneBlock& slot, bool alternateMode);

    const Fields& fields() const { return m_fields; }
    void setField(int index, float value);
    // Typed text: anything that is not a number is 0, as with an imported line.
    void setFieldText(int index, const QString& text);
    static QString fieldText(float value); // shortest text that reads back to the same value

    // Shows the defaults of the slot's model and coupler; the slot itself is untouched.
    void resetToDefaults();

    // Writes the fields into the slot. Standard only when all 39 equal the defaults exactly; anything the
    // technician changed (even one value) marks the earphone non-standard on reports.
    void save(EarphoneBlock& slot) const;

    // "<model>.csv" with path separators in the model text made "_", or "EarphoneData.csv" for a slot without model
    // text.
    QString proposedFileName() const;

    static QByteArray toCsv(const Fields& fields);
    static Fields fromCsv(const QByteArray& contents);
    bool exportTo(const QString& path) const; // false when the file cannot be written
    bool importFrom(const QString& path);     // false (fields unchanged) when the file cannot be read

private:
    EarphoneBlock m_slot; // the slot as opened: its kind, coupler and model choose the defaults
    bool m_alternateMode;
    Fields m_fields{};
};

} // namespace orvik
