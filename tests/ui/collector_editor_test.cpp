#include <QApplication>
#include <functional>
#include <ostream>
#include <tuple>

#include "state/field_check.h"
#include "ui/editors/collector_editor.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_window.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

// The settings window open, and the catalogue editor opened from it.
class CollectorEditor : public testing::SettingsOpen {
protected:
    void SetUp() override {
        SettingsOpen::SetUp();
        if (HasFatalFailure()) return;
        openEditor();
    }
    void openEditor() {
        w->Command6_Click();
        e = w->collectorEditor;
        ASSERT_TRUE(e);
        for (RepeatButton* b : e->Command5) b->setManualClock(true);
    }
    // Types into a field and leaves it; true when the entry was accepted.
    bool enter(FieldEdit* edit, const QString& text) {
        type(edit, text);
        return e->commitEdits();
    }
    // Presses an arrow, keeps it down over `ticks` ticks; released unless told.
    void hold(int index, int ticks, bool release = true) {
        RepeatButton* b = e->Command5[std::size_t(index)];
        QTest::mousePress(b, Qt::LeftButton);
        for (int i = 0; i < ticks && b->running(); ++i) b->tick();
        if (!release) return;
        QTest::mouseRelease(b, Qt::LeftButton);
        for (int i = 0; i < 2; ++i) b->tick();  // a step due at the first tick, then the end
    }
    void chooseType(int type) {
        e->Combo3->setCurrentIndex(type - 1);
        e->Combo3_Click();
    }
    void chooseModel(int model) {
        e->Combo1->setCurrentIndex(model);
        e->Combo1_Click();
    }
    // Adds a model to the type shown, answering Yes.
    void addModel(const QString& name) {
        e->Text1->setText(name);
        messages.answers = {Answer::Yes};
        e->Command3->click();
    }
    void closeWithBezar() {
        e->Command2->click();
        QApplication::processEvents();
        EXPECT_FALSE(w->collectorEditor);
    }
    QStringList items(const QComboBox* c) const {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    }
    const testing::ScriptedMessages::Shown& lastMessage() const { return messages.shown.back(); }

    Hatasfok* e = nullptr;
};

TEST_F(CollectorEditor, OpensModallyOnTheWorkingChoice) {
    EXPECT_TRUE(e->isVisible());
    EXPECT_TRUE(e->isModal());
    EXPECT_EQ(e->windowTitle(), QStringLiteral("  Új napkollektor felvétele"));
    EXPECT_EQ(e->size(), QSize(621, 329));
    EXPECT_EQ(e->palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(items(e->Combo3),
              (QStringList{"Vákuumcsöves kollektor", "Vákuumos síkkollektor", "Szelektív síkkollektor",
                           "Nem szelektív síkkollektor", "Lefedés nélküli kollektor", "Egyedi kollektor"}));
    EXPECT_EQ(e->Combo3->currentIndex(), 2);
    EXPECT_EQ(items(e->Combo1), (QStringList{"Heliovant HV 300", "Heliovant HV 330"}));
    EXPECT_EQ(e->Combo1->currentIndex(), 0);
    EXPECT_TRUE(e->Text1->text().isEmpty());
    EXPECT_EQ(e->Text2->text(), QStringLiteral("1,78"));
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,798"));
    EXPECT_EQ(e->Text4->text(), QStringLiteral("4,17"));
    EXPECT_EQ(e->Text5->text(), QStringLiteral("0,011"));
    EXPECT_EQ(e->Text6->text(), QStringLiteral("800"));
    EXPECT_EQ(e->remembered().Amezo, QStringLiteral("0,798"));
    EXPECT_EQ(e->remembered().Cmezo, QStringLiteral("0,011"));
    EXPECT_EQ(e->Frame1->title(), QStringLiteral("A napkollektor hatásfok állandói"));
    // The Gk arrows lie past the right edge of the window.
    EXPECT_GE(e->Command5[6]->x(), e->width());
    EXPECT_LT(e->Command5[5]->mapTo(e, QPoint(0, 0)).x() + e->Command5[5]->width(), e->width());
}

TEST_F(CollectorEditor, TheSettingsWindowsButtonOpensIt) {
    e->reject();
    QApplication::processEvents();
    ASSERT_FALSE(w->collectorEditor);
    m().s.BeallKollektortipus = 5;  // what the settings window chose
    m().s.BeallKollektormodell = 2;
    QTest::mouseClick(w->Command6, Qt::LeftButton);
    ASSERT_TRUE(w->collectorEditor);
    EXPECT_TRUE(w->collectorEditor->isVisible());
    EXPECT_EQ(w->collectorEditor->Combo1->currentText(), QStringLiteral("Brimstell R400"));
    EXPECT_EQ(w->collectorEditor->Text2->text(), QStringLiteral("4,8"));
    EXPECT_EQ(w->collectorEditor->Text4->text(), QStringLiteral("11"));
}

// --- The fields ----------------------------------------------------------------------------

struct FieldCase {
    const char* name;
    FieldEdit* Hatasfok::*field;
    const char* typed;
    const char* message;  // empty: accepted
    const char* shown;    // the field afterwards
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class Fields : public CollectorEditor, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(Fields, CheckRoundAndRestore) {
    const FieldCase& c = GetParam();
    FieldEdit* edit = e->*c.field;
    const bool accepted = enter(edit, QString::fromUtf8(c.typed));
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(messages.shown.empty());
    } else {
        EXPECT_FALSE(accepted);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(lastMessage().text, QString::fromUtf8(c.message));
        EXPECT_EQ(lastMessage().title, QStringLiteral("HIBÁS ADAT"));
        EXPECT_EQ(lastMessage().icon, MsgIcon::Exclamation);
    }
    // The catalogue changes only by "&Módosít" and "&Felvesz".
    EXPECT_EQ(m().kat.KatFelulet(3, 0), 1.78f);
    EXPECT_EQ(m().kat.KatA(3, 0).d(), 0.798);
}

constexpr const char* kNaN = "Adjon meg számot!";
constexpr const char* kArea = "A kollektor hasznos felülete  1 és 10 m2 között lehet!";
constexpr const char* kA = "A hatásfok állandója  (A)  0,1 és 1 között lehet!";
constexpr const char* kB = "A hatásfok állandója (B) 0,5 és 20 között lehet!";
constexpr const char* kC = "A hatásfok állandója (C) 0,001 és 0,1 között lehet!";
constexpr const char* kGk = "A globális napsugárzás (Gk) értéke 100 és 1000 W/m2 között lehet!";

INSTANTIATE_TEST_SUITE_P(
    Cases, Fields,
    ::testing::Values(FieldCase{"area_three_decimals", &Hatasfok::Text2, "2,34567", "", "2,346"},
                      FieldCase{"area_bounds_accepted", &Hatasfok::Text2, "10", "", "10"},
                      FieldCase{"area_low", &Hatasfok::Text2, "0,5", kArea, "1,78"},
                      FieldCase{"area_high", &Hatasfok::Text2, "11", kArea, "1,78"},
                      FieldCase{"area_text", &Hatasfok::Text2, "nagy", kNaN, "1,78"},
                      FieldCase{"area_point_is_no_number", &Hatasfok::Text2, "2.5", kNaN, "1,78"},
                      FieldCase{"a_accepted", &Hatasfok::Text3, "0,80", "", "0,8"},
                      FieldCase{"a_rounded", &Hatasfok::Text3, "0,7985", "", "0,799"},
                      FieldCase{"a_upper_bound", &Hatasfok::Text3, "1", "", "1"},
                      FieldCase{"a_high", &Hatasfok::Text3, "1,2", kA, "0,798"},
                      FieldCase{"a_low", &Hatasfok::Text3, "0,09", kA, "0,798"},
                      FieldCase{"a_empty", &Hatasfok::Text3, "", kNaN, "0,798"},
                      FieldCase{"b_upper_bound", &Hatasfok::Text4, "20", "", "20"},
                      FieldCase{"b_low", &Hatasfok::Text4, "0,4", kB, "4,17"},
                      FieldCase{"b_text", &Hatasfok::Text4, "x", kNaN, "4,17"},
                      FieldCase{"c_lower_bound", &Hatasfok::Text5, "0,001", "", "0,001"},
                      FieldCase{"c_rounded", &Hatasfok::Text5, "0,0456", "", "0,046"},
                      FieldCase{"c_low", &Hatasfok::Text5, "0,0005", kC, "0,011"},
                      FieldCase{"c_high", &Hatasfok::Text5, "0,2", kC, "0,011"},
                      FieldCase{"gk_rounded_half_up", &Hatasfok::Text6, "449,5", "", "450"},
                      FieldCase{"gk_high", &Hatasfok::Text6, "1001", kGk, "800"},
                      FieldCase{"gk_text", &Hatasfok::Text6, "sok", kNaN, "800"}));

TEST_F(CollectorEditor, EnterInAFieldChecksItAndPressesNoButton) {
    type(e->Text3, QStringLiteral("0,85"));
    QTest::keyClick(e->Text3, Qt::Key_Return);
    EXPECT_TRUE(e->isVisible());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(m().kat.KatDarab(3), 2);
    EXPECT_TRUE(e->commitEdits());
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,85"));
}

TEST_F(CollectorEditor, ARefusedEntryReturnsToTheLastAcceptedOne) {
    ASSERT_TRUE(enter(e->Text3, QStringLiteral("0,85")));
    EXPECT_FALSE(enter(e->Text3, QStringLiteral("5")));
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,85"));
    ASSERT_TRUE(enter(e->Text2, QStringLiteral("2,5")));
    EXPECT_FALSE(enter(e->Text2, QStringLiteral("20")));
    EXPECT_EQ(e->Text2->text(), QStringLiteral("2,5"));
    ASSERT_TRUE(enter(e->Text6, QStringLiteral("600")));
    EXPECT_EQ(m().s.Gkertek, 600.0f);
    EXPECT_FALSE(enter(e->Text6, QStringLiteral("50")));
    EXPECT_EQ(e->Text6->text(), QStringLiteral("600"));
}

TEST_F(CollectorEditor, GkKeepsItsValueButEveryOpeningShowsTheDesigns) {
    ASSERT_TRUE(enter(e->Text6, QStringLiteral("350")));
    e->reject();
    QApplication::processEvents();
    openEditor();
    EXPECT_EQ(e->Text6->text(), QStringLiteral("800"));
    EXPECT_EQ(m().s.Gkertek, 350.0f);
    EXPECT_FALSE(enter(e->Text6, QStringLiteral("2000")));
    EXPECT_EQ(e->Text6->text(), QStringLiteral("350"));
}

// --- The arrows ----------------------------------------------------------------------------

struct ArrowCase {
    const char* name;
    int index;
    FieldEdit* Hatasfok::*field;
    const char* start;  // entered before the press
    int ticks;          // held for
    const char* shown;  // the field afterwards
    double hi;          // the field's upper bound
};
void PrintTo(const ArrowCase& c, std::ostream* os) { *os << c.name; }

class Arrows : public CollectorEditor, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(Arrows, StepOncePerTickAndStayInsideTheFieldsBounds) {
    const ArrowCase& c = GetParam();
    FieldEdit* edit = e->*c.field;
    ASSERT_TRUE(enter(edit, QString::fromUtf8(c.start)));
    hold(c.index, c.ticks);
    EXPECT_FALSE(e->Command5[std::size_t(c.index)]->running());
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
    // Whatever the arrows leave, the field's own check accepts.
    const auto v = localeRead(utf8(edit->text()), NumberLocale::decimalComma());
    ASSERT_TRUE(v);
    EXPECT_LE(*v, c.hi);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(m().kat.KatA(3, 0).d(), 0.798);  // nothing stored
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Arrows,
    ::testing::Values(
        // A click released before the first tick: exactly one step, to two decimals.
        ArrowCase{"a_click_rounds_to_two_decimals", 0, &Hatasfok::Text3, "0,798", 0, "0,81", 1},
        ArrowCase{"a_held_five_ticks", 0, &Hatasfok::Text3, "0,5", 5, "0,55", 1},
        ArrowCase{"a_down_held", 1, &Hatasfok::Text3, "0,5", 3, "0,47", 1},
        // Held long: up to the bound, and no further.
        ArrowCase{"a_up_to_its_bound", 0, &Hatasfok::Text3, "0,1", 500, "1", 1},
        ArrowCase{"a_down_to_its_bound", 1, &Hatasfok::Text3, "0,3", 500, "0,1", 1},
        // A third decimal within half a step of the bound: the step stops at it.
        ArrowCase{"a_third_decimal_near_the_top", 0, &Hatasfok::Text3, "0,996", 500, "1", 1},
        ArrowCase{"a_third_decimal_near_the_bottom", 1, &Hatasfok::Text3, "0,104", 500, "0,1", 1},
        ArrowCase{"b_third_decimal_near_the_top", 2, &Hatasfok::Text4, "19,996", 500, "20", 20},
        ArrowCase{"b_third_decimal_near_the_bottom", 3, &Hatasfok::Text4, "0,504", 500, "0,5", 20},
        // The step limit: 100 steps per press.
        ArrowCase{"b_stops_after_one_hundred_steps", 2, &Hatasfok::Text4, "0,5", 500, "1,5", 20},
        ArrowCase{"c_down_ten_steps_to_its_bound", 5, &Hatasfok::Text5, "0,011", 500, "0,001", 0.1},
        ArrowCase{"c_up_five_steps_to_its_bound", 4, &Hatasfok::Text5, "0,095", 500, "0,1", 0.1},
        ArrowCase{"gk_up_to_its_bound", 6, &Hatasfok::Text6, "950", 500, "1000", 1000},
        ArrowCase{"gk_down_held", 7, &Hatasfok::Text6, "450", 2, "250", 1000}));

TEST_F(CollectorEditor, AnArrowStartsWithAnyMouseButton) {
    RepeatButton* b = e->Command5[0];  // A up, from 0,798
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(b, button);
        b->tick();
        QTest::mouseRelease(b, button);
        for (int i = 0; i < 2; ++i) b->tick();
        EXPECT_FALSE(b->running());
    }
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,82"));
}

TEST_F(CollectorEditor, AHeldArrowCountsItsTicks) {
    RepeatButton* up = e->Command5[0];
    ASSERT_TRUE(enter(e->Text3, QStringLiteral("0,1")));
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,1"));  // nothing before the first tick
    for (int i = 0; i < 89; ++i) up->tick();
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,99"));
    up->tick();
    EXPECT_EQ(e->Text3->text(), QStringLiteral("1"));  // 90 steps
    EXPECT_TRUE(up->running());
    up->tick();
    EXPECT_FALSE(up->running());  // the bound ends it at the next tick, still held
    EXPECT_EQ(e->remembered().Amezo, QStringLiteral("1"));

    // At the bound: no step, and the repeat ends at the second tick.
    QTest::mouseRelease(up, Qt::LeftButton);
    QTest::mousePress(up, Qt::LeftButton);
    up->tick();
    EXPECT_TRUE(up->running());
    up->tick();
    EXPECT_FALSE(up->running());
    EXPECT_EQ(e->Text3->text(), QStringLiteral("1"));
}

TEST_F(CollectorEditor, AHeldArrowStopsAtReleaseAndWhenTheWindowCloses) {
    RepeatButton* down = e->Command5[3];
    hold(3, 4, false);
    EXPECT_EQ(e->Text4->text(), QStringLiteral("4,13"));
    QTest::mouseRelease(down, Qt::LeftButton);
    down->tick();
    EXPECT_FALSE(down->running());
    EXPECT_EQ(e->Text4->text(), QStringLiteral("4,13"));

    hold(3, 2, false);
    EXPECT_TRUE(down->running());
    e->reject();  // the close box or Escape, the arrow still held
    EXPECT_FALSE(down->running());
    EXPECT_EQ(m().kat.KatB(3, 0).d(), 4.17);
}

TEST_F(CollectorEditor, AnArrowChecksTheFieldBeingEditedBeforeReadingIt) {
    type(e->Text3, QStringLiteral("0,5"));  // not yet left
    hold(0, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,51"));

    type(e->Text3, QStringLiteral("sok"));
    hold(0, 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("Adjon meg számot!"));
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,51"));  // restored, and no step taken

    type(e->Text5, QStringLiteral("0,5"));  // another field, out of its range
    hold(0, 3);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(lastMessage().text, QString::fromUtf8(kC));
    EXPECT_EQ(e->Text5->text(), QStringLiteral("0,011"));
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,51"));
}

// --- Choosing a type and a model --------------------------------------------------------------

TEST_F(CollectorEditor, ChoosingATypeOrAModelShowsItsRow) {
    chooseType(5);
    EXPECT_EQ(m().s.BeallKollektortipus, 5);
    EXPECT_EQ(m().s.BeallKollektormodell, 0);
    EXPECT_EQ(items(e->Combo1), (QStringList{"Brimstell R200", "Brimstell R300", "Brimstell R400"}));
    EXPECT_EQ(e->Combo1->currentIndex(), 0);
    EXPECT_EQ(e->Text2->text(), QStringLiteral("2,4"));
    chooseModel(2);
    EXPECT_EQ(m().s.BeallKollektormodell, 2);
    EXPECT_EQ(e->Text2->text(), QStringLiteral("4,8"));
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,9"));
    EXPECT_EQ(e->Text4->text(), QStringLiteral("11"));
    EXPECT_EQ(e->Text5->text(), QStringLiteral("0,08"));
    EXPECT_EQ(e->remembered().Bmezo, QStringLiteral("11"));
    chooseType(5);  // the same type again: nothing changes
    EXPECT_EQ(m().s.BeallKollektormodell, 2);
    EXPECT_EQ(e->Combo1->currentIndex(), 2);
    chooseType(2);
    EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("Heliovant HV 400 vákuummal"));
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,801"));
}

// --- "&Felvesz" --------------------------------------------------------------------------------

TEST_F(CollectorEditor, AddingAsksAndRaisesTheCatalogueBound) {
    e->Command3->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("Adja meg az új kolletor nevét!"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Új kollektor felvétele"));
    EXPECT_EQ(lastMessage().icon, MsgIcon::Exclamation);

    chooseType(5);
    e->Text1->setText(QStringLiteral("Saját"));
    e->Command3->click();  // answered No
    EXPECT_EQ(lastMessage().text,
              QStringLiteral("Valóban fel kívánja venni a Saját nevű kollektort a(z) Lefedés nélküli kollektorok közé?"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Új kollektor felvétele"));
    EXPECT_EQ(lastMessage().icon, MsgIcon::Question);
    EXPECT_EQ(m().kat.KatDarab(5), 3);
    EXPECT_EQ(e->Text1->text(), QStringLiteral("Saját"));

    enter(e->Text2, QStringLiteral("3,25"));
    enter(e->Text3, QStringLiteral("0,7"));
    enter(e->Text5, QStringLiteral("0,012"));
    addModel(QStringLiteral("Saját"));
    EXPECT_EQ(m().kat.KatDarab(5), 4);
    EXPECT_EQ(m().kat.KatMaxIndex, 4);
    EXPECT_EQ(m().kat.KatNev.bounds(1).hi, 4);
    EXPECT_EQ(m().kat.KatNev(5, 3), "Saját");
    EXPECT_EQ(m().kat.KatFelulet(5, 3), 3.25f);
    EXPECT_EQ(m().kat.KatA(5, 3).d(), 0.7);
    EXPECT_EQ(m().kat.KatB(5, 3).d(), 11);
    EXPECT_EQ(m().kat.KatC(5, 3), 0.012f);
    EXPECT_EQ(m().s.BeallKollektormodell, 3);
    EXPECT_EQ(items(e->Combo1).last(), QStringLiteral("Saját"));
    EXPECT_EQ(e->Combo1->currentIndex(), 3);
    EXPECT_EQ(e->Text3->text(), QStringLiteral("0,7"));
    EXPECT_TRUE(e->Text1->text().isEmpty());
    // A built-in model stands first in its list: the new one can be added anywhere.
    chooseType(3);
    addModel(QStringLiteral("Harmadik"));
    EXPECT_EQ(m().kat.KatDarab(3), 3);
    EXPECT_EQ(m().kat.KatMaxIndex, 4);  // no type outgrew it
}

TEST_F(CollectorEditor, AddingChecksTheFieldBeingEditedFirst) {
    chooseType(4);
    type(e->Text3, QStringLiteral("0,66"));  // still in the field
    addModel(QStringLiteral("Gyors"));
    EXPECT_EQ(m().kat.KatA(4, 1).d(), 0.66);

    type(e->Text4, QStringLiteral("hat"));
    addModel(QStringLiteral("Hibás"));
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(lastMessage().text, QStringLiteral("Adjon meg számot!"));
    EXPECT_EQ(m().kat.KatDarab(4), 2);  // refused: nothing added
    EXPECT_EQ(e->Text4->text(), QStringLiteral("6"));
}

// --- "&Módosít" --------------------------------------------------------------------------------

struct ProtectedCase {
    const char* name;
    int type, model;
    const char* userName;  // a user model added first under this name, or empty
};
void PrintTo(const ProtectedCase& c, std::ostream* os) { *os << c.name; }

class ProtectedModels : public CollectorEditor, public ::testing::WithParamInterface<ProtectedCase> {};

TEST_P(ProtectedModels, RefuseModifyAndDelete) {
    const ProtectedCase& c = GetParam();
    chooseType(c.type);
    if (*c.userName) addModel(QString::fromUtf8(c.userName));
    chooseModel(c.model);
    messages.shown.clear();
    const std::string name = m().kat.KatNev(c.type, c.model);
    enter(e->Text3, QStringLiteral("0,5"));
    e->Command1->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("A kiválasztott napkollektor adatait nem lehet módosítani!"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Napkollektor adatok módosítása"));
    EXPECT_EQ(lastMessage().icon, MsgIcon::Exclamation);
    e->Command4->click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("A kiválasztott napkollektort nem lehet törölni!"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Felvett kollektor törlése"));
    EXPECT_EQ(lastMessage().icon, MsgIcon::Exclamation);
    EXPECT_NE(m().kat.KatA(c.type, c.model).d(), 0.5);
    EXPECT_EQ(m().kat.KatNev(c.type, c.model), name);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProtectedModels,
                         ::testing::Values(ProtectedCase{"first_of_a_type", 1, 0, ""},
                                           ProtectedCase{"first_of_type_five", 5, 0, ""},
                                           ProtectedCase{"built_in_name", 3, 1, ""},
                                           ProtectedCase{"built_in_name_type_two", 2, 1, ""},
                                           ProtectedCase{"user_model_with_a_built_in_name", 4, 1, "Brimstell R300"}));

TEST_F(CollectorEditor, ModifyingComparesAsksAndStores) {
    chooseType(6);
    enter(e->Text3, QStringLiteral("0,6"));
    addModel(QStringLiteral("Saját"));
    messages.shown.clear();
    messages.asked.clear();

    // Unchanged: a notice, nothing asked.
    e->Command1->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("Nem változtak a Saját nevű kollektor adatai!"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Kollektor adatok módosítása"));
    EXPECT_EQ(lastMessage().icon, MsgIcon::Information);
    EXPECT_TRUE(messages.asked.empty());

    // Declined: the fields show the stored row again, and a refused entry
    // returns to it.
    enter(e->Text2, QStringLiteral("2"));
    enter(e->Text4, QStringLiteral("3,5"));
    e->Command1->click();
    EXPECT_EQ(lastMessage().text, QStringLiteral("Valóban módosítani kívánja a Saját nevű kollektor adatait?"));
    EXPECT_EQ(lastMessage().icon, MsgIcon::Question);
    EXPECT_EQ(e->Text2->text(), QStringLiteral("1,8"));
    EXPECT_EQ(e->Text4->text(), QStringLiteral("4,17"));
    EXPECT_EQ(m().kat.KatFelulet(6, 1), 1.8f);
    EXPECT_FALSE(enter(e->Text4, QStringLiteral("50")));
    EXPECT_EQ(e->Text4->text(), QStringLiteral("4,17"));

    // Each figure alone makes a change; Yes stores all four.
    struct Change {
        FieldEdit* Hatasfok::*field;
        const char* typed;
    };
    for (const Change& ch : {Change{&Hatasfok::Text2, "2,2"}, Change{&Hatasfok::Text3, "0,61"},
                             Change{&Hatasfok::Text4, "3,5"}, Change{&Hatasfok::Text5, "0,02"}}) {
        enter(e->*ch.field, QString::fromUtf8(ch.typed));
        e->Text1->setText(QStringLiteral("marad"));
        messages.answers = {Answer::Yes};
        e->Command1->click();
        EXPECT_EQ(lastMessage().icon, MsgIcon::Question) << ch.typed;
        EXPECT_TRUE(e->Text1->text().isEmpty());
    }
    EXPECT_EQ(m().kat.KatNev(6, 1), "Saját");
    EXPECT_EQ(m().kat.KatFelulet(6, 1), 2.2f);
    EXPECT_EQ(m().kat.KatA(6, 1).d(), 0.61);
    EXPECT_EQ(m().kat.KatB(6, 1).d(), 3.5);
    EXPECT_EQ(m().kat.KatC(6, 1), 0.02f);
    EXPECT_EQ(e->Combo1->currentIndex(), 1);
    EXPECT_EQ(e->remembered().Amezo, QStringLiteral("0,61"));
}

TEST_F(CollectorEditor, ModifyingChecksTheFieldBeingEditedFirst) {
    chooseType(6);
    addModel(QStringLiteral("Saját"));
    type(e->Text5, QStringLiteral("0,0456"));  // still in the field
    messages.answers = {Answer::Yes};
    QTest::mouseClick(e->Command1, Qt::LeftButton);
    EXPECT_EQ(e->Text5->text(), QStringLiteral("0,046"));
    EXPECT_EQ(m().kat.KatC(6, 1), 0.046f);

    messages.shown.clear();
    type(e->Text2, QStringLiteral("ket"));
    QTest::mouseClick(e->Command1, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);  // the field's refusal, no question
    EXPECT_EQ(lastMessage().text, QStringLiteral("Adjon meg számot!"));
    EXPECT_EQ(e->Text2->text(), QStringLiteral("1,8"));
    EXPECT_EQ(m().kat.KatFelulet(6, 1), 1.8f);
}

// --- "&Töröl" ----------------------------------------------------------------------------------

TEST_F(CollectorEditor, DeletingTheAddedModelBringsTheCatalogueBack) {
    chooseType(5);
    addModel(QStringLiteral("Saját"));
    ASSERT_EQ(m().kat.KatMaxIndex, 4);
    messages.answers = {Answer::No};
    e->Command4->click();
    EXPECT_EQ(lastMessage().text,
              QStringLiteral("Valóban törölni kívánja a Saját nevű kollektort a(z) Lefedés nélküli kollektorok közül?"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Felvett kollektor törlése"));
    EXPECT_EQ(lastMessage().icon, MsgIcon::Question);
    EXPECT_EQ(m().kat.KatDarab(5), 4);

    e->Text1->setText(QStringLiteral("x"));
    messages.answers = {Answer::Yes};
    e->Command4->click();
    EXPECT_EQ(m().kat.KatDarab(5), 3);
    EXPECT_EQ(m().kat.KatMaxIndex, 3);
    EXPECT_EQ(m().kat.KatNev.bounds(1).hi, 3);
    EXPECT_EQ(items(e->Combo1), (QStringList{"Brimstell R200", "Brimstell R300", "Brimstell R400"}));
    EXPECT_EQ(e->Combo1->currentIndex(), 0);
    EXPECT_EQ(m().s.BeallKollektormodell, 0);
    EXPECT_EQ(e->Text2->text(), QStringLiteral("2,4"));
    EXPECT_TRUE(e->Text1->text().isEmpty());
}

TEST_F(CollectorEditor, DeletingTheMiddleOfThreeMovesTheLastUp) {
    chooseType(4);
    const struct {
        const char* name;
        const char* area;
    } added[] = {{"Egy", "2"}, {"Kettő", "3"}, {"Három", "5"}};
    for (const auto& a : added) {
        enter(e->Text2, QString::fromUtf8(a.area));
        addModel(QString::fromUtf8(a.name));
    }
    chooseModel(2);
    messages.answers = {Answer::Yes};
    e->Command4->click();
    EXPECT_EQ(items(e->Combo1), (QStringList{"Névtelen", "Egy", "Három"}));
    EXPECT_EQ(m().kat.KatNev(4, 2), "Három");
    EXPECT_EQ(m().kat.KatFelulet(4, 2), 5.0f);
    EXPECT_EQ(m().kat.KatDarab(4), 3);
    EXPECT_EQ(e->Combo1->currentIndex(), 0);
    EXPECT_EQ(e->Text2->text(), QStringLiteral("1,8"));
}

TEST_F(CollectorEditor, TheActiveCollectorStaysAndKeepsItsNameWhenRowsBeforeItGo) {
    chooseType(5);
    for (const char* name : {"U3", "U4", "U5"}) addModel(QString::fromUtf8(name));
    closeWithBezar();
    w->Command1_Click();  // OK: (5, 5) "U5" is the active collector
    ASSERT_EQ(ix(m().s.Kollektormodell), 5);
    ASSERT_EQ(m().s.Kollektorfelulet.d(), double(m().kat.KatFelulet(5, 5)));

    calc->Command1_Click();
    openEditor();
    EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("U5"));
    messages.answers = {Answer::Yes};
    e->Command4->click();  // the active one
    EXPECT_EQ(lastMessage().text, QStringLiteral("A kiválasztott napkollektort nem lehet törölni!"));
    EXPECT_EQ(m().kat.KatDarab(5), 6);

    chooseModel(3);
    messages.answers = {Answer::Yes};
    e->Command4->click();  // "U3", before it
    EXPECT_EQ(m().kat.KatDarab(5), 5);
    EXPECT_EQ(ix(m().s.Kollektormodell), 4);
    EXPECT_EQ(m().kat.KatNev(5, 4), "U5");
    EXPECT_EQ(m().s.BeallKollektormodell, 0);  // the type's first model is shown

    // Closed without handing back, then "&Mégsem": the settings window shows the
    // active collector again, by its name.
    e->reject();
    QApplication::processEvents();
    w->Command2_Click();
    EXPECT_EQ(w->Combo5->currentText(), QStringLiteral("U5"));
    EXPECT_EQ(m().s.BeallKollektormodell, 4);
    EXPECT_EQ(w->Label64->text(), QStringLiteral("2,4"));
}

// --- Handing back ------------------------------------------------------------------------------

TEST_F(CollectorEditor, BezarHandsTheChoiceToTheSettingsWindow) {
    w->Text3->setText(QStringLiteral("2"));
    m().s.BeallKollektorszam = 2;
    chooseType(5);
    enter(e->Text2, QStringLiteral("2,345"));
    enter(e->Text3, QStringLiteral("0,72"));
    enter(e->Text4, QStringLiteral("9,5"));
    enter(e->Text5, QStringLiteral("0,05"));
    addModel(QStringLiteral("Saját"));
    closeWithBezar();
    EXPECT_EQ(w->Combo3->currentText(), QStringLiteral("Lefedés nélküli kollektor"));
    EXPECT_EQ(items(w->Combo5), (QStringList{"Brimstell R200", "Brimstell R300", "Brimstell R400", "Saját"}));
    EXPECT_EQ(w->Combo5->currentIndex(), 3);
    EXPECT_EQ(w->Label10->text(), QStringLiteral("0,72"));
    EXPECT_EQ(w->Label11->text(), QStringLiteral("9,5"));
    EXPECT_EQ(w->Label61->text(), QStringLiteral("0,05"));
    EXPECT_EQ(w->Label64->text(), QStringLiteral("2,345"));
    EXPECT_EQ(w->Label65->text(), QStringLiteral("4,69"));  // 2 collectors, hundredths
    EXPECT_EQ(m().s.BeallKollektortipus, 5);
    EXPECT_EQ(m().s.BeallKollektormodell, 3);
    EXPECT_EQ(m().s.BeallOsszfelulet, 4.69f);
    EXPECT_TRUE(w->isVisible());
    // The active copies wait for the settings window's OK.
    EXPECT_EQ(ix(m().s.Kollektortipus), 3);
}

TEST_F(CollectorEditor, BezarOnTheSameTypeRefillsTheModelList) {
    addModel(QStringLiteral("Új"));
    chooseModel(1);
    closeWithBezar();
    EXPECT_EQ(w->Combo3->currentText(), QStringLiteral("Szelektív síkkollektor"));
    EXPECT_EQ(items(w->Combo5), (QStringList{"Heliovant HV 300", "Heliovant HV 330", "Új"}));
    EXPECT_EQ(w->Combo5->currentText(), QStringLiteral("Heliovant HV 330"));
    EXPECT_EQ(m().s.BeallKollektormodell, 1);
    EXPECT_EQ(w->Label65->text(), QStringLiteral("5,34"));
}

// What the user does in the editor before leaving it without "&Bezár".
enum class Edit {
    DeleteEveryAdded,  // the models added earlier, the shown one among them
    DeleteShownAdded,
    DeleteAnEarlierRow,
    ClickAnotherModel,
    ChooseAnotherType,
    AddAModel,
};
enum class Way { Escape, CloseBox };
void PrintTo(Way w, std::ostream* os) { *os << (w == Way::Escape ? "Escape" : "the close box"); }

struct LeaveCase {
    const char* name;
    Edit edit;
    int model;  // the working model afterwards, of type 3
    const char* shown;
};
void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

class LeavingWithoutBezar : public CollectorEditor,
                            public ::testing::WithParamInterface<std::tuple<LeaveCase, Way>> {
protected:
    void deleteModel(int model) {
        chooseModel(model);
        messages.answers = {Answer::Yes};
        e->Command4->click();
    }
};

TEST_P(LeavingWithoutBezar, KeepsTheSettingsWindowInStepWithTheCatalogue) {
    const auto& [c, way] = GetParam();
    const bool deleting = c.edit == Edit::DeleteEveryAdded || c.edit == Edit::DeleteShownAdded ||
                          c.edit == Edit::DeleteAnEarlierRow;
    if (deleting) {
        // Three models added and handed back: the settings window shows the last.
        for (const char* name : {"U1", "U2", "U3"}) addModel(QString::fromUtf8(name));
        closeWithBezar();
        ASSERT_EQ(w->Combo5->currentText(), QStringLiteral("U3"));
        openEditor();
    }
    switch (c.edit) {
        case Edit::DeleteEveryAdded:
            for (int i = 0; i < 3; ++i) deleteModel(2);
            break;
        case Edit::DeleteShownAdded: deleteModel(4); break;
        case Edit::DeleteAnEarlierRow: deleteModel(2); break;
        case Edit::ClickAnotherModel: chooseModel(1); break;
        case Edit::ChooseAnotherType:
            chooseType(5);
            chooseModel(2);
            break;
        case Edit::AddAModel: addModel(QStringLiteral("Új")); break;
    }
    if (way == Way::Escape)
        QTest::keyClick(e, Qt::Key_Escape);
    else
        e->close();
    QApplication::processEvents();
    ASSERT_FALSE(w->collectorEditor);

    // The working choice is back where the editor opened, or on the nearest
    // model that still exists; the catalogue keeps its edits.
    const Catalogue& k = m().kat;
    EXPECT_EQ(m().s.BeallKollektortipus, 3);
    EXPECT_EQ(m().s.BeallKollektormodell, c.model);
    EXPECT_EQ(k.KatNev(3, c.model), c.shown);
    // The settings window shows the catalogue as it is now, on that model.
    EXPECT_EQ(w->Combo3->currentIndex(), 2);
    QStringList names;
    for (int i = 0; i < k.KatDarab(3); ++i) names << qs(k.KatNev(3, i));
    EXPECT_EQ(items(w->Combo5), names);
    EXPECT_EQ(w->Combo5->currentIndex(), c.model);
    EXPECT_EQ(w->Label10->text(), qs(textForm(k.KatA(3, c.model), NumberLocale::decimalComma())));
    EXPECT_EQ(w->Label11->text(), qs(textForm(k.KatB(3, c.model), NumberLocale::decimalComma())));
    EXPECT_EQ(w->Label61->text(), qs(textForm(k.KatC(3, c.model), NumberLocale::decimalComma())));
    EXPECT_EQ(w->Label64->text(), qs(textForm(k.KatFelulet(3, c.model), NumberLocale::decimalComma())));

    // Every model the list offers can be chosen, and OK takes one collector whole.
    for (int pick : {w->Combo5->count() - 1, c.model}) {
        w->Combo5->setCurrentIndex(pick);
        w->Combo5_Click();
    }
    w->Command1_Click();
    EXPECT_EQ(ix(m().s.Kollektortipus), 3);
    EXPECT_EQ(ix(m().s.Kollektormodell), c.model);
    EXPECT_EQ(m().s.Kollektorfelulet.d(), double(k.KatFelulet(3, c.model)));
    EXPECT_EQ(m().s.KollA.d(), k.KatA(3, c.model).d());
    EXPECT_EQ(m().s.KollC.d(), double(k.KatC(3, c.model)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeavingWithoutBezar,
    ::testing::Combine(
        ::testing::Values(LeaveCase{"delete_every_added", Edit::DeleteEveryAdded, 1, "Heliovant HV 330"},
                          LeaveCase{"delete_the_shown_one", Edit::DeleteShownAdded, 3, "U2"},
                          LeaveCase{"delete_an_earlier_one", Edit::DeleteAnEarlierRow, 3, "U3"},
                          LeaveCase{"click_another_model", Edit::ClickAnotherModel, 0, "Heliovant HV 300"},
                          LeaveCase{"choose_another_type", Edit::ChooseAnotherType, 0, "Heliovant HV 300"},
                          LeaveCase{"add_a_model", Edit::AddAModel, 0, "Heliovant HV 300"}),
        ::testing::Values(Way::Escape, Way::CloseBox)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Way::Escape ? "_escape" : "_close_box");
    });

TEST_F(CollectorEditor, AHandedBackModelReachesTheCalculationThroughOk) {
    const QStringList before = annualRun();
    enter(e->Text3, QStringLiteral("0,5"));
    enter(e->Text4, QStringLiteral("8"));
    addModel(QStringLiteral("Gyenge"));
    closeWithBezar();
    w->Command1_Click();
    EXPECT_EQ(ix(m().s.Kollektormodell), 2);
    EXPECT_EQ(m().s.KollA.d(), 0.5);
    EXPECT_EQ(m().s.KollB.d(), 8);
    const QStringList weaker = annualRun();
    EXPECT_EQ(weaker[0], before[0]);  // the same sun on the same area
    const auto yield = [](const QString& cell) {
        return localeRead(utf8(cell), NumberLocale::decimalComma()).value_or(-1);
    };
    EXPECT_LT(yield(weaker[1]), yield(before[1]) / 2);  // a much poorer collector
    // The same area and count: only the efficiency changed.
    EXPECT_EQ(m().s.Osszfelulet.d(), double(5.34f));
}

// The model in use changed in the catalogue, then the settings thrown away:
// the calculation, the window and a save agree on the model as the
// catalogue now holds it.
TEST_F(CollectorEditor, AChangedModelInUseStaysOneModelAfterMegsem) {
    enter(e->Text2, QStringLiteral("7,5"));
    addModel(QStringLiteral("Y3"));
    closeWithBezar();
    w->Command1_Click();  // "&OK": Y3 in use, three of them
    ASSERT_EQ(m().s.Osszfelulet.d(), 22.5);
    calc->Command1_Click();
    openEditor();
    chooseModel(ix(m().s.Kollektormodell));
    enter(e->Text2, QStringLiteral("9,5"));
    messages.answers = {Answer::Yes};
    e->Command1->click();
    closeWithBezar();
    w->Command2_Click();  // "&Mégsem"
    EXPECT_EQ(m().s.Kollektorfelulet.d(), 9.5);
    EXPECT_EQ(m().s.Osszfelulet.d(), 28.5);
    calc->Command1_Click();
    EXPECT_EQ(w->Combo5->currentText(), QStringLiteral("Y3"));
    EXPECT_EQ(w->Label64->text(), QStringLiteral("9,5"));
    EXPECT_EQ(w->Label65->text(), QStringLiteral("28,5"));
    EXPECT_EQ(m().s.BeallOsszfelulet, 28.5f);
}

}  // namespace
}  // namespace nk::ui
