#pragma once

// The six pipe-data fields shared by the calculation window and the
// settings window: their ranges, messages and what an accepted entry stores.

#include <string>

#include "state/model.h"

namespace nk {

enum class PipeField { Dcsokulso, kulsocso, belsocso, belsoterhofok, hosziglambda, csohejvastagsag };

struct PipeEntryResult {
    bool accepted;
    std::string message;  // empty when accepted
    std::string title;
    std::string restoredText;  // the field's text after a rejected entry
};

// The text form of the field's variable.
std::string pipeFieldText(const Model& m, PipeField f, const NumberLocale& loc);

// Checks an entry made in a pipe field when it loses the focus; an accepted
// entry is stored (the whole part of it, the conductivity as typed, rounded
// to a single) and the insulation resistance follows the diameter, the
// thickness and the conductivity. A rejected entry changes nothing.
PipeEntryResult acceptPipeEntry(Model& m, PipeField f, const std::string& text, const NumberLocale& loc);

}  // namespace nk
