#pragma once

namespace orvik {

// The nine views of the main window's client area; the numbers are the ones the view stack keeps.
enum class ViewId {
    Idle = 0,
    Instrumentation = 1,
    Preferences = 2,
    Ambient = 3,
    TestSetup = 4,
    Summary = 5,
    TestSheet = 6,
    TestNotes = 7,
    MeasurementSelection = 8,
};

inline constexpr int ViewCount = 9;

} // namespace orvik
