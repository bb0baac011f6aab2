#pragma once

// What a calculation keeps: its clock, the physical state carried from step
// to step and from day to day, the quantities of the current step and the
// results at every level of aggregation. Variables that only ever hold whole
// numbers are ints and those that hold computed reals are doubles; the
// declared single-precision ones are floats, because their rounding is part
// of the results.

#include <array>

#include "platform/numeric.h"
#include "platform/variant.h"
#include "platform/vb_array.h"
#include "state/ui_port.h"

namespace nk {

// Calendar, run control and loop counters.
struct SimClock {
    int Honap = 0;   // month 1..12; also the loop variable of the table builders
    int Nap = 0;     // day counter
    int Ora = 0;     // hour slot 0..23
    Integer Lepesszam = 0;  // steps in the current hour
    int Lepes = 0;          // step index within the hour
    double Lepeshossz = 0;  // step length, minutes
    double Perc = 0;        // minute at which the step starts
    Integer Felora = 0;     // half hour of the step start
    Integer Eredmenyrogzites = kFalse;
    Integer Megszakitas = 0;
    double IdoszakNapjai = 0;
    Integer IdoszakHonapjai = 0;
    Integer Hetnapindex = 0;
    Integer Ciklusindex = 0;
    Integer Honapindex = 0;
};

// Draw hours, the day-type pattern and the outdoor temperature rings.
struct RunPreparation {
    Arr1<Integer> Fogyasztasiorak{{upto(8)}};
    Arr2<Single> Idojarasminta{{upto(13), upto(32)}};
    Arr1<double> KulsoGyuru{{upto(24)}};
    Arr1<double> Napleg1Gyuru{{upto(24)}};
    Arr1<double> Napleg2Gyuru{{upto(24)}};
    Arr1<Single> Napleg3Gyuru{{upto(24)}};
    double Napleg1 = 0;
    double Napleg2 = 0;
    Single Napleg3 = 0;
};

// The physical state carried from step to step and from day to day.
struct PhysicalState {
    double Tar1Also = 0, Tar1Kozep = 0, Tar1Felso = 0;
    double Tar2Also = 0, Tar2Kozep = 0, Tar2Felso = 0;
    double Tar3Also = 0, Tar3Kozep = 0, Tar3Felso = 0;
    double Medencehomerseklet = 0;
    Single Kolldt = 0;
    Integer Kollallapot = 0;
};

// Work values of the current step.
struct StepValues {
    double Orasfogyasztas = 0;
    Single Lepesfogyasztas = 0;
    double Kollkozeptemp = 0;
    Single Kollhofokkulonbseg = 0;
    Single Redukalthomerseklet = 0;
    Single Kollhatasfok = 0;
    double Tar1Emeles = 0, PufEmeles = 0;
    Single Tar3Emeles = 0;
    Single Csoveszteseg = 0;
    double Szivattyuperc = 0;
    Single Terhomerseklet = 0;
    double MedEmeles = 0;
    Single MedValtozas = 0;
    double MedTempKerek = 0;
    Single LevegoTempKerek = 0;
    double Parolgas = 0, Konvekcio = 0, Talajveszteseg = 0, Potvizveszteseg = 0;
    Single Sugarzasveszteseg = 0;
    double Eloremenohom = 0;
    Single Visszaterohom = 0;
    double FalVeszteseg = 0;
    Single AblakVeszteseg = 0, NettoHoigeny = 0, Atfolyoadag = 0;

    // Step values of the result families.
    double KollHoTar = 0, KollHoMed = 0, KollHoPuf = 0;
    double HagyHoTar = 0, HagyHoMed = 0, HagyHoFut = 0;
    double HmvHoigeny = 0;
    double MedNyereseg = 0, MedVeszteseg = 0;
    double EpNyereseg = 0, EpHoigeny = 0;
};

// Hourly arrays (day 0..32, hour 0..24) and daily arrays (month 0..13,
// day 0..32) are allocated by the drivers; monthly arrays (0..13) too.
using HourlyArray = Arr2<double>;
using DailyArray = Arr2<double>;
using MonthlyArray = Arr1<Single>;

inline constexpr std::array<Bounds, 2> kHourlyDims{upto(32), upto(24)};
inline constexpr std::array<Bounds, 2> kDailyDims{upto(13), upto(32)};
inline constexpr std::array<Bounds, 1> kMonthlyDims{upto(13)};

// Rounded results: element 1 holds the result of the last run.
using ResultArray = Arr1<Var>;  // keeps the kind: a single prints with seven digits
using ResultArraySingle = Arr1<Single>;
inline constexpr std::array<Bounds, 1> kEnergyResultDims{upto(13)};
inline constexpr std::array<Bounds, 1> kTempResultDims{upto(15)};

// The choices of the calculation whose figures the result record holds, so
// that what is printed with them names that calculation, not the options
// chosen since.
struct ShownCalculation {
    Integer cycle = 0;  // 1 daily, 2 monthly, 3 annual, 4 period; 0 before the first
    Integer month = 0;  // the month of a daily or monthly run
    Var dayType;        // the day type of a daily run
    Integer firstMonth = 0;  // the months of a period run
    Var lastMonth;
    // The system calculated, and its group: the window may show another since.
    Var system;
    Var group;
    // The hourly, daily and monthly arrays still hold that calculation: a run
    // that began after it overwrote them, and if it failed they hold no
    // calculation's whole figures.
    bool arraysHoldIt = false;
};

struct Results {
    // Day totals and day means.
    double NapiSugarzas = 0, NapiKollHo = 0, NapiSzivattyuperc = 0;
    Single NapiCsoveszteseg = 0;  // summed in single precision
    double NapiKollHoTar = 0, NapiKollHoMed = 0, NapiKollHoPuf = 0;
    double NapiHagyHo = 0, NapiHagyHoTar = 0, NapiHagyHoMed = 0, NapiHagyHoFut = 0;
    Single NapiHmvHoigeny = 0, NapiOsszHoigeny = 0, NapiOsszNyereseg = 0;
    double NapiMedNyereseg = 0, NapiMedVeszteseg = 0, NapiEpNyereseg = 0, NapiEpHoigeny = 0;
    double NapiTar1Also = 0, NapiTar1Kozep = 0, NapiTar1Felso = 0;
    double NapiTar2Also = 0, NapiTar2Kozep = 0, NapiTar2Felso = 0;
    Single NapiTar3Also = 0, NapiTar3Kozep = 0, NapiTar3Felso = 0;
    double NapiMedTemp = 0;
    double NapiTar1Atlag = 0, NapiTar2Atlag = 0, NapiTar3Atlag = 0;
    double NapiKonvekcio = 0, NapiEgyebVeszt = 0, NapiParolgas = 0;

    // Hourly arrays.
    HourlyArray OraSugarzas, OraKollHo, OraCsoveszteseg, OraSzivattyuperc, OraKollHoTar, OraKollHoMed, OraKollHoPuf,
        OraHagyHo, OraHagyHoTar, OraHagyHoMed, OraHagyHoFut, OraHmvHoigeny, OraOsszHoigeny, OraOsszNyereseg,
        OraMedNyereseg, OraMedVeszteseg, OraEpNyereseg, OraEpHoigeny, OraTar1Also, OraTar1Kozep, OraTar1Felso,
        OraTar2Also, OraTar2Kozep, OraTar2Felso, OraTar3Also, OraTar3Kozep, OraTar3Felso, OraMedTemp;

    // Daily arrays.
    DailyArray NapokSugarzas, NapokKollHo, NapokCsoveszteseg, NapokSzivattyuperc, NapokKollHoTar, NapokKollHoMed,
        NapokKollHoPuf, NapokHagyHo, NapokHagyHoTar, NapokHagyHoMed, NapokHagyHoFut, NapokHmvHoigeny, NapokOsszHoigeny,
        NapokOsszNyereseg, NapokMedNyereseg, NapokMedVeszteseg, NapokEpNyereseg, NapokEpHoigeny, NapokTar1Also,
        NapokTar1Kozep, NapokTar1Felso, NapokTar2Also, NapokTar2Kozep, NapokTar2Felso, NapokTar3Also, NapokTar3Kozep,
        NapokTar3Felso, NapokMedTemp;

    // Monthly arrays.
    MonthlyArray HaviSugarzas, HaviKollHo, HaviCsoveszteseg, HaviSzivattyuperc, HaviKollHoTar, HaviKollHoMed,
        HaviKollHoPuf, HaviHagyHo, HaviHagyHoTar, HaviHagyHoMed, HaviHagyHoFut, HaviHmvHoigeny, HaviOsszHoigeny,
        HaviOsszNyereseg, HaviMedNyereseg, HaviMedVeszteseg, HaviEpNyereseg, HaviEpHoigeny, HaviTar1Also,
        HaviTar1Kozep, HaviTar1Felso, HaviTar2Also, HaviTar2Kozep, HaviTar2Felso, HaviTar3Also, HaviTar3Kozep,
        HaviTar3Felso, HaviMedTemp;

    // Run totals, and whether they hold a whole annual or period run (the
    // pipe-loss box shows them after the other cycles too).
    bool runTotalsComplete = true;
    double EvesSugarzas = 0, EvesKollHo = 0;
    Single EvesCsoveszteseg = 0, EvesSzivattyuperc = 0;
    double EvesKollHoTar = 0, EvesKollHoMed = 0, EvesKollHoPuf = 0;
    double EvesHagyHo = 0, EvesHagyHoTar = 0, EvesHagyHoMed = 0;
    Single EvesHagyHoFut = 0;

    // Means of the tanks' average temperature and of the pool temperature.
    double HaviTar1Atlag = 0, HaviTar2Atlag = 0;
    Single HaviTar3Atlag = 0;
    double HaviMedAtlag = 0;
    double EvesTar1Atlag = 0, EvesTar2Atlag = 0;
    Single EvesTar3Atlag = 0;
    double EvesMedAtlag = 0;

    // Extremes over the recorded part of a run.
    double Tar1FelsoMax = 0, Tar2FelsoMax = 0, Tar3FelsoMax = 0;
    double Tar1AlsoMin = 0, Tar2AlsoMin = 0;
    Single Tar3AlsoMin = 0;
    Single MedTempMax = 0;
    double MedTempMin = 0;

    // Rounded results.
    ResultArray EredmQnap{kEnergyResultDims}, EredmKollHo{kEnergyResultDims};
    ResultArraySingle EredmQcso{kEnergyResultDims}, EredmSzivattyuperc{kEnergyResultDims};
    ResultArray EredmKollHoTar{kEnergyResultDims}, EredmKollHoMed{kEnergyResultDims},
        EredmKollHoPuf{kEnergyResultDims}, EredmHagyHo{kEnergyResultDims}, EredmHagyHoTar{kEnergyResultDims},
        EredmHagyHoMed{kEnergyResultDims}, EredmHagyHoFut{kEnergyResultDims};
    ResultArray EredmTar1Atlag{kTempResultDims}, EredmTar2Atlag{kTempResultDims};
    ResultArraySingle EredmTar3Atlag{kTempResultDims}, EredmMedTempAtlag{kTempResultDims};
    ResultArray EredmTar1FelsoMax{kTempResultDims}, EredmTar2FelsoMax{kTempResultDims},
        EredmTar3FelsoMax{kTempResultDims}, EredmTar1AlsoMin{kTempResultDims}, EredmTar2AlsoMin{kTempResultDims};
    ResultArraySingle EredmTar3AlsoMin{kTempResultDims};
    ResultArray EredmMedTempMax{kTempResultDims}, EredmMedTempMin{kTempResultDims};
    ResultArray EredmCsoArany{kEnergyResultDims}, EredmCsoArany2{kEnergyResultDims}, EredmMedArany{kEnergyResultDims},
        EredmPufArany{kEnergyResultDims};
    ResultArraySingle EredmFedezet{kEnergyResultDims}, EredmFedezetTar{kEnergyResultDims},
        EredmFedezetMed{kEnergyResultDims}, EredmFedezetFut{kEnergyResultDims};
    Integer EredmTiltas = 0;
    Integer EredmAllapot = 0;

    // Energy lines of the printed data sheet, from the latest result table.
    Arr1<Var> EnergiaAdat{{upto(8)}};
    ShownCalculation shown;

    // What the windows show of the latest run: the result table and the
    // annual bar chart (kept until the next annual run).
    ResultTexts tablazat;
    AnnualChart evesgrafikon;
};

// Parameters the windows pass to each other through shared variables.
struct WindowParameters {
    Integer IdoprogFutes = 0, IdoprogProgram = 0, IdoprogHeti = 0, IdoprogNap = 0;
    double Idoprogora = 0;
    Integer Medfutesnap = 0;
    Var Amezo, Bmezo, Cmezo;
    Single Feluletmezo = 0;
    Integer SzinIndex = 0;
    Integer IdoszakHivo = 0;
};

}  // namespace nk
