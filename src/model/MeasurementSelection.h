#pragma once

#include "model/RecordHeader.h"

#include <QString>

namespace orvik {

// The "Select Measurements to be performed" grid: twelve test rows against five transducer columns. The grid
// shows its columns as supra-aural, insert, circumaural, bone, speakers, but the record keeps them by
// TransducerKind like every other per-transducer table.
namespace MeasurementSelection {

inline constexpr int ColumnCount = TransducerCount;

QString rowName(int row);        // "Hearing level" .. "Speech noise"
QString columnLabel(int column); // "Supra-aural", "Insert", "Circumaural", "Bone", "Speakers"
TransducerKind columnTransducer(int column);

bool isSelected(const RecordHeader& header, int row, int column);
void setSelected(RecordHeader& header, int row, int column, bool selected);
void setAll(RecordHeader& header, bool selected); // "Select All" / "Clear All"

} // namespace MeasurementSelection

} // namespace orvik
