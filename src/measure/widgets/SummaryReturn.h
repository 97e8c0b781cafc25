#pragma once

namespace orvik {

struct ViewContext;

// Puts the measurement summary into the client area. A file of its own: the shell's view switcher and the
// measure library's meter link both go by the name MeterLink and cannot meet in one translation unit.
void showMeasurementSummary(ViewContext& context);

} // namespace orvik
