#pragma once

// The settings file: one design as a sequence of comma-separated items in a
// fixed order (the collector catalogue, the collector choice, the controller,
// tilt and azimuth, hot water, consumption profiles, heater programmes,
// tanks, pool, system choice, project texts, site factor). It is written from
// the working copies and read into the active copies. Reading checks every
// item before anything changes, so a damaged or foreign file changes nothing.

#include <string>
#include <string_view>

#include "state/model.h"

namespace nk {

struct SettingsFileWrite {
    bool ok = false;
    std::string bytes;      // Windows-1250, lines ended by CR LF
    std::string field;      // a text the code page cannot hold: its field
    std::string character;  // and the character
};

// The file of the working copies.
SettingsFileWrite writeSettingsFile(const Model& m);

struct SettingsFileRead {
    bool ok = false;
    std::string problem;  // names the group of items and the item that is wrong
};

// Reads a file's bytes (UTF-8 or Windows-1250) into the active copies, then
// derives what the settings window's OK would: the collector's data, the
// tank layers and smallest tank, the facades, the pool's area and volume, the
// controller's constant months and the collector-plane radiation table.
// Nothing changes unless the whole file is sound.
SettingsFileRead readSettingsFile(std::string_view bytes, Model& m);

// The working copies as the settings window leaves them when it loads.
void copyActiveToWorking(Model& m);

}  // namespace nk
