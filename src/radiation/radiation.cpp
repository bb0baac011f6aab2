#include "radiation/radiation.h"

#include <cmath>

namespace nk {

namespace {

double radToDeg(double x) { return x * 180 / 3.14159; }

// The azimuth fold compares a slot's azimuth sine with the one stored for the
// slot before. At the first sunny slot of a day that element holds whatever an
// earlier call left, so the result would depend on the history of calls. We
// fix the memory to what a complete previous build leaves, advanced to
// `month`: the sines of the months before it (cyclically). Every build, the
// first at start-up included, then gives the same table.
void primeAzimuthMemory(Model& m, int month) {
    const int savedHonap = m.clock.Honap, savedOra = m.clock.Ora;
    for (int i = 0; i < 12; ++i) {
        m.clock.Honap = (month - 1 + i) % 12 + 1;
        for (int slot = 0; slot <= 23; ++slot) {
            m.clock.Ora = slot;
            m.radmod.Napido = slot + 0.5;
            Napallas(m);
        }
    }
    m.clock.Honap = savedHonap;
    m.clock.Ora = savedOra;
}

struct SlotResult {
    double direct;   // B, a whole number
    double diffuse;  // D
};

// One slot (`Honap`, `Ora`, `Idojaras`) on the plane of tilt beta and azimuth gamma.
SlotResult slotOnPlane(Model& m, double beta, double gamma) {
    RadiationModule& r = m.radmod;
    const int M = m.clock.Honap, I = m.clock.Ora;
    const double DN = r.Direktnormal(M, I);

    switch (r.Idojaras) {
        case 1: r.Napfenyarany = 1; break;
        case 2: r.Napfenyarany = r.Derultnapok(M, I) / 30; break;
        case 3: r.Napfenyarany = 0; break;
        default: break;  // keeps the factor of the last slot
    }
    const double f = r.Napfenyarany;

    r.Napido = I + 0.5;
    Napallas(m);
    const double h = r.Napmagassag(I);
    const double a = r.Napazimut(I);

    const double k = kDegToRad;
    const double c =
        std::sin(k * h) * std::cos(k * beta) + std::sin(k * beta) * std::cos(k * h) * std::cos(k * a - k * gamma);
    r.Beesesiszogcos(I) = c;

    double D = chk(((0.5 * (1 + c)) * 0.3) * (1353 - (0.8 * f) * DN) * std::sin(k * h));
    if (D < 0) D = 0;
    r.Szortsugarzas(M, I) = D;

    double B = Int((c * f) * (DN - D));
    if (B < 0) B = 0;
    r.Direktsugarzas(M, I) = B;
    return {B, D};
}

Integer collectorPlaneValue(const Model& m, const SlotResult& s) {
    return CInt(Int(s.direct + s.diffuse) * (m.s.Sugarzastenyezo.d() / 1000));
}

Integer fixedPlaneValue(const SlotResult& s) { return CInt(Int(s.direct + s.diffuse)); }

// Month, day type and slot loops of the fixed-plane builders, on the plane
// held in the active tilt and azimuth.
void buildFixedPlane(Model& m, Arr3<Integer>& table) {
    const double beta = m.s.Dolesszog.d();
    const double gamma = m.s.Tajolas;
    for (m.clock.Honap = 1; m.clock.Honap <= 12; ++m.clock.Honap)
        for (m.radmod.Idojaras = 1; m.radmod.Idojaras <= 3; ++m.radmod.Idojaras)
            for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora)
                table(m.clock.Honap, m.clock.Ora, m.radmod.Idojaras) = fixedPlaneValue(slotOnPlane(m, beta, gamma));
}

void reportCalcError(Model& m, const CalcError& e) {
    m.ui->message(calcErrorMessage(e.number()), kCalcErrorTitle, MsgIcon::Exclamation);
}

}  // namespace

void Napallas(Model& m) {
    RadiationModule& r = m.radmod;
    const int I = m.clock.Ora;
    const double k = kDegToRad;

    r.Deklinacio = r.Deklinaciotabla(m.clock.Honap);
    r.Oraszog = 15 * (12 - r.Napido);
    const double d = r.Deklinacio, phi = r.Foldrajziszelesseg, w = r.Oraszog;

    // A slot known from the same inputs takes its values from the memory;
    // any other is worked out, and stored, in the order of its checks.
    using Sun = RadiationModule::SunPosition;
    Sun* sun = unsigned(m.clock.Honap) < 14 && unsigned(I) < 25 ? &r.sunPositions[m.clock.Honap][std::size_t(I)] : nullptr;
    const bool known = sun && sun->known && sun->declination == d && sun->time == r.Napido && sun->latitude == phi;
    if (known) {
        r.Magassagsin(I) = sun->sine;
        r.Magassagtg(I) = sun->tangent;
        r.Napmagassag(I) = sun->altitude;
    } else {
        double s = std::sin(k * d) * std::sin(k * phi) + std::cos(k * phi) * std::cos(k * d) * std::cos(k * w);
        if (s <= 0) s = 0;
        r.Magassagsin(I) = s;
        r.Magassagtg(I) = div(s, Sqr(1 - s * s));
        r.Napmagassag(I) = radToDeg(std::atan(r.Magassagtg(I)));
    }
    r.Napazimut(I) = 90;
    const bool up = r.Napmagassag(I) > 0;
    if (up && known) {
        r.Azimutsin(I) = sun->azimuthSine;
        r.Azimuttg(I) = sun->azimuthTangent;
        r.Napazimut(I) = sun->azimuth;
    } else if (up) {
        const double as = std::cos(k * d) / std::cos(k * r.Napmagassag(I)) * std::sin(k * w);
        r.Azimutsin(I) = as;
        r.Azimuttg(I) = div(as, Sqr(1 - as * as));
        r.Napazimut(I) = radToDeg(std::atan(r.Azimuttg(I)));
    }
    if (sun && !known)
        *sun = {true, d, r.Napido, phi, r.Magassagsin(I), r.Magassagtg(I), r.Napmagassag(I),
                up ? r.Azimutsin(I) : 0, up ? r.Azimuttg(I) : 0, up ? r.Napazimut(I) : 0};
    if (!up) return;

    const double as = r.Azimutsin(I);
    const double before = r.Azimutsin(I - 1);
    if (as > before && r.Oraszog > 0) r.Napazimut(I) = 180 - r.Napazimut(I);
    if (as > before && r.Oraszog < 0) r.Napazimut(I) = -180 - r.Napazimut(I);
}

void Egyorasugarzas(Model& m) {
    const SlotResult s = slotOnPlane(m, m.s.Dolesszog.d(), m.s.Tajolas);
    m.klima.Kollsugarzas(m.clock.Honap, m.clock.Ora, m.radmod.Idojaras) = collectorPlaneValue(m, s);
}

void Sugarzastablazat(Model& m) {
    m.radmod.Foldrajziszelesseg = kSiteLatitude;
    primeAzimuthMemory(m, 1);
    for (m.radmod.Idojaras = 1; m.radmod.Idojaras <= 3; ++m.radmod.Idojaras)
        for (m.clock.Honap = 1; m.clock.Honap <= 12; ++m.clock.Honap)
            for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) Egyorasugarzas(m);
}

void Vizszintestablazat(Model& m) {
    const Var savedTilt = m.s.Dolesszog;
    const Integer savedAzimuth = m.s.Tajolas;
    try {
        m.s.Dolesszog = 0;
        m.s.Tajolas = 0;
        m.radmod.Foldrajziszelesseg = kSiteLatitude;
        primeAzimuthMemory(m, 1);
        buildFixedPlane(m, m.klima.Vizszintessugarzas);
    } catch (const CalcError& e) {
        reportCalcError(m, e);
    }
    m.s.Dolesszog = savedTilt;
    m.s.Tajolas = savedAzimuth;
}

void Fuggolegessugarzas(Model& m) {
    const Var savedTilt = m.s.Dolesszog;
    const Integer savedAzimuth = m.s.Tajolas;
    try {
        m.radmod.Foldrajziszelesseg = kSiteLatitude;
        m.s.Dolesszog = 90;
        primeAzimuthMemory(m, 1);  // each pass ends with the memory it starts from
        const struct {
            Integer azimuth;
            Arr3<Integer>* table;
        } planes[] = {{0, &m.klima.Delisugarzas}, {90, &m.klima.Keletisugarzas}, {-90, &m.klima.Nyugatisugarzas}};
        for (const auto& p : planes) {
            m.s.Tajolas = p.azimuth;
            buildFixedPlane(m, *p.table);
        }
    } catch (const CalcError& e) {
        reportCalcError(m, e);
    }
    m.s.Dolesszog = savedTilt;
    m.s.Tajolas = savedAzimuth;
}

void Havisugarzasnezet(Model& m, int month, int dayType, DayRadiation& out) {
    m.radmod.Foldrajziszelesseg = kSiteLatitude;
    m.clock.Honap = month;
    m.radmod.Idojaras = CInt(dayType);
    primeAzimuthMemory(m, month);
    const double beta = m.s.BeallDolesszog.d();
    const double gamma = m.s.BeallTajolas;
    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) {
        const SlotResult s = slotOnPlane(m, beta, gamma);
        out.total[m.clock.Ora] = collectorPlaneValue(m, s);
        out.direct[m.clock.Ora] = s.direct;
        out.diffuse[m.clock.Ora] = s.diffuse;
    }
}

}  // namespace nk
