#include <QApplication>
#include <ostream>

#include "ui/editors/programme_editor.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_window.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

class Groups : public testing::SettingsOpen {
protected:
    void SetUp() override {
        SettingsOpen::SetUp();
        if (HasFatalFailure()) return;
        for (auto& [index, button] : w->Command11) button->setManualClock(true);
    }
    // A press held over `ticks` ticks of the clock, then released.
    void hold(int index, int ticks) {
        RepeatButton* b = w->Command11[index];
        QTest::mousePress(b, Qt::LeftButton);
        for (int i = 0; i < ticks; ++i) b->tick();
        QTest::mouseRelease(b, Qt::LeftButton);
        for (int i = 0; i < 3; ++i) b->tick();  // the repeat ends at the next tick
    }
};

// --- Controller ---------------------------------------------------------------------

TEST_F(Groups, AnnualModeShowsTheProgrammeMonthByMonth) {
    Programmes& g = m().prog;
    g.BeallAutBeKi2(1, 2) = 0;
    g.BeallAutMaxhofok1(1, 2) = 85;
    w->Option16[1]->click();
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Jan."));
    EXPECT_TRUE(w->Command11[0]->isEnabled());
    EXPECT_FALSE(w->Frame21->isEnabled());
    EXPECT_FALSE(w->Text13->isEnabled());
    EXPECT_FALSE(w->Check[1]->isEnabled());
    EXPECT_EQ(m().s.BeallAutomod.d(), 1);
    hold(0, 1);  // a click: the next month
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Febr."));
    EXPECT_EQ(w->Kijelzetthonap, 2);
    EXPECT_EQ(w->Text16->text(), QStringLiteral("85"));
    EXPECT_FALSE(w->Check[2]->isChecked());
    EXPECT_EQ(g.BeallAutBeKi2(1, 1).d(), 1);  // showing a month stores nothing
    EXPECT_EQ(g.BeallAutBeKi2(1, 2).d(), 0);
    EXPECT_EQ(w->focusWidget(), w->Command1);
    hold(1, 2);  // held: back over January to December
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Dec."));
    hold(0, 1);
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Jan."));
    for (int i = 0; i < 4; ++i) hold(0, 1);
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Máj."));
    w->Option16[0]->click();
    EXPECT_TRUE(w->Label24_2->text().isEmpty());
    EXPECT_EQ(w->Kijelzetthonap, 1);
    EXPECT_FALSE(w->Command11[0]->isEnabled());
    EXPECT_EQ(w->Text16->text(), QStringLiteral("70"));
}

TEST_F(Groups, ConstantSetEditsMonthOneOfModeZeroAndOkSpreadsIt) {
    type(w->Text14, QStringLiteral("15"));
    w->Check[4]->click();
    ASSERT_TRUE(w->commitEdits());
    EXPECT_EQ(m().prog.BeallAutBekapcsdT2(0, 1).d(), 15);
    EXPECT_EQ(m().prog.BeallAutBeKiMed(0, 1), 0);
    w->Command1_Click();
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(m().prog.AutBekapcsdT2(0, month).d(), 15) << month;
        EXPECT_EQ(m().prog.AutBeKiMed(0, month), 0) << month;
    }
}

// --- Spinners ---------------------------------------------------------------------------

struct SpinCase {
    const char* name;
    int button;
    int start;
    int ticks;  // the press is held over this many ticks
    int expected;
};
void PrintTo(const SpinCase& c, std::ostream* os) { *os << c.name; }

class Spinners : public Groups, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(Spinners, StepOncePerTickWithinTheirBounds) {
    const SpinCase& c = GetParam();
    Settings& s = m().s;
    auto value = [&]() -> double {
        switch (c.button) {
            case 2:
            case 3: return s.BeallKollektorszam;
            case 4:
            case 5: return s.BeallRendszerveszteseg;
            default: return s.BeallCirkvesztes.d();
        }
    };
    if (c.button <= 3) s.BeallKollektorszam = Integer(c.start);
    if (c.button == 4 || c.button == 5) s.BeallRendszerveszteseg = Integer(c.start);
    if (c.button >= 10) s.BeallCirkvesztes = c.start;
    RepeatButton* b = w->Command11[c.button];
    QTest::mousePress(b, Qt::LeftButton);
    for (int i = 0; i < c.ticks && b->running(); ++i) b->tick();
    QTest::mouseRelease(b, Qt::LeftButton);
    for (int i = 0; i < 2; ++i) b->tick();  // the step of the first tick, then the end
    EXPECT_FALSE(b->running());
    EXPECT_EQ(value(), c.expected);
    EXPECT_EQ(w->focusWidget(), w->Command1);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, Spinners,
    ::testing::Values(SpinCase{"click_released_before_the_first_tick", 2, 3, 0, 4},
                      SpinCase{"one_step_per_tick", 2, 3, 10, 13},
                      SpinCase{"a_hundred_steps_a_press", 2, 3, 150, 103},
                      SpinCase{"stops_at_the_upper_bound", 2, 450, 150, 500},
                      SpinCase{"no_step_below_one", 3, 1, 5, 1},
                      SpinCase{"system_loss_down_to_zero", 5, 3, 20, 0},
                      SpinCase{"circulation_up_to_fifty", 10, 48, 20, 50},
                      SpinCase{"circulation_down", 11, 20, 4, 16}));

TEST_F(Groups, ACollectorStepShowsTheCountAndTheArea) {
    hold(2, 0);
    EXPECT_EQ(w->Text3->text(), QStringLiteral("4"));
    EXPECT_EQ(w->Label65->text(), QStringLiteral("7,12"));
    EXPECT_EQ(m().s.BeallOsszfelulet, 7.12f);
    hold(4, 0);
    EXPECT_EQ(w->Text32->text(), QStringLiteral("11"));
}

TEST_F(Groups, AHeldButtonStopsWhenItsWindowHides) {
    RepeatButton* b = w->Command11[2];
    QTest::mousePress(b, Qt::LeftButton);
    b->tick();
    EXPECT_TRUE(b->running());
    w->Command2_Click();
    EXPECT_FALSE(b->running());
}

TEST_F(Groups, AFieldBeingEditedIsCheckedBeforeASpinnerSteps) {
    type(w->Text33, QStringLiteral("30"));
    hold(10, 0);
    EXPECT_EQ(m().s.BeallCirkvesztes.d(), 31);
    type(w->Text33, QStringLiteral("abc"));
    hold(10, 2);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(m().s.BeallCirkvesztes.d(), 31);  // refused: no step
    EXPECT_EQ(w->Text33->text(), QStringLiteral("31"));
}

// --- Heater programmes -----------------------------------------------------------------------

TEST_F(Groups, TankAndPoolHeaterProgrammes) {
    w->Combo4->setCurrentIndex(2);
    w->Combo4_Click();
    EXPECT_EQ(m().s.BeallTarolofutesprogram.d(), 3);
    w->Option3->click();
    EXPECT_EQ(m().s.BeallTarolofutesheti, 1);
    EXPECT_TRUE(w->Picture7->isEnabled());
    EXPECT_TRUE(w->Option25[1]->isChecked());
    EXPECT_EQ(m().par.IdoprogNap, 1);
    w->Option25[5]->click();
    EXPECT_EQ(m().par.IdoprogNap, 5);
    w->Option4->click();
    EXPECT_EQ(m().s.BeallTarolofutesheti, 0);
    EXPECT_FALSE(w->Picture7->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(w->Option25[std::size_t(d)]->isChecked()) << d;
    EXPECT_EQ(m().par.IdoprogNap, 1);

    w->Combo1->setCurrentIndex(3);
    w->Combo1_Click();
    EXPECT_EQ(m().s.BeallMedfutesprogram.d(), 4);
    w->Option37->click();
    EXPECT_EQ(m().s.BeallMedfutesheti.d(), 1);
    w->Option35[4]->click();
    EXPECT_EQ(m().par.Medfutesnap, 4);
    w->Option36->click();
    EXPECT_EQ(m().s.BeallMedfutesheti.d(), 0);
    EXPECT_EQ(m().par.Medfutesnap, 1);
    EXPECT_FALSE(w->Picture9->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(w->Option35[std::size_t(d)]->isChecked()) << d;
}

TEST_F(Groups, TheEditorButtonsHandOverTheHeaterAndItsProgramme) {
    w->Option37->click();  // pool: "Kikapcsolva", weekly, Thursday
    w->Option35[4]->click();
    w->Command9->click();
    // The editor takes the heater and the view; it opens on its own
    // programme on Monday, whatever the opener had chosen.
    ASSERT_TRUE(w->programmeEditor);
    EXPECT_TRUE(w->programmeEditor->isVisible());
    EXPECT_EQ(m().par.IdoprogFutes, 2);
    EXPECT_EQ(m().par.IdoprogProgram, 4);
    EXPECT_EQ(m().par.IdoprogHeti, 1);
    EXPECT_EQ(m().par.IdoprogNap, 1);
    w->programmeEditor->close();
    w->Command8->click();  // tank: "Folyamatos", daily
    ASSERT_TRUE(w->programmeEditor);
    EXPECT_EQ(m().par.IdoprogFutes, 1);
    EXPECT_EQ(m().par.IdoprogProgram, 4);
    EXPECT_EQ(m().par.IdoprogHeti, 0);
    EXPECT_EQ(m().par.IdoprogNap, 1);
    w->programmeEditor->close();
    w->Command13->click();  // the annual programme shows month by month
    EXPECT_TRUE(w->Option16[1]->isChecked());
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Jan."));
}

TEST_F(Groups, ACommittedHeaterOrConsumptionChangesTheNextRun) {
    const QStringList before = dailyRun();
    calc->Command1_Click();
    w->Combo4->setCurrentIndex(2);  // the tank heater off
    w->Combo4_Click();
    w->Command1_Click();
    const QStringList heaterOff = dailyRun();
    EXPECT_NE(heaterOff, before);
    calc->Command1_Click();
    type(w->Text7[1], QStringLiteral("8"));
    w->Command1_Click();
    EXPECT_NE(dailyRun(), heaterOff);
    calc->Command1_Click();
    type(w->Text7[1], QStringLiteral("2"));
    w->Command2_Click();
    EXPECT_EQ(m().s.Fogyjelleg.d(), 1);
}

// --- Hot-water consumption ----------------------------------------------------------------------

struct AmountCase {
    const char* name;
    int profile;  // the daily list's entry (1..5)
    int field;    // 1 persons, 2 litres per person, 3 litres a day
    const char* typed;
    const char* message;  // empty: accepted
    int persons;          // stored afterwards, day 1
    double perPerson;
    double daily;
};
void PrintTo(const AmountCase& c, std::ostream* os) { *os << c.name; }

class Amounts : public Groups, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(Amounts, LinkedAmountsOfTheShownProfile) {
    const AmountCase& c = GetParam();
    for (int day = 1; day <= 7; ++day) m().fogy.BeallFogyoraiossz(5, 0, day) = 2400;  // the custom curve drawn
    w->Combo2->setCurrentIndex(c.profile - 1);
    w->Combo2_Click();
    type(w->Text7[std::size_t(c.field)], QString::fromUtf8(c.typed));
    w->commitEdits();
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    } else {
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Melegvíz fogyasztás"));
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
    }
    const ConsumptionProfiles& f = m().fogy;
    EXPECT_EQ(f.BeallFogyszemely(c.profile, 0, 1), c.persons);
    EXPECT_FLOAT_EQ(f.BeallFogyfajlagos(c.profile, 0, 1), float(c.perPerson));
    EXPECT_EQ(f.BeallFogynapi(c.profile, 0, 1).toDouble(), c.daily);
}

constexpr const char* kDailyRange = "A napi melegvíz fogyasztásnak 0 és 100000 liter között kell lennie!";
constexpr const char* kZero = "Nulla fogyasztás csak egyedi fogyasztási jelleggörbe esetén adható meg!";

INSTANTIATE_TEST_SUITE_P(
    Fields, Amounts,
    ::testing::Values(AmountCase{"daily_amount_sets_litres_per_person", 1, 3, "200", "", 4, 50, 200},
                      AmountCase{"persons_set_the_daily_amount", 1, 1, "6", "", 6, 50, 300},
                      AmountCase{"half_a_person_rounds_up", 1, 1, "2,5", "", 3, 50, 150},
                      AmountCase{"a_third_of_a_person_is_no_one", 1, 1, "0,3", kZero, 4, 50, 200},
                      AmountCase{"zero_for_a_built_in_profile", 1, 3, "0", kZero, 4, 50, 200},
                      AmountCase{"zero_for_the_custom_profile", 5, 1, "0", "", 0, 0, 0},
                      AmountCase{"negative_persons", 1, 1, "-2", "Nem megfelelő érték!", 4, 50, 200},
                      AmountCase{"highest_daily_amount", 1, 3, "100000", "", 4, 25000, 100000},
                      AmountCase{"daily_amount_too_high", 1, 3, "100000,5", kDailyRange, 4, 50, 200},
                      AmountCase{"product_at_the_limit", 1, 2, "25000", "", 4, 25000, 100000},
                      AmountCase{"product_above_the_limit", 1, 2, "25001", kDailyRange, 4, 50, 200},
                      AmountCase{"persons_beyond_their_field", 5, 1, "20000", kDailyRange, 4, 0, 0},
                      AmountCase{"not_a_number", 1, 2, "sok", "Kérem adjon meg számot!", 4, 50, 200}));

TEST_F(Groups, BuiltInProfilesShareTheirAmountsCustomOnesKeepTheirOwn) {
    type(w->Text7[1], QStringLiteral("5"));
    ASSERT_TRUE(w->commitEdits());
    const ConsumptionProfiles& f = m().fogy;
    for (int day = 1; day <= 7; ++day) {
        for (int p = 1; p <= 4; ++p) EXPECT_EQ(f.BeallFogyszemely(p, 0, day), 5) << p << day;
        for (int p = 1; p <= 3; ++p) EXPECT_EQ(f.BeallFogyszemely(p, 1, day), 5) << p << day;
        EXPECT_EQ(f.BeallFogyszemely(5, 0, day), 4);
        EXPECT_EQ(f.BeallFogyszemely(4, 1, day), 4);
    }
}

TEST_F(Groups, TheCustomDailyProfileIsOneDayForAllSeven) {
    m().fogy.BeallFogyoraiossz(5, 0, 1) = 2400;  // a distribution was drawn
    w->Combo2->setCurrentIndex(4);
    w->Combo2_Click();
    type(w->Text7[3], QStringLiteral("300"));
    ASSERT_TRUE(w->commitEdits());
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(m().fogy.BeallFogynapi(5, 0, day).toDouble(), 300) << day;

    // Weekly: the shown day only.
    double before[8];
    for (int day = 1; day <= 7; ++day) before[day] = m().fogy.BeallFogynapi(4, 1, day).toDouble();
    m().fogy.BeallFogyoraiossz(4, 1, 3) = 2400;
    w->Option2->click();
    w->Combo2->setCurrentIndex(3);
    w->Combo2_Click();
    w->Option12[3]->click();
    type(w->Text7[3], QStringLiteral("120"));
    ASSERT_TRUE(w->commitEdits());
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(m().fogy.BeallFogynapi(4, 1, day).toDouble(), day == 3 ? 120 : before[day]) << day;
}

// The weekday the window edits is the one whose button it shows, whatever
// weekday the calculation simulated last.
TEST_F(Groups, AnAmountIsStoredForTheShownWeekdayAfterARun) {
    ConsumptionProfiles& f = m().fogy;
    for (int day = 1; day <= 7; ++day) f.BeallFogyoraiossz(4, 1, day) = 2400;  // the custom curve drawn
    w->Option2->click();
    w->Combo2->setCurrentIndex(3);  // "Egyedi"
    w->Combo2_Click();
    w->Option12[5]->click();
    type(w->Text7[3], QStringLiteral("120"));
    w->Command1_Click();
    const double monday = f.BeallFogynapi(4, 1, 1).toDouble();
    annualRun();  // its last day is a Monday
    calc->Command1_Click();
    ASSERT_TRUE(w->Option12[5]->isChecked());
    EXPECT_EQ(w->Text7[3]->text(), QStringLiteral("120"));
    type(w->Text7[3], QStringLiteral("150"));
    ASSERT_TRUE(w->commitEdits());
    EXPECT_EQ(f.BeallFogynapi(4, 1, 5).toDouble(), 150);
    EXPECT_EQ(f.BeallFogynapi(4, 1, 1).toDouble(), monday);
}

// Cancel back to a committed daily programme leaves no weekday selected.
TEST_F(Groups, CancelBackToTheDailyProgrammeClearsTheWeekday) {
    w->Option2->click();
    w->Option12[5]->click();
    w->Command2_Click();
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_FALSE(w->Picture6->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(w->Option12[std::size_t(d)]->isChecked()) << d;
}

TEST_F(Groups, FieldsAreDisabledWhereNothingIsDrawn) {
    auto enabled = [&] { return w->Text7[1]->isEnabled() && w->Text7[2]->isEnabled() && w->Text7[3]->isEnabled(); };
    EXPECT_TRUE(enabled());
    w->Combo2->setCurrentIndex(3);  // "Nincs fogyasztás"
    w->Combo2_Click();
    EXPECT_FALSE(enabled());
    w->Combo2->setCurrentIndex(4);  // "Egyedi" without a distribution
    w->Combo2_Click();
    EXPECT_FALSE(enabled());
    w->Option2->click();
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Családi ház"));
    EXPECT_TRUE(w->Picture6->isEnabled());
    w->Combo2->setCurrentIndex(1);  // "Munkahely": nobody at the weekend
    w->Combo2_Click();
    w->Option12[6]->click();
    EXPECT_FALSE(enabled());
    w->Option12[2]->click();
    EXPECT_TRUE(enabled());
    EXPECT_EQ(m().s.Fogyhetnapja, 2);
    w->Option1->click();
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Családi ház, munkanap"));
    EXPECT_FALSE(w->Picture6->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(w->Option12[std::size_t(d)]->isChecked()) << d;
}

// --- Pool --------------------------------------------------------------------------------------------

TEST_F(Groups, TheHallsOptionsFollowItsSituation) {
    w->Option5->click();  // covered
    EXPECT_EQ(m().s.BeallMedfedett.d(), -1);
    EXPECT_FALSE(w->Option9->isEnabled());
    EXPECT_TRUE(w->Option6->isEnabled());
    EXPECT_TRUE(w->Text25->isEnabled());
    w->Option7->click();  // unheated
    EXPECT_EQ(m().s.BeallMedterfutott, 0);
    EXPECT_FALSE(w->Text25->isEnabled());
    EXPECT_TRUE(w->Text25->text().isEmpty());
    w->Option8->click();
    w->Option5->click();
    EXPECT_TRUE(w->Text25->isEnabled());  // enabled and empty
    // Leaving it empty never stores 0: the hall keeps its temperature.
    type(w->Text25, QString());
    w->Text25->setModified(true);
    EXPECT_FALSE(w->commitEdits());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Kérem adjon meg számot!"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Medencetér fűtés"));
    EXPECT_EQ(w->Text25->text(), QStringLiteral("26"));
    EXPECT_EQ(m().s.BeallMedterhofok.toDouble(), 26);
    w->Option38->click();
    w->Check5->click();
    w->Command1_Click();
    EXPECT_EQ(m().s.Medfedett.d(), -1);
    EXPECT_EQ(m().s.Medterfutott.d(), 0);
    EXPECT_EQ(m().s.Medatlatszofedes.d(), -1);
    EXPECT_EQ(m().s.Medfoliatakaras, 1);
    EXPECT_EQ(m().s.Medterhofok.d(), 26);
}

TEST_F(Groups, ExposureIsAnOpenAirChoice) {
    w->Option10->click();
    EXPECT_EQ(m().s.BeallMedfekves.d(), 0.6);
    w->Option5->click();
    EXPECT_FALSE(w->Option10->isEnabled());
    EXPECT_EQ(m().s.BeallMedfekves.d(), 0.6);  // kept while covered
    w->Option8->click();
    EXPECT_TRUE(w->Option10->isEnabled());
    w->Option9->click();
    EXPECT_EQ(m().s.BeallMedfekves.d(), 1);
}

}  // namespace
}  // namespace nk::ui
