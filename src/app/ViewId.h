#pragma once

namespace orvik {

// The nine views of the main window's client area; the numbers are the ones the view stack keeps.
enum class ViewId {
    Idle = 0,
    EquipLists = 1,
    Preferences = 2,
    Ambient = 3,
    TestSetup = 4,
    Summary = 5,
    AudTest = 6,
    TestNotes = 7,
    TestAll = 8,
};

inline constexpr int ViewCount = 9;

} // namespace orvik
