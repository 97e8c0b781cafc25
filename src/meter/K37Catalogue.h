#pragma once

#include <array>

namespace orvik {

// An application the K37 can load: the code its identity reply starts with, and the set-up file that loads it.
struct K37Instrument {
    const char* code;
    const char* setupFile;
};

// By instrument number 1 to 10.
inline constexpr std::array<K37Instrument, 10> K37Instruments{{{"SSA", "SLM&RTA.SSA"},
                                                               {"ISM", "SLM.ISM"},
                                                               {"LOG", "Logging.LOG"},
                                                               {"ENV", "Env.ENV"},
                                                               {"RTA", "RT60-A"},
                                                               {"FFT", "FFT.FFT"},
                                                               {"AUD", "AudTest.AUD"},
                                                               {"INT", "Int.INT"},
                                                               {"VIB", "Vib.VIB"},
                                                               {"TAL", "TA-LARM.TAL"}}};

// The meter's baud rates by rate code 0 to 7.
inline constexpr std::array<int, 8> K37BaudRates{300, 1200, 2400, 9600, 19200, 28800, 57600, 115200};

} // namespace orvik
