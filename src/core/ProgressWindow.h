#pragma once

#include <QString>
#include <memory>

namespace orvik {

// A progress window with a bar, a text line and "Cancel", above the window it belongs to. Every operation lets
// pending window messages run first, so a long measurement loop stays responsive through these calls alone.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void setRange(int low, int high) = 0; // default 0..100
    virtual void setPos(int position) = 0;
    virtual void setStep(int step) = 0;           // default 8
    virtual void stepIt() = 0;
    virtual void setStatus(const QString& text) = 0;
    // True when "Cancel" was pressed since the last check; the check clears it.
    virtual bool checkCancelButton() = 0;
};

// Opens progress windows; the window closes (and re-enables its owner) when the pointer is released.
class ProgressFactory {
public:
    virtual ~ProgressFactory() = default;
    virtual std::unique_ptr<ProgressWindow> open(const QString& caption) = 0;
};

namespace ProgressCaption {
inline const QString Measurement = QStringLiteral("Measurement");
inline const QString AmbientMeasurement = QStringLiteral("Ambient Measurement");
inline const QString NoiseFloorMeasurement = QStringLiteral("Noise Floor Measurement");
inline const QString SetGain = QStringLiteral("Set Gain");
} // namespace ProgressCaption

} // namespace orvik
