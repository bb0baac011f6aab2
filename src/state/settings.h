#pragma once

// The settings that describe the installation and the calculation asked for.
// Nearly every setting has an active copy, read by the calculation, and a
// working copy `Beall...` that the settings window and the editors edit.
// Each member keeps the value kind of the original variable: a variant
// (`Var`) remembers whether it holds an integer, a single or a double.

#include <array>
#include <string>

#include "platform/numeric.h"
#include "platform/variant.h"
#include "platform/vb_array.h"

namespace nk {

// The collector-circuit pipe: one copy each, edited in both main windows.
struct PipeData {
    Var Csokulsoatmero;          // outer diameter D, mm
    Var Csohejvastagsag;         // insulation thickness s, mm
    Single Hoszigeteleslambda = 0;  // insulation conductivity, W/(m K)
    Var Kulsocsohossz;           // outdoor length, m
    Single Belsocsohossz = 0;    // indoor length, m
    Single Belsoterhofok = 0;    // air temperature around the indoor run, °C
    Single Csohejellenallas = 0;  // derived linear thermal resistance, m K/W
};

// R = (1 / (λ × 6.28318)) × (Log((D + s + s) / D) / Log(2.7182)), stored as a single.
Single insulationResistance(double D, double s, Single lambda);

// The remark takes at most this many lines: the data sheet has room for
// no more between the project rows and the collectors' section.
constexpr int kRemarkLines = 5;

struct ProjectTexts {
    std::string Letesitmenynev, Letesitmenyjelleg, Letesitmenyirszam, Letesitmenyvaros, Letesitmenyutca,
        Letesitmenytelefon, Letesitmenytelefax, Megrendelonev, Megrendeloirszam, Megrendelovaros, Megrendeloutca,
        Megrendelotelefon, Megrendelotelefax, Teljesitesideje, Megjegyzes, Keszitette;
};

struct Settings {
    // Collector choice.
    Var Kollektorszam;
    Integer BeallKollektorszam = 0;
    Var Kollektortipus;
    Integer BeallKollektortipus = 0;
    Var Kollektormodell;
    Integer BeallKollektormodell = 0;
    Var Osszfelulet;
    Single BeallOsszfelulet = 0;
    Var Kollektorfelulet;
    Var KollA;
    Var KollB;
    Var KollC;
    Single Gkertek = 0;

    // Tilt, orientation and site.
    Var Dolesszog;
    Var BeallDolesszog;
    Integer Tajolas = 0;
    Integer BeallTajolas = 0;
    Var Sugarzastenyezo;
    Integer BeallSugarzastenyezo = 0;

    // Losses and hot water.
    Var Rendszerveszteseg;
    Integer BeallRendszerveszteseg = 0;
    Var Melegvizhofok;
    Integer BeallMelegvizhofok = 0;
    Var Hidegvizhofok;
    Integer BeallHidegvizhofok = 0;
    Var Cirkvesztes;
    Var BeallCirkvesztes;

    // Hot-water consumption choice.
    Var Fogyjelleg;
    Integer BeallFogyjelleg = 0;
    Var Fogyheti;
    Integer BeallFogyheti = 0;
    // The weekday 1..7 whose amounts and curve the settings window and the
    // consumption editor show and edit. A calculation leaves it alone: it
    // sets `Hetnapja`, the weekday of the simulated day, for every day.
    Integer Fogyhetnapja = 0;
    Integer Hetnapja = 0;

    // Tanks and tank heating.
    Var Tarolo1terfogat;
    Var BeallTarolo1terfogat;
    Var Tarolo2terfogat;
    Var BeallTarolo2terfogat;
    Integer Tarolo3terfogat = 0;
    Integer BeallTarolo3terfogat = 0;
    Var Tarolofuteshofok;
    Var BeallTarolofuteshofok;
    Integer Tarolofutesteljesitmeny = 0;
    Integer BeallTarolofutesteljesitmeny = 0;
    Var Tarolofutesprogram;
    Var BeallTarolofutesprogram;
    Var Tarolofutesheti;
    Integer BeallTarolofutesheti = 0;

    // Derived tank values (one copy).
    Var Tar1Alsoterf, Tar1Kozepterf, Tar1Felsoterf;
    Var Tar2Alsoterf, Tar2Kozepterf, Tar2Felsoterf;
    Var Tar3Alsoterf, Tar3Kozepterf;
    Integer Tar3Felsoterf = 0;
    Currency Legkisebbterfogat;

    // Heater time-programme choices.
    Var Medfutesprogram;
    Var BeallMedfutesprogram;
    Var Medfutesheti;
    Var BeallMedfutesheti;
    Var Futes3program;
    Var BeallFutes3program;
    Var Futes3heti;
    Integer BeallFutes3heti = 0;

    // Controller mode: 0 constant, 1 annual programme.
    Var Automod;
    Var BeallAutomod;

    // System choice.
    Var Rendszerkategoria;
    Integer BeallRendszerkategoria = 0;
    Var HMVrendszer;
    Var BeallHMVrendszer;
    Var Medrendszer;
    Var BeallMedrendszer;
    Var Futesrendszer;
    Var BeallFutesrendszer;
    Var Kombrendszer;
    Integer BeallKombrendszer = 0;
    Var Rendszerszam;
    Integer BeallRendszerszam = 0;

    // Calculation choices (one copy each).
    Integer Szamitasmod = 0;
    Integer Honapvalasztas = 0;
    Integer Kezdonap = 0;
    Integer Felfutes = kFalse;
    Var Naptipus;
    Integer ElsoHonap = 0;
    Var UtolsoHonap;
    Integer ElsoHonap1 = 0;
    Var UtolsoHonap1;
    Integer ElsoHonap2 = 0;
    Var UtolsoHonap2;

    // Project texts: active copies and working copies.
    ProjectTexts projekt;
    ProjectTexts beallProjekt;

    // Chart colours: elements 1..10 are palette numbers of the ten curves.
    Arr1<Integer> Szinek{{upto(12)}};
    Arr1<Integer> GorbeLatszik{{upto(10)}};

    // Pool.
    Var Medalak;
    Integer BeallMedalak = 0;
    Var Medhossz, BeallMedhossz;
    Var Medszelesseg, BeallMedszelesseg;
    Var Medatmero, BeallMedatmero;
    Var Medmelyseg, BeallMedmelyseg;
    Var Medfelulet, BeallMedfelulet;
    Single Medterfogat = 0;
    Single BeallMedterfogat = 0;
    Var Medvizpotlashofok;
    Currency BeallMedvizpotlashofok;
    Var Medfuteshofok;
    Currency BeallMedfuteshofok;
    Var Medfutesteljesitmeny;
    Currency BeallMedfutesteljesitmeny;
    Var Medterhofok;
    Currency BeallMedterhofok;
    Var Medfedett, BeallMedfedett;                  // booleans
    Var Medatlatszofedes, BeallMedatlatszofedes;    // booleans
    Var Medterfutott;                               // boolean
    Integer BeallMedterfutott = kFalse;
    Integer Medfoliatakaras = 0;
    Integer BeallMedfoliatakaras = 0;
    Var Medfekves, BeallMedfekves;

    // Building and heating (systems 44 and 45).
    Var Pufferterfogat, BeallPufferterfogat;
    Var Futesgorbe;
    Single BeallFutesgorbe = 0;
    Var Komforthomerseklet, BeallKomforthomerseklet;
    Var Csokkentetthomerseklet;
    Integer BeallCsokkentetthomerseklet = 0;
    Var Alapterulet;
    Single BeallAlapterulet = 0;
    Var Epulethoigeny;
    Single BeallEpulethoigeny = 0;
    Var Homlokzatarany;
    Single BeallHomlokzatarany = 0;
    Var Ablakarany;
    Single BeallAblakarany = 0;
    Var Csillapitas, BeallCsillapitas;
    Var Fazistolas;
    Single BeallFazistolas = 0;
    Var Elnyelesitenyezo;
    Single BeallElnyelesitenyezo = 0;
    Var Ablakatbocsatas, BeallAblakatbocsatas;

    // Derived building values (one copy).
    Single Homlokzatossz = 0;
    Var Ablakossz;
    Var Homlokzat1, Homlokzat2, Homlokzat3;
    Var Ablak1, Ablak2, Ablak3;
    Single Homlokzat4 = 0;  // the remaining (north) facade share
    Single Ablak4 = 0;
    Single Szobahomerseklet = 0;
    Var Fajlagoshoigeny;    // specific heat load, W/m²
    Integer BeallFajlagoshoigeny = 0;
    Var Komfortgorbe;       // boolean
    Integer Futes3nap = 0;  // weekday of the room-heating programme
    Integer Feluletvalasztas = 0;  // area option of the calculation window
};

// The collector catalogue: parallel arrays by type (0..7) and model
// (0..bound), always re-allocated together.
struct Catalogue {
    Arr1<Integer> KatDarab{{upto(7)}};
    Integer KatMaxIndex = 0;
    Arr2<std::string> KatNev;
    Arr2<Single> KatFelulet;
    Arr2<Var> KatA;
    Arr2<Var> KatB;
    Arr2<Single> KatC;

    void allocate(int modelBound);
    void reallocatePreserving(int modelBound);
};

// Hot-water consumption profiles by profile (0..6), daily/weekly (0..2),
// weekday (0..8) and, for the weights, hour (0..24).
struct ConsumptionProfiles {
    static constexpr std::array<Bounds, 3> kDims{upto(6), upto(2), upto(8)};
    static constexpr std::array<Bounds, 4> kHourDims{upto(6), upto(2), upto(8), upto(24)};

    Arr3<Var> Fogyszemely{kDims};
    Arr3<Integer> BeallFogyszemely{kDims};
    Arr3<Var> Fogyfajlagos{kDims};
    Arr3<Single> BeallFogyfajlagos{kDims};
    Arr3<Var> Fogynapi{kDims};
    Arr3<Currency> BeallFogynapi{kDims};
    VbArray<Var, 4> Fogyorai{kHourDims};
    VbArray<Integer, 4> BeallFogyorai{kHourDims};
    Arr3<Var> Fogyoraiossz{kDims};
    Arr3<Integer> BeallFogyoraiossz{kDims};
};

// Heater time programmes by heater (0..3), programme (0..5), daily/weekly
// (0..2), weekday (0..8), hour (0..24) and half hour (0..2); and the twelve
// controller tables by mode (0..2) and month (0..13).
struct Programmes {
    static constexpr std::array<Bounds, 6> kIdoDims{upto(3), upto(5), upto(2), upto(8), upto(24), upto(2)};
    static constexpr std::array<Bounds, 2> kAutDims{upto(2), upto(13)};

    VbArray<Var, 6> Idoprogramok{kIdoDims};
    VbArray<Integer, 6> BeallIdoprogramok{kIdoDims};

    Arr2<Var> AutBekapcsdT1{kAutDims}, AutBekapcsdT2{kAutDims}, AutBekapcsdT3{kAutDims};
    Arr2<Integer> AutBekapcsdTMed{kAutDims};
    Arr2<Var> AutMaxhofok1{kAutDims}, AutMaxhofok2{kAutDims}, AutMaxhofok3{kAutDims};
    Arr2<Integer> AutMaxhofokMed{kAutDims};
    Arr2<Var> AutBeKi1{kAutDims}, AutBeKi2{kAutDims}, AutBeKi3{kAutDims};
    Arr2<Integer> AutBeKiMed{kAutDims};

    Arr2<Var> BeallAutBekapcsdT1{kAutDims}, BeallAutBekapcsdT2{kAutDims}, BeallAutBekapcsdT3{kAutDims};
    Arr2<Integer> BeallAutBekapcsdTMed{kAutDims};
    Arr2<Var> BeallAutMaxhofok1{kAutDims}, BeallAutMaxhofok2{kAutDims}, BeallAutMaxhofok3{kAutDims};
    Arr2<Integer> BeallAutMaxhofokMed{kAutDims};
    Arr2<Var> BeallAutBeKi1{kAutDims}, BeallAutBeKi2{kAutDims}, BeallAutBeKi3{kAutDims};
    Arr2<Integer> BeallAutBeKiMed{kAutDims};
};

}  // namespace nk
