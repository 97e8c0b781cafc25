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

// The fixed record with the other sections measured as well, each with one known failure: linearity (left: a
// step of 11.5 dB at 30 dB HL; right: a noise floor too low to show values), distortion (left: a 2nd harmonic of
// 3.2 % at 4000 Hz), broad band noise (left white noise 6 dB down at 300 Hz), speech (left white noise 6 dB
// high), the narrow band level at 1000 Hz, the bone vibrator's level at 1000 Hz (7.5 dB loud) and the speakers'
// binaural level at 1000 Hz.
inline std::unique_ptr<AudiometerRecord> sectionsRecord() {
    auto record = fixedRecord();
    RecordResults& r = record->results;
    constexpr int Supra = 0, Bone = 1, Speakers = 2;
    const FreqIndex at1000 = freqIndexOf(1000.0f), at4000 = freqIndexOf(4000.0f);
    for (int ear = 0; ear < EarCount; ++ear) {
        LinearityBlock& linearity = r.linearity[Supra][ear];
        linearity.testFrequency = 1000.0f;
        linearity.maxDialLevel = 40;
        linearity.dialStep = 10;
        linearity.noiseFloor = ear == 0 ? 12.3f : 5.0f;
        for (const int level : {20, 30, 40}) // the reference is 10 dB: hearing level = level
            linearity.spl[level] = float(level + 10) + (level >= 30 ? 1.5f : 0.0f);
    }
    for (const FreqIndex i : {at1000, at4000})
        r.distortion[Supra][0][i] = {
            float(frequencyHz(i)), 90.0f, {i == at1000 ? 50.0f : 60.0f, 40.0f, 0.0f, 0.0f}, 0.0f};
    BroadBandSource& white = r.broadBand[Supra][0][0];
    for (float& level : white.level)
        level = 60.0f;
    white.level[12] = 66.0f; // 300 Hz
    white.dialHl = 70;
    SpeechSource* speech = r.speech[Supra][0];
    speech[0] = {72.5f, 50, 0, 0}; // Mic: the reference is 22.5 dB
    speech[4] = {69.0f, 50, 0, 0}; // White Noise: 13 dB above the dial, 6 dB high
    r.narrowBand[Supra][0][at1000] = {84.4f, 70}; // exported in whole decibels
    r.boneLevel.forceLevel[at1000] = 90.0f;
    r.boneLevel.dialHl[at1000] = 40;
    r.soundField[0][2].level[at1000] = 70.0f;
    r.soundField[0][2].dialHl[at1000] = 60;
    r.soundField[0][2].binaural = 1;
    auto status = [&](TestNumber test, int transducer, TestStatus verdict) {
        record->header.testStatus[int(test)][transducer] = qint16(verdict);
    };
    status(TestNumber::NarrowBandLevel, Supra, TestStatus::Pass);
    status(TestNumber::Linearity, Supra, TestStatus::Fail);
    status(TestNumber::HarmonicDistortion, Supra, TestStatus::Fail);
    status(TestNumber::BroadBandMasking, Supra, TestStatus::Fail);
    status(TestNumber::Speech, Supra, TestStatus::Fail);
    status(TestNumber::HearingLevel, Bone, TestStatus::Fail);
    status(TestNumber::HearingLevel, Speakers, TestStatus::Pass);
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
