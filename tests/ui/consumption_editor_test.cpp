#include <QApplication>
#include <QPointer>
#include <cfloat>
#include <ostream>
#include <vector>

#include "ui/editors/consumption_chart.h"
#include "ui/editors/consumption_editor.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_window.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

constexpr const char* kTitle = "Melegvíz fogyasztás";
constexpr const char* kPleaseNumber = "Kérem adjon meg számot!";
constexpr const char* kZero = "Nulla fogyasztás csak egyedi fogyasztási jelleggörbe esetén adható meg!";
constexpr const char* kBadValue = "Nem megfelelő érték!";
constexpr const char* kDailyRange = "A napi melegvíz fogyasztásnak 0 és 100000 liter között kell lennie!";
constexpr const char* kAmountFirst = "Először adja meg a napi fogyasztás mennyiségét!";
constexpr const char* kNoDistribution = "Adja meg a napi melegvíz fogyasztás eloszlását!";
constexpr const char* kNoAmount = "Adja meg a napi melegvíz fogyasztás mennyiségét!";

// The family house's working day, as the defaults give it.
constexpr std::array<int, 24> kFamilyWorkday{0,   0,    0,    0,    0,    200, 800, 600, 0,   0,   0,   0,
                                             0,   0,    0,    0,    400,  800, 1200, 1400, 1000, 800, 600, 200};

// --- The bars as numbers -------------------------------------------------------------------

ConsumptionBars barsOf(int hour, Integer weight) {
    std::array<Integer, 24> w{};
    w[std::size_t(hour)] = weight;
    ConsumptionBars b;
    b.show(w);
    return b;
}

struct StepCase {
    const char* name;
    Integer weight;
    bool up;
    int steps;
    int expected;
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class ConsumptionBarSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(ConsumptionBarSteps, KeepTheWeightWithinItsRange) {
    const StepCase& c = GetParam();
    ConsumptionBars b = barsOf(5, c.weight);
    for (int i = 0; i < c.steps; ++i) c.up ? b.stepUp(5) : b.stepDown(5);
    EXPECT_EQ(b.weight(5), c.expected);
    EXPECT_EQ(b.height(5), c.expected + 15);
    EXPECT_EQ(b.sum(), c.expected);
    EXPECT_EQ(b.weight(4), 0);
}

INSTANTIATE_TEST_SUITE_P(Model, ConsumptionBarSteps,
                         ::testing::Values(StepCase{"down_from_150", 150, false, 1, 50},
                                           StepCase{"down_from_50_stops_at_0", 50, false, 1, 0},
                                           StepCase{"down_at_0_stays", 0, false, 3, 0},
                                           StepCase{"down_from_above_the_top", 2500, false, 1, 2400},
                                           StepCase{"up_from_0", 0, true, 1, 100},
                                           StepCase{"up_twenty_times_reaches_the_top", 0, true, 20, 2000},
                                           StepCase{"up_from_1950_stops_at_2000", 1950, true, 1, 2000},
                                           StepCase{"up_at_2000_stays", 2000, true, 2, 2000},
                                           StepCase{"up_from_above_the_top_is_cut", 2500, true, 1, 2000}));

TEST(ConsumptionBarModel, TheDrawnHeightIsClampedTheWeightIsNot) {
    struct {
        Integer weight;
        int drawn, top;
    } cases[] = {{0, 15, 2185}, {2000, 2015, 185}, {2185, 2200, 0}, {2186, 2200, 0}, {32767, 2200, 0}};
    for (const auto& c : cases) {
        const ConsumptionBars b = barsOf(23, c.weight);
        EXPECT_EQ(b.weight(23), c.weight) << c.weight;
        EXPECT_EQ(b.storedWeight(23), c.weight) << c.weight;
        EXPECT_EQ(b.drawnHeight(23), c.drawn) << c.weight;
        EXPECT_EQ(b.drawnTop(23), c.top) << c.weight;
    }
}

TEST(ConsumptionBarModel, TheSumIsReadBackFromTheHeightsAndMustFitItsField) {
    std::array<Integer, 24> w{};
    for (int h = 0; h < 24; ++h) w[std::size_t(h)] = Integer(kFamilyWorkday[std::size_t(h)]);
    ConsumptionBars b;
    b.show(w);
    EXPECT_EQ(b.sum(), 8000);
    EXPECT_TRUE(b.sumFits());
    w.fill(1365);
    w[0] = 1372;  // 23 × 1365 + 1372 = 32767
    b.show(w);
    EXPECT_EQ(b.sum(), 32767);
    EXPECT_TRUE(b.sumFits());
    b.stepUp(1);  // 1365 → 1465
    EXPECT_EQ(b.sum(), 32867);
    EXPECT_FALSE(b.sumFits());
}

TEST(ConsumptionBarModel, CopyAndPasteACurve) {
    ConsumptionBars b = barsOf(7, 800);
    EXPECT_FALSE(b.holdsCopy());
    b.copy();
    EXPECT_TRUE(b.holdsCopy());
    b.show({});
    b.paste();
    EXPECT_EQ(b.weight(7), 800);
    EXPECT_EQ(b.sum(), 800);
    b.forgetCopy();
    EXPECT_FALSE(b.holdsCopy());
}

TEST(ConsumptionBarModel, AxisLabelsDivideFirstAndAreEmptyWithoutASum) {
    const auto litres = axisLitres(200, 100);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(litres[std::size_t(k)], 400.0 * k) << k;
    EXPECT_FALSE(litres[0]);
    // 7 / 5 × 1400 is just below 1960 in double precision.
    EXPECT_EQ(axisLitres(7, 5)[7], 1959.0);
    for (long long sum : {0LL, -10LL})
        for (int k = 1; k <= 10; ++k) EXPECT_FALSE(axisLitres(200, sum)[std::size_t(k)]) << sum;
}

// --- The window --------------------------------------------------------------------------

class Consumption : public testing::SettingsOpen {
protected:

    // "Egyedi időprogram" of the settings window.
    Fogyasztas* open() {
        w->Command7->click();
        e = w->consumptionEditor;
        EXPECT_NE(e, nullptr);
        if (!e) return nullptr;
        // Focus moves between its controls as on a screen.
        e->activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), e.data());
        for (int h = 0; h < 24; ++h) {
            e->Command1[std::size_t(h)]->setManualClock(true);
            e->Command2[std::size_t(h)]->setManualClock(true);
        }
        return e;
    }
    static void type(FieldEdit* f, const QString& text) {
        f->setFocus();
        QApplication::processEvents();  // the field left is checked before the next is typed in
        f->selectAll();
        if (text.isEmpty())
            QTest::keyClick(f, Qt::Key_Backspace);
        else
            QTest::keyClicks(f, text);
    }
    // A user's choice in a list.
    static void choose(QComboBox* c, int index) {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    RepeatButton* plus(int hour) { return e->Command2[std::size_t(hour)]; }
    RepeatButton* minus(int hour) { return e->Command1[std::size_t(hour)]; }
    // A press held over `ticks` ticks of the clock, then released.
    static void hold(RepeatButton* b, int ticks) {
        QTest::mousePress(b, Qt::LeftButton);
        for (int i = 0; i < ticks; ++i) b->tick();
        QTest::mouseRelease(b, Qt::LeftButton);
        for (int i = 0; i < 2; ++i) b->tick();  // the step of the first tick, then the end
    }
    QStringList labels() const {
        QStringList l;
        for (int k = 1; k <= 10; ++k) l << e->Label5[std::size_t(k)]->text();
        return l;
    }
    void expectMessage(const char* text, MsgIcon icon) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(text));
        EXPECT_EQ(messages.shown[0].title, QString::fromUtf8(kTitle));
        EXPECT_EQ(messages.shown[0].icon, icon);
    }
    ConsumptionProfiles& f() { return m().fogy; }

    QPointer<Fogyasztas> e;
};

// --- Opening -------------------------------------------------------------------------------

TEST_F(Consumption, OpensModallyOnTheDailyCustomProfile) {
    ASSERT_TRUE(open());
    EXPECT_TRUE(e->isVisible());
    EXPECT_TRUE(e->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), e.data());
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Napi, vagy heti egyedi melegvíz fogyasztási jelleggörbe beállítása"));
    EXPECT_EQ(e->Frame4->title(), QStringLiteral("Fogyasztás 45°C-os vízből"));
    const QStringList daily{QStringLiteral("Családi ház, munkanap"), QStringLiteral("Családi ház, hétvége"),
                            QStringLiteral("Munkahely, munkanap"), QStringLiteral("Nincs Fogyasztás"),
                            QStringLiteral("Egyedi...")};
    const QStringList weekly{QStringLiteral("Családi ház"), QStringLiteral("Munkahely"),
                             QStringLiteral("Nincs Fogyasztás"), QStringLiteral("Egyedi")};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(e->Combo2->itemText(i), daily[i]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(e->Combo1->itemText(i), weekly[i]);
    EXPECT_EQ(e->Combo2->currentText(), QStringLiteral("Egyedi..."));
    EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("Egyedi"));
    EXPECT_TRUE(e->Option1->isChecked());
    EXPECT_TRUE(e->Combo2->isEnabled());
    EXPECT_FALSE(e->Combo1->isEnabled());
    EXPECT_FALSE(e->Label15->isEnabled());
    EXPECT_FALSE(e->Frame2->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(e->Option3[std::size_t(d)]->isChecked()) << d;
    EXPECT_TRUE(e->Frame1->isEnabled());
    EXPECT_TRUE(e->Command53->isEnabled());
    EXPECT_FALSE(e->Command52->isEnabled());  // nothing copied yet
    EXPECT_EQ(m().s.BeallFogyjelleg, 5);
    EXPECT_EQ(m().s.BeallFogyheti, 0);
    EXPECT_EQ(m().s.Fogyhetnapja, 1);
    // The custom profile without a distribution: flat bars, no litres on the axis.
    EXPECT_EQ(e->bars().sum(), 0);
    EXPECT_EQ(labels(), QStringList(10, QString()));
    EXPECT_EQ(e->txbFogyasztas[3]->text(), QStringLiteral("0"));
}

TEST_F(Consumption, OpensOnTheWeeklyCustomProfileOnMonday) {
    w->Option2->click();
    type(w->Text5, QStringLiteral("55"));
    ASSERT_TRUE(w->commitEdits());
    ASSERT_TRUE(open());
    EXPECT_EQ(e->Frame4->title(), QStringLiteral("Fogyasztás 55°C-os vízből"));
    EXPECT_TRUE(e->Option2->isChecked());
    EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("Egyedi"));
    EXPECT_TRUE(e->Combo1->isEnabled());
    EXPECT_FALSE(e->Combo2->isEnabled());
    EXPECT_FALSE(e->Label2->isEnabled());
    EXPECT_TRUE(e->Frame2->isEnabled());
    EXPECT_TRUE(e->Option3[1]->isChecked());
    EXPECT_TRUE(e->Frame1->isEnabled());
    EXPECT_EQ(m().s.BeallFogyjelleg, 4);
    EXPECT_EQ(m().s.BeallFogyheti, 1);
    EXPECT_EQ(m().s.Fogyhetnapja, 1);
}

// --- What is switched on for each profile and day -------------------------------------

struct ChoiceCase {
    const char* name;
    bool weekly;
    int profile;  // the list's item
    int day;      // weekly only; 0 leaves Monday
    bool amounts, chart;
};
void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class ConsumptionChoices : public Consumption, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ConsumptionChoices, SwitchTheAmountsAndTheChartAndShowTheSlot) {
    const ChoiceCase& c = GetParam();
    ASSERT_TRUE(open());
    e->Command51_Click();  // a curve on the clipboard: paste follows the chart
    if (c.weekly) e->Option2->click();
    choose(c.weekly ? e->Combo1 : e->Combo2, c.profile - 1);
    if (c.day) e->Option3[std::size_t(c.day)]->click();
    const int day = c.weekly && c.day ? c.day : 1;
    EXPECT_EQ(m().s.BeallFogyjelleg, c.profile);
    EXPECT_EQ(m().s.BeallFogyheti, c.weekly ? 1 : 0);
    EXPECT_EQ(m().s.Fogyhetnapja, day);
    EXPECT_EQ(e->Frame4->isEnabled(), c.amounts);
    EXPECT_EQ(e->Frame1->isEnabled(), c.chart);
    EXPECT_EQ(e->Command53->isEnabled(), c.chart);
    EXPECT_EQ(e->Command52->isEnabled(), c.chart);
    EXPECT_TRUE(e->Command51->isEnabled());
    // The bars and amounts are the slot's.
    const int w = c.weekly ? 1 : 0;
    for (int h = 0; h < 24; ++h) EXPECT_EQ(e->bars().weight(h), f().BeallFogyorai(c.profile, w, day, h)) << h;
    EXPECT_EQ(e->txbFogyasztas[1]->text().toInt(), f().BeallFogyszemely(c.profile, w, day));
    EXPECT_EQ(e->txbFogyasztas[3]->text().toDouble(), f().BeallFogynapi(c.profile, w, day).toDouble());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConsumptionChoices,
    ::testing::Values(ChoiceCase{"daily_family_house", false, 1, 0, true, false},
                      ChoiceCase{"daily_workplace", false, 3, 0, true, false},
                      ChoiceCase{"daily_no_draw", false, 4, 0, false, false},
                      ChoiceCase{"daily_custom", false, 5, 0, true, true},
                      ChoiceCase{"weekly_family_house_on_sunday", true, 1, 7, true, false},
                      ChoiceCase{"weekly_workplace_on_friday", true, 2, 5, true, false},
                      ChoiceCase{"weekly_workplace_on_saturday", true, 2, 6, false, false},
                      ChoiceCase{"weekly_workplace_on_sunday", true, 2, 7, false, false},
                      ChoiceCase{"weekly_no_draw", true, 3, 0, false, false},
                      ChoiceCase{"weekly_custom_on_wednesday", true, 4, 3, true, true}));

TEST_F(Consumption, TheWeekdayOfAWorkplaceSwitchesItsAmountsBackOn) {
    ASSERT_TRUE(open());
    e->Option2->click();
    choose(e->Combo1, 1);
    e->Option3[6]->click();
    EXPECT_FALSE(e->Frame4->isEnabled());
    e->Option3[1]->click();
    EXPECT_TRUE(e->Frame4->isEnabled());
    // Back to the daily programme, its list still on the custom profile.
    e->Option1->click();
    EXPECT_EQ(m().s.BeallFogyjelleg, 5);
    EXPECT_EQ(m().s.Fogyhetnapja, 1);
    EXPECT_TRUE(e->Frame1->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(e->Option3[std::size_t(d)]->isChecked()) << d;
    choose(e->Combo2, 0);
    e->Option2->click();
    e->Option1->click();
    EXPECT_FALSE(e->Frame1->isEnabled());
}

// --- The amounts ---------------------------------------------------------------------------

struct AmountCase {
    const char* name;
    int profile;  // of the daily list
    Integer persons;
    Single perPerson;
    double daily;  // stored before
    int field;
    const char* typed;
    const char* message;  // empty: accepted
    Integer personsAfter;
    Single perPersonAfter;
    double dailyAfter;
    const char* shown[3];
};
void PrintTo(const AmountCase& c, std::ostream* os) { *os << c.name; }

class ConsumptionAmounts : public Consumption, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(ConsumptionAmounts, CheckAndStoreTheEntry) {
    const AmountCase& c = GetParam();
    f().BeallFogyszemely(c.profile, 0, 1) = c.persons;
    f().BeallFogyfajlagos(c.profile, 0, 1) = c.perPerson;
    f().BeallFogynapi(c.profile, 0, 1) = Currency::fromDouble(c.daily);
    ASSERT_TRUE(open());
    if (c.profile != 5) choose(e->Combo2, c.profile - 1);
    type(e->txbFogyasztas[std::size_t(c.field)], QString::fromUtf8(c.typed));
    const bool accepted = e->commitEdits();
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    } else {
        EXPECT_FALSE(accepted);
        expectMessage(c.message, MsgIcon::Information);
    }
    EXPECT_EQ(f().BeallFogyszemely(c.profile, 0, 1), c.personsAfter);
    EXPECT_EQ(f().BeallFogyfajlagos(c.profile, 0, 1), c.perPersonAfter);
    EXPECT_EQ(f().BeallFogynapi(c.profile, 0, 1).toDouble(), c.dailyAfter);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(e->txbFogyasztas[std::size_t(i)]->text(), QString::fromUtf8(c.shown[i - 1])) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ConsumptionAmounts,
    ::testing::Values(
        AmountCase{"litres_a_day_for_nobody_make_one_person", 5, 0, 0, 0, 3, "150", "", 1, 150, 150, {"1", "150", "150"}},
        AmountCase{"litres_per_person_shown_to_hundredths", 5, 3, 0, 0, 3, "200", "", 3, CSng(200.0 / 3), 200,
                   {"3", "66,67", "200"}},
        AmountCase{"typed_litres_a_day_stay_on_screen", 5, 4, 0, 0, 3, "150,6", "", 4, CSng(150.6 / 4), 151,
                   {"4", "37,65", "150,6"}},
        AmountCase{"most_litres_a_day", 5, 4, 0, 0, 3, "100000", "", 4, 25000, 100000, {"4", "25000", "100000"}},
        AmountCase{"litres_a_day_beyond_the_range", 5, 4, 50, 200, 3, "100001", kDailyRange, 4, 50, 200,
                   {"4", "50", "200"}},
        AmountCase{"persons_times_litres_beyond_the_range", 5, 3000, 10, 30000, 2, "40", kDailyRange, 3000, 10, 30000,
                   {"3000", "10", "30000"}},
        AmountCase{"persons_set_the_litres_a_day", 5, 4, 50, 200, 1, "6", "", 6, 50, 300, {"6", "50", "300"}},
        AmountCase{"half_a_person_rounds_up", 5, 0, 50, 0, 1, "2,5", "", 3, 50, 150, {"2,5", "50", "150"}},
        AmountCase{"zero_for_a_built_in_profile", 1, 4, 50, 200, 1, "0", kZero, 4, 50, 200, {"4", "50", "200"}},
        AmountCase{"zero_for_the_custom_profile", 5, 4, 50, 200, 1, "0", "", 0, 50, 0, {"0", "50", "0"}},
        AmountCase{"not_a_number", 5, 4, 50, 200, 2, "abc", kPleaseNumber, 4, 50, 200, {"4", "50", "200"}},
        AmountCase{"empty", 1, 4, 50, 200, 3, "", kPleaseNumber, 4, 50, 200, {"4", "50", "200"}},
        AmountCase{"negative_persons", 5, 4, 50, 200, 1, "-1", kBadValue, 4, 50, 200, {"4", "50", "200"}},
        AmountCase{"negative_litres_per_person", 5, 4, 50, 200, 2, "-0,5", kBadValue, 4, 50, 200, {"4", "50", "200"}},
        AmountCase{"most_persons_kept", 5, 0, 10, 0, 1, "10000", "", 10000, 10, 100000, {"10000", "10", "100000"}},
        AmountCase{"persons_beyond_the_most_kept", 5, 0, 1, 0, 1, "10000,5", kBadValue, 0, 1, 0, {"0", "1", "0"}},
        AmountCase{"persons_beyond_their_16_bit_field", 5, 0, 0, 0, 1, "32768", kBadValue, 0, 0, 0, {"0", "0", "0"}},
        AmountCase{"litres_per_person_for_nobody_beyond_a_day", 5, 0, 0, 0, 2, "100001", kDailyRange, 0, 0, 0,
                   {"0", "0", "0"}},
        AmountCase{"litres_per_person_for_nobody_beyond_a_single", 5, 0, 0, 0, 2, "1E39", kDailyRange, 0, 0, 0,
                   {"0", "0", "0"}}));

TEST_F(Consumption, TheDailyProgrammeCopiesTheDaysAmountToTheWholeWeek) {
    for (int d = 2; d <= 7; ++d) {
        f().BeallFogynapi(5, 0, d) = Currency::fromDouble(77);
        f().BeallFogyszemely(5, 0, d) = 9;
    }
    ASSERT_TRUE(open());
    type(e->txbFogyasztas[3], QStringLiteral("abc"));  // no number: nothing is copied
    EXPECT_FALSE(e->commitEdits());
    for (int d = 2; d <= 7; ++d) EXPECT_EQ(f().BeallFogynapi(5, 0, d).toDouble(), 77) << d;
    type(e->txbFogyasztas[1], QStringLiteral("-1"));  // refused, yet the day's amount is the week's
    EXPECT_FALSE(e->commitEdits());
    for (int d = 2; d <= 7; ++d) EXPECT_EQ(f().BeallFogynapi(5, 0, d).toDouble(), 0) << d;
    type(e->txbFogyasztas[3], QStringLiteral("300"));
    EXPECT_TRUE(e->commitEdits());
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(f().BeallFogynapi(5, 0, d).toDouble(), 300) << d;
    for (int d = 2; d <= 7; ++d) EXPECT_EQ(f().BeallFogyszemely(5, 0, d), 9) << d;  // persons stay the day's own
}

TEST_F(Consumption, TheWeeklyProgrammeKeepsEachDaysAmount) {
    ASSERT_TRUE(open());
    e->Option2->click();
    e->Option3[2]->click();
    const double wednesday = f().BeallFogynapi(4, 1, 3).toDouble();
    type(e->txbFogyasztas[3], QStringLiteral("120"));
    EXPECT_TRUE(e->commitEdits());
    EXPECT_EQ(f().BeallFogynapi(4, 1, 2).toDouble(), 120);
    EXPECT_EQ(f().BeallFogynapi(4, 1, 3).toDouble(), wednesday);
}

TEST_F(Consumption, AnAmountBeingTypedIsCheckedForTheDayItWasTypedFor) {
    ASSERT_TRUE(open());
    e->Option2->click();
    type(e->txbFogyasztas[3], QStringLiteral("90"));
    e->Option3[4]->click();  // the choice checks the field first
    EXPECT_EQ(f().BeallFogynapi(4, 1, 1).toDouble(), 90);
    EXPECT_EQ(f().BeallFogynapi(4, 1, 4).toDouble(), 0);
    EXPECT_EQ(e->txbFogyasztas[3]->text(), QStringLiteral("0"));  // Thursday's
}

// --- The held buttons ---------------------------------------------------------------------

class ConsumptionCurve : public Consumption {
protected:
    // The custom daily profile with 200 litres a day and the given weights.
    void openWith(std::vector<std::pair<int, Integer>> weights) {
        for (int d = 1; d <= 7; ++d) {
            f().BeallFogynapi(5, 0, d) = Currency::fromDouble(200);
            for (auto [h, v] : weights) f().BeallFogyorai(5, 0, d, h) = v;
        }
        f().BeallFogyszemely(5, 0, 1) = 4;
        f().BeallFogyfajlagos(5, 0, 1) = 50;
        ASSERT_TRUE(open());
    }
};

TEST_F(ConsumptionCurve, AClickStepsOnceAndTheLabelsFollowAtTheRelease) {
    openWith({});
    QTest::mousePress(plus(7), Qt::LeftButton);
    EXPECT_TRUE(plus(7)->running());
    QTest::mouseRelease(plus(7), Qt::LeftButton);  // before the first tick
    EXPECT_EQ(e->bars().weight(7), 0);
    plus(7)->tick();
    EXPECT_EQ(e->bars().weight(7), 100);
    plus(7)->tick();
    EXPECT_FALSE(plus(7)->running());
    plus(7)->tick();
    EXPECT_EQ(e->bars().weight(7), 100);
    EXPECT_EQ(labels(), (QStringList{"400", "800", "1200", "1600", "2000", "2400", "2800", "3200", "3600", "4000"}));
    EXPECT_EQ(f().BeallFogyorai(5, 0, 1, 7), 0);  // nothing stored before "&OK"
    hold(minus(7), 0);
    EXPECT_EQ(e->bars().weight(7), 0);
    EXPECT_EQ(labels(), QStringList(10, QString()));
}

TEST_F(ConsumptionCurve, AHoldStepsOncePerTickAndRefreshesTheLabelsAfterEachWait) {
    openWith({});
    QTest::mousePress(plus(3), Qt::LeftButton);
    for (int i = 1; i <= 5; ++i) {
        plus(3)->tick();
        EXPECT_EQ(e->bars().weight(3), 100 * i);
    }
    EXPECT_EQ(e->Label5[1]->text(), QStringLiteral("100"));  // 200 / 400 × 200: the labels lag one wait
    plus(3)->tick();
    EXPECT_EQ(e->Label5[1]->text(), QStringLiteral("80"));  // 200 / 500 × 200
    QTest::mouseRelease(plus(3), Qt::LeftButton);
    plus(3)->tick();
    EXPECT_FALSE(plus(3)->running());
    EXPECT_EQ(e->bars().weight(3), 600);
}

struct HoldCase {
    const char* name;
    Integer weight;
    bool up;
    int ticksToStop;  // while still held
    int after;
};
void PrintTo(const HoldCase& c, std::ostream* os) { *os << c.name; }

class ConsumptionHeldButtons : public ConsumptionCurve, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(ConsumptionHeldButtons, StopWhileStillPressed) {
    const HoldCase& c = GetParam();
    openWith({{9, c.weight}});
    RepeatButton* b = c.up ? plus(9) : minus(9);
    QTest::mousePress(b, Qt::LeftButton);
    for (int i = 1; i < c.ticksToStop; ++i) b->tick();
    EXPECT_TRUE(b->running());
    b->tick();
    EXPECT_FALSE(b->running());
    EXPECT_EQ(e->bars().weight(9), c.after);
    b->tick();
    EXPECT_EQ(e->bars().weight(9), c.after);
    QTest::mouseRelease(b, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    Repeat, ConsumptionHeldButtons,
    ::testing::Values(HoldCase{"up_to_the_bound", 1500, true, 6, 2000},        // five steps, then the bound
                      HoldCase{"down_to_the_bound", 250, false, 4, 0},          // three steps
                      HoldCase{"up_at_the_bound_takes_no_step", 2000, true, 2, 2000},
                      HoldCase{"down_from_0_ends_at_once", 0, false, 2, 0},
                      HoldCase{"down_from_above_the_top_ends_at_the_limit", 2500, false, 21, 500},
                      HoldCase{"up_through_the_whole_range", 0, true, 21, 2000}));

TEST_F(ConsumptionCurve, AHeldButtonStopsWhenTheWindowCloses) {
    openWith({});
    RepeatButton* b = plus(12);
    QTest::mousePress(b, Qt::LeftButton);
    b->tick();
    b->tick();
    EXPECT_TRUE(b->running());
    e->close();
    EXPECT_FALSE(b->running());
    b->tick();
    EXPECT_EQ(e->bars().weight(12), 200);
}

TEST_F(ConsumptionCurve, ARefusedAmountStopsAHeldButton) {
    openWith({});
    RepeatButton* b = plus(12);
    QTest::mousePress(b, Qt::LeftButton);
    b->tick();
    type(e->txbFogyasztas[1], QStringLiteral("abc"));
    e->commitEdits();
    expectMessage(kPleaseNumber, MsgIcon::Information);
    b->tick();
    EXPECT_FALSE(b->running());
    EXPECT_EQ(e->bars().weight(12), 100);
}

TEST_F(ConsumptionCurve, PlusWantsAnAmountFirstMinusDoesNot) {
    ASSERT_TRUE(open());  // the custom profile draws nothing yet
    hold(plus(8), 3);
    expectMessage(kAmountFirst, MsgIcon::Information);
    EXPECT_EQ(e->focusWidget(), e->txbFogyasztas[3]);
    EXPECT_FALSE(plus(8)->running());
    EXPECT_EQ(e->bars().weight(8), 0);
    hold(minus(8), 1);
    EXPECT_EQ(messages.shown.size(), 1u);
    // Persons and litres per person rounding to nothing are no amount either.
    messages.shown.clear();
    f().BeallFogyszemely(5, 0, 1) = 1;
    f().BeallFogyfajlagos(5, 0, 1) = 0.4f;
    choose(e->Combo2, 0);  // back to the custom profile: its amounts shown again
    choose(e->Combo2, 4);
    EXPECT_EQ(e->txbFogyasztas[2]->text(), QStringLiteral("0,4"));
    hold(plus(8), 1);
    expectMessage(kAmountFirst, MsgIcon::Information);
}

TEST_F(ConsumptionCurve, PlusChecksTheAmountBeingTypedBeforeItUsesIt) {
    ASSERT_TRUE(open());
    type(e->txbFogyasztas[3], QStringLiteral("abc"));
    hold(plus(8), 1);
    expectMessage(kPleaseNumber, MsgIcon::Information);
    EXPECT_EQ(e->bars().weight(8), 0);
    messages.shown.clear();
    type(e->txbFogyasztas[3], QStringLiteral("150"));
    hold(plus(8), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(f().BeallFogynapi(5, 0, 1).toDouble(), 150);
    EXPECT_EQ(e->bars().weight(8), 100);
    EXPECT_EQ(e->Label5[1]->text(), QStringLiteral("300"));
}

// --- Copy, paste and OK ------------------------------------------------------------------

TEST_F(ConsumptionCurve, ABuiltInCurvePastedOntoTheCustomProfileIsStoredWithOk) {
    openWith({});
    EXPECT_FALSE(e->Command52->isEnabled());
    choose(e->Combo2, 0);
    e->Command51->click();
    EXPECT_FALSE(e->Command52->isEnabled());  // not on a built-in profile
    choose(e->Combo2, 4);
    EXPECT_TRUE(e->Command52->isEnabled());
    EXPECT_EQ(e->bars().sum(), 0);
    e->Command52->click();
    for (int h = 0; h < 24; ++h) EXPECT_EQ(e->bars().weight(h), kFamilyWorkday[std::size_t(h)]) << h;
    EXPECT_EQ(e->Label5[1]->text(), QStringLiteral("5"));  // the custom profile's 200 litres over 8000
    EXPECT_EQ(f().BeallFogyoraiossz(5, 0, 1), 1);  // nothing stored yet
    e->Command53->click();
    EXPECT_TRUE(messages.shown.empty());
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(f().BeallFogyoraiossz(5, 0, d), 8000) << d;
        for (int h = 0; h < 24; ++h) EXPECT_EQ(f().BeallFogyorai(5, 0, d, h), kFamilyWorkday[std::size_t(h)]) << d;
    }
}

TEST_F(ConsumptionCurve, TheClipboardIsEmptyAtEveryOpening) {
    openWith({});
    e->Command51->click();
    EXPECT_TRUE(e->Command52->isEnabled());
    e->close();
    ASSERT_TRUE(open());
    EXPECT_FALSE(e->Command52->isEnabled());
}

struct OkCase {
    const char* name;
    double litres;
    std::vector<std::pair<int, int>> raised;  // hour, clicks of "+"
    const char* message;                      // empty: stored
    Integer sum;                              // stored afterwards, days 1..7
};
void PrintTo(const OkCase& c, std::ostream* os) { *os << c.name; }

class ConsumptionOk : public ConsumptionCurve, public ::testing::WithParamInterface<OkCase> {};

TEST_P(ConsumptionOk, StoreTheCurveForTheWholeWeekOrSayWhatIsMissing) {
    const OkCase& c = GetParam();
    openWith({});
    for (auto [h, clicks] : c.raised) hold(plus(h), clicks);
    for (int d = 1; d <= 7; ++d) f().BeallFogynapi(5, 0, d) = Currency::fromDouble(c.litres);
    e->Command53->click();
    if (std::string(c.message).empty())
        EXPECT_TRUE(messages.shown.empty());
    else
        expectMessage(c.message, MsgIcon::Exclamation);
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(f().BeallFogyoraiossz(5, 0, d), c.sum) << d;
        for (int h = 0; h < 24; ++h)
            EXPECT_EQ(f().BeallFogyorai(5, 0, d, h), c.sum == 1 ? 0 : e->bars().weight(h)) << d << " " << h;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ok, ConsumptionOk,
    ::testing::Values(OkCase{"litres_without_a_distribution", 200, {}, kNoDistribution, 1},
                      OkCase{"nothing_at_all", 0, {}, "", 1},
                      OkCase{"a_distribution_without_litres", 0, {{7, 1}}, kNoAmount, 1},
                      OkCase{"morning_and_evening", 200, {{6, 4}, {18, 6}}, "", 1000}));

TEST_F(ConsumptionCurve, TheWeeklyCustomCurveIsStoredForItsDayOnly) {
    ASSERT_TRUE(open());
    e->Option2->click();
    e->Option3[3]->click();
    type(e->txbFogyasztas[3], QStringLiteral("100"));
    hold(plus(10), 2);
    e->Command53->click();
    EXPECT_TRUE(messages.shown.empty());
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(f().BeallFogyoraiossz(4, 1, d), d == 3 ? 200 : 1) << d;
        EXPECT_EQ(f().BeallFogyorai(4, 1, d, 10), d == 3 ? 200 : 0) << d;
    }
    EXPECT_EQ(f().BeallFogyoraiossz(5, 0, 3), 1);
}

TEST_F(ConsumptionCurve, ACurveBeyondItsSixteenBitSumIsNeitherStoredNorLeftBehind) {
    // 24 bars at their top: 48000 would not fit the stored sum.
    std::vector<std::pair<int, Integer>> full;
    for (int h = 0; h < 24; ++h) full.push_back({h, 2000});
    openWith(full);
    EXPECT_EQ(e->bars().sum(), 48000);
    EXPECT_EQ(e->bars().drawnHeight(0), 2015);
    e->Command53->click();
    expectMessage(kBadValue, MsgIcon::Exclamation);
    EXPECT_EQ(f().BeallFogyoraiossz(5, 0, 1), 1);
    messages.shown.clear();
    e->Command49->click();
    expectMessage(kBadValue, MsgIcon::Exclamation);
    EXPECT_TRUE(e->isVisible());
    // Lowered to 32700 it fits.
    messages.shown.clear();
    for (int h = 0; h < 8; ++h) hold(minus(h), 19);
    hold(minus(8), 1);
    EXPECT_EQ(e->bars().sum(), 32700);
    e->Command53->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(f().BeallFogyoraiossz(5, 0, 1), 32700);
    e->Command49->click();
    EXPECT_TRUE(e.isNull() || !e->isVisible());
}

// --- Handing back ------------------------------------------------------------------------

TEST_F(Consumption, ClosingAtOnceLeavesTheSettingsWindowOnTheCustomDailyProfile) {
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Családi ház, munkanap"));
    ASSERT_TRUE(open());
    e->Command49->click();
    EXPECT_TRUE(e.isNull() || !e->isVisible());
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Egyedi"));
    EXPECT_EQ(m().s.BeallFogyjelleg, 5);
    EXPECT_EQ(m().s.BeallFogyheti, 0);
    EXPECT_EQ(m().s.Fogyhetnapja, 1);
    // The custom profile has no distribution: its amounts cannot be typed there.
    EXPECT_EQ(w->Text7[1]->text(), QStringLiteral("4"));
    EXPECT_EQ(w->Text7[3]->text(), QStringLiteral("0"));
    EXPECT_FALSE(w->Text7[1]->isEnabled());
}

TEST_F(Consumption, TheWeeklyProfileIsHandedBackOnMonday) {
    ASSERT_TRUE(open());
    e->Option2->click();
    choose(e->Combo1, 1);  // "Munkahely", whose weekend draws nothing
    e->Option3[6]->click();
    EXPECT_FALSE(e->Frame4->isEnabled());
    e->Command49->click();
    EXPECT_TRUE(w->Option2->isChecked());
    EXPECT_TRUE(w->Picture6->isEnabled());
    EXPECT_EQ(w->Combo2->count(), 4);
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Munkahely"));
    EXPECT_TRUE(w->Option12[1]->isChecked());
    EXPECT_FALSE(w->Option12[6]->isChecked());
    EXPECT_EQ(m().s.BeallFogyjelleg, 2);
    EXPECT_EQ(m().s.BeallFogyheti, 1);
    EXPECT_EQ(m().s.Fogyhetnapja, 1);
    EXPECT_TRUE(w->Text7[1]->isEnabled());  // Monday's amounts
    EXPECT_EQ(w->Text7[3]->text(), QStringLiteral("200"));
}

TEST_F(Consumption, TheDailyProgrammeIsHandedBackFromAWeeklySettingsWindow) {
    w->Option2->click();
    w->Option12[5]->click();
    ASSERT_TRUE(open());
    e->Option1->click();
    choose(e->Combo2, 2);
    e->Command49->click();
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_FALSE(w->Picture6->isEnabled());
    EXPECT_EQ(w->Combo2->count(), 5);
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Munkahely, munkanap"));
    EXPECT_EQ(m().s.BeallFogyjelleg, 3);
    EXPECT_EQ(m().s.BeallFogyheti, 0);
    EXPECT_EQ(m().s.Fogyhetnapja, 1);
}

enum class Leave { CloseBox, EscapeKey };
void PrintTo(Leave l, std::ostream* os) { *os << (l == Leave::CloseBox ? "close_box" : "escape_key"); }

class ConsumptionOtherClose : public Consumption, public ::testing::WithParamInterface<Leave> {};

TEST_P(ConsumptionOtherClose, HandsNothingBackButKeepsWhatWasStored) {
    ASSERT_TRUE(open());
    type(e->txbFogyasztas[3], QStringLiteral("180"));
    ASSERT_TRUE(e->commitEdits());
    e->Option2->click();
    choose(e->Combo1, 1);
    e->Option3[3]->click();
    if (GetParam() == Leave::CloseBox)
        e->close();
    else
        QTest::keyClick(e.data(), Qt::Key_Escape);
    EXPECT_TRUE(e.isNull() || !e->isVisible());
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Családi ház, munkanap"));
    EXPECT_EQ(m().s.BeallFogyjelleg, 1);
    EXPECT_EQ(m().s.BeallFogyheti, 0);
    EXPECT_EQ(m().s.Fogyhetnapja, 1);
    EXPECT_EQ(f().BeallFogynapi(5, 0, 4).toDouble(), 180);
    w->Command1_Click();
    EXPECT_EQ(m().s.Fogyjelleg.d(), 1);
    EXPECT_EQ(m().s.Fogyheti.d(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, ConsumptionOtherClose, ::testing::Values(Leave::CloseBox, Leave::EscapeKey));

TEST_F(Consumption, AShapedCustomProfileReachesTheNextCalculation) {
    w->Command2_Click();
    const QStringList before = dailyRun();
    calc->Command1_Click();
    ASSERT_TRUE(open());
    // All of the day's water drawn around noon, while the sun heats the tank.
    type(e->txbFogyasztas[3], QStringLiteral("200"));
    ASSERT_TRUE(e->commitEdits());
    for (int h : {11, 12, 13, 14}) hold(plus(h), 9);
    e->Command53->click();
    e->Command49->click();
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Egyedi"));
    EXPECT_TRUE(w->Text7[3]->isEnabled());
    EXPECT_EQ(w->Text7[3]->text(), QStringLiteral("200"));
    w->Command1_Click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(m().s.Fogyjelleg.d(), 5);
    EXPECT_EQ(m().s.Fogyheti.d(), 0);
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(f().Fogyoraiossz(5, 0, d).d(), 3600) << d;
        EXPECT_EQ(f().Fogynapi(5, 0, d).d(), 200) << d;
        EXPECT_EQ(f().Fogyorai(5, 0, d, 12).d(), 900) << d;
    }
    const QStringList shaped = dailyRun();
    EXPECT_NE(shaped, before);
}

}  // namespace
}  // namespace nk::ui
