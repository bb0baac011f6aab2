// Every raw result of the calculation cycles, to the last bit, against a
// stored reference: hundreds of runs over every system, cycle, several months
// and day types, settings variants and runs that end in calculation errors.
// The golden tables show rounded figures, so a change in the last bit of an
// intermediate value passes them; this check does not let it pass.
//
// Each run is hashed in groups (the bit patterns of every value, array bounds
// included) and compared with tests/simulation/cycles/bit_identity_reference.txt.
//   NK_BIT_IDENTITY_WRITE=FILE  writes the hashes of the code as it is to FILE
//                                (only when its results are meant to change);
//   NK_BIT_IDENTITY_DUMP=DIR    writes every value of every run, one per line
//                                with its bits, to DIR/<run>.txt, so that two
//                                builds' dumps can be compared with diff -r.
// The rounded result record and the result table are left out on purpose:
// they are formed from these values and have tests of their own.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "radiation/radiation.h"
#include "simulation/cycles/drivers.h"
#include "simulation/cycles/run_steps.h"
#include "state/defaults.h"
#include "support/recording_ui.h"

#ifndef NK_TESTS_DIR
#error "NK_TESTS_DIR names the tests' source directory"
#endif

namespace nk {
namespace {

// --- Hashing the bits -----------------------------------------------------------

std::string hex(std::uint64_t v, int digits) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%0*llx", digits, static_cast<unsigned long long>(v));
    return buf;
}

// FNV-1a over the bytes of each value; an optional listing of every value.
class Hash {
public:
    explicit Hash(std::ostream* listing, std::string group) : listing_(listing), group_(std::move(group)) {}

    void add(const char* name, double v) { bits(name, -1, -1, std::bit_cast<std::uint64_t>(v), 16, v); }
    void add(const char* name, float v) { bits(name, -1, -1, std::bit_cast<std::uint32_t>(v), 8, v); }
    void add(const char* name, Integer v) { bits(name, -1, -1, std::uint16_t(v), 4, v); }
    void add(const char* name, int v) { bits(name, -1, -1, std::uint32_t(v), 8, v); }

    template <class T>
    void add(const char* name, const Arr1<T>& a) {
        if (!shape(name, a.allocated(), a.bounds(0), {0, -1})) return;
        for (int i = a.bounds(0).lo; i <= a.bounds(0).hi; ++i) element(name, i, -1, a(i));
    }
    template <class T>
    void add(const char* name, const Arr2<T>& a) {
        if (!shape(name, a.allocated(), a.bounds(0), a.bounds(1))) return;
        for (int i = a.bounds(0).lo; i <= a.bounds(0).hi; ++i)
            for (int j = a.bounds(1).lo; j <= a.bounds(1).hi; ++j) element(name, i, j, a(i, j));
    }

    // 32 bits of the 64-bit hash are plenty to tell a changed group.
    std::string text() const { return hex((h_ ^ (h_ >> 32)) & 0xffffffffu, 8); }

private:
    void element(const char* name, int i, int j, double v) {
        bits(name, i, j, std::bit_cast<std::uint64_t>(v), 16, v);
    }
    void element(const char* name, int i, int j, float v) { bits(name, i, j, std::bit_cast<std::uint32_t>(v), 8, v); }
    void element(const char* name, int i, int j, Integer v) { bits(name, i, j, std::uint16_t(v), 4, v); }

    bool shape(const char* name, bool allocated, Bounds b0, Bounds b1) {
        mix(allocated);
        for (int x : {b0.lo, b0.hi, b1.lo, b1.hi}) mix(std::uint32_t(x));
        if (listing_ && !allocated) *listing_ << group_ << '\t' << name << "\tnot allocated\n";
        return allocated;
    }

    void bits(const char* name, int i, int j, std::uint64_t b, int digits, double shown) {
        mix(b);
        if (!listing_) return;
        *listing_ << group_ << '\t' << name;
        if (i >= 0) *listing_ << '(' << i;
        if (j >= 0) *listing_ << ',' << j;
        if (i >= 0) *listing_ << ')';
        char value[40];
        std::snprintf(value, sizeof value, "%.17g", shown);
        *listing_ << '\t' << hex(b, digits) << '\t' << value << '\n';
    }

    void mix(std::uint64_t b) {
        for (int k = 0; k < 8; ++k) {
            h_ ^= (b >> (8 * k)) & 0xffu;
            h_ *= 0x100000001b3ull;
        }
    }

    std::ostream* listing_;
    std::string group_;
    std::uint64_t h_ = 0xcbf29ce484222325ull;
};

// --- What a run leaves behind, in groups ---------------------------------------

// The result families: day total or mean, hourly, daily and monthly arrays.
#define NK_FAMILY(hash, name)                 \
    do {                                      \
        hash.add("Napi" #name, r.Napi##name); \
        hash.add("Ora" #name, r.Ora##name);   \
        hash.add("Napok" #name, r.Napok##name); \
        hash.add("Havi" #name, r.Havi##name); \
    } while (0)
#define NK_ITEM(hash, owner, name) hash.add(#name, owner.name)

const char* const kGroups[] = {"collector", "heater", "demand",   "tank1", "tank2", "tank3", "pool",
                               "day",       "run",    "extremes", "state", "step",  "clock"};

std::vector<std::string> groupHashes(const Model& m, std::ostream* listing) {
    const Results& r = m.res;
    std::vector<std::string> out;
    auto group = [&](const char* name, auto&& fill) {
        Hash h(listing, name);
        fill(h);
        out.push_back(h.text());
    };
    group("collector", [&](Hash& h) {
        NK_FAMILY(h, Sugarzas);
        NK_FAMILY(h, KollHo);
        NK_FAMILY(h, Szivattyuperc);
        NK_FAMILY(h, Csoveszteseg);
        NK_FAMILY(h, KollHoTar);
        NK_FAMILY(h, KollHoMed);
        NK_FAMILY(h, KollHoPuf);
    });
    group("heater", [&](Hash& h) {
        NK_FAMILY(h, HagyHo);
        NK_FAMILY(h, HagyHoTar);
        NK_FAMILY(h, HagyHoMed);
        NK_FAMILY(h, HagyHoFut);
    });
    group("demand", [&](Hash& h) {
        NK_FAMILY(h, MedNyereseg);
        NK_FAMILY(h, EpNyereseg);
        NK_FAMILY(h, MedVeszteseg);
        NK_FAMILY(h, EpHoigeny);
        NK_FAMILY(h, OsszHoigeny);
        NK_FAMILY(h, OsszNyereseg);
        NK_FAMILY(h, HmvHoigeny);
    });
    group("tank1", [&](Hash& h) {
        NK_FAMILY(h, Tar1Also);
        NK_FAMILY(h, Tar1Kozep);
        NK_FAMILY(h, Tar1Felso);
    });
    group("tank2", [&](Hash& h) {
        NK_FAMILY(h, Tar2Also);
        NK_FAMILY(h, Tar2Kozep);
        NK_FAMILY(h, Tar2Felso);
    });
    group("tank3", [&](Hash& h) {
        NK_FAMILY(h, Tar3Also);
        NK_FAMILY(h, Tar3Kozep);
        NK_FAMILY(h, Tar3Felso);
    });
    group("pool", [&](Hash& h) { NK_FAMILY(h, MedTemp); });
    group("day", [&](Hash& h) {
        NK_ITEM(h, r, NapiTar1Atlag);
        NK_ITEM(h, r, NapiTar2Atlag);
        NK_ITEM(h, r, NapiTar3Atlag);
        NK_ITEM(h, r, NapiKonvekcio);
        NK_ITEM(h, r, NapiEgyebVeszt);
        NK_ITEM(h, r, NapiParolgas);
    });
    group("run", [&](Hash& h) {
        NK_ITEM(h, r, EvesSugarzas);
        NK_ITEM(h, r, EvesKollHo);
        NK_ITEM(h, r, EvesCsoveszteseg);
        NK_ITEM(h, r, EvesSzivattyuperc);
        NK_ITEM(h, r, EvesKollHoTar);
        NK_ITEM(h, r, EvesKollHoMed);
        NK_ITEM(h, r, EvesKollHoPuf);
        NK_ITEM(h, r, EvesHagyHo);
        NK_ITEM(h, r, EvesHagyHoTar);
        NK_ITEM(h, r, EvesHagyHoMed);
        NK_ITEM(h, r, EvesHagyHoFut);
        NK_ITEM(h, r, HaviTar1Atlag);
        NK_ITEM(h, r, HaviTar2Atlag);
        NK_ITEM(h, r, HaviTar3Atlag);
        NK_ITEM(h, r, HaviMedAtlag);
        NK_ITEM(h, r, EvesTar1Atlag);
        NK_ITEM(h, r, EvesTar2Atlag);
        NK_ITEM(h, r, EvesTar3Atlag);
        NK_ITEM(h, r, EvesMedAtlag);
    });
    group("extremes", [&](Hash& h) {
        NK_ITEM(h, r, Tar1FelsoMax);
        NK_ITEM(h, r, Tar2FelsoMax);
        NK_ITEM(h, r, Tar3FelsoMax);
        NK_ITEM(h, r, Tar1AlsoMin);
        NK_ITEM(h, r, Tar2AlsoMin);
        NK_ITEM(h, r, Tar3AlsoMin);
        NK_ITEM(h, r, MedTempMax);
        NK_ITEM(h, r, MedTempMin);
    });
    group("state", [&](Hash& h) {
        const PhysicalState& p = m.st;
        NK_ITEM(h, p, Tar1Also);
        NK_ITEM(h, p, Tar1Kozep);
        NK_ITEM(h, p, Tar1Felso);
        NK_ITEM(h, p, Tar2Also);
        NK_ITEM(h, p, Tar2Kozep);
        NK_ITEM(h, p, Tar2Felso);
        NK_ITEM(h, p, Tar3Also);
        NK_ITEM(h, p, Tar3Kozep);
        NK_ITEM(h, p, Tar3Felso);
        NK_ITEM(h, p, Medencehomerseklet);
        NK_ITEM(h, p, Kolldt);
        NK_ITEM(h, p, Kollallapot);
        // The building step writes the room temperature into the settings.
        NK_ITEM(h, m.s, Szobahomerseklet);
        const RunPreparation& g = m.prep;
        NK_ITEM(h, g, Fogyasztasiorak);
        NK_ITEM(h, g, Idojarasminta);
        NK_ITEM(h, g, KulsoGyuru);
        NK_ITEM(h, g, Napleg1Gyuru);
        NK_ITEM(h, g, Napleg2Gyuru);
        NK_ITEM(h, g, Napleg3Gyuru);
        NK_ITEM(h, g, Napleg1);
        NK_ITEM(h, g, Napleg2);
        NK_ITEM(h, g, Napleg3);
    });
    group("step", [&](Hash& h) {
        const StepValues& v = m.step;
        NK_ITEM(h, v, Orasfogyasztas);
        NK_ITEM(h, v, Lepesfogyasztas);
        NK_ITEM(h, v, Kollkozeptemp);
        NK_ITEM(h, v, Kollhofokkulonbseg);
        NK_ITEM(h, v, Redukalthomerseklet);
        NK_ITEM(h, v, Kollhatasfok);
        NK_ITEM(h, v, Tar1Emeles);
        NK_ITEM(h, v, PufEmeles);
        NK_ITEM(h, v, Tar3Emeles);
        NK_ITEM(h, v, Csoveszteseg);
        NK_ITEM(h, v, Szivattyuperc);
        NK_ITEM(h, v, Terhomerseklet);
        NK_ITEM(h, v, MedEmeles);
        NK_ITEM(h, v, MedValtozas);
        NK_ITEM(h, v, MedTempKerek);
        NK_ITEM(h, v, LevegoTempKerek);
        NK_ITEM(h, v, Parolgas);
        NK_ITEM(h, v, Konvekcio);
        NK_ITEM(h, v, Talajveszteseg);
        NK_ITEM(h, v, Potvizveszteseg);
        NK_ITEM(h, v, Sugarzasveszteseg);
        NK_ITEM(h, v, Eloremenohom);
        NK_ITEM(h, v, Visszaterohom);
        NK_ITEM(h, v, FalVeszteseg);
        NK_ITEM(h, v, AblakVeszteseg);
        NK_ITEM(h, v, NettoHoigeny);
        NK_ITEM(h, v, Atfolyoadag);
        NK_ITEM(h, v, KollHoTar);
        NK_ITEM(h, v, KollHoMed);
        NK_ITEM(h, v, KollHoPuf);
        NK_ITEM(h, v, HagyHoTar);
        NK_ITEM(h, v, HagyHoMed);
        NK_ITEM(h, v, HagyHoFut);
        NK_ITEM(h, v, HmvHoigeny);
        NK_ITEM(h, v, MedNyereseg);
        NK_ITEM(h, v, MedVeszteseg);
        NK_ITEM(h, v, EpNyereseg);
        NK_ITEM(h, v, EpHoigeny);
    });
    group("clock", [&](Hash& h) {
        const SimClock& c = m.clock;
        NK_ITEM(h, c, Honap);
        NK_ITEM(h, c, Nap);
        NK_ITEM(h, c, Ora);
        NK_ITEM(h, c, Lepesszam);
        NK_ITEM(h, c, Lepes);
        NK_ITEM(h, c, Lepeshossz);
        NK_ITEM(h, c, Perc);
        NK_ITEM(h, c, Felora);
        NK_ITEM(h, c, Eredmenyrogzites);
        NK_ITEM(h, c, IdoszakNapjai);
        NK_ITEM(h, c, IdoszakHonapjai);
        NK_ITEM(h, c, Ciklusindex);
        NK_ITEM(h, c, Honapindex);
    });
    return out;
}
#undef NK_FAMILY
#undef NK_ITEM

// --- The runs --------------------------------------------------------------------

// System 46 is not among them: it has no day simulation, and a run of it
// ends with a message before any step (the cycles' own tests hold that).
constexpr int kSystems[] = {11, 12, 13, 14, 15, 16, 21, 22, 41, 42, 43, 44, 45};

bool withTanks(int s) { return s != 21 && s != 22 && s != 46; }
bool withPool(int s) { return s == 21 || s == 22 || (s >= 41 && s <= 43) || s == 45; }
bool withBuilding(int s) { return s == 44 || s == 45; }
bool any(int) { return true; }

// New tank volumes with the layers they derive and the smallest tank of
// the system, which its draw splits the hour by.
void setTanks(Settings& s, double v1, double v2, Integer v3) {
    s.Tarolo1terfogat = v1;
    s.Tarolo2terfogat = v2;
    s.Tarolo3terfogat = v3;
    deriveTankLayers(s);
    const int system = ix(s.Rendszerszam);
    const int tanks = system == 43 ? 2 : system >= 13 && system <= 16 ? (system <= 14 ? 2 : 3) : 1;
    double smallest = v1;
    if (tanks >= 2 && v2 < smallest) smallest = v2;
    if (tanks >= 3 && v3 < smallest) smallest = v3;
    s.Legkisebbterfogat = Currency::fromDouble(smallest);
}

void setDailyVolume(Model& m, double litres) {
    for (int p = 1; p <= 6; ++p)
        for (int w = 0; w <= 1; ++w)
            for (int d = 0; d <= 7; ++d) m.fogy.Fogynapi(p, w, d) = litres;
}

struct Variant {
    const char* name;
    bool (*applies)(int system);
    void (*apply)(Model& m);
};

const Variant kVariants[] = {
    {"heat-up", any, [](Model& m) { m.s.Felfutes = kTrue; }},
    {"annual-controller", any,
     [](Model& m) {
         // Consumers switched off in different months, other limits and differences.
         m.s.Automod = 1;
         Programmes& g = m.prog;
         for (int mo = 1; mo <= 12; ++mo) {
             g.AutBeKi1(1, mo) = mo % 4 == 1 ? 0 : 1;
             g.AutBeKi2(1, mo) = mo % 3 == 0 ? 0 : 1;
             g.AutBeKi3(1, mo) = mo % 5 == 2 ? 0 : 1;
             g.AutBeKiMed(1, mo) = Integer(mo >= 5 && mo <= 9 ? 1 : 0);
             g.AutBekapcsdT1(1, mo) = 4 + mo % 5;
             g.AutBekapcsdT2(1, mo) = 6.5;
             g.AutBekapcsdT3(1, mo) = 3 + mo % 3;
             g.AutBekapcsdTMed(1, mo) = 5;
             g.AutMaxhofok1(1, mo) = 55 + mo % 4 * 5;
             g.AutMaxhofok2(1, mo) = 60;
             g.AutMaxhofok3(1, mo) = 48;
             g.AutMaxhofokMed(1, mo) = 27;
         }
     }},
    // Collector power asks for more than two steps in many hours.
    {"large-field", any, [](Model& m) { m.s.Kollektorszam = 12; }},
    {"large-draw", withTanks, [](Model& m) { setDailyVolume(m, 900); }},
    {"small-tanks", withTanks, [](Model& m) { setTanks(m.s, 160, 130, 100); }},
    {"weekly-profile", withTanks,
     [](Model& m) {
         // Weekdays of a different curve, and days without any draw.
         m.s.Fogyjelleg = 2;
         m.s.Fogyheti = 1;
         m.s.Cirkvesztes = 35;
     }},
    {"custom-heater-programme", withTanks,
     [](Model& m) {
         m.s.Tarolofutesprogram = 4;
         m.s.Tarolofutesheti = 1;
         m.s.Tarolofuteshofok = 57;
         m.s.Tarolofutesteljesitmeny = 3;
         for (int d = 1; d <= 7; ++d)
             for (int e = 0; e <= 23; ++e)
                 for (int f = 0; f <= 1; ++f) m.prog.Idoprogramok(1, 4, 1, d, e, f) = (d + e + f) % 3 == 0 ? 1 : 0;
     }},
    {"water-8-55", withTanks,
     [](Model& m) {
         m.s.Hidegvizhofok = 8;
         m.s.Melegvizhofok = 55;
     }},
    // Hot water set below the cold water, tanks heated above 40 °C: the
    // mixing quotient of an hour without a draw is a negative zero, and the
    // profile's last hour has none.
    {"water-hot-below-cold", withTanks,
     [](Model& m) {
         m.s.Hidegvizhofok = 30;
         m.s.Melegvizhofok = 25;
         m.s.Fogyjelleg = 3;
     }},
    {"tilt-60-azimuth-30", any,
     [](Model& m) {
         m.s.Dolesszog = 60;
         m.s.BeallDolesszog = 60;
         m.s.Tajolas = 30;
         m.s.BeallTajolas = 30;
         Sugarzastablazat(m);
     }},
    {"long-pipe", [](int s) { return s == 11; },
     [](Model& m) {
         // The pipe loses the whole collector heat in weak hours.
         m.pipe.Kulsocsohossz = 45;
         m.pipe.Belsocsohossz = 30;
     }},
    {"hall-heated-transparent", withPool,
     [](Model& m) {
         m.s.Medfedett = Var::boolean(true);
         m.s.Medterfutott = Var::boolean(true);
         m.s.Medatlatszofedes = Var::boolean(true);
         m.s.Medterhofok = 28;
         m.s.Medfoliatakaras = 1;
     }},
    {"hall-unheated-transparent", withPool,
     [](Model& m) {
         m.s.Medfedett = Var::boolean(true);
         m.s.Medterfutott = Var::boolean(false);
         m.s.Medatlatszofedes = Var::boolean(true);
     }},
    {"hall-unheated-opaque", withPool,
     [](Model& m) {
         m.s.Medfedett = Var::boolean(true);
         m.s.Medterfutott = Var::boolean(false);
         m.s.Medatlatszofedes = Var::boolean(false);
     }},
    {"open-pool-foil-heater", withPool,
     [](Model& m) {
         m.s.Medfoliatakaras = 1;
         m.s.Medfekves = 0.6;
         m.s.Medvizpotlashofok = 16;
         m.s.Medfutesprogram = 2;
         m.s.Medfuteshofok = 27;
         m.s.Medfutesteljesitmeny = 6;
         m.s.Medterfogat = 20;
         m.s.Medfelulet = 18;
     }},
    {"building", withBuilding,
     [](Model& m) {
         Settings& s = m.s;
         s.Epulethoigeny = 34;
         s.Futesgorbe = 12;
         s.Pufferterfogat = 900;
         s.Fazistolas = 5.5;
         s.Csillapitas = 12;
         s.Ablakarany = 0.3;
         s.Komforthomerseklet = 22;
         s.Futes3program = 3;
         s.Homlokzatossz = CSng(double(s.Alapterulet) * double(s.Homlokzatarany));
         s.Ablakossz = double(s.Homlokzatossz) * double(s.Ablakarany);
         s.Ablak1 = double(s.Ablakossz) * 0.1;
         s.Ablak2 = double(s.Ablakossz) * 0.5;
         s.Ablak3 = double(s.Ablakossz) * 0.3;
     }},
    {"building-half-hour-programme", withBuilding,
     [](Model& m) {
         // The room set temperature changes at half hours, and a value that
         // is neither comfort nor setback keeps the last one.
         m.s.Futes3program = 4;
         m.s.Futes3heti = 1;
         m.s.Komforthomerseklet = 23;
         for (int d = 1; d <= 7; ++d)
             for (int e = 0; e <= 23; ++e)
                 for (int f = 0; f <= 1; ++f) m.prog.Idoprogramok(3, 4, 1, d, e, f) = (d + e + 2 * f) % 5 == 0 ? 2 : (e + f) % 2;
     }},
    // Calculation errors: overflow of the step count (6) ...
    {"error-6-draw", withTanks, [](Model& m) { setDailyVolume(m, 1e7); }},
    // ... of the 24 × steps divisor of the day means, first reached while a
    // recorded step is added up (heat-up, so no warm-up day takes it first) ...
    {"error-6-day-means", withTanks,
     [](Model& m) {
         m.s.Felfutes = kTrue;
         setDailyVolume(m, 4e5);
     }},
    // ... of 0 / 0 in the draw-off's plug flow through tank 1, after the
    // tanks behind it have taken their flow ...
    {"error-6-tank1-upper-layer", [](int s) { return (s >= 13 && s <= 16) || s == 43; },
     [](Model& m) { m.s.Tar1Felsoterf = 0; }},
    // ... a tank 2 of no volume but with its layers, and no heater: in 13
    // and 43 it fails only when the draw-off finds its layers inverted, a
    // division by zero deep in a day after the tank's flow ...
    {"error-tank2-volume", [](int s) { return (s >= 13 && s <= 16) || s == 43; },
     [](Model& m) {
         m.s.Tarolo2terfogat = 0;
         m.s.Tarolofutesprogram = 4;
         for (int d = 1; d <= 7; ++d)
             for (int e = 0; e <= 23; ++e)
                 for (int f = 0; f <= 1; ++f) m.prog.Idoprogramok(1, 4, 0, d, e, f) = 0;
     }},
    // ... an index out of bounds (9): a heater programme that does not exist,
    // or the vapour pressure of a hall far above the table ...
    {"error-9", withTanks,
     [](Model& m) {
         m.s.Tarolofutesprogram = 9;
         m.s.Medfedett = Var::boolean(true);
         m.s.Medterfutott = Var::boolean(true);
         m.s.Medterhofok = 75;
     }},
    {"error-9-hall", withPool,
     [](Model& m) {
         m.s.Medfedett = Var::boolean(true);
         m.s.Medterfutott = Var::boolean(true);
         m.s.Medterhofok = 75;
     }},
    // ... and a division by zero (11): a Saturday whose hourly weights sum
    // to 0 (a week into the run), a pipe without insulation resistance once
    // the collectors run, an empty pool.
    {"error-11-saturday", withTanks,
     [](Model& m) {
         m.s.Fogyjelleg = 1;
         m.s.Fogyheti = 1;
         m.fogy.Fogyoraiossz(1, 1, 6) = 0;
         m.fogy.Fogyorai(1, 1, 6, 0) = 1;
     }},
    {"error-11-pipe", [](int s) { return s == 11; }, [](Model& m) { m.pipe.Csohejellenallas = 0; }},
    {"error-11-empty-pool", withPool, [](Model& m) { m.s.Medterfogat = 0; }},
};

struct Run {
    Integer cycle;  // 1 daily, 2 monthly, 3 annual, 4 period
    int month = 3;
    int dayType = 2;
    int weekday = 1;
    int lastMonth = 9;
};

std::string describe(int system, const Run& r, const char* variant) {
    std::ostringstream os;
    os << system << '-';
    switch (r.cycle) {
        case 1: os << "daily-m" << r.month << "-t" << r.dayType << "-w" << r.weekday; break;
        case 2: os << "monthly-m" << r.month; break;
        case 3: os << "annual"; break;
        default: os << "period-m" << r.month << "-m" << r.lastMonth; break;
    }
    os << '-' << variant;
    return os.str();
}

// Each system without a variant: the year, three months, six days of
// different months, day types and weekdays, and two periods (one over the
// turn of the year).
const Run kBaseRuns[] = {
    {3},           {2, 1},        {2, 6},        {2, 11},       {1, 1, 3, 7}, {1, 3, 1, 2},
    {1, 4, 2, 3},  {1, 7, 1, 4},  {1, 7, 3, 5},  {1, 10, 2, 6}, {4, 5, 2, 1, 9}, {4, 11, 2, 1, 2},
};
// Each variant on each system it concerns.
const Run kVariantRuns[] = {{3}, {1, 6, 1, 7}, {2, 9}};

struct Outcome {
    std::string name;
    int error;
    std::vector<std::string> hashes;
};

int errorNumber(const testing::RecordingUi& ui) {
    if (ui.messages.empty()) return 0;
    for (int n : {5, 6, 9, 11})
        if (ui.messages.back().text == calcErrorMessage(n)) return n;
    return -1;
}

Outcome runOne(int system, const Run& run, const Variant* variant, const char* dumpDir) {
    Model m;
    testing::RecordingUi ui;
    m.ui = &ui;
    Alapertekek(m);
    initialCalculationChoices(m);
    m.s.Rendszerszam = system;
    if (system != 11) setTanks(m.s, m.s.Tarolo1terfogat, 250, 200);
    if (variant) variant->apply(m);
    m.s.Szamitasmod = run.cycle;
    m.s.Honapvalasztas = Integer(run.month);
    m.s.Naptipus = run.dayType;
    m.s.Kezdonap = Integer(run.weekday);
    m.s.ElsoHonap = Integer(run.month);
    m.s.UtolsoHonap = run.lastMonth;
    runCalculation(m);

    Outcome o{describe(system, run, variant ? variant->name : "base"), errorNumber(ui), {}};
    std::ofstream listing;
    if (dumpDir) listing.open(std::string(dumpDir) + "/" + o.name + ".txt");
    if (dumpDir) listing << "error\t" << o.error << '\n';
    o.hashes = groupHashes(m, dumpDir ? &listing : nullptr);
    return o;
}

std::vector<Outcome> runAll(const char* dumpDir) {
    std::vector<Outcome> out;
    for (int system : kSystems)
        for (const Run& r : kBaseRuns) out.push_back(runOne(system, r, nullptr, dumpDir));
    for (const Variant& v : kVariants)
        for (int system : kSystems)
            if (v.applies(system))
                for (const Run& r : kVariantRuns) out.push_back(runOne(system, r, &v, dumpDir));
    return out;
}

std::string referencePath() { return std::string(NK_TESTS_DIR) + "/simulation/cycles/bit_identity_reference.txt"; }

std::string line(const Outcome& o) {
    std::string s = o.name + '\t' + std::to_string(o.error);
    for (const std::string& h : o.hashes) s += '\t' + h;
    return s;
}

TEST(BitIdentity, EveryRawResultOfEveryRunKeepsItsBits) {
    const std::vector<Outcome> outcomes = runAll(std::getenv("NK_BIT_IDENTITY_DUMP"));

    if (const char* path = std::getenv("NK_BIT_IDENTITY_WRITE")) {
        std::ofstream f(path);
        f << "# run\terror";
        for (const char* g : kGroups) f << '\t' << g;
        f << '\n';
        for (const Outcome& o : outcomes) f << line(o) << '\n';
        GTEST_SKIP() << "reference written to " << path;
    }

    std::ifstream f(referencePath());
    ASSERT_TRUE(f) << referencePath();
    std::map<std::string, std::vector<std::string>> reference;
    std::string text;
    while (std::getline(f, text)) {
        if (text.empty() || text[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream is(text);
        for (std::string field; std::getline(is, field, '\t');) fields.push_back(field);
        const std::string name = fields.front();
        fields.erase(fields.begin());
        // The reference still holds the zeros system 46 once gave.
        if (!hasDaySimulation(std::stoi(name))) continue;
        reference[name] = fields;
    }
    ASSERT_EQ(reference.size(), outcomes.size()) << "runs in the reference and in the test";

    int failed = 0;
    for (const Outcome& o : outcomes) {
        const auto it = reference.find(o.name);
        ASSERT_NE(it, reference.end()) << o.name << " is not in the reference";
        const std::vector<std::string>& ref = it->second;
        ASSERT_EQ(ref.size(), o.hashes.size() + 1) << o.name;
        EXPECT_EQ(std::to_string(o.error), ref[0]) << o.name << ": calculation error";
        std::string differing;
        for (std::size_t g = 0; g < std::size(kGroups); ++g)
            if (o.hashes[g] != ref[g + 1]) differing += std::string(" ") + kGroups[g];
        if (!differing.empty() && ++failed <= 20) ADD_FAILURE() << o.name << ": bits differ in" << differing;
    }
    EXPECT_EQ(failed, 0) << "runs whose bits differ; NK_BIT_IDENTITY_DUMP=DIR lists every value of every run";
}

// The runs reach every system, cycle and error the reference is meant to
// hold, so a shrunken table cannot pass unnoticed.
TEST(BitIdentity, RunsCoverEverySystemCycleAndError) {
    std::map<int, int> errors;
    std::map<int, int> systems;
    int runs = 0;
    for (const Variant& v : kVariants)
        for (int system : kSystems)
            if (v.applies(system)) ++systems[system], runs += int(std::size(kVariantRuns));
    runs += int(std::size(kSystems) * std::size(kBaseRuns));
    EXPECT_EQ(systems.size(), std::size(kSystems));
    EXPECT_GE(runs, 300);

    std::ifstream f(referencePath());
    ASSERT_TRUE(f);
    std::string text;
    while (std::getline(f, text)) {
        if (text.empty() || text[0] == '#') continue;
        const auto tab = text.find('\t');
        ++errors[std::stoi(text.substr(tab + 1))];
    }
    for (int n : {0, 6, 9, 11}) EXPECT_GT(errors[n], 0) << "runs ending in error " << n;
    EXPECT_EQ(errors.count(-1), 0u) << "a message that is not a calculation error";
}

}  // namespace
}  // namespace nk
