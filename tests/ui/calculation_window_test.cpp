#include <QApplication>
#include <QMessageBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "simulation/cycles/drivers.h"
#include "ui/calculation/colour_dialog.h"
#include "ui/calculation/period_dialog.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

using testing::StartedProgram;

TEST_F(StartedProgram, StartUpShowsTheCalculationWindowWithTheFirstAnnualRun) {
    QApplication::processEvents();
    EXPECT_TRUE(calc->isVisible());
    EXPECT_FALSE(program->titlePage()->isVisible());
    EXPECT_EQ(program->splash(), nullptr);  // unloaded
    for (const auto& [n, w] : calc->pcrRendszer) EXPECT_EQ(w->isVisibleTo(calc), n == 11) << n;
    EXPECT_EQ(m().s.Szamitasmod, 3);
    EXPECT_TRUE(calc->Option6->isChecked());
    EXPECT_EQ(calc->Combo1->currentText(), QStringLiteral("Március"));
    EXPECT_TRUE(m().res.evesgrafikon.drawn);
    EXPECT_FALSE(calc->tablazat1[0]->text().isEmpty());
    EXPECT_TRUE(calc->tablazat1[4]->text().endsWith(QStringLiteral(" %")));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(calc->pipeFields[PipeField::hosziglambda]->text(), QStringLiteral("0,04"));
    EXPECT_EQ(calc->pipeFields[PipeField::Dcsokulso]->text(), QStringLiteral("18"));
    EXPECT_EQ(calc->focusWidget(), calc->Option6);  // the window opens on the cycle options
}

TEST(Splash, AKeyPressOrAFrameClickBeforeTheFirstTickEndsTheStartUp) {
    for (int how = 0; how < 2; ++how) {
        testing::ScriptedMessages messages;
        Program program(&messages);
        program.start();
        if (how == 0)
            QTest::keyClick(program.splash(), Qt::Key_Space);
        else
            QTest::mouseClick(program.splash()->Frame1, Qt::LeftButton, {}, QPoint(2, 2));
        QApplication::processEvents();
        EXPECT_EQ(program.splash(), nullptr) << how;
        EXPECT_EQ(program.calculationWindow(), nullptr) << how;
    }
}

TEST(Splash, TheTitlePageIsNeverShown) {
    testing::ScriptedMessages messages;
    Program program(&messages);
    program.start();
    program.splash()->Timer1_Timer();
    QApplication::processEvents();
    ASSERT_NE(program.titlePage(), nullptr);
    EXPECT_FALSE(program.titlePage()->isVisible());
    EXPECT_EQ(program.titlePage()->windowTitle(), QStringLiteral("  VILMAREX-Calorix"));
    EXPECT_TRUE(program.calculationWindow()->isVisible());
}

}  // namespace
}  // namespace nk::ui

namespace nk::ui {
namespace {

using testing::StartedProgram;

// --- Pipe fields ----------------------------------------------------------------

struct PipeCase {
    const char* name;
    PipeField field;
    const char* typed;
    bool accepted;
    const char* message;   // shown when rejected
    const char* shown;     // text of the field afterwards
    double stored;         // value of the field's variable afterwards
};
void PrintTo(const PipeCase& c, std::ostream* os) { *os << c.name; }

class PipeFields : public StartedProgram, public ::testing::WithParamInterface<PipeCase> {
protected:
    double stored(PipeField f) {
        const PipeData& p = m().pipe;
        switch (f) {
            case PipeField::Dcsokulso: return p.Csokulsoatmero.d();
            case PipeField::kulsocso: return p.Kulsocsohossz.d();
            case PipeField::belsocso: return p.Belsocsohossz;
            case PipeField::belsoterhofok: return p.Belsoterhofok;
            case PipeField::hosziglambda: return p.Hoszigeteleslambda;
            case PipeField::csohejvastagsag: return p.Csohejvastagsag.d();
        }
        return 0;
    }
};

TEST_P(PipeFields, CheckTheEntryWhenTheFocusLeaves) {
    const auto& c = GetParam();
    FieldEdit* e = calc->pipeFields[c.field];
    const float resistanceBefore = m().pipe.Csohejellenallas;
    e->setFocus();
    e->setText(QString::fromUtf8(c.typed));
    calc->Command2->setFocus();  // the focus moves on: the check follows
    QApplication::processEvents();
    if (c.accepted) {
        EXPECT_TRUE(messages.shown.empty());
    } else {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("HIBÁS ADAT"));
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    }
    EXPECT_EQ(e->text(), QString::fromUtf8(c.shown));
    EXPECT_DOUBLE_EQ(stored(c.field), c.stored);
    const bool shapesThePipe = c.field == PipeField::Dcsokulso || c.field == PipeField::hosziglambda ||
                               c.field == PipeField::csohejvastagsag;
    const float expected = insulationResistance(m().pipe.Csokulsoatmero.d(), m().pipe.Csohejvastagsag.d(),
                                                m().pipe.Hoszigeteleslambda);
    EXPECT_EQ(m().pipe.Csohejellenallas, expected);
    if (!c.accepted || !shapesThePipe) {
        EXPECT_EQ(m().pipe.Csohejellenallas, resistanceBefore);
    }
}

constexpr const char* kNotANumber = "Adjon meg számot!";
constexpr const char* kDiameterRange = "A cső külső átmérője 10 és 500 mm között lehet!";
constexpr const char* kLengthRange = "A kültéri cső hossza 0 és 1000 m között lehet!";
constexpr const char* kIndoorRange = "A belső tér hőmérséklete 1C° és 30C° között lehet!";
constexpr const char* kLambdaRange = "A hőszigetelő csőhéj hővezető képessége 0,01 és 0,1 W/mK között lehet!";
constexpr const char* kThicknessRange = "A csővezeték hőszigetelésének vastagsága 1 és 100 mm között lehet!";

INSTANTIATE_TEST_SUITE_P(
    Cases, PipeFields,
    ::testing::Values(
        PipeCase{"diameter_not_a_number", PipeField::Dcsokulso, "abc", false, kNotANumber, "18", 18},
        PipeCase{"diameter_too_small", PipeField::Dcsokulso, "5", false, kDiameterRange, "18", 18},
        PipeCase{"diameter_lowest", PipeField::Dcsokulso, "10", true, "", "10", 10},
        PipeCase{"diameter_highest", PipeField::Dcsokulso, "500", true, "", "500", 500},
        PipeCase{"diameter_below_range", PipeField::Dcsokulso, "9,99", false, kDiameterRange, "18", 18},
        PipeCase{"diameter_above_range", PipeField::Dcsokulso, "500,5", false, kDiameterRange, "18", 18},
        PipeCase{"diameter_whole_part", PipeField::Dcsokulso, "25,7", true, "", "25,7", 25},
        PipeCase{"lambda_kept_as_entered", PipeField::hosziglambda, "0,045", true, "", "0,045", double(0.045f)},
        PipeCase{"lambda_highest", PipeField::hosziglambda, "0,1", true, "", "0,1", double(0.1f)},
        PipeCase{"lambda_above_range", PipeField::hosziglambda, "0,101", false, kLambdaRange, "0,04", double(0.04f)},
        PipeCase{"lambda_below_range", PipeField::hosziglambda, "0,009", false, kLambdaRange, "0,04", double(0.04f)},
        PipeCase{"indoor_too_warm", PipeField::belsoterhofok, "35", false, kIndoorRange, "20", 20},
        PipeCase{"indoor_length_too_long", PipeField::belsocso, "1001", false, kLengthRange, "15", 15},
        PipeCase{"indoor_length_zero", PipeField::belsocso, "0", true, "", "0", 0},
        PipeCase{"outdoor_length_zero", PipeField::kulsocso, "0", true, "", "0", 0},
        PipeCase{"outdoor_length_whole_part", PipeField::kulsocso, "12,9", true, "", "12,9", 12},
        PipeCase{"thickness_too_thick", PipeField::csohejvastagsag, "101", false, kThicknessRange, "19", 19},
        PipeCase{"thickness_accepted", PipeField::csohejvastagsag, "30", true, "", "30", 30},
        PipeCase{"empty_is_not_a_number", PipeField::belsoterhofok, "", false, kNotANumber, "20", 20}));

TEST_F(StartedProgram, PipeLossFollowsThePipeData) {
    const QString before = calc->tablazat1[2]->text();
    FieldEdit* e = calc->pipeFields[PipeField::kulsocso];
    e->setFocus();
    e->setText(QStringLiteral("200"));
    calc->Command2->setFocus();
    QApplication::processEvents();
    calc->Command2_Click();
    EXPECT_NE(calc->tablazat1[2]->text(), before);
    EXPECT_EQ(m().pipe.Kulsocsohossz.d(), 200);
}

TEST_F(StartedProgram, FieldsShowTheCurrentValuesWhenTheWindowBecomesActive) {
    // The settings window edits the same variables.
    m().pipe.Belsoterhofok = 25;
    m().pipe.Hoszigeteleslambda = 0.035f;
    QDialog other;
    activateAfter(&other);
    EXPECT_EQ(calc->pipeFields[PipeField::belsoterhofok]->text(), QStringLiteral("25"));
    EXPECT_EQ(calc->pipeFields[PipeField::hosziglambda]->text(), QStringLiteral("0,035"));
    // Taking the focus writes nothing into the variable.
    calc->pipeFields[PipeField::belsoterhofok]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(m().pipe.Belsoterhofok, 25.0f);
}

// --- Activation -------------------------------------------------------------------

TEST_F(StartedProgram, ReturningFromADialogRecalculatesButAMessageBoxDoesNot) {
    m().pipe.Kulsocsohossz = 300;  // a change that shows in the pipe-loss row
    const QString before = calc->tablazat1[2]->text();
    QMessageBox box;
    activateAfter(&box);
    EXPECT_EQ(calc->tablazat1[2]->text(), before);
    activateAfter(calc);  // back from another application
    EXPECT_EQ(calc->tablazat1[2]->text(), before);
    QDialog dialog;
    activateAfter(&dialog);
    EXPECT_NE(calc->tablazat1[2]->text(), before);
}

TEST_F(StartedProgram, CalculationErrorIsShownOnceNotInALoop) {
    for (int d = 1; d <= 7; ++d) m().fogy.Fogynapi(1, 0, d) = 100000;
    QDialog dialog;
    activateAfter(&dialog);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Számítási hiba"));
    // The message box closes: the window becomes active again and stays quiet.
    QMessageBox box;
    activateAfter(&box);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(calc->cursor().shape(), Qt::ArrowCursor);
}

// A run that fails leaves the window without figures until a run completes:
// the earlier run's would stand beside settings they were not made for.
TEST_F(StartedProgram, AFailedRunEmptiesTheTableAndTheChartUntilARunCompletes) {
    ASSERT_FALSE(calc->tablazat1[0]->text().isEmpty());
    Var usual[8];
    for (int d = 1; d <= 7; ++d) usual[d] = m().fogy.Fogynapi(1, 0, d), m().fogy.Fogynapi(1, 0, d) = 100000;
    calc->Command2_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    for (QLineEdit* cell : calc->tablazat1) EXPECT_TRUE(cell->text().isEmpty()) << cell->text().toStdString();
    EXPECT_TRUE(calc->csohoveszteseg->text().isEmpty());
    EXPECT_FALSE(calc->Picture3->chart().drawn);
    for (int d = 1; d <= 7; ++d) m().fogy.Fogynapi(1, 0, d) = usual[d];
    calc->Command2_Click();
    EXPECT_FALSE(calc->tablazat1[0]->text().isEmpty());
    EXPECT_TRUE(calc->Picture3->chart().drawn);
}

// The useful-heat row is the tank's for a hot-water system and every
// consumer's where a pool or a buffer takes heat too; its caption says which.
TEST_F(StartedProgram, TheUsefulHeatCaptionNamesWhoseHeatTheRowHolds) {
    const QString unit = QStringLiteral(" [kWh/év]");
    const struct {
        int system;
        const char* caption;
    } cases[] = {{22, "Fogyasztókba bevitt hasznos napenergia, Qhaszn"},
                 {44, "Fogyasztókba bevitt hasznos napenergia, Qhaszn"},
                 {13, "Tárolóba bevitt hasznos napenergia, Qhaszn"}};
    for (const auto& c : cases) {
        m().s.Rendszerszam = c.system;
        m().s.Rendszerkategoria = c.system / 10;
        calc->Command2_Click();
        ASSERT_TRUE(messages.shown.empty()) << c.system;
        EXPECT_EQ(calc->Text2[3]->text(), QString::fromUtf8(c.caption) + unit) << c.system;
    }
}

// --- Options ------------------------------------------------------------------------

TEST_F(StartedProgram, CycleOptionsSetTheCycleAndTheirControls) {
    calc->Option4->click();
    EXPECT_EQ(m().s.Szamitasmod, 1);
    EXPECT_TRUE(calc->Combo1->isEnabled());
    EXPECT_TRUE(calc->Option1[2]->isEnabled());
    EXPECT_EQ(m().s.Naptipus.d(), 2);  // the selected day type, not the annual run's last one
    EXPECT_TRUE(calc->Option10[0]->isChecked());
    calc->Option1[1]->click();
    EXPECT_EQ(m().s.Naptipus.d(), 1);
    EXPECT_TRUE(calc->pcrIdojaras[1]->isVisibleTo(calc));
    EXPECT_FALSE(calc->pcrIdojaras[2]->isVisibleTo(calc));
    calc->Option10[6]->click();
    EXPECT_EQ(m().s.Kezdonap, 7);
    calc->Optionkezdet[1]->click();
    EXPECT_EQ(m().s.Felfutes, kTrue);
    EXPECT_TRUE(calc->imgFelfutes->isVisibleTo(calc));
    calc->Combo1->setCurrentIndex(6);
    calc->Combo1_Click();
    calc->Command2_Click();
    EXPECT_EQ(m().s.Honapvalasztas, 7);
    EXPECT_EQ(m().clock.Honap, 7);
    EXPECT_EQ(m().clock.Nap, 15);  // a daily run
    calc->Option5->click();
    EXPECT_EQ(m().s.Szamitasmod, 2);
    EXPECT_FALSE(calc->Frame5->isEnabled());
    calc->Option6->click();
    EXPECT_FALSE(calc->Combo1->isEnabled());
    EXPECT_EQ(calc->Text1_4->text(), QStringLiteral("Hőmennyiségek [kWh/hónap]"));
}

// The labels of the table's amounts name what the run covers; the shares'
// labels carry no unit.
TEST_F(StartedProgram, TheTablesLabelsNameTheUnitOfTheRunShown) {
    const struct {
        QRadioButton* option;
        const char* unit;
    } cases[] = {{calc->Option5, "[kWh/hónap]"}, {calc->Option4, "[kWh/nap]"},
                 {calc->Option7, "[kWh/időszak]"}, {calc->Option6, "[kWh/év]"}};
    for (const auto& c : cases) {
        c.option->click();
        calc->Command2_Click();
        const QString unit = QString::fromUtf8(c.unit);
        EXPECT_EQ(calc->Text2[0]->text(),
                  QStringLiteral("Napkollektorok felületére érkező napsugárzás, Qnap ") + unit);
        for (int row : {1, 2, 3, 5}) EXPECT_TRUE(calc->Text2[row]->text().endsWith(QStringLiteral(" ") + unit)) << row;
        EXPECT_EQ(calc->Text2[4]->text(), QStringLiteral("Csővezeték hőveszteségének részaránya, Qcső/Qhaszn"));
        EXPECT_EQ(calc->Text2[6]->text(), QStringLiteral("Napenergiából fedezett részarány, Qhaszn/(Qhaszn+Qkieg) "));
    }
}

TEST_F(StartedProgram, TickingTheChartBoxRecalculates) {
    calc->Picture3->Napsugmutat->click();
    EXPECT_FALSE(m().res.evesgrafikon.irradiationView);
    EXPECT_EQ(m().res.evesgrafikon.label2, "Qkoll");
    calc->Picture3->Napsugmutat->click();
    EXPECT_EQ(m().res.evesgrafikon.label2, "Qkollveszt");
}

// --- System picker ------------------------------------------------------------------

TEST_F(StartedProgram, PickerStepsBackThroughEachGroup) {
    auto walk = [&](int steps) {
        std::vector<int> seen;
        for (int i = 0; i < steps; ++i) {
            calc->Vissza_Click();
            seen.push_back(ix(m().s.Rendszerszam));
        }
        return seen;
    };
    EXPECT_EQ(walk(2), (std::vector<int>{16, 15}));
    calc->Image1[2]->clicked();
    EXPECT_EQ(ix(m().s.Rendszerszam), 21);
    EXPECT_EQ(walk(2), (std::vector<int>{22, 21}));
    m().s.Kombrendszer = 1;
    calc->Image1[4]->clicked();
    EXPECT_EQ(walk(4), (std::vector<int>{43, 42, 41, 43}));
    m().s.Kombrendszer = 6;
    calc->Image1[4]->clicked();
    EXPECT_EQ(ix(m().s.Rendszerszam), 46);
    EXPECT_EQ(walk(6), (std::vector<int>{45, 44, 43, 42, 41, 43}));
    // Exactly the current system's schematic shows.
    for (const auto& [n, w] : calc->pcrRendszer) EXPECT_EQ(w->isVisibleTo(calc), n == 43) << n;
    calc->Elore->click();
    EXPECT_EQ(ix(m().s.Rendszerszam), 43);
}

TEST_F(StartedProgram, GroupImagesComeBackWithTheirVariant) {
    m().s.HMVrendszer = 3;
    m().s.Medrendszer = 2;
    calc->Image1[2]->clicked();
    EXPECT_EQ(ix(m().s.Rendszerszam), 22);
    calc->Image1[1]->clicked();
    EXPECT_EQ(ix(m().s.Rendszerszam), 13);
    EXPECT_EQ(ix(m().s.Rendszerkategoria), 1);
    EXPECT_EQ(calc->Image1[1]->frameShape(), QFrame::Box);
    EXPECT_EQ(calc->Image1[2]->frameShape(), QFrame::NoFrame);
}

// --- Period dialog --------------------------------------------------------------------

struct PeriodDialogCase {
    int first, last;
    int months;
    double days;
};
void PrintTo(const PeriodDialogCase& c, std::ostream* os) { *os << c.first << " to " << c.last; }

class PeriodDialog : public StartedProgram, public ::testing::WithParamInterface<PeriodDialogCase> {};

TEST_P(PeriodDialog, StoresTheMonthsAndCountsThePeriod) {
    const auto& c = GetParam();
    calc->Command8_Click();
    ASSERT_TRUE(calc->periodDialog);
    EXPECT_TRUE(calc->Option7->isChecked());
    EXPECT_EQ(calc->periodDialog->Combo1->currentText(), QStringLiteral("Május"));
    EXPECT_EQ(calc->periodDialog->Combo2->currentText(), QStringLiteral("Szeptember"));
    calc->periodDialog->Combo1->setCurrentIndex(c.first - 1);
    calc->periodDialog->Combo2->setCurrentIndex(c.last - 1);
    calc->periodDialog->Command1_Click();
    QApplication::processEvents();
    EXPECT_FALSE(calc->periodDialog);  // closed and unloaded
    EXPECT_EQ(m().s.ElsoHonap, c.first);
    EXPECT_EQ(ix(m().s.UtolsoHonap), c.last);
    EXPECT_EQ(m().clock.IdoszakHonapjai, c.months);
    EXPECT_EQ(m().clock.IdoszakNapjai, c.days);
    EXPECT_EQ(m().s.Honapvalasztas, c.first);
    EXPECT_EQ(m().s.Szamitasmod, 4);
}

INSTANTIATE_TEST_SUITE_P(Cases, PeriodDialog,
                         ::testing::Values(PeriodDialogCase{12, 1, 2, 62}, PeriodDialogCase{5, 9, 5, 153},
                                           PeriodDialogCase{12, 2, 3, 90}, PeriodDialogCase{9, 5, 9, 273},
                                           PeriodDialogCase{4, 4, 1, 30}));

TEST_F(StartedProgram, ClosingThePeriodDialogKeepsTheMonths) {
    calc->Command8_Click();
    calc->periodDialog->Combo1->setCurrentIndex(0);
    calc->periodDialog->close();
    QApplication::processEvents();
    EXPECT_EQ(m().s.ElsoHonap, 5);
    EXPECT_TRUE(calc->Option7->isChecked());
}

// --- Colour dialog -----------------------------------------------------------------------

struct PressCase {
    int x, y;
    int colour;  // -1: nothing picked
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << "(" << c.x << ", " << c.y << ")"; }

class ColourDialog : public StartedProgram, public ::testing::WithParamInterface<PressCase> {};

TEST_P(ColourDialog, PicksTheSquareUnderThePointer) {
    const auto& c = GetParam();
    m().par.SzinIndex = 2;
    FrmSzinvalasztas dialog(m(), calc->Picture9[2], calc);
    dialog.Form_MouseDown(c.x, c.y);
    EXPECT_EQ(dialog.chosen(), c.colour);
    dialog.Command1_Click();
    EXPECT_EQ(m().s.Szinek(2), c.colour < 0 ? 5 : c.colour);  // no pick keeps the curve's colour
    const QColor swatch = calc->Picture9[2]->palette().color(QPalette::Window);
    EXPECT_EQ(swatch, c.colour < 0 ? QColor(128, 0, 0) : paletteColour(c.colour));
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourDialog,
                         ::testing::Values(PressCase{700, 1200, 0}, PressCase{1100, 1200, 1}, PressCase{1900, 2400, 15},
                                           PressCase{495, 990, 0}, PressCase{900, 1200, 1},
                                           PressCase{1300, 1420, 5}, PressCase{480, 1200, -1},
                                           PressCase{1000, 2610, -1}, PressCase{2115, 1200, -1}));

TEST_F(StartedProgram, CancellingTheColourDialogChangesNothing) {
    m().par.SzinIndex = 1;
    FrmSzinvalasztas dialog(m(), calc->Picture9[1], calc);
    dialog.Form_MouseDown(1900, 2000);  // colour 14
    dialog.Command2_Click();
    EXPECT_EQ(m().s.Szinek(1), 12);
    EXPECT_EQ(calc->Picture9[1]->palette().color(QPalette::Window), QColor(255, 0, 0));
}

}  // namespace
}  // namespace nk::ui

namespace nk::ui {
namespace {

using testing::StartedProgram;

// --- A value typed and followed at once by an action ------------------------------------

// The daily cycle draws no random day types: two runs of the same data agree.
TEST_F(StartedProgram, AClickOnCalculateUsesTheValueJustTyped) {
    calc->Option4->click();
    calc->activateWindow();
    FieldEdit* e = calc->pipeFields[PipeField::kulsocso];
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, QStringLiteral("1000"));
    QTest::mouseClick(calc->Command2, Qt::LeftButton);  // the press takes the focus, the release clicks
    EXPECT_EQ(m().pipe.Kulsocsohossz.d(), 1000);
    const QString first = calc->tablazat1[2]->text();
    calc->Command2_Click();
    EXPECT_EQ(calc->tablazat1[2]->text(), first);  // the first click already computed with 1000 m
    QApplication::processEvents();                 // the check queued by the focus change finds nothing left
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartedProgram, AnAccessKeyUsesTheValueJustTypedWhileTheFieldKeepsTheFocus) {
    calc->Option4->click();
    calc->activateWindow();
    QApplication::setActiveWindow(calc);
    FieldEdit* e = calc->pipeFields[PipeField::kulsocso];
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, QStringLiteral("1000"));
    QTest::keyClick(e, Qt::Key_S, Qt::AltModifier);  // "&Számítás"
    QTest::qWait(300);                                // the button's animated click
    EXPECT_TRUE(e->hasFocus());
    EXPECT_EQ(m().pipe.Kulsocsohossz.d(), 1000);
    const QString first = calc->tablazat1[2]->text();
    calc->Command2_Click();
    EXPECT_EQ(calc->tablazat1[2]->text(), first);
}

TEST_F(StartedProgram, ARefusedEntryStopsTheActionAndChangesNothing) {
    const QString before = calc->tablazat1[2]->text();
    FieldEdit* e = calc->pipeFields[PipeField::kulsocso];
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, QStringLiteral("5000"));
    m().pipe.Belsocsohossz = 500;  // a change the calculation would show
    calc->Command2_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("A kültéri cső hossza 0 és 1000 m között lehet!"));
    EXPECT_EQ(e->text(), QStringLiteral("10"));
    EXPECT_EQ(m().pipe.Kulsocsohossz.d(), 10);
    EXPECT_EQ(calc->tablazat1[2]->text(), before);  // no run
    calc->Command1_Click();                          // the field was put back: nothing to check again
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(calc->Picture6->isVisibleTo(calc));
}

TEST_F(StartedProgram, BecomingActiveChecksTheFieldStillBeingEdited) {
    FieldEdit* e = calc->pipeFields[PipeField::belsoterhofok];
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, QStringLiteral("25"));
    QDialog other;
    activateAfter(&other);
    EXPECT_EQ(m().pipe.Belsoterhofok, 25.0f);
    EXPECT_EQ(e->text(), QStringLiteral("25"));
}

// --- Every option in view and in the keyboard order ----------------------------------------

std::vector<QWidget*> bandControls(FrmKombinalt* c) {
    std::vector<QWidget*> all = {c->Option6, c->Option5, c->Option4, c->Option7, c->Command8, c->Combo1,
                                 c->Vissza,  c->Elore,   c->Command7};
    for (int i = 1; i <= 3; ++i) all.push_back(c->Option1[std::size_t(i)]);
    for (QRadioButton* b : c->Option10) all.push_back(b);
    for (QRadioButton* b : c->Optionkezdet) all.push_back(b);
    for (int i = 1; i <= 3; ++i) all.push_back(c->Picture9[std::size_t(i)]);
    return all;
}

TEST_F(StartedProgram, EveryCalculationOptionLiesInView) {
    const QRect window = calc->rect();
    for (QWidget* w : bandControls(calc)) {
        const QRect r(w->mapTo(calc, QPoint(0, 0)), w->size());
        EXPECT_TRUE(window.contains(r)) << w->metaObject()->className() << " " << w->property("text").toString().toStdString();
        EXPECT_TRUE(w->isVisibleTo(calc));
    }
    EXPECT_TRUE(calc->pcrIdojaras[2]->isVisibleTo(calc));
    EXPECT_TRUE(calc->imgAllando->isVisibleTo(calc));
}

// The controls the Tab key reaches from the window's first control, once round.
std::set<QWidget*> tabRound(FrmKombinalt* c) {
    std::set<QWidget*> seen;
    c->Option6->setFocus();
    for (int i = 0; i < 60; ++i) {
        seen.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return seen;
}

// Tab enters the pipe data at the top field and walks them down as they stand.
TEST_F(StartedProgram, TabWalksThePipeFieldsTopToBottom) {
    calc->activateWindow();
    QApplication::setActiveWindow(calc);
    std::vector<QWidget*> standing;
    for (const auto& [id, field] : calc->pipeFields) standing.push_back(field);
    std::sort(standing.begin(), standing.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    calc->Picture9[3]->setFocus();  // the control before them
    std::vector<QWidget*> walked;
    for (std::size_t i = 0; i < standing.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(walked, standing);
    EXPECT_TRUE(messages.shown.empty());
}

// Tab enters an option group at one of its options; the arrow keys move the selection.
template <std::size_t N>
QWidget* reached(const std::array<QRadioButton*, N>& group, const std::set<QWidget*>& seen) {
    for (QRadioButton* b : group)
        if (b && seen.count(b)) return b;
    return group[N - 1];
}

TEST_F(StartedProgram, TheKeyboardReachesEveryOptionOfTheChosenCycle) {
    calc->activateWindow();
    QApplication::setActiveWindow(calc);
    calc->Option4->click();  // daily: month, day type and weekday in use
    std::set<QWidget*> seen = tabRound(calc);
    const std::array<QRadioButton*, 4> cycle = {calc->Option4, calc->Option5, calc->Option6, calc->Option7};
    for (QWidget* w : std::initializer_list<QWidget*>{
             reached(cycle, seen), calc->Combo1, reached(calc->Option1, seen), reached(calc->Option10, seen),
             reached(calc->Optionkezdet, seen), calc->Vissza, calc->Elore, calc->Picture9[1], calc->Picture9[2],
             calc->Picture9[3], calc->Command1, calc->Command2, calc->Command5, calc->Command7})
        EXPECT_TRUE(seen.count(w)) << w->metaObject()->className() << w->property("text").toString().toStdString();
    EXPECT_FALSE(seen.count(calc->Command8));  // disabled outside the period cycle

    // The arrow keys run the option handlers.
    calc->Option1[2]->setFocus();
    QTest::keyClick(calc->Option1[2], Qt::Key_Down);
    EXPECT_TRUE(calc->Option1[3]->isChecked());
    EXPECT_EQ(m().s.Naptipus.d(), 3);
    calc->Option10[0]->setFocus();
    QTest::keyClick(calc->Option10[0], Qt::Key_Right);
    EXPECT_EQ(m().s.Kezdonap, 2);

    calc->Command8_Click();  // the period cycle and its button
    calc->periodDialog->close();
    QApplication::processEvents();
    calc->activateWindow();
    QApplication::setActiveWindow(calc);
    seen = tabRound(calc);
    EXPECT_TRUE(seen.count(calc->Command8));
}

TEST_F(StartedProgram, AccessKeysAreUnique) {
    std::map<QChar, QString> keys;
    const auto all = calc->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (w->window() != calc) continue;  // the settings window has keys of its own
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
        const int amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size()) continue;
        const QChar key = text.at(amp + 1).toLower();
        EXPECT_FALSE(keys.count(key)) << "'" << QString(key).toStdString() << "' in " << text.toStdString() << " and "
                                      << keys[key].toStdString();
        keys[key] = text;
    }
    EXPECT_GE(keys.size(), 18u);
}

TEST_F(StartedProgram, AnAccessKeyChoosesTheCycleAndTheDayType) {
    calc->activateWindow();
    QApplication::setActiveWindow(calc);
    QTest::keyClick(calc, Qt::Key_I, Qt::AltModifier);  // "Nap&i"
    QTest::qWait(300);                                  // the option's animated click
    EXPECT_TRUE(calc->Option4->isChecked());
    EXPECT_EQ(m().s.Szamitasmod, 1);
    QTest::keyClick(calc, Qt::Key_O, Qt::AltModifier);  // "B&orult"
    QTest::qWait(300);
    EXPECT_EQ(m().s.Naptipus.d(), 3);
    QTest::keyClick(calc, Qt::Key_S, Qt::AltModifier);  // "&Számítás"
    QTest::qWait(300);
    EXPECT_EQ(m().clock.Nap, 15);  // a daily run
    EXPECT_EQ(m().s.Naptipus.d(), 3);
}

// --- A decimal-point locale --------------------------------------------------------------

class InPointLocale : public StartedProgram {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        StartedProgram::SetUp();
    }
    void TearDown() override {
        StartedProgram::TearDown();
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    }
    // Types into a field and moves the focus on.
    void enter(PipeField f, const char* text) {
        FieldEdit* e = calc->pipeFields[f];
        e->setFocus();
        e->setText(QString::fromUtf8(text));
        calc->Command2->setFocus();
        QApplication::processEvents();
    }
};

TEST_F(InPointLocale, ReadsADecimalPointAndRefusesACommaGroup) {
    EXPECT_EQ(calc->pipeFields[PipeField::hosziglambda]->text(), QStringLiteral("0.04"));
    enter(PipeField::hosziglambda, "0.045");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(m().pipe.Hoszigeteleslambda, 0.045f);
    enter(PipeField::Dcsokulso, "25,7");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Adjon meg számot!"));
    EXPECT_EQ(m().pipe.Csokulsoatmero.d(), 18);
    EXPECT_EQ(calc->pipeFields[PipeField::Dcsokulso]->text(), QStringLiteral("18"));
    enter(PipeField::kulsocso, "1,000");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(m().pipe.Kulsocsohossz.d(), 1000);
    calc->Command2_Click();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9]$")).match(calc->tablazat1[0]->text()).hasMatch())
        << calc->tablazat1[0]->text().toStdString();  // the results in the same notation  // the results in the same notation
}

}  // namespace
}  // namespace nk::ui
