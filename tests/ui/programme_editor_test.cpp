#include <QApplication>
#include <QWindow>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

#include "ui/editors/programme_editor.h"
#include "ui/editors/programme_grid.h"
#include "ui/settings/settings_window.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

// --- The grid on its own ---------------------------------------------------------------

struct HitCase {
    double x;
    std::optional<int> field;
};
void PrintTo(const HitCase& c, std::ostream* os) { *os << "X=" << c.x; }

class FieldHits : public ::testing::TestWithParam<HitCase> {};

TEST_P(FieldHits, FallOnTheFieldUnderX) { EXPECT_EQ(fieldAt(GetParam().x), GetParam().field); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, FieldHits,
    ::testing::Values(HitCase{-1e12, std::nullopt}, HitCase{-500, std::nullopt}, HitCase{40, std::nullopt},
                      HitCase{45.99, std::nullopt},  // rounded down to -135: field -1
                      HitCase{46, 0}, HitCase{100, 0}, HitCase{179.99, 0}, HitCase{180, 0}, HitCase{314.99, 0},
                      HitCase{315, 1}, HitCase{449.99, 1}, HitCase{450, 2}, HitCase{1000, 6}, HitCase{6524.99, 46},
                      HitCase{6525, 47}, HitCase{6600, 47}, HitCase{6659.99, 47}, HitCase{6660, std::nullopt},
                      HitCase{6700, std::nullopt}, HitCase{1e12, std::nullopt},
                      HitCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt},
                      HitCase{std::numeric_limits<double>::infinity(), std::nullopt}));

TEST(ProgrammeBrush, OnlyOneOfTheTwoButtonsPaints) {
    const struct {
        int button;
        Brush brush;
    } cases[] = {{0, Brush::none}, {1, Brush::on}, {2, Brush::off}, {3, Brush::none}, {4, Brush::none},
                 {5, Brush::none}, {6, Brush::none}};
    for (const auto& c : cases) EXPECT_EQ(brushFor(c.button), c.brush) << c.button;
}

TEST(ProgrammeGridModel, PaintsTheFieldUnderThePointerOnly) {
    ProgrammeGrid g;
    EXPECT_TRUE(g.paint(1, 100));
    EXPECT_TRUE(g.paint(1, 6600));
    EXPECT_FALSE(g.paint(3, 500));   // both buttons
    EXPECT_FALSE(g.paint(1, 6660));  // right of the row
    for (int k = 0; k < kProgrammeFields; ++k) EXPECT_EQ(g.on(k), k == 0 || k == 47) << k;
    EXPECT_EQ(g.colour(0), 255);
    EXPECT_EQ(g.colour(1), 0xC0C0C0);
    EXPECT_TRUE(g.paint(2, 6659));
    EXPECT_FALSE(g.on(47));
}

TEST(ProgrammeGridModel, ShowsOnlyTheValuesThatMeanOnOrOff) {
    ProgrammeGrid g;
    g.paint(1, 180);  // field 0 on
    g.paint(1, 315);  // field 1 on
    // Hour 0: 5 and -1 leave fields 0 and 1 as they are; hour 1 half 0 on.
    g.show([](int h, int f) -> Integer {
        if (h == 0) return f == 0 ? 5 : -1;
        return h == 1 && f == 0 ? 1 : 0;
    });
    const auto v = g.values();
    for (int k = 0; k < kProgrammeFields; ++k) EXPECT_EQ(v[std::size_t(k)], k <= 2 ? 1 : 0) << k;
}

TEST(ProgrammeGridModel, TheClipboardCarriesADayOver) {
    ProgrammeGrid monday, tuesday;
    for (double x = 180; x < 1000; x += 135) monday.paint(1, x);
    tuesday.paint(1, 6600);
    ProgrammeClipboard clip;
    EXPECT_FALSE(clip.filled);
    clip.copy(monday);
    EXPECT_TRUE(clip.filled);
    monday.paint(2, 180);  // a later change of the source is not in the copy
    clip.paste(tuesday);
    for (int k = 0; k < kProgrammeFields; ++k) EXPECT_EQ(tuesday.on(k), k <= 6) << k;
}

// --- The window --------------------------------------------------------------------------

const QStringList kHeaterList{QStringLiteral("Folyamatos"), QStringLiteral("Éjaszakai (22h-6h-ig)"),
                              QStringLiteral("Kikapcsolva"), QStringLiteral("Egyedi program szerint")};
const QStringList kRoomList{QStringLiteral("Folyamatos komfort hőmérséklet"),
                            QStringLiteral("Standard program (6h-22h komfort)"),
                            QStringLiteral("Folyamatos csökkentett hőmérséklet"),
                            QStringLiteral("Egyedi program szerint")};

QStringList items(const QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

// The settings window open, as the editor's opener.
class ProgrammeEditor : public testing::SettingsOpen {
protected:
    // Opens the editor with the button of heater 1 (tank) or 2 (pool).
    Idoprog* open(int heater) {
        if (heater == 1)
            w->Command8->click();
        else
            w->Command9->click();
        return w->programmeEditor;
    }
    // The settings window's weekly view of a heater on a weekday.
    void settingsWeekly(int heater, int day) {
        if (heater == 1) {
            w->Option3->click();
            w->Option25[std::size_t(day)]->click();
        } else {
            w->Option37->click();
            w->Option35[std::size_t(day)]->click();
        }
    }
    // Chooses a programme in the editor's list, as a user would.
    static void choose(Idoprog* e, int index) {
        e->Combo1->setCurrentIndex(index);
        emit e->Combo1->activated(index);
    }
    // A drag with one button, X from `from` to `to` in steps of `step` twips.
    static void drag(Idoprog* e, int button, double from, double to, double step) {
        e->Frame1_MouseDown(button, from, 700);
        for (double x = from + step; step > 0 ? x <= to : x >= to; x += step) e->Frame1_MouseMove(button, x, 700);
    }
    static std::vector<int> onFields(const Idoprog* e) {
        std::vector<int> on;
        for (int k = 0; k < kProgrammeFields; ++k)
            if (e->grid().on(k)) on.push_back(k);
        return on;
    }
    Integer& stored(int heater, int programme, int weekly, int day, int field) {
        return m().prog.BeallIdoprogramok(heater, programme, weekly, day, field / 2, field % 2);
    }
    // Stores a pattern: field k on when `on(k)`.
    template <class F>
    void store(int heater, int programme, int weekly, int day, F on) {
        for (int k = 0; k < kProgrammeFields; ++k) stored(heater, programme, weekly, day, k) = on(k) ? 1 : 0;
    }
    // The stored day as the fields' numbers that are on.
    std::vector<int> storedOn(int heater, int programme, int weekly, int day) {
        std::vector<int> on;
        for (int k = 0; k < kProgrammeFields; ++k)
            if (stored(heater, programme, weekly, day, k) == 1) on.push_back(k);
        return on;
    }
    static std::vector<int> range(int first, int last) {
        std::vector<int> r;
        for (int k = first; k <= last; ++k) r.push_back(k);
        return r;
    }

};

// --- Opening ----------------------------------------------------------------------------

struct OpeningCase {
    const char* name;
    int heater;
    bool weekly;
};
void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

class EditorOpening : public ProgrammeEditor, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(EditorOpening, ShowsTheCustomProgrammeOnMondayInTheOpenersView) {
    const OpeningCase& c = GetParam();
    if (c.weekly) settingsWeekly(c.heater, 4);
    Idoprog* e = open(c.heater);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->isVisible());
    EXPECT_TRUE(e->isModal());
    EXPECT_EQ(e->parentWidget(), w);
    EXPECT_EQ(e->windowTitle(), QStringLiteral("A hagyományos fűtés időprogramjának beállítása "));

    const WindowParameters& p = m().par;
    EXPECT_EQ(p.IdoprogFutes, c.heater);
    EXPECT_EQ(p.IdoprogProgram, 4);
    EXPECT_EQ(p.IdoprogHeti, c.weekly ? 1 : 0);
    EXPECT_EQ(p.IdoprogNap, 1);
    EXPECT_EQ(items(e->Combo1), kHeaterList);
    EXPECT_EQ(e->Combo1->currentIndex(), 3);
    EXPECT_EQ(e->Label2->text(), QStringLiteral("Kikapcsolva"));
    EXPECT_EQ(e->Label3->text(), QStringLiteral("Bekapcsolva"));

    EXPECT_EQ(e->Option1->isChecked(), !c.weekly);
    EXPECT_EQ(e->Option2->isChecked(), c.weekly);
    EXPECT_EQ(e->Frame2->isEnabled(), c.weekly);
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(e->dayOption(d)->isChecked(), c.weekly && d == 1) << d;
    EXPECT_TRUE(e->Frame1->isEnabled());
    EXPECT_TRUE(e->Command2->isEnabled());
    EXPECT_TRUE(e->Command4->isEnabled());
    EXPECT_FALSE(e->Command3->isEnabled());
    EXPECT_TRUE(e->Command1->isEnabled());
    EXPECT_FALSE(e->clipboard().filled);
}

INSTANTIATE_TEST_SUITE_P(Openers, EditorOpening,
                         ::testing::Values(OpeningCase{"tank_daily", 1, false}, OpeningCase{"tank_weekly", 1, true},
                                           OpeningCase{"pool_daily", 2, false}, OpeningCase{"pool_weekly", 2, true}));

TEST_F(ProgrammeEditor, CarriesTheTextsAndColoursOfItsDesign) {
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    const struct {
        const QWidget* control;
        QString text;
    } texts[] = {
        {e->Label4, QStringLiteral("Mező bekapcsolása: ")},
        {e->Label7, QStringLiteral("Kattintás a mező fölött a bal egérgombbal")},
        {e->Label5, QStringLiteral("Mező kikapcsolása: ")},
        {e->Label8, QStringLiteral("Kattintás a mező fölött a jobb egérgombbal")},
        {e->Label6, QStringLiteral("Tartomány beállítása: ")},
        {e->Label9, QStringLiteral("A bal, vagy jobb egérgomb lenyomása mellett az egér mozgatásával.")},
        {e->Label13, QStringLiteral("Az időprogram típusa:")},
        {e->Label10, QStringLiteral("Napi program")},
        {e->Label11, QStringLiteral("Heti program")},
        {e->Label12, QStringLiteral("Hétfő     Kedd     Szerda  Csütörtök  Péntek   Szombat   Vasárnap")},
        {e->Command2, QStringLiteral("O&K")},
        {e->Command4, QStringLiteral("&Másolás")},
        {e->Command3, QStringLiteral("&Beillesztés")},
        {e->Command1, QStringLiteral("Be&zár")},
        {e->Frame3, QStringLiteral("Programtipus")},
        {e->Frame2, QStringLiteral("A hét napjainak beállítása")},
        {e->Frame1, QString()},
    };
    for (const auto& t : texts) {
        QString shown;
        if (auto* l = qobject_cast<const QLabel*>(t.control)) shown = l->text();
        if (auto* b = qobject_cast<const QAbstractButton*>(t.control)) shown = b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(t.control)) shown = g->title();
        EXPECT_EQ(shown, t.text);
        // Every frame and label stands on the window's yellow.
        if (!qobject_cast<const QAbstractButton*>(t.control)) {
            EXPECT_EQ(t.control->palette().color(t.control->backgroundRole()), QColor(255, 255, 128))
                << t.text.toStdString();
        }
    }
    // The option buttons carry no text of their own.
    for (const QRadioButton* b : {e->Option1, e->Option2, e->Option3, e->Option9}) EXPECT_TRUE(b->text().isEmpty());
    EXPECT_EQ(e->size(), QSize(620, 297));
    EXPECT_EQ(e->Frame1->geometry(), QRect(14, 18, 596, 148));
}

TEST_F(ProgrammeEditor, RoomHeatingHasItsOwnProgrammesAndLegends) {
    // No control opens the editor for room heating: it is built as the
    // settings window would build it.
    m().par.IdoprogFutes = 3;
    m().par.IdoprogProgram = 2;
    m().par.IdoprogHeti = 1;
    m().par.IdoprogNap = 6;
    store(3, 4, 1, 1, [](int k) { return k >= 12 && k < 44; });
    Idoprog e(m(), *w, w);
    e.Form_Load();
    EXPECT_EQ(items(e.Combo1), kRoomList);
    EXPECT_EQ(e.Label2->text(), QStringLiteral("Csökkentett hőmérsélet"));
    EXPECT_EQ(e.Label3->text(), QStringLiteral("Komfort hőmérséklet"));
    EXPECT_GE(e.Label2->width(), e.Label2->sizeHint().width());  // the longer legends are not cut
    EXPECT_EQ(m().par.IdoprogProgram, 4);
    EXPECT_EQ(m().par.IdoprogNap, 1);
    EXPECT_EQ(onFields(&e), range(12, 43));
    // Its "Be&zár" writes nothing back.
    drag(&e, 1, 180, 6600, 135);
    e.Command2_Click();
    e.Command1_Click();
    EXPECT_EQ(storedOn(3, 4, 1, 1), range(0, 47));
    EXPECT_EQ(m().s.BeallTarolofutesprogram.d(), 1);
    EXPECT_EQ(m().s.BeallMedfutesprogram.d(), 3);
    EXPECT_EQ(w->Combo4->currentIndex(), 0);
    EXPECT_EQ(w->Combo1->currentIndex(), 2);
}

TEST_F(ProgrammeEditor, OpensOnTheStoredWeeklyMondayWhateverDayTheOpenerHad) {
    store(1, 4, 1, 1, [](int k) { return k % 3 == 0; });
    store(1, 4, 1, 5, [](int k) { return k < 10; });
    store(1, 4, 0, 1, [](int k) { return k > 40; });
    settingsWeekly(1, 5);
    ASSERT_EQ(m().par.IdoprogNap, 5);
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(onFields(e), storedOn(1, 4, 1, 1));
    e->dayOption(5)->click();
    EXPECT_EQ(m().par.IdoprogNap, 5);
    EXPECT_EQ(onFields(e), range(0, 9));
    e->Option1->click();  // the daily programme, as kept for Monday
    EXPECT_EQ(m().par.IdoprogNap, 1);
    EXPECT_EQ(m().par.IdoprogHeti, 0);
    EXPECT_EQ(onFields(e), range(41, 47));
    EXPECT_FALSE(e->Frame2->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(e->dayOption(d)->isChecked()) << d;
}

TEST_F(ProgrammeEditor, TheFieldsAreDrawnFromTheGrid) {
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    drag(e, 1, 180, 1000, 135);  // fields 0 to 6
    const QImage image = e->Frame1->grab().toImage();
    for (int k : {0, 6, 7, 47}) {
        const QPoint centre = QPoint((kHalfHourLeft + kHalfHourPitch * k + kHalfHourWidth / 2) / 15,
                                     (kHalfHourTop + kHalfHourHeight / 2) / 15) * image.devicePixelRatio();
        EXPECT_EQ(image.pixelColor(centre), k <= 6 ? QColor(255, 0, 0) : QColor(192, 192, 192)) << k;
    }
}

// --- Painting ------------------------------------------------------------------------------

struct PaintCase {
    const char* name;
    int button;
    double x;
    std::vector<int> on;  // fields on afterwards, starting from 10 and 47 on
};
void PrintTo(const PaintCase& c, std::ostream* os) { *os << c.name; }

class EditorPainting : public ProgrammeEditor, public ::testing::WithParamInterface<PaintCase> {};

TEST_P(EditorPainting, APressPaintsTheFieldUnderIt) {
    const PaintCase& c = GetParam();
    store(1, 4, 0, 1, [](int k) { return k == 10 || k == 47; });
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    e->Frame1_MouseDown(c.button, c.x, 2000);  // Y is not looked at
    EXPECT_EQ(onFields(e), c.on);
    EXPECT_EQ(storedOn(1, 4, 0, 1), (std::vector<int>{10, 47}));  // painting stores nothing
}

INSTANTIATE_TEST_SUITE_P(
    Presses, EditorPainting,
    ::testing::Values(PaintCase{"left_on_field_0_left_of_its_edge", 1, 100, {0, 10, 47}},
                      PaintCase{"left_left_of_the_row", 1, 40, {10, 47}},
                      PaintCase{"left_right_of_the_row", 1, 6700, {10, 47}},
                      PaintCase{"left_on_a_field_already_on", 1, 1530, {10, 47}},
                      PaintCase{"right_on_the_last_field", 2, 6600, {10}},
                      PaintCase{"right_on_field_10", 2, 1530, {47}},
                      PaintCase{"middle_button", 4, 1000, {10, 47}},
                      PaintCase{"no_button", 0, 1000, {10, 47}}));

TEST_F(ProgrammeEditor, ASlowDragPaintsEveryFieldItPasses) {
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    drag(e, 1, 200, 1000, 20);
    EXPECT_EQ(onFields(e), range(0, 6));
    drag(e, 2, 1000, 450, -20);  // right, back over fields 6 to 2
    EXPECT_EQ(onFields(e), range(0, 1));
    e->Frame1_MouseMove(3, 180, 700);  // both buttons held: nothing
    EXPECT_EQ(onFields(e), range(0, 1));
}

// The real pointer: the frame keeps the pointer from the press to the release,
// wherever it goes, and the labels on it keep their own clicks.
class PointerPainting : public ProgrammeEditor {
protected:
    // A point of the editor's window at X, Y twips of the drawing frame.
    static QPoint at(Idoprog* e, int x, int y) { return e->Frame1->mapTo(e, QPoint(x / 15, y / 15)); }
    static void press(Idoprog* e, Qt::MouseButton b, QPoint p) { QTest::mousePress(e->windowHandle(), b, {}, p); }
    static void move(Idoprog* e, QPoint p) { QTest::mouseMove(e->windowHandle(), p); }
    static void release(Idoprog* e, Qt::MouseButton b, QPoint p) {
        QTest::mouseRelease(e->windowHandle(), b, {}, p);
    }
    Idoprog* shown(int heater) {
        Idoprog* e = open(heater);
        if (!e) return nullptr;
        QApplication::processEvents();
        return e->windowHandle() ? e : nullptr;
    }
};

TEST_F(PointerPainting, ADragFollowsThePressAcrossTheRow) {
    Idoprog* e = shown(1);
    ASSERT_NE(e, nullptr);
    const int y = kHalfHourTop + 100;
    press(e, Qt::LeftButton, at(e, 200, y));
    for (int x = 200; x <= 1000; x += 15) move(e, at(e, x, y));
    release(e, Qt::LeftButton, at(e, 1000, y));
    EXPECT_EQ(onFields(e), range(0, 6));
    move(e, at(e, 3000, y));  // released: moving paints nothing
    EXPECT_EQ(onFields(e), range(0, 6));
    press(e, Qt::RightButton, at(e, 700, y));
    release(e, Qt::RightButton, at(e, 700, y));
    EXPECT_EQ(onFields(e), (std::vector<int>{0, 1, 2, 4, 5, 6}));
}

TEST_F(PointerPainting, ADragLeavingTheFrameGoesOnPaintingWhereXIsOverTheRowOnly) {
    Idoprog* e = shown(2);
    ASSERT_NE(e, nullptr);
    const int y = kHalfHourTop + 100;
    press(e, Qt::LeftButton, at(e, 6000, y));  // field 43
    move(e, at(e, 6000, 3000));                // below the frame, over the lower controls: field 43 again
    move(e, at(e, 6200, -600));                // above the frame, outside the window: field 44
    move(e, at(e, 6500, 1900));                // over a help text: field 46
    move(e, at(e, 9000, y));                   // right of the row, over the buttons
    move(e, at(e, 40000, y));                  // far outside the window
    move(e, at(e, -9000, y));
    move(e, at(e, 6400, 99999));
    release(e, Qt::LeftButton, at(e, 6400, 99999));
    EXPECT_EQ(onFields(e), (std::vector<int>{43, 44, 46}));
}

TEST_F(PointerPainting, APressOnALabelOfTheFramePaintsNothing) {
    Idoprog* e = shown(1);
    ASSERT_NE(e, nullptr);
    // Label7 starts at X 1935: field 12 lies under it, but the label keeps the press.
    const QPoint onLabel = at(e, 2000, 1400);
    ASSERT_EQ(e->childAt(onLabel), e->Label7);
    press(e, Qt::LeftButton, onLabel);
    move(e, at(e, 2500, kHalfHourTop + 100));
    release(e, Qt::LeftButton, at(e, 2500, kHalfHourTop + 100));
    EXPECT_TRUE(onFields(e).empty());
    // Pressed on the frame beside the label, the same press paints.
    press(e, Qt::LeftButton, at(e, 2000, 2160));
    release(e, Qt::LeftButton, at(e, 2000, 2160));
    EXPECT_EQ(onFields(e), (std::vector<int>{13}));
}

// --- Programmes ------------------------------------------------------------------------------

TEST_F(ProgrammeEditor, ABuiltInProgrammeIsShownNotChanged) {
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    choose(e, 0);  // "Folyamatos": on all day as built in
    EXPECT_EQ(m().par.IdoprogProgram, 1);
    EXPECT_EQ(onFields(e), range(0, 47));
    EXPECT_FALSE(e->Frame1->isEnabled());
    EXPECT_FALSE(e->Command2->isEnabled());
    EXPECT_FALSE(e->Command3->isEnabled());
    choose(e, 1);  // night: 22 h to 6 h
    std::vector<int> night = range(0, 11);
    for (int k = 44; k <= 47; ++k) night.push_back(k);
    EXPECT_EQ(onFields(e), night);
    e->Command4_Click();  // a built-in pattern can be copied
    EXPECT_FALSE(e->Command3->isEnabled());
    choose(e, 3);
    EXPECT_TRUE(e->Frame1->isEnabled());
    EXPECT_TRUE(e->Command2->isEnabled());
    EXPECT_TRUE(e->Command3->isEnabled());  // the clipboard is filled
    EXPECT_TRUE(onFields(e).empty());
    e->Command3->click();
    EXPECT_EQ(onFields(e), night);
    e->Option2->click();  // weekly view of a built-in programme: no painting
    choose(e, 2);
    EXPECT_FALSE(e->Frame1->isEnabled());
    e->Option1->click();
    EXPECT_FALSE(e->Frame1->isEnabled());
    EXPECT_FALSE(e->Command2->isEnabled());
    EXPECT_TRUE(onFields(e).empty());  // "Kikapcsolva"
}

// --- Storing ---------------------------------------------------------------------------------

TEST_F(ProgrammeEditor, OkStoresADailyDayForEveryWeekday) {
    store(1, 4, 1, 3, [](int k) { return k == 5; });
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    drag(e, 1, 1800, 3000, 135);  // fields 12 to 20
    e->Command2->click();
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(storedOn(1, 4, 0, d), range(12, 20)) << d;
    EXPECT_EQ(storedOn(1, 4, 1, 3), (std::vector<int>{5}));  // the weekly days are another table
    EXPECT_TRUE(storedOn(2, 4, 0, 1).empty());                // and the pool heater another heater
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProgrammeEditor, OkStoresAWeeklyDayForThatDayOnly) {
    settingsWeekly(2, 1);
    Idoprog* e = open(2);
    ASSERT_NE(e, nullptr);
    e->dayOption(4)->click();
    drag(e, 1, 180, 6600, 135);
    drag(e, 2, 1800, 1935, 135);  // fields 12 and 13 off
    e->Command2->click();
    for (int d = 1; d <= 7; ++d) {
        std::vector<int> want;
        if (d == 4)
            for (int k = 0; k < kProgrammeFields; ++k)
                if (k != 12 && k != 13) want.push_back(k);
        EXPECT_EQ(storedOn(2, 4, 1, d), want) << d;
        EXPECT_TRUE(storedOn(2, 4, 0, d).empty()) << d;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProgrammeEditor, AnotherDayShowsItsOwnStoredPattern) {
    settingsWeekly(1, 1);
    store(1, 4, 1, 2, [](int k) { return k == 30; });
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    e->dayOption(2)->click();
    drag(e, 1, 180, 1000, 135);  // painted, not stored
    e->dayOption(3)->click();
    EXPECT_TRUE(onFields(e).empty());
    e->dayOption(2)->click();
    EXPECT_EQ(onFields(e), (std::vector<int>{30}));
    EXPECT_EQ(storedOn(1, 4, 1, 2), (std::vector<int>{30}));
}

TEST_F(ProgrammeEditor, CopyAndPasteCarryMondayOverToTuesday) {
    settingsWeekly(1, 1);
    store(1, 4, 1, 1, [](int k) { return k >= 14 && k <= 17; });
    store(1, 4, 1, 2, [](int k) { return k == 40; });
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->Command3->isEnabled());
    e->Command4->click();
    EXPECT_TRUE(e->Command3->isEnabled());
    e->dayOption(2)->click();
    EXPECT_EQ(onFields(e), (std::vector<int>{40}));
    e->Command3->click();
    EXPECT_EQ(onFields(e), range(14, 17));
    EXPECT_EQ(storedOn(1, 4, 1, 2), (std::vector<int>{40}));  // pasting only paints
    e->Command2->click();
    EXPECT_EQ(storedOn(1, 4, 1, 2), range(14, 17));
    EXPECT_EQ(storedOn(1, 4, 1, 1), range(14, 17));

    // Closed and opened again, the clipboard counts as empty.
    e->Command1->click();
    QApplication::processEvents();
    EXPECT_FALSE(w->programmeEditor);
    e = open(1);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->Command3->isEnabled());
    EXPECT_FALSE(e->clipboard().filled);
}

// --- Handing back ------------------------------------------------------------------------------

struct HandBackCase {
    const char* name;
    int heater;
    bool settingsWeekly;  // the settings window's view before the editor opens
    bool editorWeekly;    // the view chosen in the editor
    int programme;        // the editor's list position at "Be&zár"
};
void PrintTo(const HandBackCase& c, std::ostream* os) { *os << c.name; }

class HandBack : public ProgrammeEditor, public ::testing::WithParamInterface<HandBackCase> {};

TEST_P(HandBack, SetsTheSettingsWindowsProgrammeViewAndDay) {
    const HandBackCase& c = GetParam();
    const bool tank = c.heater == 1;
    if (c.settingsWeekly) settingsWeekly(c.heater, 5);
    Idoprog* e = open(c.heater);
    ASSERT_NE(e, nullptr);
    if (c.editorWeekly != c.settingsWeekly) (c.editorWeekly ? e->Option2 : e->Option1)->click();
    if (c.editorWeekly) e->dayOption(3)->click();
    if (c.programme != 3) choose(e, c.programme);
    e->Command1->click();
    QApplication::processEvents();
    EXPECT_FALSE(w->programmeEditor);  // unloaded

    const Settings& s = m().s;
    QComboBox* list = tank ? w->Combo4 : w->Combo1;
    QRadioButton* daily = tank ? w->Option4 : w->Option36;
    QRadioButton* weekly = tank ? w->Option3 : w->Option37;
    QWidget* panel = tank ? w->Picture7 : w->Picture9;
    auto& days = tank ? w->Option25 : w->Option35;
    EXPECT_EQ(list->currentIndex(), c.programme);
    EXPECT_EQ((tank ? s.BeallTarolofutesprogram : s.BeallMedfutesprogram).d(), c.programme + 1);
    EXPECT_EQ(tank ? double(s.BeallTarolofutesheti) : s.BeallMedfutesheti.d(), c.editorWeekly ? 1 : 0);
    EXPECT_EQ(daily->isChecked(), !c.editorWeekly);
    EXPECT_EQ(weekly->isChecked(), c.editorWeekly);
    EXPECT_EQ(panel->isEnabled(), c.editorWeekly);
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(days[std::size_t(d)]->isChecked(), c.editorWeekly && d == 1) << d;
    EXPECT_EQ(tank ? m().par.IdoprogNap : m().par.Medfutesnap, 1);
    // The other heater keeps its choices.
    EXPECT_EQ((tank ? s.BeallMedfutesprogram : s.BeallTarolofutesprogram).d(), tank ? 3 : 1);
    EXPECT_EQ((tank ? w->Combo1 : w->Combo4)->currentIndex(), tank ? 2 : 0);
    // Nothing is active before the settings window's "&OK".
    EXPECT_EQ((tank ? s.Tarolofutesprogram : s.Medfutesprogram).d(), tank ? 1 : 3);
}

INSTANTIATE_TEST_SUITE_P(
    Views, HandBack,
    ::testing::Values(HandBackCase{"tank_daily", 1, false, false, 3}, HandBackCase{"tank_weekly", 1, true, true, 3},
                      HandBackCase{"tank_weekly_to_daily", 1, true, false, 3},
                      HandBackCase{"tank_daily_to_weekly_off", 1, false, true, 2},
                      HandBackCase{"tank_daily_night", 1, false, false, 1},
                      HandBackCase{"pool_daily", 2, false, false, 3}, HandBackCase{"pool_weekly", 2, true, true, 3},
                      HandBackCase{"pool_weekly_to_daily", 2, true, false, 3},
                      HandBackCase{"pool_daily_to_weekly_continuous", 2, false, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    void (*close)(Idoprog*);
};
void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class OtherCloses : public ProgrammeEditor, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(OtherCloses, HandNothingBackButKeepWhatOkStored) {
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    e->Option2->click();
    drag(e, 1, 180, 600, 135);
    e->Command2->click();
    choose(e, 2);
    GetParam().close(e);
    QApplication::processEvents();
    EXPECT_FALSE(w->programmeEditor);
    EXPECT_EQ(storedOn(1, 4, 1, 1), range(0, 3));
    EXPECT_EQ(m().s.BeallTarolofutesprogram.d(), 1);
    EXPECT_EQ(m().s.BeallTarolofutesheti, 0);
    EXPECT_EQ(w->Combo4->currentIndex(), 0);
    EXPECT_TRUE(w->Option4->isChecked());
    EXPECT_FALSE(w->Picture7->isEnabled());
    EXPECT_TRUE(w->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, OtherCloses,
                         ::testing::Values(CloseCase{"close_box", [](Idoprog* e) { e->close(); }},
                                           CloseCase{"escape", [](Idoprog* e) { QTest::keyClick(e, Qt::Key_Escape); }}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The opener --------------------------------------------------------------------------------

struct OpenerCase {
    const char* name;
    int heater;
    FieldEdit* FrmBeallitasok::*field;
    const char* kept;  // what the field shows again after refusing
};
void PrintTo(const OpenerCase& c, std::ostream* os) { *os << c.name; }

class OpenerChecksFirst : public ProgrammeEditor, public ::testing::WithParamInterface<OpenerCase> {};

// A field still being typed in is checked before the editor opens: a text
// that is no number is refused there and the editor stays closed.
TEST_P(OpenerChecksFirst, AFieldBeingTypedIsCheckedBeforeTheEditorOpens) {
    const OpenerCase& c = GetParam();
    FieldEdit* f = w->*c.field;
    QApplication::setActiveWindow(w);  // focus moves reach the controls of the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, QStringLiteral("abc"));
    QTest::mouseClick(c.heater == 1 ? w->Command8 : w->Command9, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("számot")));
    EXPECT_EQ(f->text(), QString::fromUtf8(c.kept));
    EXPECT_FALSE(w->programmeEditor);
    // Pressed again, it opens the editor.
    (c.heater == 1 ? w->Command8 : w->Command9)->click();
    ASSERT_TRUE(w->programmeEditor);
    EXPECT_EQ(m().par.IdoprogFutes, c.heater);
}

INSTANTIATE_TEST_SUITE_P(Fields, OpenerChecksFirst,
                         ::testing::Values(OpenerCase{"tank_power", 1, &FrmBeallitasok::Text22, "10"},
                                           OpenerCase{"pool_power", 2, &FrmBeallitasok::Text30, "20"}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Into the calculation ------------------------------------------------------------------------

TEST_F(ProgrammeEditor, ADrawnProgrammeReachesTheCalculationThroughOk) {
    const QStringList continuous = annualRun();
    const int kConventionalHeat = 5;

    // All on: the same as the built-in continuous programme.
    calc->Command1_Click();
    Idoprog* e = open(1);
    ASSERT_NE(e, nullptr);
    drag(e, 1, 180, 6600, 60);
    e->Command2->click();
    e->Command1->click();
    w->Command1->click();
    EXPECT_EQ(m().s.Tarolofutesprogram.d(), 4);
    EXPECT_EQ(annualRun(), continuous);

    // Off by day: the night programme, drawn by hand.
    calc->Command1_Click();
    e = open(1);
    ASSERT_NE(e, nullptr);
    drag(e, 2, 1800, 6110, 60);  // fields 12 to 43: 6 h to 22 h
    e->Command2->click();
    e->Command1->click();
    w->Command1->click();
    const QStringList drawnNight = annualRun();
    EXPECT_NE(drawnNight[kConventionalHeat], continuous[kConventionalHeat]);

    calc->Command1_Click();
    w->Combo4->setCurrentIndex(1);
    w->Combo4_Click();
    w->Command1->click();
    EXPECT_EQ(annualRun(), drawnNight);

    // All off: no conventional heat at all.
    calc->Command1_Click();
    e = open(1);
    ASSERT_NE(e, nullptr);
    drag(e, 2, 180, 6600, 60);
    e->Command2->click();
    e->Command1->click();
    w->Command1->click();
    EXPECT_EQ(annualRun()[kConventionalHeat], QStringLiteral("0"));
}

}  // namespace
}  // namespace nk::ui
