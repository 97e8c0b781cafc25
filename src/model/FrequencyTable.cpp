#include "model/FrequencyTable.h"

namespace orvik {

namespace {
constexpr std::array<const char*, FrequencyCount> Labels{
    "31.5",  "  63",  " 125",  " 160",  " 200",  " 250",  " 315",  " 400",  " 500",  " 630",
    " 750",  " 800",  "1000",  "1250",  "1500",  "1600",  "2000",  "2500",  "3000",  "3150",
    "4000",  "5000",  "6000",  "6300",  "8000",  "9000",  "10000", "11000", "11200", "12000",
    "12500", "13000", "14000", "15000", "16000", "17000", "18000", "19000", "20000"};

constexpr std::array<const char*, FrequencyCount> KeyNames{
    "RFREQ_31.5", "RFREQ_63",  "RFREQ_125",  "RFREQ_160", "RFREQ_200",   "RFREQ_250",  "RFREQ_315",   "RFREQ_400",
    "RFREQ_500",  "RFREQ_630", "RFREQ_750",  "RFREQ_800", "RFREQ_1K",    "RFREQ_1250", "RFREQ_1600",  "RFREQ_2K",
    "RFREQ_2500", "RFREQ_3K",  "RFREQ_3150", "RFREQ_4K",  "RFREQ_5K",    "RFREQ_6K",   "RFREQ_6300",  "RFREQ_7500",
    "RFREQ_8K",   "RFREQ_9K",  "RFREQ_10K",  "RFREQ_11K", "RFREQ_11200", "RFREQ_12K",  "RFREQ_12500", "RFREQ_13k",
    "RFREQ_14k",  "RFREQ_15k", "RFREQ_16K",  "RFREQ_17K", "RFREQ_18K",   "RFREQ_19K",  "RFREQ_20K"};
} // namespace

float frequencyHz(FreqIndex index) {
    return isFreqIndex(index) ? FrequencyTable[static_cast<std::size_t>(index)] : 0.f;
}

QString frequencyLabel(FreqIndex index) {
    return isFreqIndex(index) ? QString::fromLatin1(Labels[static_cast<std::size_t>(index)]) : QString();
}

QString frequencyKeyName(FreqIndex index) {
    return isFreqIndex(index) ? QString::fromLatin1(KeyNames[static_cast<std::size_t>(index)]) : QString();
}

void selectDefaultFrequencies(qint32 (&selected)[FrequencyCount]) {
    for (const FreqIndex index : DefaultFrequencyIndices)
        selected[index] = 1;
}

} // namespace orvik
