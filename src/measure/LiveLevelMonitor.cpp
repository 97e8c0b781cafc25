#include "measure/LiveLevelMonitor.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "measure/LiveReading.h"
#include "measure/MeterSetup.h"
#include "measure/ReadStableSpectrum.h"
#include "model/ReferenceLevel.h"

#include <algorithm>

namespace orvik {

LiveLevelMonitor::LiveLevelMonitor(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                   const qint16 (&dialLevels)[FrequencyCount])
    : m_record(record), m_link(link), m_transducer(transducer) {
    std::copy(std::begin(dialLevels), std::end(dialLevels), std::begin(m_dial));
    for (FreqIndex i = 0; i < FrequencyCount; ++i)
        if (record.setup.frequencySelected[i])
            m_frequencies << i;
}

bool LiveLevelMonitor::open(FreqIndex preselected, GridQuestion* gridQuestion) {
    if (!m_link.attachToSession()) {
        m_link.messages().show(meterNotConnectedText());
        return false;
    }
    while (!ensureMeterMode(m_link, MeterMode::SlmRta, 0, true)) {
        if (m_link.messages().show(QStringLiteral("Could not set the K37 properly to adjust the Hearing "
                                                  "level/frequency! Verify that it is powered on, stable, and "
                                                  "connected to the PC. Then press OK!"),
                                   MessageButtons::OkCancel) != MessageAnswer::Ok)
            return false;
    }
    m_frequency = m_frequencies.contains(preselected) ? preselected : m_frequencies.value(0, -1);
    if (m_transducer == TransducerKind::Circumaural && gridQuestion &&
        askAboutGrid(m_record.setup, m_link.services.settings, *gridQuestion))
        return false;
    m_timer = m_frequency >= 0;
    return true;
}

QStringList LiveLevelMonitor::frequencyLines() const {
    QStringList lines;
    for (FreqIndex i : m_frequencies)
        lines << QString::asprintf("%.1f", double(frequencyHz(i)));
    return lines;
}

void LiveLevelMonitor::chooseFrequencyLine(int line) {
    if (line >= 0 && line < m_frequencies.size())
        m_frequency = m_frequencies[line];
}

bool LiveLevelMonitor::tick() {
    if (!m_timer)
        return false;
    m_timer = false;
    double level = 0.0;
    const int band = bandOfFrequencyIndex(m_frequency);
    if (!readLive(m_link, [&](double& value) { return readLiveBandLevel(m_link.meter(), band, value); }, level))
        return false;
    const double spl = level - microphoneCorrection(m_transducer, m_frequency, m_record.setup);
    ReferenceQuery query;
    query.transducer = int(m_transducer);
    query.frequency = m_frequency;
    m_splText = QString::asprintf("%.1f", spl);
    m_hlText = QString::asprintf("%.1f", spl - getReferenceLevel(m_record.setup, query));
    m_timer = true;
    return true;
}

QString LiveLevelMonitor::dialText() const {
    return m_frequency < 0 ? QString() : QString::number(m_dial[m_frequency]);
}

QString LiveLevelMonitor::targetText() const {
    if (m_frequency < 0)
        return {};
    ReferenceQuery query;
    query.transducer = int(m_transducer);
    query.frequency = m_frequency;
    return QString::asprintf("%.1f", m_dial[m_frequency] + double(getReferenceLevel(m_record.setup, query)));
}

} // namespace orvik
