#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "state/catalogue_edit.h"
#include "state/defaults.h"

namespace nk {
namespace {

class CatalogueEdit : public ::testing::Test {
protected:
    void SetUp() override { Alapertekek(m); }
    int add(int type, const std::string& name, double a = 0.7) {
        return addCollectorModel(m.kat, type, name, {2.5f, Var(a), Var(3.5), 0.02f});
    }
    int bound() const { return m.kat.KatNev.bounds(1).hi; }
    Model m;
};

TEST_F(CatalogueEdit, AnAddRaisesTheBoundOnlyWhenATypeOutgrowsIt) {
    // Type 3 holds two models: a third fits under the bound of 3.
    EXPECT_EQ(add(3, "Harmadik"), 2);
    EXPECT_EQ(m.kat.KatDarab(3), 3);
    EXPECT_EQ(m.kat.KatMaxIndex, 3);
    EXPECT_EQ(bound(), 8);  // as allocated at start-up: nothing resized

    // A fourth model of type 5 raises the bound to 4 and resizes to it.
    EXPECT_EQ(add(5, "Saját", 0.55), 3);
    EXPECT_EQ(m.kat.KatDarab(5), 4);
    EXPECT_EQ(m.kat.KatMaxIndex, 4);
    EXPECT_EQ(bound(), 4);
    EXPECT_EQ(m.kat.KatNev(5, 3), "Saját");
    EXPECT_EQ(m.kat.KatFelulet(5, 3), 2.5f);
    EXPECT_EQ(m.kat.KatA(5, 3).d(), 0.55);
    EXPECT_EQ(m.kat.KatB(5, 3).d(), 3.5);
    EXPECT_EQ(m.kat.KatC(5, 3), 0.02f);
    EXPECT_EQ(m.kat.KatNev(3, 2), "Harmadik");  // kept through the resize
    EXPECT_EQ(m.kat.KatNev(5, 2), "Brimstell R400");

    EXPECT_EQ(add(5, "Még egy"), 4);
    EXPECT_EQ(m.kat.KatMaxIndex, 5);
    EXPECT_EQ(bound(), 5);
}

TEST_F(CatalogueEdit, ADeleteMovesTheLaterRowsUpAndShrinksTheBound) {
    add(5, "Első");
    add(5, "Második", 0.6);
    add(5, "Harmadik", 0.65);
    ASSERT_EQ(m.kat.KatMaxIndex, 6);
    deleteCollectorModel(m, 5, 4);
    EXPECT_EQ(m.kat.KatDarab(5), 5);
    EXPECT_EQ(m.kat.KatNev(5, 3), "Első");
    EXPECT_EQ(m.kat.KatNev(5, 4), "Harmadik");
    EXPECT_EQ(m.kat.KatA(5, 4).d(), 0.65);
    EXPECT_EQ(m.kat.KatMaxIndex, 5);
    EXPECT_EQ(bound(), 5);
    deleteCollectorModel(m, 5, 3);
    deleteCollectorModel(m, 5, 3);
    EXPECT_EQ(m.kat.KatDarab(5), 3);
    EXPECT_EQ(m.kat.KatMaxIndex, 3);  // the largest count of types 1..6
    EXPECT_EQ(bound(), 3);
    EXPECT_EQ(m.kat.KatNev(5, 2), "Brimstell R400");
}

// Both collector choices keep naming their models when a row of their type goes.
struct ShiftCase {
    const char* name;
    int activeType, activeModel;
    int workingType, workingModel;
    int deleted;  // model of type 5
    int activeAfter, workingAfter;
};
void PrintTo(const ShiftCase& c, std::ostream* os) { *os << c.name; }

class ChoiceShifts : public CatalogueEdit, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ChoiceShifts, FollowTheirRows) {
    const ShiftCase& c = GetParam();
    for (const char* name : {"U3", "U4", "U5", "U6"}) add(5, name);  // models 3..6
    m.s.Kollektortipus = c.activeType;
    m.s.Kollektormodell = c.activeModel;
    m.s.BeallKollektortipus = Integer(c.workingType);
    m.s.BeallKollektormodell = Integer(c.workingModel);
    const std::string activeName = m.kat.KatNev(c.activeType, c.activeModel);
    deleteCollectorModel(m, 5, c.deleted);
    EXPECT_EQ(ix(m.s.Kollektormodell), c.activeAfter);
    EXPECT_EQ(m.s.Kollektormodell.kind(), VKind::Integer);
    EXPECT_EQ(m.s.BeallKollektormodell, c.workingAfter);
    EXPECT_EQ(m.kat.KatNev(c.activeType, c.activeAfter), activeName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChoiceShifts,
    ::testing::Values(ShiftCase{"both_past_the_row", 5, 6, 5, 5, 4, 5, 4},
                      ShiftCase{"both_before_the_row", 5, 2, 5, 3, 4, 2, 3},
                      ShiftCase{"working_on_the_row_falls_to_the_first", 5, 6, 5, 4, 4, 5, 0},
                      ShiftCase{"other_types_stay", 3, 1, 2, 1, 3, 1, 1},
                      ShiftCase{"last_row", 5, 3, 5, 3, 6, 3, 3}));

// The choice the editor opened on, through the rows deleted while it was open,
// and where leaving without handing back puts the working choice.
struct RestoreCase {
    const char* name;
    int openedType, openedModel;
    std::vector<int> deleted;  // models of type 5, in the order deleted
    int restoredModel;
    const char* restoredName;
};
void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }

class WorkingChoiceRestored : public CatalogueEdit, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(WorkingChoiceRestored, ToTheOpenedModelOrTheNearestLeft) {
    const RestoreCase& c = GetParam();
    for (const char* name : {"U3", "U4", "U5"}) add(5, name);  // models 3..5
    m.s.BeallKollektortipus = Integer(c.openedType);
    m.s.BeallKollektormodell = Integer(c.openedModel);
    CollectorChoice opened = workingCollector(m.s);
    for (int model : c.deleted) {
        m.s.BeallKollektortipus = 2;  // the editor shows another type meanwhile
        m.s.BeallKollektormodell = 1;
        deleteCollectorModel(m, 5, model);
        followDeletion(opened, 5, model);
    }
    restoreWorkingCollector(m.s, m.kat, opened);
    EXPECT_EQ(m.s.BeallKollektortipus, c.openedType);
    EXPECT_EQ(m.s.BeallKollektormodell, c.restoredModel);
    EXPECT_EQ(m.kat.KatNev(c.openedType, c.restoredModel), c.restoredName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkingChoiceRestored,
    ::testing::Values(RestoreCase{"nothing_deleted", 5, 4, {}, 4, "U4"},
                      RestoreCase{"a_row_before_goes", 5, 5, {3}, 4, "U5"},
                      RestoreCase{"a_row_after_goes", 5, 3, {5}, 3, "U3"},
                      RestoreCase{"its_row_goes_the_next_takes_its_place", 5, 3, {3}, 3, "U4"},
                      RestoreCase{"the_last_row_goes", 5, 5, {5}, 4, "U4"},
                      RestoreCase{"every_added_row_goes", 5, 5, {3, 3, 3}, 2, "Brimstell R400"},
                      RestoreCase{"another_type_stays", 3, 1, {3, 3}, 1, "Heliovant HV 330"}));

TEST_F(CatalogueEdit, ActiveCollectorAndProtectedNames) {
    EXPECT_TRUE(isActiveCollector(m.s, 3, 0));
    EXPECT_FALSE(isActiveCollector(m.s, 3, 1));
    EXPECT_FALSE(isActiveCollector(m.s, 2, 0));
    for (const char* name : {"Heliovant HV 330", "Heliovant HV 400 kriptonnal", "Brimstell R300", "Brimstell R400"})
        EXPECT_TRUE(isProtectedCollectorName(name)) << name;
    for (const char* name : {"Heliovant HV 300", "Brimstell R200", "brimstell R300", "Brimstell R300 ", ""})
        EXPECT_FALSE(isProtectedCollectorName(name)) << name;
}

TEST_F(CatalogueEdit, StoringFiguresKeepsTheName) {
    add(4, "Saját");
    storeCollectorFigures(m, 4, 1, {3.25f, Var(0.81), Var(2.5), 0.004f});
    EXPECT_EQ(m.kat.KatNev(4, 1), "Saját");
    EXPECT_EQ(m.kat.KatFelulet(4, 1), 3.25f);
    EXPECT_EQ(m.kat.KatA(4, 1).d(), 0.81);
    EXPECT_EQ(m.kat.KatB(4, 1).d(), 2.5);
    EXPECT_EQ(m.kat.KatC(4, 1), 0.004f);
}

// The catalogue holds one copy of a model: a change to the model the active
// settings use reaches what is calculated, printed and saved at once, and
// the total area is formed as the settings window forms it.
TEST_F(CatalogueEdit, TheActiveSettingsFollowAChangeToTheirModel) {
    const int user = add(3, "Y3");
    const struct {
        int model;
        bool follows;
    } cases[] = {{user, true}, {0, false}};
    for (const auto& c : cases) {
        m.s.Kollektortipus = 3;
        m.s.Kollektormodell = user;
        m.s.Kollektorszam = 3;
        m.s.Kollektorfelulet = 7.5f;
        m.s.Osszfelulet = 22.5;
        m.s.KollA = m.s.KollB = m.s.KollC = Var(0.5);
        storeCollectorFigures(m, 3, c.model, {9.5f, Var(0.75), Var(3.25), 0.015f});
        EXPECT_EQ(m.s.Kollektorfelulet.d(), c.follows ? 9.5 : 7.5) << c.model;
        EXPECT_EQ(m.s.Osszfelulet.d(), c.follows ? 28.5 : 22.5) << c.model;
        EXPECT_EQ(m.s.KollA.d(), c.follows ? 0.75 : 0.5) << c.model;
        EXPECT_EQ(m.s.KollB.d(), c.follows ? 3.25 : 0.5) << c.model;
        EXPECT_EQ(m.s.KollC.d(), c.follows ? double(0.015f) : 0.5) << c.model;
    }
}

TEST(TotalCollectorArea, IsTheShownAreaTimesTheCountToHundredths) {
    EXPECT_EQ(totalCollectorArea(1.78f, 3), 5.34f);  // not 1.7799999713897705 × 3
    EXPECT_EQ(totalCollectorArea(9.5f, 3), 28.5f);
    EXPECT_EQ(totalCollectorArea(2.345f, 1), 2.35f);
    EXPECT_EQ(totalCollectorArea(1234.5f, 2), 2469.0f);
}

}  // namespace
}  // namespace nk
