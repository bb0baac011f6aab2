#pragma once

// Sun position and radiation on a plane, and the builders of the hourly
// radiation tables. Angles are in degrees and are turned into radians with
// 0.01745 and back with 180 / 3.14159, as the tables were defined.

#include <array>

#include "state/model.h"

namespace nk {

inline constexpr double kDegToRad = 0.01745;
inline constexpr double kSiteLatitude = 47.5;

// Sun position of slot `Ora` of month `Honap`, at solar time `Napido`.
void Napallas(Model& m);

// Rebuilds the collector-plane table `Kollsugarzas` from the active tilt,
// azimuth and site factor. Traps nothing.
void Sugarzastablazat(Model& m);

// One slot (`Honap`, `Ora`, `Idojaras`) of the collector-plane table.
void Egyorasugarzas(Model& m);

// The fixed-plane tables, built once at start-up. Each reports a calculation
// error through the model's UI and ends, restoring the active tilt and azimuth.
void Vizszintestablazat(Model& m);
void Fuggolegessugarzas(Model& m);

// One day of one month and day type on the working plane (`BeallDolesszog`,
// `BeallTajolas`), with the site factor, as the tilt and orientation dialog
// shows it. Fills the caller's buffer; the live table is not touched.
struct DayRadiation {
    std::array<Integer, 24> total{};   // W/m², the table value of each slot
    std::array<double, 24> direct{};   // direct part
    std::array<double, 24> diffuse{};  // diffuse part
};
void Havisugarzasnezet(Model& m, int month, int dayType, DayRadiation& out);

}  // namespace nk
