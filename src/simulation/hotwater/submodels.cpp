#include "simulation/hotwater/submodels.h"

#include <cmath>

namespace nk {

namespace {

Tank readTank(Model& m, int k) {
    Settings& s = m.s;
    PhysicalState& p = m.st;
    switch (k) {
        case 1:
            return {&p.Tar1Also, &p.Tar1Kozep, &p.Tar1Felso, s.Tar1Alsoterf.d(), s.Tar1Kozepterf.d(),
                    s.Tar1Felsoterf.d(), s.Tarolo1terfogat.d()};
        case 2:
            return {&p.Tar2Also, &p.Tar2Kozep, &p.Tar2Felso, s.Tar2Alsoterf.d(), s.Tar2Kozepterf.d(),
                    s.Tar2Felsoterf.d(), s.Tarolo2terfogat.d()};
        default:
            return {&p.Tar3Also, &p.Tar3Kozep, &p.Tar3Felso, s.Tar3Alsoterf.d(), s.Tar3Kozepterf.d(),
                    double(s.Tar3Felsoterf), double(s.Tarolo3terfogat)};
    }
}

Consumer readConsumer(Model& m, int k) {
    const Programmes& g = m.prog;
    const int a = ix(m.s.Automod), mo = m.clock.Honap;
    switch (k) {
        case 1:
            return {1, tankOf(m, 1), g.AutBeKi1(a, mo).d(), g.AutBekapcsdT1(a, mo).d(), g.AutMaxhofok1(a, mo).d(),
                    RiseVar::Tar1Emeles};
        case 2:
            return {2, tankOf(m, 2), g.AutBeKi2(a, mo).d(), g.AutBekapcsdT2(a, mo).d(), g.AutMaxhofok2(a, mo).d(),
                    RiseVar::PufEmeles};
        default:
            return {3, tankOf(m, 3), g.AutBeKi3(a, mo).d(), g.AutBekapcsdT3(a, mo).d(), g.AutMaxhofok3(a, mo).d(),
                    RiseVar::Tar3Emeles};
    }
}

// Tanks other than 1 and 2 are tank 3.
int tankSlot(int k) { return k == 1 ? 0 : k == 2 ? 1 : 2; }

}  // namespace

Tank tankOf(Model& m, int k) {
    return kept(m.day, m.day.tank[tankSlot(k)], [&] { return readTank(m, k); });
}

Consumer consumerOf(Model& m, int k) {
    return kept(m.day, m.day.consumer[tankSlot(k)], [&] { return readConsumer(m, k); });
}

int collectorIrradiance(const Model& m) {
    return kept(m.day, m.day.G, [&] { return int(m.klima.Kollsugarzas(m.clock.Honap, m.clock.Ora, ix(m.s.Naptipus))); });
}

namespace {

StepCount stepCount(int N) {
    const bool powerOfTwo = N > 0 && (N & (N - 1)) == 0;
    return {N, powerOfTwo ? 1.0 / N : 0.0};
}

// The hour's count as its start formed it, or as the clock holds it for a
// sub-model called on its own.
StepCount hourSteps(const Model& m) {
    return m.day.steps.ready ? m.day.steps.value : stepCount(m.clock.Lepesszam);
}

}  // namespace

void startHourSteps(Model& m, Integer N) {
    m.clock.Lepesszam = N;
    m.clock.Lepeshossz = 60.0 / N;
    if (m.day.active) m.day.steps = {true, stepCount(N)};
}

double perStep(const Model& m, double x) {
    const StepCount c = hourSteps(m);
    return c.inverse != 0 ? x * c.inverse : x / c.N;
}

double perStepChecked(const Model& m, double x) {
    const StepCount c = hourSteps(m);
    return c.inverse != 0 ? chk(x * c.inverse) : div(x, c.N);
}

double dayMeanDivisor(const Model& m) {
    return kept(m.day, m.day.dayMeanDivisor, [&] { return double(mulI(m.clock.Lepesszam, 24)); });
}

double airTemperature(const Model& m) {
    return kept(m.day, m.day.Ta,
                [&] { return double(m.klima.Levegohomerseklet(m.clock.Honap, m.clock.Ora, ix(m.s.Naptipus))); });
}

int horizontalIrradiance(const Model& m) {
    return kept(m.day, m.day.Gh,
                [&] { return int(m.klima.Vizszintessugarzas(m.clock.Honap, m.clock.Ora, ix(m.s.Naptipus))); });
}

double programmeValue(const Model& m, int heater, const Var& programme, const Var& weekly) {
    const Var* day = kept(m.day, m.day.programme[heater - 1], [&] {
        return m.prog.Idoprogramok.block(heater, ix(programme), ix(weekly), m.s.Hetnapja);
    });
    constexpr auto& dims = Programmes::kIdoDims;
    const int hour = m.clock.Ora, half = m.clock.Felora;
    if (unsigned(hour) > unsigned(dims[4].hi) || unsigned(half) > unsigned(dims[5].hi)) raise(kSubscript);
    return day[hour * (dims[5].hi + 1) + half].d();
}

// --- Conventional tank heater -------------------------------------------

namespace {

// The heater may run in this half hour and the upper layer is below its
// switch-on temperature; also clears the step's conventional heat.
bool heaterStarts(Model& m, const Tank& t) {
    m.step.HagyHoTar = 0;
    const Settings& s = m.s;
    const double programme = programmeValue(m, 1, s.Tarolofutesprogram, s.Tarolofutesheti);
    return programme == 1 && *t.up < s.Tarolofuteshofok.d();
}

double heaterStepHeat(const Model& m) { return perStepChecked(m, double(m.s.Tarolofutesteljesitmeny) * 1000); }

// A need below the step's heat brings the heated layers exactly to their
// targets; a negative need (a middle layer warmer than its target) heats the
// upper layer alone. Returns false when the need takes the full heat.
bool heatWithinPower(Model& m, const Tank& t, double need, double C, double Ts, double midTarget,
                     const double* loTarget) {
    double& Q = m.step.HagyHoTar;
    if (need < C && need >= 0) {
        Q = need;
        *t.up = Ts + 2;
        *t.mid = midTarget;
        if (loTarget) *t.lo = *loTarget;
        return true;
    }
    if (need < 0) {
        Q = kWaterHeat * t.Vup * (Ts + 2 - *t.up);
        *t.up = Ts + 2;
        return true;
    }
    return false;
}

}  // namespace

void upperPartHeating(Model& m, const Tank& t) {
    if (!heaterStarts(m, t)) return;
    const double Ts = m.s.Tarolofuteshofok.d();
    const double C = heaterStepHeat(m);
    double& Q = m.step.HagyHoTar;
    const double need = kWaterHeat * ((Ts + 2 - *t.up) * t.Vup + (Ts - 15 - *t.mid) * t.Vmid);
    if (!heatWithinPower(m, t, need, C, Ts, Ts - 15, nullptr)) {
        Q = C;
        const double upRise = div(2.0 / 3.0 * C, kWaterHeat * t.Vup);
        const double midRise = div(1.0 / 3.0 * C, kWaterHeat * t.Vmid);
        *t.up += upRise;
        *t.mid += midRise;
        if (*t.up > Ts + 2) {
            // Overshoot: give only the heat whose two thirds bring the top to Ts + 2.
            *t.up -= upRise;
            *t.mid -= midRise;
            Q = 1.5 * kWaterHeat * t.Vup * (Ts + 2 - *t.up);
            *t.up += div(2.0 / 3.0 * Q, kWaterHeat * t.Vup);
            *t.mid += div(1.0 / 3.0 * Q, kWaterHeat * t.Vmid);
        }
    }
}

void wholeTankHeating(Model& m, const Tank& t) {
    if (!heaterStarts(m, t)) return;
    const double Ts = m.s.Tarolofuteshofok.d();
    const double C = heaterStepHeat(m);
    double& Q = m.step.HagyHoTar;
    const double need =
        kWaterHeat * ((Ts + 2 - *t.up) * t.Vup + (Ts - 2 - *t.mid) * t.Vmid + (Ts - 6 - *t.lo) * t.Vlo);
    const double loTarget = Ts - 6;
    if (!heatWithinPower(m, t, need, C, Ts, Ts - 2, &loTarget)) {
        Q = C;
        // The heat enters from below and spreads upwards over inverted layers.
        const double loRise = div(C, kWaterHeat * t.Vlo);
        *t.lo += loRise;
        if (*t.lo > *t.mid) {
            *t.lo -= loRise;
            const double twoRise = div(C, kWaterHeat * (t.Vlo + t.Vmid));
            *t.lo += twoRise;
            *t.mid += twoRise;
            if (*t.mid > *t.up) {
                *t.lo -= twoRise;
                *t.mid -= twoRise;
                const double allRise = div(C, kWaterHeat * t.V);
                *t.lo += allRise;
                *t.mid += allRise;
                *t.up += allRise;
            }
        }
    }
}

// --- Collector loop -------------------------------------------------------

Single collectorEfficiency(Model& m, const Consumer& c, int G) {
    m.step.Kollkozeptemp = *c.tank.lo + c.switchOn + m.st.Kolldt / 2.0;
    return efficiencyAtMeanTemperature(m, G);
}

Single efficiencyAtMeanTemperature(Model& m, int G) {
    StepValues& v = m.step;
    const Settings& s = m.s;
    const double Ta = airTemperature(m);
    v.Kollhofokkulonbseg = CSng(v.Kollkozeptemp - Ta);
    if (v.Kollhofokkulonbseg < 0) v.Kollhofokkulonbseg = 0;
    const Single x = CSng(div(v.Kollhofokkulonbseg, G));
    v.Redukalthomerseklet = x;
    const double x2 = double(x) * double(x);
    v.Kollhatasfok = CSng(s.KollA.d() - s.KollB.d() * x - s.KollC.d() * G * x2);
    return v.Kollhatasfok;
}

double collectorHeat(const Model& m, Single eta, int G, bool withSystemLoss) {
    const Settings& s = m.s;
    double q = perStepChecked(m, double(eta) * G * s.Kollektorfelulet.d() * s.Kollektorszam.d());
    if (withSystemLoss) q = q * (1 - s.Rendszerveszteseg.d() / 100);
    return q;
}

void setCollectorRise(Model& m, double Q) {
    m.st.Kolldt = CSng(div(div(Q, m.s.Kollektorszam.d() * 1000), 0.0696388) * m.clock.Lepesszam);
}

namespace {

double storeRise(Model& m, RiseVar r, double rise) {
    switch (r) {
        case RiseVar::Tar1Emeles: return m.step.Tar1Emeles = rise;
        case RiseVar::PufEmeles: return m.step.PufEmeles = rise;
        case RiseVar::Tar3Emeles: return m.step.Tar3Emeles = CSng(rise);
    }
    return rise;
}

}  // namespace

double chargeLowerLayer(Model& m, const Consumer& c, double Q) {
    const double rise = storeRise(m, c.rise, div(Q, kWaterHeat * c.tank.Vlo));
    *c.tank.lo += rise;
    return rise;
}

void spreadCharge(Model& m, const Consumer& c, double rise, double Q) {
    const Tank& t = c.tank;
    if (*t.lo >= *t.up - 6) {
        *t.lo -= rise;
        const double all = storeRise(m, c.rise, div(Q, kWaterHeat * t.V));
        *t.lo += all;
        *t.mid += all;
        *t.up += all;
    } else if (*t.lo >= *t.mid - 3) {
        *t.lo -= rise;
        const double two = storeRise(m, c.rise, div(Q, kWaterHeat * (t.Vlo + t.Vmid)));
        *t.lo += two;
        *t.mid += two;
    }
}

void collectorPipeLoss(Model& m) {
    const PipeData& p = m.pipe;
    StepValues& v = m.step;
    const double Tm = v.Kollkozeptemp;
    const double Ta = airTemperature(m);
    const double R = p.Csohejellenallas;
    v.Csoveszteseg =
        CSng(perStepChecked(m, div(Tm - Ta, R) * p.Kulsocsohossz.d() + div(Tm - p.Belsoterhofok, R) * p.Belsocsohossz));
    const double Q = v.KollHoTar;
    if (Q > v.Csoveszteseg) {
        v.KollHoTar = Q - v.Csoveszteseg;
    } else {
        // The pipe has lost all of the step's collector heat.
        v.KollHoTar = 0;
        v.Csoveszteseg = CSng(Q);
    }
}

Charge chargeTankFromCollectors(Model& m, const Consumer& c, int G) {
    StepValues& v = m.step;
    const Single eta = collectorEfficiency(m, c, G);
    if (eta < 0.05f) return Charge::LowEfficiency;
    v.KollHoTar = collectorHeat(m, eta, G, true);
    setCollectorRise(m, v.KollHoTar);
    const double rise = chargeLowerLayer(m, c, v.KollHoTar);
    if (*c.tank.lo > c.maximum) {
        // The tank is full: the step's collector heat is not taken.
        undoCharge(c, rise);
        v.KollHoTar = 0;
        return Charge::Full;
    }
    spreadCharge(m, c, rise, v.KollHoTar);
    return Charge::Done;
}

void singleConsumerCollectorStep(Model& m, const SingleConsumerLoop& loop) {
    StepValues& v = m.step;
    v.KollHoTar = 0;
    if (loop.pipeLoss) {
        v.Szivattyuperc = 0;
        v.Csoveszteseg = 0;
    }
    const int G = collectorIrradiance(m);
    const Consumer c = consumerOf(m, 1);
    if (!(c.on == 1 && G > 50)) return;

    const Single eta = collectorEfficiency(m, c, G);
    if (eta < loop.threshold) {
        m.st.Kolldt = 0;
        return;
    }
    v.KollHoTar = collectorHeat(m, eta, G, !loop.pipeLoss);
    if (loop.pipeLoss) collectorPipeLoss(m);
    const double Q = v.KollHoTar;
    setCollectorRise(m, Q);
    const double rise = chargeLowerLayer(m, c, Q);
    if (loop.pipeLoss) v.Szivattyuperc = perStep(m, 60.0);

    if (*c.tank.lo > c.maximum) {
        // The tank is full: the step's collector heat is lost.
        undoCharge(c, rise);
        v.KollHoTar = 0;
        if (loop.pipeLoss) v.Csoveszteseg = 0;
        if (loop.stateAtMaximum) m.st.Kollallapot = 2;
        return;
    }
    spreadCharge(m, c, rise, Q);
}

// --- Solar priority controller ----------------------------------------------

void resetToPriority(Model& m, std::initializer_list<double> onByState) {
    // Lowest priority first, so that the highest-priority consumer that is on wins.
    Integer state = 0;
    for (int s = int(onByState.size()); s >= 1; --s)
        if (onByState.begin()[s - 1] == 1) state = Integer(s);
    m.st.Kollallapot = state;
}

void programmeReset(Model& m, const PriorityList& list) {
    const auto on = [&](int s) { return s <= list.states ? consumerOf(m, list.priority[s - 1]).on : 0.0; };
    if (list.states == 2)
        resetToPriority(m, {on(1), on(2)});
    else
        resetToPriority(m, {on(1), on(2), on(3)});
}

void controllerCollectorStep(Model& m, const PriorityList& list) {
    m.step.KollHoTar = 0;
    const int G = collectorIrradiance(m);
    if (G <= 50) return;

    Integer& state = m.st.Kollallapot;
    for (int s = 1; s <= list.states; ++s) {
        if (state != s) continue;
        const Consumer c = consumerOf(m, list.priority[s - 1]);
        const Integer next = s == list.states ? 0 : Integer(s + 1);
        if (s != 1 && c.on == 0) {
            state = next;
            continue;
        }
        const Charge result = chargeTankFromCollectors(m, c, G);
        if (result == Charge::Done) return;
        // A full tank hands the next consumer the rise just computed.
        state = next;
        if (result == Charge::LowEfficiency && next == 0 && list.zeroRiseWhenLastFails) m.st.Kolldt = 0;
    }
}

// --- Draw-off and losses ----------------------------------------------------

namespace {

// The chosen profile on the weekday `Hetnapja`.
DrawProfile drawProfile(const Model& m) {
    return kept(m.day, m.day.profile, [&] {
        const int p = ix(m.s.Fogyjelleg), w = ix(m.s.Fogyheti), d = m.s.Hetnapja;
        const ConsumptionProfiles& f = m.fogy;
        return DrawProfile{f.Fogyorai.block(p, w, d), f.Fogyoraiossz(p, w, d).d(), f.Fogynapi(p, w, d).d(),
                           m.prep.Fogyasztasiorak(d)};
    });
}

// The weight of the current hour in the profile.
double hourWeight(const Model& m, const DrawProfile& pr) {
    const int hour = m.clock.Ora;
    if (unsigned(hour) > unsigned(ConsumptionProfiles::kHourDims[3].hi)) raise(kSubscript);
    return pr.hourWeights[hour].d();
}

// A layer temperature as the draw-off step works on it: read from a
// register, and written through to the shared state on every change, so
// that an error leaves the state exactly as the step had made it by then.
class Layer {
public:
    Layer() = default;
    explicit Layer(double* shared) : shared_(shared), value_(*shared) {}
    Layer& operator=(double x) {
        value_ = x;
        *shared_ = x;
        return *this;
    }
    operator double() const { return value_; }

private:
    double* shared_ = nullptr;
    double value_ = 0;
};

// The layers of tanks 1..tanks in series.
template <int tanks>
class TankLayers {
public:
    explicit TankLayers(Model& m) {
        for (int k = 0; k < tanks; ++k) {
            tank[k] = tankOf(m, k + 1);
            lo[k] = Layer(tank[k].lo);
            mid[k] = Layer(tank[k].mid);
            up[k] = Layer(tank[k].up);
        }
    }

    // Every layer of tank k is partly replaced by the water from below it.
    void plugFlow(int k, double v, double feed) {
        const Tank& t = tank[k];
        const double oldMid = mid[k], oldLo = lo[k];
        up[k] = div(v * oldMid + (t.Vup - v) * up[k], t.Vup);
        mid[k] = div(v * oldLo + (t.Vmid - v) * mid[k], t.Vmid);
        lo[k] = div(v * feed + (t.Vlo - v) * lo[k], t.Vlo);
    }

    // A tank fed from a warmer tank can end up warmer below than above.
    void repairInversion(int k) {
        const Tank& t = tank[k];
        if (lo[k] > mid[k]) {
            const double mean = div(t.Vlo * lo[k] + t.Vmid * mid[k], t.Vlo + t.Vmid);
            mid[k] = mean + 0.5;
            lo[k] = mid[k] - 0.5;
        }
        if (mid[k] > up[k]) {
            const double mean = div(t.Vlo * lo[k] + t.Vmid * mid[k] + t.Vup * up[k], t.V);
            mid[k] = mean;
            lo[k] = mean - 1;
            up[k] = mean + 1;
        }
    }

    Tank tank[tanks];
    Layer lo[tanks], mid[tanks], up[tanks];
};

// a / b as `div` gives it. A zero over a non-zero divisor is a zero with the
// sign the operands give, found without the division: the hours without a
// draw take this path in every step.
double zeroOrQuotient(double a, double b) {
    if (a == 0 && b != 0) return std::signbit(a) != std::signbit(b) ? -0.0 : 0.0;
    return div(a, b);
}

// The draw-off step of a system with `tanks` tanks in series.
template <int tanks>
void drawOff(Model& m) {
    StepValues& v = m.step;
    const Settings& s = m.s;
    const int N = m.clock.Lepesszam;
    const double hot = s.Melegvizhofok.d(), cold = s.Hidegvizhofok.d();
    TankLayers<tanks> t(m);
    constexpr int outlet = tanks - 1;

    v.HmvHoigeny = 0;
    const double out = t.up[outlet];
    const double stepDraw = kept(m.day, m.day.stepDraw, [&] { return perStepChecked(m, v.Orasfogyasztas); });
    v.Lepesfogyasztas = CSng(out > 40 ? zeroOrQuotient(stepDraw * (hot - cold), out - cold) : stepDraw);
    const double vol = v.Lepesfogyasztas;

    // From the outlet back to tank 1: each tank is fed by the upper layer of
    // the previous one as it was before that tank's own flow.
    for (int k = tanks - 1; k >= 0; --k) {
        t.plugFlow(k, vol, k == 0 ? cold : t.up[k - 1]);
        if (k > 0) t.repairInversion(k);
    }

    const DrawHour hour = kept(m.day, m.day.drawHour, [&] {
        DrawHour h{perStepChecked(m, (hot - cold) * v.Orasfogyasztas * kWaterHeat), false, 0, 0};
        const DrawProfile pr = drawProfile(m);
        const double cirk = s.Cirkvesztes.d();
        if (hourWeight(m, pr) > 0) {
            const double L =
                div(cirk, double(pr.drawHours) * 200 * N) * (hot - cold) * pr.dailyVolume * kWaterHeat;
            h.circulates = true;
            h.upperDrop = div(L, t.tank[outlet].Vup * kWaterHeat);
            h.middleDrop = div(L, t.tank[outlet].Vmid * kWaterHeat);
            h.demand = h.demand * (1 + cirk / 100);
        }
        return h;
    });
    v.HmvHoigeny = hour.demand;
    if (hour.circulates) {
        t.up[outlet] = t.up[outlet] - hour.upperDrop;
        t.mid[outlet] = t.mid[outlet] - hour.middleDrop;
    }

    for (int k = 0; k < tanks; ++k) {
        t.lo[k] = afterStandingLoss(m, t.lo[k]);
        t.mid[k] = afterStandingLoss(m, t.mid[k]);
        t.up[k] = afterStandingLoss(m, t.up[k]);
    }
    for (int k = tanks - 1; k >= 0; --k)
        v.HmvHoigeny =
            v.HmvHoigeny + perStepChecked(m, ((t.lo[k] + t.mid[k] + t.up[k]) - 45) / 135 * 0.2 * kWaterHeat * t.tank[k].V);
}

}  // namespace

double afterStandingLoss(const Model& m, double T) { return T - perStepChecked(m, (T - 15) / 45 * 0.2); }

void hourDraw(Model& m) {
    const DrawProfile pr = drawProfile(m);
    m.step.Orasfogyasztas = div(hourWeight(m, pr), pr.weightSum) * pr.dailyVolume;
}

void drawOffStep(Model& m, int tanks) {
    switch (tanks) {
        case 1: drawOff<1>(m); break;
        case 2: drawOff<2>(m); break;
        default: drawOff<3>(m); break;
    }
}

// --- Recording a day ----------------------------------------------------------

namespace {

// The hourly arrays of one tank's lower, middle and upper layer.
struct TankRecord {
    HourlyArray* ora[3];
};

TankRecord recordOf(Model& m, int k) {
    Results& r = m.res;
    switch (k) {
        case 1: return {{&r.OraTar1Also, &r.OraTar1Kozep, &r.OraTar1Felso}};
        case 2: return {{&r.OraTar2Also, &r.OraTar2Kozep, &r.OraTar2Felso}};
        default: return {{&r.OraTar3Also, &r.OraTar3Kozep, &r.OraTar3Felso}};
    }
}

}  // namespace

bool hourlyCycle(const Model& m) {
    return kept(m.day, m.day.hourlyCycle, [&] { return m.s.Szamitasmod == 1 || m.s.Szamitasmod == 2; });
}

bool accumulatesSteps(const Model& m) {
    return m.clock.Eredmenyrogzites == kTrue || m.s.Szamitasmod == 2 || m.s.Szamitasmod == 3 || m.s.Szamitasmod == 4;
}

void updateTankExtremes(Model& m, int tanks) {
    // The tests are independent of each other.
    Results& r = m.res;
    const PhysicalState& p = m.st;
    if (p.Tar1Felso > r.Tar1FelsoMax) r.Tar1FelsoMax = p.Tar1Felso;
    if (p.Tar1Also < r.Tar1AlsoMin) r.Tar1AlsoMin = p.Tar1Also;
    if (tanks < 2) return;
    if (p.Tar2Felso > r.Tar2FelsoMax) r.Tar2FelsoMax = p.Tar2Felso;
    if (p.Tar2Also < r.Tar2AlsoMin) r.Tar2AlsoMin = p.Tar2Also;
    if (tanks < 3) return;
    if (p.Tar3Felso > r.Tar3FelsoMax) r.Tar3FelsoMax = p.Tar3Felso;
    if (p.Tar3Also < r.Tar3AlsoMin) r.Tar3AlsoMin = CSng(p.Tar3Also);
}

void recordStartOfDay(Model& m, int tanks) {
    if (m.clock.Eredmenyrogzites != kTrue) return;
    if (hourlyCycle(m)) {
        for (int k = 1; k <= tanks; ++k) {
            const Tank t = tankOf(m, k);
            const TankRecord rec = recordOf(m, k);
            (*rec.ora[0])(m.clock.Nap, 0) = *t.lo;
            (*rec.ora[1])(m.clock.Nap, 0) = *t.mid;
            (*rec.ora[2])(m.clock.Nap, 0) = *t.up;
        }
    }
    updateTankExtremes(m, tanks);
}

void accumulateTankTemperatures(Model& m, int tanks) {
    Results& r = m.res;
    const PhysicalState& p = m.st;
    const double n24 = dayMeanDivisor(m);
    r.NapiTar1Also += p.Tar1Also / n24;
    r.NapiTar1Kozep += p.Tar1Kozep / n24;
    r.NapiTar1Felso += p.Tar1Felso / n24;
    r.NapiTar1Atlag += (p.Tar1Also + p.Tar1Kozep + p.Tar1Felso) / 3 / n24;
    if (tanks >= 2) {
        r.NapiTar2Also += p.Tar2Also / n24;
        r.NapiTar2Kozep += p.Tar2Kozep / n24;
        r.NapiTar2Felso += p.Tar2Felso / n24;
        r.NapiTar2Atlag += (p.Tar2Also + p.Tar2Kozep + p.Tar2Felso) / 3 / n24;
    }
    if (tanks >= 3) {
        addSingle(r.NapiTar3Also, p.Tar3Also / n24);
        addSingle(r.NapiTar3Kozep, p.Tar3Kozep / n24);
        addSingle(r.NapiTar3Felso, p.Tar3Felso / n24);
        r.NapiTar3Atlag += (p.Tar3Also + p.Tar3Kozep + p.Tar3Felso) / 3 / n24;
    }
    if (!hourlyCycle(m)) return;
    const int nap = m.clock.Nap, ora = m.clock.Ora;
    for (int k = 1; k <= tanks; ++k) {
        const Tank t = tankOf(m, k);
        const TankRecord rec = recordOf(m, k);
        (*rec.ora[0])(nap, ora + 1) += perStep(m, *t.lo);
        (*rec.ora[1])(nap, ora + 1) += perStep(m, *t.mid);
        (*rec.ora[2])(nap, ora + 1) += perStep(m, *t.up);
    }
}

}  // namespace nk
