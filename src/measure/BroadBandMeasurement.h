#pragma once

#include "measure/Measurement.h"

#include <QPointF>

namespace orvik {

// What the broad-band list shows for each source: the judgement against the 1000 Hz level, or one level.
enum class BroadBandListView { Deviation, OverallSpl, SplAt1000 };

// The broad-band (white) masking noise page of an earphone channel: the spectrum of three sources (the
// audiometer's own white noise and two tape/CD inputs), each judged line by line against its 1000 Hz level. It
// works on a copy of the channel's three sources.
class BroadBandMeasurement : public Measurement {
public:
    BroadBandMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel);

    int measureAll() override;
    // The rows are the sources.
    int measureSelected(const QList<int>& rows) override;
    PageVerdict takeDataBack() override;
    void fillList() override;
    void loadInputs() override;

    int dialSetting() const { return m_dialHl; }
    // "HL Dial Setting:"; a text that is no whole number is refused with the technician told, and the setting
    // stays as it was.
    bool setDialSettingText(const QString& text);
    BroadBandListView listView() const { return m_view; }
    void setListView(BroadBandListView view);
    // In alternate mode 1 the page reminds the technician what its older results checked.
    QString note() const;

    // "View Data": the refusal the technician sees for these selected rows, empty when there is a graph to show.
    QString viewDataRefusal(const QList<int>& rows) const;
    // Tells the technician the refusal, if any; true when the first selected row has a graph to show.
    bool viewDataAllowed(const QList<int>& rows);
    // The spectrum of a row's source as (frequency Hz, level dB), for the graph.
    QList<QPointF> viewDataPoints(int row) const;
    // The graph window could not be built from the points.
    void tellGraphFailed() { m_link.messages().show(QStringLiteral("Something messed up")); }
    const BroadBandSource& source(int index) const { return m_sources[index]; }

private:
    int measureSources(const QList<int>& sources, bool selectedRun);
    PointAttempt readSource(int source, const QString& dialText, ProgressWindow& progress);
    int readSpectrum(float (&levels)[BroadBandLevelCount], ProgressWindow& progress);
    int useSpectrumBandwidth(ProgressWindow& progress);
    int downloadSpectrum(float (&levels)[BroadBandLevelCount]);

    BroadBandSource m_sources[BroadBandSourceCount]{};
    EarphoneKind m_earphone = EarphoneKind::SupraAural;
    int m_dialHl = 0;
    BroadBandListView m_view = BroadBandListView::Deviation;
};

ResultList buildBroadBandList(const BroadBandSource (&sources)[BroadBandSourceCount], BroadBandListView view);

} // namespace orvik
