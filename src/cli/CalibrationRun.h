#pragma once

#include "measure/TestRegistry.h"
#include "model/Transducer.h"
#include "sim/AudiometerFault.h"

#include <QList>
#include <QString>
#include <QTextStream>

namespace orvik::cli {

// What `orvik-cli calibrate` was asked to do.
struct CalibrationRequest {
    QString database;
    QList<RegisteredTest> tests;       // in the order they run
    QList<TransducerKind> transducers; // empty: every one a test runs on
    QList<Channel> ears{Channel::Left, Channel::Right};
    QList<sim::AudiometerFault> faults;
    quint32 seed = 37;
    bool realTime = false;
};

// A whole calibration of the demo audiometer on the simulated bench: meter calibration check, the chosen tests
// through the test sheet's run control, the record saved. Writes the "point", "page", "summary" and "stored"
// lines to `out` and anything the program had to say to `err`. 0 when the run completed, 1 when it could not.
// `elapsedMs`, when given, receives the time the run took on its clock (simulated time unless real-time).
int runCalibration(const CalibrationRequest& request, QTextStream& out, QTextStream& err, qint64* elapsedMs = nullptr);

// The command-line names of transducers ("supra", "bone", "speaker", "insert", "circum") and ears.
QString transducerKey(TransducerKind transducer);
QString earKey(Channel channel);

} // namespace orvik::cli
