#pragma once

#include "shell/ViewId.h"

namespace orvik {

// The meter connection the main window owns.
class MeterConnection {
public:
    virtual ~MeterConnection() = default;
    virtual bool portExists() const = 0;
    virtual bool portOpen() const = 0;
    // Negative: the connection failed and the reason has been shown.
    virtual int connect() = 0;
    virtual void closePort() = 0;
    virtual void checkBattery() = 0;
    virtual void turnOff() = 0;
};

// The meter calibration check that runs once per document before the first test sheet.
class CalibrationCheck {
public:
    virtual ~CalibrationCheck() = default;
    // Non-zero: the meter's calibration was checked.
    virtual int run() = 0;
};

// The client area: builds views, and lets the shell ask the current one before it goes.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    // Replaces the current view. `page` matters for the test sheet only: the page to open, or -1.
    virtual void showView(ViewId view, int page) = 0;
    // The summary view writes its date and technician fields into the record.
    virtual void storeSummaryFields() = 0;
    virtual bool instrumentationHasPendingChanges() const = 0;
    virtual void discardInstrumentationChanges() = 0;
};

} // namespace orvik
