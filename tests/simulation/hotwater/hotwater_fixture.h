#pragma once

#include <gtest/gtest.h>

#include "simulation/cycles/run_steps.h"
#include "simulation/hotwater/hotwater_systems.h"
#include "simulation/hotwater/submodels.h"
#include "state/defaults.h"

namespace nk::testing {

// A started program, prepared for one recorded day of the daily cycle.
class HotWaterDay : public ::testing::Test {
protected:
    void SetUp() override {
        Alapertekek(m);
        m.s.Naptipus = 1;
        m.s.Szamitasmod = 1;
        m.clock.Eredmenyrogzites = kTrue;
        m.clock.Honap = 6;
        m.clock.Nap = 15;
        m.s.Hetnapja = 1;
        allocateHourlyArrays();
        countDrawHours(m);
        setStartState(m);
    }

    void allocateHourlyArrays() {
        Results& r = m.res;
        for (HourlyArray* a : {&r.OraKollHo, &r.OraKollHoTar, &r.OraHagyHo, &r.OraHagyHoTar, &r.OraHmvHoigeny,
                               &r.OraOsszHoigeny, &r.OraCsoveszteseg, &r.OraTar1Also, &r.OraTar1Kozep, &r.OraTar1Felso,
                               &r.OraTar2Also, &r.OraTar2Kozep, &r.OraTar2Felso, &r.OraTar3Also, &r.OraTar3Kozep,
                               &r.OraTar3Felso})
            a->redim(kHourlyDims);
    }

    // The current step: hour 12 of the day, with a chosen irradiance and air temperature.
    void atStep(int G, float Ta, Integer N = 2) {
        m.clock.Ora = 12;
        m.clock.Lepesszam = N;
        m.clock.Lepeshossz = 60.0 / N;
        m.clock.Lepes = 0;
        startStep(m);
        m.klima.Kollsugarzas(m.clock.Honap, 12, ix(m.s.Naptipus)) = Integer(G);
        m.klima.Levegohomerseklet(m.clock.Honap, 12, ix(m.s.Naptipus)) = Ta;
    }

    void setTank(int k, double lo, double mid, double up) {
        const Tank t = tankOf(m, k);
        *t.lo = lo;
        *t.mid = mid;
        *t.up = up;
    }

    Model m;
};

}  // namespace nk::testing
