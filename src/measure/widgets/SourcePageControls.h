#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

namespace orvik {

class BroadBandMeasurement;
class Measurement;
class ResultListPage;

// The broad-band page's controls below its list: "HL Dial Setting:" and "View Data".
class BroadBandControls final : public QWidget {
    Q_OBJECT
public:
    BroadBandControls(ResultListPage& view, BroadBandMeasurement& page);

Q_SIGNALS:
    // The spectrum of the selected source, for the graph window: (frequency Hz, level dB) for every line.
    void spectrumChosen(const QString& source, const QList<QPointF>& points);

public Q_SLOTS:
    // "View Data": refuses without a selected row or valid data, else shows the selected source's spectrum in the
    // graph window (and hands it on).
    void viewData();

private:
    ResultListPage& m_view;
    BroadBandMeasurement& m_page;
};

// The controls of the masking-noise and speech pages, for the list tab's table of controls by page kind.
void addBroadBandControls(ResultListPage& view, Measurement& page);
void addSpeechControls(ResultListPage& view, Measurement& page);

} // namespace orvik
