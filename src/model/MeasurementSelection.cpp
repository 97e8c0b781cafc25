#include "model/MeasurementSelection.h"

#include <array>

namespace orvik::MeasurementSelection {

namespace {
constexpr std::array<const char*, SelectionRowCount> RowNames{
    "Hearing level", "Frequency accuracy", "Hearing level linearity", "Harmonic distortion", "Pulsed tones",
    "Cross talk",    "On/off (Rise/fall)", "Frequency modulation",    "Narrow band noise",   "Broad band (white) noise",
    "Speech",        "Speech noise"};

struct Column {
    const char* label;
    TransducerKind transducer;
};
constexpr std::array<Column, ColumnCount> Columns{{
    {"Supra-aural", TransducerKind::SupraAural},
    {"Insert", TransducerKind::Insert},
    {"Circumaural", TransducerKind::Circumaural},
    {"Bone", TransducerKind::BoneVibrator},
    {"Speakers", TransducerKind::SoundField},
}};

bool inGrid(int row, int column) {
    return row >= 0 && row < SelectionRowCount && column >= 0 && column < ColumnCount;
}

int kindIndex(int column) {
    return static_cast<int>(Columns[static_cast<std::size_t>(column)].transducer);
}
} // namespace

QString rowName(int row) {
    return row >= 0 && row < SelectionRowCount ? QString::fromLatin1(RowNames[static_cast<std::size_t>(row)])
                                               : QString();
}

QString columnLabel(int column) {
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(Columns[static_cast<std::size_t>(column)].label)
                                               : QString();
}

TransducerKind columnTransducer(int column) {
    return column >= 0 && column < ColumnCount ? Columns[static_cast<std::size_t>(column)].transducer
                                               : TransducerKind::SupraAural;
}

bool isSelected(const RecordHeader& header, int row, int column) {
    return inGrid(row, column) && header.measurementSelection[row][kindIndex(column)] != 0;
}

void setSelected(RecordHeader& header, int row, int column, bool selected) {
    if (inGrid(row, column))
        header.measurementSelection[row][kindIndex(column)] = selected ? 1 : 0;
}

void setAll(RecordHeader& header, bool selected) {
    for (int row = 0; row < SelectionRowCount; ++row)
        for (int column = 0; column < ColumnCount; ++column)
            setSelected(header, row, column, selected);
}

} // namespace orvik::MeasurementSelection
