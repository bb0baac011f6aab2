#pragma once

// The built-in climate of the one site and the hourly radiation tables built
// from it. Every element outside the filled ranges reads 0: loops over the
// months leave 13 in the month index, and later code reads with it.

#include <array>

#include "platform/numeric.h"
#include "platform/vb_array.h"

namespace nk {

struct Model;

inline constexpr std::array<Bounds, 3> kRadiationTableDims{upto(13), upto(24), upto(4)};

// Shared climate and radiation tables, filled at start-up.
struct Climate {
    Arr1<Integer> Honapnapjai{{upto(13)}};
    Arr3<Single> Levegohomerseklet{{upto(13), upto(25), upto(4)}};  // month, slot, day type
    Arr1<Single> Derultnapokhavi{{upto(13)}};
    Arr1<Single> Relativparatartalom{{upto(13)}};
    Arr1<Single> Szelsebesseg{{upto(13)}};
    Arr1<Single> Talajhomerseklet{{upto(13)}};
    Arr1<Single> Telitettgoznyomas{{Bounds{-10, 50}}};

    // W/m² by month, slot and day type.
    Arr3<Integer> Kollsugarzas{kRadiationTableDims};        // collector plane, with the site factor
    Arr3<Integer> Vizszintessugarzas{kRadiationTableDims};  // horizontal
    Arr3<Integer> Delisugarzas{kRadiationTableDims};        // vertical south
    Arr3<Integer> Keletisugarzas{kRadiationTableDims};      // vertical east
    Arr3<Integer> Nyugatisugarzas{kRadiationTableDims};     // vertical west
};

// State of the radiation procedures: their input tables and the work values
// they keep between calls.
struct RadiationModule {
    Arr2<double> Direktnormal{{upto(13), upto(25)}};  // clear-sky direct normal, W/m²
    Arr2<double> Derultnapok{{upto(13), upto(24)}};   // sunny days out of 30
    Arr1<double> Deklinaciotabla{{upto(24)}};         // declination of each month, degrees

    double Napido = 0;              // solar time of the middle of the slot, h
    double Foldrajziszelesseg = 0;  // latitude, degrees
    double Deklinacio = 0;
    double Oraszog = 0;
    Arr1<double> Magassagsin{{upto(24)}}, Magassagtg{{upto(24)}}, Napmagassag{{upto(24)}}, Napazimut{{upto(24)}},
        Azimutsin{{upto(24)}}, Azimuttg{{upto(24)}};

    double Napfenyarany = 0;
    Arr1<double> Beesesiszogcos{{upto(24)}};
    Arr2<double> Szortsugarzas{{upto(13), upto(24)}};
    Arr2<double> Direktsugarzas{{upto(13), upto(24)}};
    Integer Idojaras = 0;  // day type of the table builders and of the tilt dialog

    // The sun's position of a slot, as `Napallas` last worked it out from
    // these declination, solar time and latitude; the table builders ask
    // for the same slots many times over.
    struct SunPosition {
        bool known = false;
        double declination = 0, time = 0, latitude = 0;
        double sine = 0, tangent = 0, altitude = 0;
        double azimuthSine = 0, azimuthTangent = 0, azimuth = 0;  // while the sun is up
    };
    std::array<SunPosition, 25> sunPositions[14];
};

// Fill the constant tables (the values are built in).
void Sugarzasadatok(Model& m);
void Homersekletadatok(Model& m);
void Paratartalomadatok(Model& m);
void Szeladatok(Model& m);
void Goznyomasadatok(Model& m);
void Talajhomersekletadatok(Model& m);

}  // namespace nk
