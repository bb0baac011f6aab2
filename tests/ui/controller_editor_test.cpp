#include "ui/editors/controller_editor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QTest>
#include <QWindow>
#include <memory>
#include <ostream>
#include <set>
#include <utility>

#include "state/defaults.h"
#include "ui/editors/controller_grid.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_window.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

const char* const kNotANumber = "Adjon meg számot!";
const char* const kDifference = "A hőmérséklet különbség 5 és 25°C között állítható!";
const char* const kMaximum = "A maximális hőmérséklet 20 és 100°C között állítható!";

const NumberLocale kComma = NumberLocale::decimalComma();
const NumberLocale kPoint = NumberLocale::decimalPoint();

// Element (1, month) of row r's working array.
double working(const Programmes& g, int row, int month) {
    switch (row) {
        case 1: return g.BeallAutBekapcsdT1(1, month).d();
        case 2: return g.BeallAutMaxhofok1(1, month).d();
        case 3: return g.BeallAutBeKi1(1, month).d();
        case 4: return g.BeallAutBekapcsdT2(1, month).d();
        case 5: return g.BeallAutMaxhofok2(1, month).d();
        case 6: return g.BeallAutBeKi2(1, month).d();
        case 7: return g.BeallAutBekapcsdT3(1, month).d();
        case 8: return g.BeallAutMaxhofok3(1, month).d();
        case 9: return g.BeallAutBeKi3(1, month).d();
        case 10: return g.BeallAutBekapcsdTMed(1, month);
        case 11: return g.BeallAutMaxhofokMed(1, month);
        default: return g.BeallAutBeKiMed(1, month);
    }
}

// What the start-up gives every month: differences 10, tank maxima 70, pool
// maximum 30, every store on.
double startValue(int row) {
    switch (rowKind(row)) {
        case RowKind::Difference: return 10;
        case RowKind::Maximum: return row == 11 ? 30 : 70;
        case RowKind::OnOff: break;
    }
    return 1;
}

void expectStartValues(const Programmes& g) {
    for (int row = 1; row <= 12; ++row)
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(working(g, row, month), startValue(row)) << "row " << row << ", month " << month;
}

void switchAllOff(Programmes& g) {
    for (int month = 1; month <= 12; ++month) {
        g.BeallAutBeKi1(1, month) = 0;
        g.BeallAutBeKi2(1, month) = 0;
        g.BeallAutBeKi3(1, month) = 0;
        g.BeallAutBeKiMed(1, month) = 0;
    }
}

constexpr int kNumberRows[8] = {1, 2, 4, 5, 7, 8, 10, 11};
constexpr int kOnOffRows[4] = {3, 6, 9, 12};

// ================================================================================
// The grid on its own
// ================================================================================

class Grid : public ::testing::Test {
protected:
    Grid() {
        Alapertekek(m);
        grid.load(m.prog, kComma);
    }
    // The fields switched on, as (row, month).
    std::set<std::pair<int, int>> onFields() const {
        std::set<std::pair<int, int>> on;
        for (int row : kOnOffRows)
            for (int month = 1; month <= 12; ++month)
                if (grid.on(row, month)) on.insert({row, month});
        return on;
    }
    std::set<std::pair<int, int>> selectedCells() const {
        std::set<std::pair<int, int>> s;
        for (int row : kNumberRows)
            for (int month = 1; month <= 12; ++month)
                if (grid.selected(row, month)) s.insert({row, month});
        return s;
    }
    Model m;
    ControllerGrid grid;
};

TEST_F(Grid, LoadsTheStartValuesAndHandsThemBackUnchanged) {
    for (int row : kNumberRows)
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(grid.text(row, month), row == 11 ? "30" : startValue(row) == 70 ? "70" : "10") << row;
            EXPECT_FALSE(grid.selected(row, month));
            EXPECT_EQ(grid.cellBackground(row, month), kWhite);
            EXPECT_EQ(grid.cellForeground(row, month), kBlack);
        }
    for (int row : kOnOffRows)
        for (int month = 1; month <= 12; ++month) EXPECT_EQ(grid.fieldColour(row, month), kOnRed);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(grid.captionBackground(i), kLightYellow);
    EXPECT_EQ(grid.Kijeloltsor, 0);
    ASSERT_FALSE(grid.readBack(kComma).has_value());
    grid.store(m.prog);
    expectStartValues(m.prog);
}

TEST_F(Grid, LoadReadsTheAnnualProgrammeOnlyAndShowsItsKinds) {
    m.prog.BeallAutMaxhofok2(1, 4) = 22.5;
    m.prog.BeallAutMaxhofok2(0, 4) = 99;  // the constant set is not the editor's
    m.prog.BeallAutBekapcsdT3(1, 7) = 3;  // outside the editor's bounds, from a file
    m.prog.BeallAutBeKi3(1, 9) = 0;
    m.prog.BeallAutBeKiMed(1, 1) = 2;  // only 1 is on
    grid.load(m.prog, kComma);
    EXPECT_EQ(grid.text(5, 4), "22,5");
    EXPECT_EQ(grid.text(7, 7), "3");
    EXPECT_FALSE(grid.on(9, 9));
    EXPECT_FALSE(grid.on(12, 1));
    EXPECT_TRUE(grid.on(9, 8));
    grid.load(m.prog, kPoint);
    EXPECT_EQ(grid.text(5, 4), "22.5");
    ASSERT_FALSE(grid.readBack(kPoint).has_value());
    grid.store(m.prog);
    EXPECT_EQ(working(m.prog, 5, 4), 22.5);
    EXPECT_EQ(working(m.prog, 7, 7), 3);  // written back unchanged
    EXPECT_EQ(working(m.prog, 12, 1), 0);
}

// --- Hit-tests --------------------------------------------------------------------

struct HitCase {
    double at;
    int expected;
};
void PrintTo(const HitCase& c, std::ostream* os) { *os << c.at << " -> " << c.expected; }

class MonthHit : public ::testing::TestWithParam<HitCase> {};
TEST_P(MonthHit, FindsTheColumn) { EXPECT_EQ(monthAt(GetParam().at), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(Boundaries, MonthHit,
                         ::testing::Values(HitCase{-600, 0}, HitCase{0, 0}, HitCase{1140, 0}, HitCase{1709, 0},
                                           HitCase{1710, 0}, HitCase{2279, 0}, HitCase{2279.9, 0}, HitCase{2280, 1},
                                           HitCase{2849, 1}, HitCase{2849.5, 1}, HitCase{2850, 2}, HitCase{5000, 5},
                                           HitCase{8549, 11}, HitCase{8550, 12}, HitCase{9119, 12}, HitCase{9119.9, 12},
                                           HitCase{9120, 0}, HitCase{20000, 0}, HitCase{1e12, 0}, HitCase{-1e12, 0}));

class BandHit : public ::testing::TestWithParam<HitCase> {};
TEST_P(BandHit, FindsTheOnOffRow) { EXPECT_EQ(onOffRowAt(GetParam().at), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(Boundaries, BandHit,
                         ::testing::Values(HitCase{-100, 0}, HitCase{1109, 0}, HitCase{1110, 0}, HitCase{1110.5, 3},
                                           HitCase{1200, 3}, HitCase{1379.9, 3}, HitCase{1380, 0}, HitCase{1500, 0},
                                           HitCase{1920, 0}, HitCase{1921, 6}, HitCase{2189, 6}, HitCase{2190, 0},
                                           HitCase{2730, 0}, HitCase{2731, 9}, HitCase{2999, 9}, HitCase{3000, 0},
                                           HitCase{3540, 0}, HitCase{3541, 12}, HitCase{3650, 12}, HitCase{3809.9, 12},
                                           HitCase{3810, 0}, HitCase{5000, 0}));

struct SwitchCase {
    const char* name;
    double x, y;
    int button;
    bool startOn;    // every field before the press
    int row, month;  // the field switched; 0 none
};
void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }

class FieldSwitch : public Grid, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(FieldSwitch, SwitchesAtMostTheFieldUnderThePointer) {
    const SwitchCase& c = GetParam();
    if (!c.startOn) switchAllOff(m.prog);
    grid.load(m.prog, kComma);
    const auto before = onFields();
    EXPECT_EQ(grid.switchField(c.x, c.y, c.button), c.row != 0);
    auto expected = before;
    if (c.row != 0) {
        if (c.button == kLeftButton)
            expected.insert({c.row, c.month});
        else
            expected.erase({c.row, c.month});
    }
    EXPECT_EQ(onFields(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldSwitch,
                         ::testing::Values(SwitchCase{"left_on_january_tank1", 2300, 1200, 1, false, 3, 1},
                                           SwitchCase{"band_top_excluded", 2300, 1110, 1, false, 0, 0},
                                           SwitchCase{"band_bottom_excluded", 2300, 1380, 1, false, 0, 0},
                                           SwitchCase{"below_the_band", 2300, 1500, 1, false, 0, 0},
                                           SwitchCase{"december_last_twip", 9119, 1200, 1, false, 3, 12},
                                           SwitchCase{"right_of_december", 9120, 1200, 1, false, 0, 0},
                                           SwitchCase{"left_of_january", 2279, 1200, 1, false, 0, 0},
                                           SwitchCase{"right_off_pool", 2300, 3650, 2, true, 12, 1},
                                           SwitchCase{"right_off_tank3_july", monthLeft(7) + 10, 2800, 2, true, 9, 7},
                                           SwitchCase{"left_on_tank2_june", monthLeft(6), 2000, 1, false, 6, 6},
                                           SwitchCase{"no_button", 2300, 3650, 0, true, 0, 0},
                                           SwitchCase{"both_buttons", 2300, 3650, 3, true, 0, 0},
                                           SwitchCase{"both_buttons_from_off", 2300, 3650, 3, false, 0, 0},
                                           SwitchCase{"middle_button", 2300, 3650, 4, true, 0, 0},
                                           SwitchCase{"middle_button_from_off", 2300, 3650, 4, false, 0, 0}));

TEST_F(Grid, DraggingPaintsEveryFieldThePointerPasses) {
    // Right button along the pool's row: every month off.
    for (double x = 2300; x <= 9000; x += 15) grid.switchField(x, 3650, kRightButton);
    for (int month = 1; month <= 12; ++month) EXPECT_FALSE(grid.on(12, month)) << month;
    EXPECT_EQ(onFields().size(), 36u);
    // Left button down one column from everything off: that month on in every band.
    switchAllOff(m.prog);
    grid.load(m.prog, kComma);
    for (double y = -300; y <= 4200; y += 15) grid.switchField(monthLeft(5) + 300, y, kLeftButton);
    EXPECT_EQ(onFields(), (std::set<std::pair<int, int>>{{3, 5}, {6, 5}, {9, 5}, {12, 5}}));
}

// --- Reading a cell -------------------------------------------------------------------

struct NumberCase {
    const char* text;
    bool comma;  // the user's notation: decimal comma, else point
    std::optional<double> expected;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"' << (c.comma ? " comma" : " point"); }

class CellNumber : public ::testing::TestWithParam<NumberCase> {};
TEST_P(CellNumber, ReadsTheCellAsItIsShown) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(cellNumber(c.text, c.comma ? kComma : kPoint), c.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, CellNumber,
    ::testing::Values(NumberCase{"22,5", true, 22.5}, NumberCase{"22.5", true, 22.5}, NumberCase{"22,5", false, 22.5},
                      NumberCase{"22.5", false, 22.5}, NumberCase{" 22,5 ", true, 22.5}, NumberCase{"60\n", true, 60},
                      NumberCase{"-3", false, -3}, NumberCase{"1E2", true, 100}, NumberCase{"1 000", true, 1000},
                      NumberCase{"1,000", false, 1000}, NumberCase{"abc", true, std::nullopt},
                      NumberCase{"", false, std::nullopt}, NumberCase{"  ", true, std::nullopt},
                      NumberCase{"22,5abc", true, std::nullopt}, NumberCase{"22.5.1", false, std::nullopt},
                      NumberCase{"2 2", false, std::nullopt}, NumberCase{"1e999", true, std::nullopt},
                      NumberCase{",", true, std::nullopt}));

// --- Selecting -------------------------------------------------------------------------

TEST_F(Grid, ACellClickTogglesTheCellAndGivesItsText) {
    grid.setText(1, 3, "12,5");
    EXPECT_EQ(grid.clickCell(1, 3), "12,5");
    EXPECT_EQ(grid.Kijeloltsor, 1);
    EXPECT_TRUE(grid.selected(1, 3));
    EXPECT_EQ(grid.cellBackground(1, 3), kSelectedBlue);
    EXPECT_EQ(grid.cellForeground(1, 3), kWhite);
    EXPECT_EQ(grid.clickCell(1, 3), "12,5");  // deselected, the text given again
    EXPECT_FALSE(grid.selected(1, 3));
    EXPECT_EQ(grid.cellBackground(1, 3), kWhite);
    EXPECT_EQ(grid.Kijeloltsor, 1);
}

TEST_F(Grid, OnlyOneRowHoldsSelectedCells) {
    grid.clickCell(1, 2);
    grid.clickCell(1, 3);
    EXPECT_EQ(selectedCells(), (std::set<std::pair<int, int>>{{1, 2}, {1, 3}}));
    grid.clickCell(4, 5);
    EXPECT_EQ(selectedCells(), (std::set<std::pair<int, int>>{{4, 5}}));
    EXPECT_EQ(grid.Kijeloltsor, 4);
    grid.clickCell(4, 9);
    EXPECT_EQ(selectedCells(), (std::set<std::pair<int, int>>{{4, 5}, {4, 9}}));
}

TEST_F(Grid, ARowHeaderSelectsItsWholeRowWithoutToggling) {
    grid.setText(5, 1, "65");
    grid.clickCell(2, 4);
    grid.clickCell(5, 7);  // a cell of the row, deselected again by the next click
    grid.clickCell(5, 7);
    EXPECT_EQ(grid.clickRowHeader(5), "65");
    std::set<std::pair<int, int>> row5;
    for (int month = 1; month <= 12; ++month) row5.insert({5, month});
    EXPECT_EQ(selectedCells(), row5);
    EXPECT_EQ(grid.clickRowHeader(5), "65");
    EXPECT_EQ(selectedCells(), row5);
    grid.clickCell(5, 2);
    EXPECT_EQ(grid.clickRowHeader(5), "65");  // a deselected cell is selected again
    EXPECT_EQ(selectedCells(), row5);
    EXPECT_EQ(grid.clickRowHeader(11), "30");
    EXPECT_EQ(selectedCells().size(), 12u);
    EXPECT_TRUE(grid.selected(11, 12));
    EXPECT_EQ(grid.Kijeloltsor, 11);
}

TEST_F(Grid, AStoreCaptionTurnsBlueAndTheOthersWhite) {
    grid.clickCaption(1);
    const Rgb afterSecond[4] = {kWhite, kCaptionBlue, kWhite, kWhite};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(grid.captionBackground(i), afterSecond[i]) << i;
    grid.clickCaption(3);
    const Rgb afterPool[4] = {kWhite, kWhite, kWhite, kCaptionBlue};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(grid.captionBackground(i), afterPool[i]) << i;
}

TEST_F(Grid, TheDesignClearsSelectionAndCaptionsButKeepsTheRow) {
    grid.clickRowHeader(8);
    grid.clickCaption(2);
    grid.design();
    EXPECT_TRUE(selectedCells().empty());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(grid.caption(i), CaptionShade::Designed);
    EXPECT_EQ(grid.Kijeloltsor, 8);
}

// --- "Változtat" -------------------------------------------------------------------------

struct ChangeCase {
    const char* name;
    int row;  // chosen by its header; 0 none
    const char* value;
    const char* message;  // empty: accepted
    bool comma = true;
};
void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class Change : public Grid, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(Change, FillsTheSelectedCellsWithTheValueAsTyped) {
    const ChangeCase& c = GetParam();
    if (c.row != 0) grid.clickRowHeader(c.row);
    const auto selectedBefore = selectedCells();
    const auto refused = grid.change(c.value, c.comma ? kComma : kPoint);
    const bool accepted = std::string(c.message).empty();
    if (accepted) {
        EXPECT_FALSE(refused.has_value()) << refused->message;
    } else {
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->message, c.message);
        EXPECT_EQ(refused->title, "HIBÁS ADAT");
        EXPECT_EQ(refused->icon, MsgIcon::Exclamation);
    }
    for (int row : kNumberRows)
        for (int month = 1; month <= 12; ++month) {
            const bool filled = accepted && row == c.row;
            const std::string before = row == 11 ? "30" : startValue(row) == 70 ? "70" : "10";
            EXPECT_EQ(grid.text(row, month), filled ? std::string(c.value) : before) << row << "/" << month;
        }
    EXPECT_EQ(selectedCells(), selectedBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Change,
    ::testing::Values(
        ChangeCase{"letters", 1, "abc", kNotANumber}, ChangeCase{"empty", 2, "", kNotANumber},
        ChangeCase{"number_then_letters", 4, "12abc", kNotANumber},
        ChangeCase{"difference_too_high", 1, "30", kDifference}, ChangeCase{"difference_upper_bound", 1, "25", ""},
        ChangeCase{"difference_lower_bound", 7, "5", ""}, ChangeCase{"difference_just_below", 10, "4,9", kDifference},
        ChangeCase{"difference_just_above", 4, "25,5", kDifference},
        ChangeCase{"pool_maximum_upper_bound", 11, "100", ""}, ChangeCase{"maximum_above", 2, "101", kMaximum},
        ChangeCase{"maximum_lower_bound", 5, "20", ""}, ChangeCase{"maximum_just_below", 8, "19,99", kMaximum},
        ChangeCase{"pool_half_kept_as_typed", 11, "22,5", ""}, ChangeCase{"point_in_comma_notation", 2, "22.5", ""},
        ChangeCase{"comma_in_point_notation", 2, "22,5", "", false}, ChangeCase{"blanks_copied_too", 1, " 7 ", ""},
        ChangeCase{"no_row_yet_number", 0, "20", ""}, ChangeCase{"no_row_yet_letters", 0, "x", kNotANumber}));

TEST_F(Grid, ChangeFillsOnlyTheSelectedCellsOfTheRow) {
    grid.clickCell(4, 3);
    grid.clickCell(4, 7);
    ASSERT_FALSE(grid.change("15", kComma).has_value());
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(grid.text(4, month), month == 3 || month == 7 ? "15" : "10") << month;
}

// --- The spinner ------------------------------------------------------------------------

struct SpinCase {
    const char* name;
    int row;  // chosen by its header; 0 none
    const char* value;
    bool up;
    const char* next;  // empty: no step
    bool atBound;      // before the step
    bool comma = true;
};
void PrintTo(const SpinCase& c, std::ostream* os) { *os << c.name; }

class Spin : public Grid, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(Spin, StepsWithinTheBoundsOfTheRowLastChosen) {
    const SpinCase& c = GetParam();
    if (c.row != 0) grid.clickRowHeader(c.row);
    const NumberLocale& loc = c.comma ? kComma : kPoint;
    const auto next = grid.spinStep(c.value, c.up, loc);
    if (std::string(c.next).empty())
        EXPECT_FALSE(next.has_value()) << *next;
    else
        EXPECT_EQ(next, std::optional<std::string>(c.next));
    EXPECT_EQ(grid.spinAtBound(c.value, c.up, loc), c.atBound);
}

INSTANTIATE_TEST_SUITE_P(Cases, Spin,
                         ::testing::Values(SpinCase{"difference_up", 1, "10", true, "11", false},
                                           SpinCase{"difference_at_top", 4, "25", true, "", true},
                                           SpinCase{"maximum_past_25", 5, "25", true, "26", false},
                                           SpinCase{"maximum_at_top", 11, "100", true, "", true},
                                           SpinCase{"difference_down", 7, "6", false, "5", false},
                                           SpinCase{"difference_at_bottom", 7, "5", false, "", true},
                                           SpinCase{"maximum_at_bottom", 2, "20", false, "", true},
                                           SpinCase{"half_keeps_its_half", 1, "24,5", true, "25,5", false},
                                           SpinCase{"whole_part_at_top", 1, "25,5", true, "", true},
                                           SpinCase{"half_below_the_bottom", 1, "5,5", false, "4,5", true},
                                           SpinCase{"point_notation", 2, "70.5", false, "69.5", false, false},
                                           SpinCase{"comma_in_point_notation", 2, "70,5", true, "71.5", false, false},
                                           SpinCase{"no_row_yet", 0, "60", true, "", false},
                                           SpinCase{"no_number", 1, "abc", true, "", false},
                                           SpinCase{"empty", 1, "", false, "", false}));

// --- "&OK": reading the grid back ------------------------------------------------------

struct ReadBackCase {
    const char* name;
    int row, month;
    const char* text;
    bool comma;
    const char* message;  // empty: accepted
    double stored;
};
void PrintTo(const ReadBackCase& c, std::ostream* os) { *os << c.name; }

class ReadBack : public Grid, public ::testing::WithParamInterface<ReadBackCase> {};

TEST_P(ReadBack, StoresTheCellAsShownOrRefusesIt) {
    const ReadBackCase& c = GetParam();
    const NumberLocale& loc = c.comma ? kComma : kPoint;
    grid.load(m.prog, loc);
    grid.setText(c.row, c.month, c.text);
    const auto refused = grid.readBack(loc);
    if (std::string(c.message).empty()) {
        ASSERT_FALSE(refused.has_value()) << refused->verdict.message;
        grid.store(m.prog);
        EXPECT_EQ(working(m.prog, c.row, c.month), c.stored);
        if (!isPoolRow(c.row)) {
            const Arr2<Var>* arrays[10] = {nullptr, &m.prog.BeallAutBekapcsdT1, &m.prog.BeallAutMaxhofok1,
                                           nullptr, &m.prog.BeallAutBekapcsdT2, &m.prog.BeallAutMaxhofok2,
                                           nullptr, &m.prog.BeallAutBekapcsdT3, &m.prog.BeallAutMaxhofok3,
                                           nullptr};
            EXPECT_EQ((*arrays[c.row])(1, c.month).kind(), VKind::Double);  // the number read, not rounded
        }
        // The other months keep their values.
        const int other = c.month == 1 ? 2 : 1;
        EXPECT_EQ(working(m.prog, c.row, other), startValue(c.row));
    } else {
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->row, c.row);
        EXPECT_EQ(refused->month, c.month);
        EXPECT_EQ(refused->verdict.message, c.message);
        EXPECT_EQ(refused->verdict.title, "HIBÁS ADAT");
        EXPECT_EQ(refused->verdict.icon, MsgIcon::Exclamation);
        expectStartValues(m.prog);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadBack,
    ::testing::Values(ReadBackCase{"tank_comma_half", 2, 6, "22,5", true, "", 22.5},
                      ReadBackCase{"tank_point_half_in_comma_notation", 2, 6, "22.5", true, "", 22.5},
                      ReadBackCase{"tank_point_half", 5, 12, "22.5", false, "", 22.5},
                      ReadBackCase{"tank_comma_half_in_point_notation", 8, 1, "22,5", false, "", 22.5},
                      ReadBackCase{"tank_blanks_around", 4, 3, " 12 ", true, "", 12},
                      ReadBackCase{"tank_outside_the_editors_bounds", 7, 7, "3", true, "", 3},
                      ReadBackCase{"tank_beyond_16_bits", 2, 2, "40000", true, "", 40000},
                      ReadBackCase{"pool_half_to_even_down", 11, 4, "22,5", true, "", 22},
                      ReadBackCase{"pool_half_to_even_up", 11, 4, "23,5", true, "", 24},
                      ReadBackCase{"pool_point_half", 10, 9, "22.5", false, "", 22},
                      ReadBackCase{"pool_comma_half_in_point_notation", 10, 9, "12,5", false, "", 12},
                      ReadBackCase{"pool_below_half", 10, 1, "7,49", true, "", 7},
                      ReadBackCase{"pool_negative_half", 10, 1, "-0,5", true, "", 0},
                      ReadBackCase{"pool_top_of_16_bits", 11, 12, "32767,4", true, "", 32767},
                      ReadBackCase{"pool_bottom_half_to_even", 11, 12, "-32768,5", true, "", -32768},
                      ReadBackCase{"pool_maximum_rounds_past_16_bits", 11, 12, "32767,5", true, kMaximum, 0},
                      ReadBackCase{"pool_maximum_far_beyond", 11, 3, "1E6", true, kMaximum, 0},
                      ReadBackCase{"pool_difference_below_16_bits", 10, 5, "-32769", true, kDifference, 0},
                      ReadBackCase{"pool_difference_beyond_in_point_notation", 10, 5, "40000", false, kDifference, 0},
                      ReadBackCase{"letters", 1, 1, "abc", true, kNotANumber, 0},
                      ReadBackCase{"number_then_letters", 5, 5, "22,5abc", true, kNotANumber, 0},
                      ReadBackCase{"empty_cell", 11, 8, "", true, kNotANumber, 0},
                      ReadBackCase{"pool_letters", 10, 2, "tíz", false, kNotANumber, 0}));

TEST_F(Grid, ReadBackNamesTheFirstRefusedCellMonthByMonth) {
    grid.setText(11, 3, "99999");
    grid.setText(4, 3, "x");
    grid.setText(1, 9, "y");
    const auto refused = grid.readBack(kComma);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->row, 4);
    EXPECT_EQ(refused->month, 3);
    EXPECT_EQ(refused->verdict.message, kNotANumber);
}

TEST_F(Grid, ReadBackTakesTheFieldsAsOnesAndZeros) {
    grid.switchField(monthLeft(2) + 5, 1200, kRightButton);
    grid.switchField(monthLeft(11) + 5, 3650, kRightButton);
    ASSERT_FALSE(grid.readBack(kComma).has_value());
    grid.store(m.prog);
    EXPECT_EQ(working(m.prog, 3, 2), 0);
    EXPECT_EQ(working(m.prog, 12, 11), 0);
    EXPECT_EQ(working(m.prog, 3, 3), 1);
    EXPECT_EQ(m.prog.BeallAutBeKi1(1, 2).kind(), VKind::Integer);
}

// ================================================================================
// The window
// ================================================================================

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        Alapertekek(m);
        editor = std::make_unique<Automatika>(
            m, messages, [this] { handedBack(); }, nullptr);
        for (RepeatButton* b : editor->Command1) b->setManualClock(true);
        editor->Form_Load();
    }
    void TearDown() override {
        editor.reset();
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    }
    virtual void handedBack() { ++autkiirasCalls; }

    // Types into a box, replacing its text, as a user would.
    static void type(QLineEdit* e, const QString& text) { testing::typeText(e, text); }
    // A spinner button pressed, held over `ticks` ticks of its clock, released.
    void hold(int index, int ticks) {
        RepeatButton* b = editor->Command1[std::size_t(index)];
        QTest::mousePress(b, Qt::LeftButton);
        for (int i = 0; i < ticks; ++i) b->tick();
        QTest::mouseRelease(b, Qt::LeftButton);
        for (int i = 0; i < 3; ++i) b->tick();
    }
    QColor fieldPixel(int row, int month) {
        const QImage image = editor->Frame1->grab().toImage();
        return image.pixelColor(twRect(monthLeft(month), rowTopTwips(row), kCellWidth, kFieldHeight).center());
    }
    // A point of the grid frame, given in twips, in the window's coordinates.
    QPoint inWindow(int xTwips, int yTwips) {
        return editor->Frame1->mapTo(editor.get(), QPoint(xTwips / 15, yTwips / 15));
    }

    Model m;
    testing::ScriptedMessages messages;
    std::unique_ptr<Automatika> editor;
    int autkiirasCalls = 0;
};

TEST_F(Editor, OpensFromTheDesignWithTheWorkingProgramme) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Automatika éves program szerinti beállítása"));
    EXPECT_EQ(editor->size(), QSize(tw(9630), tw(5970)));
    EXPECT_EQ(editor->palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("60"));
    EXPECT_EQ(editor->focusWidget(), editor->Text1);
    EXPECT_EQ(editor->Label3[1]->text(), QStringLiteral("Jan."));
    EXPECT_EQ(editor->Label3[9]->text(), QStringLiteral("Szept."));
    EXPECT_EQ(editor->Label4[1]->text(), QStringLiteral("dT [°C]"));
    EXPECT_EQ(editor->Label4[11]->text(), QStringLiteral("Tmax [°C]"));
    EXPECT_EQ(editor->Label2[3]->text(), QStringLiteral("Medence"));
    EXPECT_EQ(editor->Command2->text(), QStringLiteral("&OK"));
    EXPECT_EQ(editor->Command3->text(), QStringLiteral("&Mégsem"));
    EXPECT_EQ(editor->Command4->text(), QStringLiteral("Változtat"));
    for (int row : kNumberRows)
        for (int month = 1; month <= 12; ++month) {
            const ControllerCell* c = editor->cell(row, month);
            EXPECT_EQ(c->text().toDouble(), startValue(row)) << row << "/" << month;
            EXPECT_EQ(c->palette().color(QPalette::Base), QColor(255, 255, 255));
            EXPECT_EQ(c->palette().color(QPalette::Text), QColor(0, 0, 0));
        }
    for (int row : kOnOffRows)
        for (int month = 1; month <= 12; ++month) EXPECT_EQ(fieldPixel(row, month), QColor(255, 0, 0)) << row;
    for (ControllerLabel* caption : editor->Label2)
        EXPECT_EQ(caption->palette().color(QPalette::Window), QColor(255, 255, 128));
}

TEST_F(Editor, ClicksSelectCellsAndRowsAndColourThem) {
    editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    type(editor->cell(4, 3), QStringLiteral("12"));
    QTest::mouseClick(editor->cell(4, 3), Qt::LeftButton);
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("12"));
    EXPECT_EQ(editor->focusWidget(), editor->Text1);
    EXPECT_EQ(editor->cell(4, 3)->palette().color(QPalette::Base), QColor(0, 0, 192));
    EXPECT_EQ(editor->cell(4, 3)->palette().color(QPalette::Text), QColor(255, 255, 255));
    QTest::mouseClick(editor->Label4[8], Qt::LeftButton);
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("70"));
    EXPECT_EQ(editor->cell(4, 3)->palette().color(QPalette::Base), QColor(255, 255, 255));
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(editor->cell(8, month)->palette().color(QPalette::Base), QColor(0, 0, 192)) << month;
    QTest::mouseClick(editor->Label2[2], Qt::LeftButton);
    EXPECT_EQ(editor->Label2[2]->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(editor->Label2[0]->palette().color(QPalette::Window), QColor(255, 255, 255));
    // The right button clicks nothing.
    QTest::mouseClick(editor->cell(1, 1), Qt::RightButton);
    EXPECT_FALSE(editor->grid().selected(1, 1));
}

TEST_F(Editor, DraggingPaintsFieldsWhereverThePointerGoesWhileHeld) {
    switchAllOff(m.prog);
    editor->Form_Load();
    editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    QWindow* window = editor->windowHandle();
    // A press on the "Ki" label of tank 1 stays on the label.
    const QPoint kiLabel = inWindow(2280, 1200);
    ASSERT_EQ(editor->childAt(kiLabel), editor->lblKi1[3]);
    QTest::mousePress(window, Qt::LeftButton, {}, kiLabel);
    QTest::mouseRelease(window, Qt::LeftButton, {}, kiLabel);
    EXPECT_FALSE(editor->grid().on(3, 1));
    // A press on a cell holds the pointer there: the bands below get nothing.
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(monthLeft(4) + 200, rowTopTwips(2) + 100));
    QTest::mouseMove(window, inWindow(monthLeft(4) + 200, 1200));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(monthLeft(4) + 200, 1200));
    EXPECT_FALSE(editor->grid().on(3, 4));

    // Pressed on February's field, then over the label, a cell, outside the window and back.
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(monthLeft(2) + 200, 1200));
    QTest::mouseMove(window, kiLabel);
    QTest::mouseMove(window, inWindow(monthLeft(6) + 200, rowTopTwips(11) + 100));
    QTest::mouseMove(window, editor->Text1->geometry().center());
    QTest::mouseMove(window, inWindow(monthLeft(3) + 200, 2000));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(monthLeft(3) + 200, 2000));
    // Moving without a button paints nothing.
    QTest::mouseMove(window, inWindow(monthLeft(9) + 200, 2800));
    std::set<std::pair<int, int>> on;
    for (int row : kOnOffRows)
        for (int month = 1; month <= 12; ++month)
            if (editor->grid().on(row, month)) on.insert({row, month});
    EXPECT_EQ(on, (std::set<std::pair<int, int>>{{3, 1}, {3, 2}, {6, 3}}));
    EXPECT_EQ(fieldPixel(3, 1), QColor(255, 0, 0));
    EXPECT_EQ(fieldPixel(6, 3), QColor(255, 0, 0));
    EXPECT_EQ(fieldPixel(6, 4), QColor(255, 255, 255));
}

TEST_F(Editor, ChangeCopiesTheValueOrNamesTheFault) {
    editor->Label4_Click(10);
    type(editor->Text1, QStringLiteral("30"));
    editor->Command4->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(kDifference));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("HIBÁS ADAT"));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(editor->cell(10, 6)->text(), QStringLiteral("10"));
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("30"));
    EXPECT_EQ(editor->focusWidget(), editor->Text1);
    type(editor->Text1, QStringLiteral("12,5"));
    editor->Command4->click();
    EXPECT_EQ(messages.shown.size(), 1u);
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(editor->cell(10, month)->text(), QStringLiteral("12,5"));
    EXPECT_EQ(editor->cell(10, 1)->palette().color(QPalette::Base), QColor(0, 0, 192));  // still selected
    type(editor->Text1, QStringLiteral("tizenkilenc"));
    editor->Command4->click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, QString::fromUtf8(kNotANumber));
    EXPECT_EQ(editor->cell(10, 1)->text(), QStringLiteral("12,5"));
}

// --- The spinner -----------------------------------------------------------------------

struct HoldCase {
    const char* name;
    int row;  // chosen by its header; 0 none
    const char* start;
    int button;  // 0 up, 1 down
    int ticks;
    const char* expected;
    bool runningBeforeRelease;
};
void PrintTo(const HoldCase& c, std::ostream* os) { *os << c.name; }

class Spinner : public Editor, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(Spinner, StepsTheValueBoxOncePerTick) {
    const HoldCase& c = GetParam();
    if (c.row != 0) editor->Label4_Click(c.row);
    editor->Text1->setText(QString::fromUtf8(c.start));
    RepeatButton* b = editor->Command1[std::size_t(c.button)];
    QTest::mousePress(b, Qt::LeftButton);
    for (int i = 0; i < c.ticks; ++i) b->tick();
    EXPECT_EQ(b->running(), c.runningBeforeRelease);
    QTest::mouseRelease(b, Qt::LeftButton);
    for (int i = 0; i < 2; ++i) b->tick();
    EXPECT_FALSE(b->running());
    EXPECT_EQ(editor->Text1->text(), QString::fromUtf8(c.expected));
    EXPECT_TRUE(messages.shown.empty());
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(editor->cell(1, month)->text(), QStringLiteral("10"));
}

INSTANTIATE_TEST_SUITE_P(Cases, Spinner,
                         ::testing::Values(HoldCase{"a_click_is_one_step", 1, "10", 0, 0, "11", true},
                                           HoldCase{"held_up_to_the_bound", 1, "20", 0, 8, "25", false},
                                           HoldCase{"at_the_bound_ends_at_the_second_tick", 4, "25", 0, 2, "25", false},
                                           HoldCase{"maximum_row_passes_25", 5, "25", 0, 3, "28", true},
                                           HoldCase{"down_to_the_maximum_bottom", 2, "23", 1, 6, "20", false},
                                           HoldCase{"half_stops_on_its_whole_part", 7, "6,5", 1, 4, "5,5", false},
                                           HoldCase{"no_row_yet_no_step", 0, "60", 0, 5, "60", true},
                                           HoldCase{"up_to_the_top_of_a_maximum_row", 11, "20", 0, 90, "100", false},
                                           HoldCase{"no_row_runs_a_hundred_ticks", 0, "60", 1, 100, "60", true},
                                           HoldCase{"no_row_ends_after_a_hundred", 0, "60", 1, 101, "60", false}));

TEST_F(Editor, TheSpinnerTakesNoStepFromATextThatIsNoNumber) {
    editor->Label4_Click(1);
    type(editor->Text1, QStringLiteral("abc"));
    hold(0, 3);
    EXPECT_FALSE(editor->Command1[0]->running());
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("abc"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(kNotANumber));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("HIBÁS ADAT"));
    EXPECT_EQ(editor->focusWidget(), editor->Text1);
    type(editor->Text1, QStringLiteral("12"));
    hold(0, 1);
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("13"));
    EXPECT_EQ(editor->focusWidget(), editor->Command1[0]);  // the press took the focus
}

// --- Reopening ---------------------------------------------------------------------------

TEST_F(Editor, ReopeningStartsFromTheDesignButKeepsTheRowChosenLast) {
    editor->Label4_Click(5);
    editor->Label2_Click(0);
    editor->Text1->setText(QStringLiteral("90"));
    editor->Command4_Click();
    editor->Command3_Click();  // "&Mégsem": nothing handed back
    expectStartValues(m.prog);
    editor->Form_Load();
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("60"));
    EXPECT_EQ(editor->cell(5, 1)->text(), QStringLiteral("70"));  // the old values
    EXPECT_EQ(editor->cell(5, 1)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(editor->Label2[0]->palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(editor->grid().Kijeloltsor, 5);
    // The row's bounds still hold, with no cell to fill.
    editor->Command4_Click();
    EXPECT_TRUE(messages.shown.empty());
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(editor->cell(5, month)->text(), QStringLiteral("70"));
    hold(0, 1);
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("61"));
}

// --- Handing back ------------------------------------------------------------------------

class HandBack : public Editor {
protected:
    void handedBack() override {
        Editor::handedBack();
        // Every month is written before the settings window is asked to show
        // its own, and the window is still open.
        EXPECT_EQ(working(m.prog, 2, 12), 55);
        EXPECT_EQ(working(m.prog, 12, 1), 0);
        EXPECT_TRUE(editor->grid().Evesprogram.allocated());
        EXPECT_TRUE(editor->isVisible());
    }
};

TEST_F(HandBack, OkWritesEveryMonthThenShowsThenCloses) {
    editor->show();
    editor->Label4_Click(2);
    editor->Text1->setText(QStringLiteral("55"));
    editor->Command4_Click();
    editor->Frame1_MouseDown(kRightButton, monthLeft(1) + 10, 3650);
    editor->Command2->click();
    EXPECT_EQ(autkiirasCalls, 1);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), QDialog::Accepted);
    EXPECT_FALSE(editor->grid().Evesprogram.allocated());
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(working(m.prog, 2, month), 55) << month;
    EXPECT_EQ(working(m.prog, 12, 2), 1);
    EXPECT_TRUE(messages.shown.empty());
}

struct LeaveCase {
    const char* name;
    std::function<void(Automatika&)> leave;
};
void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

class Leaving : public Editor, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(Leaving, WithoutOkHandsNothingBack) {
    editor->show();
    editor->Label4_Click(1);
    editor->Text1->setText(QStringLiteral("20"));
    editor->Command4_Click();
    type(editor->cell(11, 4), QStringLiteral("35"));
    editor->Frame1_MouseDown(kRightButton, monthLeft(5) + 10, 2000);
    GetParam().leave(*editor);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(autkiirasCalls, 0);
    EXPECT_FALSE(editor->grid().Evesprogram.allocated());
    expectStartValues(m.prog);
}

INSTANTIATE_TEST_SUITE_P(Ways, Leaving,
                         ::testing::Values(LeaveCase{"cancel", [](Automatika& e) { e.Command3->click(); }},
                                           LeaveCase{"close_box", [](Automatika& e) { e.close(); }},
                                           LeaveCase{"escape",
                                                     [](Automatika& e) { QTest::keyClick(&e, Qt::Key_Escape); }}));

struct RefusalCase {
    const char* name;
    int row, month;
    const char* typed;
    const char* message;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class OkRefuses : public Editor, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(OkRefuses, ACellThatCannotBeStoredAndKeepsTheWindowOpen) {
    const RefusalCase& c = GetParam();
    editor->show();
    type(editor->cell(c.row, c.month), QString::fromUtf8(c.typed));
    editor->Command2->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("HIBÁS ADAT"));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(autkiirasCalls, 0);
    expectStartValues(m.prog);
    EXPECT_EQ(editor->focusWidget(), editor->cell(c.row, c.month));
    EXPECT_EQ(editor->cell(c.row, c.month)->selectedText(), QString::fromUtf8(c.typed));
    // Corrected, the same OK goes through.
    type(editor->cell(c.row, c.month), QStringLiteral("21"));
    editor->Command2->click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(working(m.prog, c.row, c.month), 21);
}

INSTANTIATE_TEST_SUITE_P(Cases, OkRefuses,
                         ::testing::Values(RefusalCase{"pool_maximum_past_16_bits", 11, 7, "40000", kMaximum},
                                           RefusalCase{"pool_difference_past_16_bits", 10, 2, "-32768,5e1",
                                                       kDifference},
                                           RefusalCase{"tank_letters", 2, 11, "hetven", kNotANumber},
                                           RefusalCase{"pool_letters_after_number", 10, 12, "12 fok", kNotANumber}));

// --- The user's notation ------------------------------------------------------------------

struct NotationCase {
    const char* name;
    bool hungarian;
    const char* shown;  // the cell holding 22.5
    const char* typed;  // into tank 2's and the pool's maximum of March
    double tank, pool;
};
void PrintTo(const NotationCase& c, std::ostream* os) { *os << c.name; }

class Notation : public Editor, public ::testing::WithParamInterface<NotationCase> {};

TEST_P(Notation, CellsAreReadBackAsTheyAreShown) {
    const NotationCase& c = GetParam();
    QLocale::setDefault(c.hungarian ? QLocale(QLocale::Hungarian, QLocale::Hungary)
                                    : QLocale(QLocale::English, QLocale::UnitedStates));
    m.prog.BeallAutMaxhofok1(1, 6) = 22.5;
    editor->Form_Load();
    EXPECT_EQ(editor->cell(2, 6)->text(), QString::fromUtf8(c.shown));
    type(editor->cell(5, 3), QString::fromUtf8(c.typed));
    type(editor->cell(11, 3), QString::fromUtf8(c.typed));
    editor->Command2_Click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(working(m.prog, 2, 6), 22.5);
    EXPECT_EQ(working(m.prog, 5, 3), c.tank);
    EXPECT_EQ(working(m.prog, 11, 3), c.pool);
}

INSTANTIATE_TEST_SUITE_P(Cases, Notation,
                         ::testing::Values(NotationCase{"hungarian_comma", true, "22,5", "23,5", 23.5, 24},
                                           NotationCase{"hungarian_point", true, "22,5", "23.5", 23.5, 24},
                                           NotationCase{"english_point", false, "22.5", "22.5", 22.5, 22},
                                           NotationCase{"english_comma", false, "22.5", "22,5", 22.5, 22}));

TEST_F(Editor, AnAccessKeyReadsTheCellStillBeingTyped) {
    editor->show();
    editor->activateWindow();
    QApplication::setActiveWindow(editor.get());
    type(editor->cell(7, 10), QStringLiteral("12,5"));
    ASSERT_EQ(editor->focusWidget(), editor->cell(7, 10));
    QTest::keyClick(editor->cell(7, 10), Qt::Key_O, Qt::AltModifier);  // "&OK"
    QTest::qWait(300);                                                 // the button's animated click
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(working(m.prog, 7, 10), 12.5);
    EXPECT_EQ(autkiirasCalls, 1);
}

// ================================================================================
// Opened from the settings window
// ================================================================================

class FromSettings : public testing::SettingsOpen {
protected:
    Automatika* openEditor() {
        w->Command13->click();
        Automatika* e = w->controllerEditor;
        EXPECT_NE(e, nullptr);
        return e;
    }
};

TEST_F(FromSettings, TheButtonSwitchesToTheAnnualProgrammeThenOpensTheEditorModally) {
    ASSERT_TRUE(w->Option16[0]->isChecked());
    Automatika* e = openEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(w->Option16[1]->isChecked());
    EXPECT_EQ(m().s.BeallAutomod.d(), 1);
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Jan."));
    EXPECT_TRUE(e->isVisible());
    EXPECT_TRUE(e->isModal());
    EXPECT_EQ(e->parentWidget(), w);
    EXPECT_EQ(e->cell(11, 1)->text(), QStringLiteral("30"));
    EXPECT_EQ(e->focusWidget(), e->Text1);
    e->Label4_Click(1);
    QTest::keyClick(e->Text1, Qt::Key_Return);  // no default button: Enter does nothing
    QTest::qWait(300);
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->Text1->text(), QStringLiteral("10"));
    e->Command3_Click();
    EXPECT_FALSE(e->isVisible());
    EXPECT_TRUE(w->Option16[1]->isChecked());  // the settings window stays in annual mode
    EXPECT_EQ(openEditor(), e);                // one editor, opened again
}

TEST_F(FromSettings, OkShowsTheEditedMonthInTheSettingsWindow) {
    w->Option16[1]->click();
    RepeatButton* next = w->Command11[0];
    next->setManualClock(true);
    for (int i = 0; i < 2; ++i) {  // on to March
        QTest::mousePress(next, Qt::LeftButton);
        next->tick();
        QTest::mouseRelease(next, Qt::LeftButton);
        for (int t = 0; t < 3; ++t) next->tick();
    }
    ASSERT_EQ(w->Label24_2->text(), QStringLiteral("Márc."));
    Automatika* e = openEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(w->Label24_2->text(), QStringLiteral("Márc."));  // already annual: the month stays
    e->Text_Click(5, 3);
    e->Text1->setText(QStringLiteral("85"));
    e->Command4_Click();
    e->cell(1, 3)->setFocus();
    e->cell(1, 3)->selectAll();
    QTest::keyClicks(e->cell(1, 3), QStringLiteral("12,5"));
    e->Frame1_MouseDown(kRightButton, monthLeft(3) + 10, 3650);
    e->Command2->click();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(w->Text17->text(), QStringLiteral("85"));
    EXPECT_EQ(w->Text13->text(), QStringLiteral("12,5"));
    EXPECT_EQ(w->Text14->text(), QStringLiteral("10"));
    EXPECT_FALSE(w->Check[4]->isChecked());
    EXPECT_TRUE(w->Check[1]->isChecked());
    EXPECT_EQ(m().prog.BeallAutMaxhofok2(1, 3).d(), 85);
    EXPECT_EQ(m().prog.BeallAutMaxhofok2(1, 2).d(), 70);
    EXPECT_EQ(m().prog.BeallAutBekapcsdT1(1, 3).d(), 12.5);
    EXPECT_EQ(m().prog.BeallAutBeKiMed(1, 3), 0);
    EXPECT_EQ(m().prog.AutMaxhofok2(1, 3).d(), 70);  // the active copy waits for the settings window's OK
}

TEST_F(FromSettings, AnEditedProgrammeReachesTheCalculationOnlyThroughBothOks) {
    const QStringList constant = annualRun();

    // Unchanged, the annual programme computes what the constant set did.
    Automatika* e = openEditor();
    ASSERT_NE(e, nullptr);
    e->Command2_Click();
    w->Command1_Click();
    EXPECT_EQ(m().s.Automod.d(), 1);
    EXPECT_EQ(annualRun(), constant);

    // Tank 1 off in summer: less solar heat.
    calc->Command1_Click();
    e = openEditor();
    for (int month = 6; month <= 8; ++month) e->Frame1_MouseDown(kRightButton, monthLeft(month) + 10, 1200);
    e->Command2_Click();
    w->Command1_Click();
    EXPECT_EQ(m().prog.AutBeKi1(1, 7).d(), 0);
    const QStringList summerOff = annualRun();
    EXPECT_NE(summerOff, constant);

    // Edited, then "&Mégsem" in the editor: the next run is the same.
    calc->Command1_Click();
    e = openEditor();
    for (int month = 1; month <= 12; ++month) e->Frame1_MouseDown(kRightButton, monthLeft(month) + 10, 1200);
    e->Command3_Click();
    w->Command1_Click();
    EXPECT_EQ(annualRun(), summerOff);

    // Edited and handed back, then "&Mégsem" in the settings window: the same again.
    calc->Command1_Click();
    e = openEditor();
    e->Label4_Click(2);
    e->Text1->setText(QStringLiteral("40"));
    e->Command4_Click();
    e->Command2_Click();
    EXPECT_EQ(m().prog.BeallAutMaxhofok1(1, 5).d(), 40);
    w->Command2_Click();
    EXPECT_EQ(m().prog.BeallAutMaxhofok1(1, 5).d(), 70);
    EXPECT_EQ(annualRun(), summerOff);
}

}  // namespace
}  // namespace nk::ui
