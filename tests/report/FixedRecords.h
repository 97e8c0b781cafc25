#pragma once
// The records the export and comparison tests print: fixed, so whole files can be compared.
#include "ambient/AmbientRecord.h"
#include "model/AudiometerRecord.h"
#include "model/FrequencyTable.h"

#include <cstring>
#include <memory>

namespace orvik::test {

// Hearing level and frequency accuracy of a supra-aural earphone at 1000 and 4000 Hz; the left ear fails at
// 4000 Hz by 4.5 dB and 200 Hz. Texts with a comma and a leading zero test the cells.
inline std::unique_ptr<AudiometerRecord> fixedRecord() {
    auto record = std::make_unique<AudiometerRecord>();
    std::memset(record.get(), 0, sizeof *record);
    TestSetup& s = record->setup;
    std::strcpy(s.audManufacturer, "Acme");
    std::strcpy(s.audModel, "A-20");
    std::strcpy(s.audSerialNumber, "007");
    std::strcpy(s.audType, "2");
    std::strcpy(s.customerName, "Clinic \"North\"");
    std::strcpy(s.location1, "Springfield, IL");
    std::strcpy(s.testDate, "2026-03-02");
    std::strcpy(s.technician, "R. Moss");
    s.numberOfChannels = 2;
    s.channelToTest = 1;
    std::strcpy(s.instruments.soundLevelMeter.manufacturer, "Veltan-Quirn");
    std::strcpy(s.instruments.soundLevelMeter.model, "K37");
    std::strcpy(s.instruments.soundLevelMeter.serialNumber, "04172");
    std::strcpy(s.instruments.soundLevelMeter.dueDate, "2027-01-31");
    s.supraAural.standard = 1;
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        s.supraAural.retspl[i] = 10.0f;
    for (const float hz : {1000.0f, 4000.0f}) {
        const FreqIndex i = freqIndexOf(hz);
        s.frequencySelected[i] = 1;
        for (int ear = 0; ear < EarCount; ++ear) {
            ToneEntry& entry = record->results.tone[0][ear][i];
            const bool failing = ear == 0 && hz == 4000.0f;
            entry.dialHl = 70;
            entry.spl = failing ? 84.5f : 80.0f;
            entry.frequency = failing ? hz + 200.0f : hz;
        }
    }
    record->header.testStatus[int(TestNumber::HearingLevel)][0] = qint16(TestStatus::Fail);
    record->header.testStatus[int(TestNumber::FrequencyAccuracy)][0] = qint16(TestStatus::Fail);
    record->header.testStatus[int(TestNumber::Pulse)][2] = qint16(TestStatus::NotApplicable);
    record->notes.visualCheck[1] = 1;
    record->notes.visualCheck[2] = 2;
    std::strcpy(record->notes.comments, "Cord replaced.\r\nRecheck in May.");
    return record;
}

inline AmbientRecord fixedBooth() {
    AmbientRecord record = clearedAmbientRecord();
    std::strcpy(record.booth, "Room 2");
    std::strcpy(record.measurementDate, "2026-03-02");
    std::strcpy(record.microphone.identity.serialNumber, "M-1");
    for (int band = 10; band < AmbientBandCount; ++band)
        record.spectrum[band] = 12.0f + float(band % 3);
    record.spectrum[19] = AmbientNotMeasured;
    return record;
}

} // namespace orvik::test
