#pragma once

// The two copies of the settings: what the settings window copies from the
// active settings into the working copies when it loads or cancels, and what
// its OK commits and derives. No window is involved, so the settings file
// can run the same steps.

#include <string>

#include "state/model.h"

namespace nk {

// --- Active to working (loading the window, cancelling it) -----------------

// The twelve controller tables, modes 0 and 1, months 1 to 12.
void loadWorkingController(Model& m);
// The consumption profiles 1 to 6, both programmes, days 0 to 7, hours 0 to 23.
void loadWorkingConsumption(Model& m);
// The heater time programmes of heaters 1 to 3, programmes 1 to 4.
void loadWorkingTimeProgrammes(Model& m);
// The sixteen project texts.
void loadWorkingProjectTexts(Model& m);
// The system group, number and variants.
void loadWorkingSystemChoice(Model& m);

// The built-in consumption profiles share one amount: the amounts of the
// working profile p of programme w on day d become those of every built-in
// profile of both programmes on every day. The custom profiles keep theirs.
bool isBuiltInProfile(int p, int w);
void shareBuiltInAmounts(ConsumptionProfiles& f, int p, int w, int d);

// --- Working to active (OK) -----------------------------------------------

// The pool's situation as its option buttons and check box show it; OK takes
// these rather than the working copies (a value none of the exposure buttons
// stands for keeps the active exposure).
struct PoolButtons {
    bool openAir = false;        // "Szabadtéri"
    int exposure = 0;            // 1 "Szabad", 2 "Részben védett", 3 "Védett", 0 none
    bool hallHeated = false;     // "Fűtött:"
    bool transparentCover = false;  // "Átlátszó fedés"
    Integer nightFoil = 0;       // "Éjszakai fóliatakarás"
};

// Copies every working copy into its active copy and derives the collector
// data, the tank layers, the smallest tank, the building's facades and
// windows, and rebuilds the collector-plane radiation table. Tilt and
// azimuth are the working copies, which always hold what the window shows
// as confirmed.
void commitSettings(Model& m, const PoolButtons& pool);

// The smallest volume among the tanks of the active system, which the
// hot-water draw splits its steps by.
void deriveSmallestTank(Settings& s);

// Facade and window totals, and their split over the four facades by the
// window solar factor (1, 0.8 or 0.6; any other factor keeps the split).
void deriveFacades(Settings& s);

// Project texts in the order the settings window and the file use.
std::string& projectText(ProjectTexts& t, int index);
inline constexpr int kProjectTextCount = 16;

// Runs `f(p, w, d)` over the consumption slots that both copies and the
// settings file hold.
template <class F>
void forEachConsumptionSlot(F f) {
    for (int p = 1; p <= 6; ++p)
        for (int w = 0; w <= 1; ++w)
            for (int d = 0; d <= 7; ++d) f(p, w, d);
}

// Runs `f(a, b, c, d, e, h)` over the time-programme slots of heaters
// 1..heaters: all three in the two copies, the first two in a file.
template <class F>
void forEachProgrammeSlot(int heaters, F f) {
    for (int a = 1; a <= heaters; ++a)
        for (int b = 1; b <= 4; ++b)
            for (int c = 0; c <= 1; ++c)
                for (int d = 0; d <= 7; ++d)
                    for (int e = 0; e <= 23; ++e)
                        for (int h = 0; h <= 1; ++h) f(a, b, c, d, e, h);
}

}  // namespace nk
