#pragma once

// What the steps of a day read again and again: tanks and consumers, the
// day's rows of the heater programmes and of the draw profile, the hour's
// weather and the draw-off quantities that stay the same for a whole hour.
// Each value is formed by the code that always formed it, at the point where
// the day (or hour) first needs it, so an error is raised exactly where it
// was; the later steps reuse it. Values are kept only while a day simulation
// runs (`DayScope`): a sub-model called on its own forms everything afresh.
// The window and the settings change settings between runs only, and the
// month, day type, weekday and programme choices stay fixed for a day, so
// nothing a day keeps can go stale within it.

#include <bit>
#include <cstdint>

#include "platform/numeric.h"
#include "platform/variant.h"

namespace nk {

// One tank: its layer temperatures in the shared state and its volumes.
struct Tank {
    double* lo;
    double* mid;
    double* up;
    double Vlo, Vmid, Vup;  // litres; tank 3's upper layer is a whole number
    double V;               // the tank-volume setting
};

// The collector's view of one tank as a consumer: its monthly controller
// values and the rise variable its charge is kept in.
enum class RiseVar { Tar1Emeles, PufEmeles, Tar3Emeles };
struct Consumer {
    int tankNumber;
    Tank tank;
    double on;        // 1 when solar charging is enabled for the month
    double switchOn;  // switch-on temperature difference, K
    double maximum;   // maximum tank temperature, °C
    RiseVar rise;
};

// The pool as the collector's consumer: its switch-on difference, maximum
// and solar on/off for the month.
struct PoolController {
    double on;
    double switchOn;
    double maximum;
};

// The month's climate at the pool: wind speed, relative humidity and
// ground temperature.
struct PoolClimate {
    Single wind, humidity, ground;
};

// The open pool's factors of the hour (the night cover changes them): the
// step multiplies each by its own difference.
struct OpenAirHour {
    double convection;   // per K between pool and air
    double evaporation;  // per hPa of vapour-pressure difference
    double radiation;    // per K between pool and air
};

// The open pool's evaporation of a step as a function of the three values it
// is formed from, kept as their bits.
struct OpenAirEvaporation {
    bool ready = false;
    double poolWhole = 0, airVapour = 0, factor = 0;  // the inputs
    double perArea = 0;   // the evaporation loss per m²
    double perLitre = 0;  // the same over the heat of evaporation of a litre
};

template <class T>
struct Kept {
    bool ready = false;
    T value{};
};

// The chosen consumption profile on the day's weekday.
struct DrawProfile {
    const Var* hourWeights;  // hours 0..24
    double weightSum;
    double dailyVolume;
    Integer drawHours;       // hours with a draw on the weekday
};

// Draw-off quantities of the hour, the same in each of its steps.
struct DrawHour {
    double demand;          // hot-water heat demand of a step, circulation included
    bool circulates;        // the circulation runs while the profile draws
    double upperDrop, middleDrop;  // the circulation's cooling of the outlet tank
};

// The outdoor temperature and irradiances of the hour.
struct HourWeather {
    double Ta;
    int G1, G2, G3, Gh;
};

// The building's demand and gains of the hour, formed at one room set
// temperature: the programme may change it at the half hour.
struct BuildingHour {
    double Tr;  // the room set temperature they were formed at
    double wallLoss;
    Single windowLoss;
    double demand, gains;
    Single netDemand;
    double flow;
    Single back;
};

// The hour's step count as the steps divide by it. A power of two is also
// kept as its inverse: x / 2^k and x * 2^-k are the same correctly rounded
// number, and the multiplication costs a fraction of the division.
struct StepCount {
    int N;
    double inverse;  // 0 when N is not a power of two
};

struct DayInputs {
    bool active = false;

    // For the day.
    Kept<Tank> tank[3];
    Kept<Consumer> consumer[3];
    Kept<PoolController> pool;
    Kept<PoolClimate> poolClimate;
    Kept<double> makeUpPerArea;  // the open pool's daily make-up water per m² of surface
    Kept<const Var*> programme[3];  // heaters 1..3: the day's hours and half hours
    Kept<DrawProfile> profile;
    Kept<double> smallestTank, smallestTank5, smallestTank10;
    Kept<bool> hourlyCycle;
    OpenAirEvaporation evaporation;  // the last step's, across hours

    // For the hour.
    Kept<double> Ta;
    Kept<int> Gh;
    Kept<HourWeather> weather;
    Kept<double> stepDraw;
    Kept<DrawHour> drawHour;
    Kept<int> G;
    Kept<StepCount> steps;
    Kept<double> dayMeanDivisor;
    Kept<OpenAirHour> openAir;
    Kept<Single> airWhole;   // the open air's temperature rounded to a whole degree
    Kept<double> airVapour;  // the open air's share of the evaporation's vapour-pressure difference
    Kept<BuildingHour> building;

    void startHour() {
        Ta.ready = Gh.ready = weather.ready = stepDraw.ready = drawHour.ready = false;
        G.ready = steps.ready = dayMeanDivisor.ready = false;
        openAir.ready = airWhole.ready = airVapour.ready = building.ready = false;
    }
};

// The value kept in `slot`, or formed by `form` and kept while a day runs.
template <class T, class F>
T kept(const DayInputs& day, Kept<T>& slot, F&& form) {
    if (slot.ready) return slot.value;
    T v = form();
    if (day.active) {
        slot.value = v;
        slot.ready = true;
    }
    return v;
}

// Whether two values are the same number to the bit (a kept value formed
// from the one serves for the other).
inline bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// A day simulation keeps values from its start to its end, however it ends.
class DayScope {
public:
    explicit DayScope(DayInputs& day) : day_(day) {
        day_ = DayInputs{};
        day_.active = true;
    }
    ~DayScope() { day_ = DayInputs{}; }
    DayScope(const DayScope&) = delete;
    DayScope& operator=(const DayScope&) = delete;

private:
    DayInputs& day_;
};

}  // namespace nk
