#pragma once

namespace orvik {
struct AudiometerRecord;
}

namespace orvik::test {

// The audiometer as the technician sets it up: supra-aural earphones at the default frequencies with every
// instrument chosen; the insert and circumaural earphones are not in front of the meter.
void setUpSupraAuralAudiometer(AudiometerRecord& record);

} // namespace orvik::test
