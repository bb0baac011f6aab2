#pragma once

#include "state/model.h"

namespace nk {

// Gives every setting its start-up value, fills the built-in catalogue,
// consumption profiles, heater time programmes and controller tables, and
// builds the climate and radiation tables.
void Alapertekek(Model& m);

// The three layers of each tank hold a third of its volume; tank 3's upper
// layer is a 16-bit integer, rounded half to even.
void deriveTankLayers(Settings& s);

}  // namespace nk
