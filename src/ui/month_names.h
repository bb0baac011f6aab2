#pragma once

namespace nk::ui {

// The month lists of the windows.
inline constexpr const char* kMonthNames[12] = {"Január", "Február",   "Március",    "Április", "Május",    "Június",
                                                "Július", "Augusztus", "Szeptember", "Október", "November", "December"};

}  // namespace nk::ui
