#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QScrollBar>
#include <functional>
#include <ostream>

#include "state/system_texts.h"
#include "state/working_copies.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_window.h"
#include "ui/settings/tilt_dialog.h"
#include "ui/settings/tilt_drawing.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

using testing::SettingsOpen;

TEST_F(SettingsOpen, OpensOnTheCommittedInstallation) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Beállítások - "));
    EXPECT_TRUE(calc->Picture6->isVisibleTo(calc));
    // Collector, tilt and site.
    EXPECT_EQ(w->Combo3->count(), 6);
    EXPECT_EQ(w->Combo3->currentText(), QStringLiteral("Szelektív síkkollektor"));
    EXPECT_EQ(w->Combo5->count(), 2);
    EXPECT_EQ(w->Combo5->currentText(), QStringLiteral("Heliovant HV 300"));
    EXPECT_EQ(w->Text3->text(), QStringLiteral("3"));
    EXPECT_EQ(w->Label64->text(), QStringLiteral("1,78"));
    EXPECT_EQ(w->Label65->text(), QStringLiteral("5,34"));
    EXPECT_EQ(w->Label10->text(), QStringLiteral("0,798"));
    EXPECT_EQ(w->Label61->text(), QStringLiteral("0,011"));
    EXPECT_EQ(w->Label17->text(), QStringLiteral("45"));
    EXPECT_EQ(w->Label18->text(), QStringLiteral("0"));
    EXPECT_TRUE(w->Option40[2]->isChecked());
    // Controller in constant mode.
    EXPECT_TRUE(w->Option16[0]->isChecked());
    EXPECT_TRUE(w->Label24_2->text().isEmpty());
    EXPECT_FALSE(w->Command11[0]->isEnabled());
    EXPECT_FALSE(w->Command11[1]->isEnabled());
    EXPECT_EQ(w->Text13->text(), QStringLiteral("10"));
    EXPECT_EQ(w->Text27->text(), QStringLiteral("30"));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(w->Check[std::size_t(i)]->isChecked()) << i;
    // Hot water, tanks and heaters.
    EXPECT_EQ(w->Combo2->currentText(), QStringLiteral("Családi ház, munkanap"));
    EXPECT_EQ(w->Text7[1]->text(), QStringLiteral("4"));
    EXPECT_EQ(w->Text7[3]->text(), QStringLiteral("200"));
    EXPECT_EQ(w->Text5->text(), QStringLiteral("45"));
    EXPECT_EQ(w->Text21->text(), QStringLiteral("300"));
    EXPECT_EQ(w->Combo4->currentText(), QStringLiteral("Folyamatos"));
    EXPECT_FALSE(w->Picture7->isEnabled());
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(w->Option25[std::size_t(d)]->isChecked()) << d;
    // Pool.
    EXPECT_TRUE(w->Option8->isChecked());
    EXPECT_TRUE(w->Option11->isChecked());
    EXPECT_TRUE(w->Option26->isChecked());
    EXPECT_EQ(w->Text8->text(), QStringLiteral("32"));
    EXPECT_EQ(w->Text9->text(), QStringLiteral("38,4"));
    EXPECT_EQ(w->Combo1->currentText(), QStringLiteral("Kikapcsolva"));
    // System type.
    EXPECT_TRUE(w->HMVrend->isVisible());
    EXPECT_FALSE(w->MEDREND->isVisible());
    EXPECT_EQ(w->pcrHMV[1]->frameShape(), QFrame::Box);
    EXPECT_EQ(w->Label7[1]->text(), QStringLiteral("11. számú használati-melegvíz készítő rendszer"));
    EXPECT_EQ(m().s.BeallRendszerszam, 11);
    // Every working copy the window shows equals its active copy.
    EXPECT_EQ(m().s.BeallMelegvizhofok, 45);
    EXPECT_EQ(m().s.BeallTarolo1terfogat.d(), 300);
    EXPECT_EQ(m().s.BeallMedterfogat, CSng(38.4));
    EXPECT_EQ(m().s.BeallSugarzastenyezo, 1000);
}

// --- The numeric fields -----------------------------------------------------------

struct FieldCase {
    const char* name;
    std::function<FieldEdit*(FrmBeallitasok&)> field;
    const char* typed;
    const char* message;  // empty: accepted
    const char* title;
    const char* shown;  // the field's text afterwards
    std::function<double(const Model&)> stored;
    double expected;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class SettingFields : public SettingsOpen, public ::testing::WithParamInterface<FieldCase> {
protected:
    void check(const FieldCase& c);
};

TEST_P(SettingFields, CheckAndStoreTheEntry) { check(GetParam()); }

void SettingFields::check(const FieldCase& c) {
    FieldEdit* e = c.field(*w);
    type(e, QString::fromUtf8(c.typed));
    const bool accepted = w->commitEdits();
    const bool shouldAccept = std::string(c.message).empty();
    EXPECT_EQ(accepted, shouldAccept);
    if (shouldAccept) {
        EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text.toStdString();
    } else {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(messages.shown[0].title, QString::fromUtf8(c.title));
        const bool exclamation = std::string(c.title) == "HIBÁS ADAT";
        EXPECT_EQ(messages.shown[0].icon, exclamation ? MsgIcon::Exclamation : MsgIcon::Information);
    }
    EXPECT_EQ(e->text(), QString::fromUtf8(c.shown));
    EXPECT_DOUBLE_EQ(c.stored(m()), c.expected);
}

constexpr const char* kBad = "HIBÁS ADAT";
constexpr const char* kNotANumber = "Adjon meg számot!";
constexpr const char* kPleaseNumber = "Kérem adjon meg számot!";
constexpr const char* kVolumeRange = "A tároló térfogatának 50 és 10000  liter között kell lennie!";
constexpr const char* kDtRange = "A hőmérséklet különbség 1 és 20°C között állítható!";

FieldCase fieldCase(const char* name, FieldEdit* FrmBeallitasok::*field, const char* typed, const char* message,
                    const char* title, const char* shown, std::function<double(const Model&)> stored, double expected) {
    return {name, [field](FrmBeallitasok& w) { return w.*field; }, typed, message, title, shown, std::move(stored),
            expected};
}
FieldCase pipeCase(const char* name, PipeField f, const char* typed, const char* message, const char* shown,
                   std::function<double(const Model&)> stored, double expected) {
    return {name, [f](FrmBeallitasok& w) { return w.pipeFields[f]; }, typed, message, kBad, shown, std::move(stored),
            expected};
}

const auto cold = [](const Model& m) { return double(m.s.BeallHidegvizhofok); };
const auto tank1 = [](const Model& m) { return m.s.BeallTarolo1terfogat.d(); };
const auto tank3 = [](const Model& m) { return double(m.s.BeallTarolo3terfogat); };
const auto systemLoss = [](const Model& m) { return double(m.s.BeallRendszerveszteseg); };
const auto circulation = [](const Model& m) { return m.s.BeallCirkvesztes.d(); };
const auto hotWater = [](const Model& m) { return double(m.s.BeallMelegvizhofok); };
const auto heaterPower = [](const Model& m) { return double(m.s.BeallTarolofutesteljesitmeny); };
const auto heaterTemp = [](const Model& m) { return m.s.BeallTarolofuteshofok.d(); };
const auto collectors = [](const Model& m) { return double(m.s.BeallKollektorszam); };
const auto outdoor = [](const Model& m) { return m.pipe.Kulsocsohossz.d(); };
const auto lambda = [](const Model& m) { return double(m.pipe.Hoszigeteleslambda); };
const auto dT2 = [](const Model& m) { return m.prog.BeallAutBekapcsdT2(0, 1).d(); };
const auto poolMax = [](const Model& m) { return double(m.prog.BeallAutMaxhofokMed(0, 1)); };
const auto poolDt = [](const Model& m) { return double(m.prog.BeallAutBekapcsdTMed(0, 1)); };
const auto length = [](const Model& m) { return m.s.BeallMedhossz.d(); };
const auto depth = [](const Model& m) { return m.s.BeallMedmelyseg.d(); };
const auto makeUp = [](const Model& m) { return m.s.BeallMedvizpotlashofok.toDouble(); };

INSTANTIATE_TEST_SUITE_P(
    DecimalComma, SettingFields,
    ::testing::Values(
        fieldCase("cold_rounds_and_shows", &FrmBeallitasok::Text12, "34,6", "", "", "35", cold, 35),
        fieldCase("cold_range_before_rounding", &FrmBeallitasok::Text12, "35,4",
                  "A hidegvíz hőmérséklete 5°C és 35°C között lehet!", "Hibás adat!", "12", cold, 12),
        fieldCase("cold_empty", &FrmBeallitasok::Text12, "", kPleaseNumber, "Hibás adat!", "12", cold, 12),
        fieldCase("tank1_half_up_keeps_text", &FrmBeallitasok::Text21, "300,5", "", "", "300,5", tank1, 301),
        fieldCase("tank3_lowest", &FrmBeallitasok::Text19, "50", "", "", "50", tank3, 50),
        fieldCase("tank3_highest", &FrmBeallitasok::Text19, "10000", "", "", "10000", tank3, 10000),
        fieldCase("tank3_too_small", &FrmBeallitasok::Text19, "49,9", kVolumeRange, "Tároló térfogat", "300", tank3,
                  300),
        fieldCase("tank3_too_large", &FrmBeallitasok::Text19, "10000,2", kVolumeRange, "Tároló térfogat", "300", tank3,
                  300),
        fieldCase("system_loss_whole_part_shown", &FrmBeallitasok::Text32, "12,7", "", "", "12", systemLoss, 12),
        fieldCase("system_loss_below_one", &FrmBeallitasok::Text32, "0,5", "", "", "0", systemLoss, 0),
        fieldCase("system_loss_negative", &FrmBeallitasok::Text32, "-0,5",
                  "A rendszer kollektoron kívüli vesztesége 0% és 50% között lehet!", kBad, "10", systemLoss, 10),
        fieldCase("circulation_highest", &FrmBeallitasok::Text33, "50", "", "", "50", circulation, 50),
        fieldCase("circulation_too_high", &FrmBeallitasok::Text33, "51",
                  "A cirkulációs veszteség 0% és 50% között lehet!", kBad, "20", circulation, 20),
        fieldCase("hot_water", &FrmBeallitasok::Text5, "55", "", "", "55", hotWater, 55),
        fieldCase("heater_power_zero", &FrmBeallitasok::Text22, "0",
                  "A tároló fűtésének teljesítménye 1kW és 500kW között lehet!", "Tároló fűtés", "10", heaterPower, 10),
        fieldCase("heater_power_half_up", &FrmBeallitasok::Text22, "12,5", "", "", "12,5", heaterPower, 13),
        fieldCase("heater_temperature_low", &FrmBeallitasok::Text23, "29",
                  "A tároló fűtésének bekapcsolási hőmérséklete 30°C és 90°C között lehet!", "Tároló fűtés", "50",
                  heaterTemp, 50),
        fieldCase("collectors_whole_part_shown", &FrmBeallitasok::Text3, "4,6", "", "", "4", collectors, 4),
        fieldCase("collectors_zero", &FrmBeallitasok::Text3, "0", "A kollektorok száma 1 és 500 között lehet!", kBad,
                  "3", collectors, 3),
        fieldCase("collectors_highest", &FrmBeallitasok::Text3, "500", "", "", "500", collectors, 500),
        fieldCase("collectors_not_a_number", &FrmBeallitasok::Text3, "x", kNotANumber, kBad, "3", collectors, 3),
        fieldCase("dt_whole_part", &FrmBeallitasok::Text14, "19,9", "", "", "19", dT2, 19),
        fieldCase("dt_too_high", &FrmBeallitasok::Text14, "20,5", kDtRange, kBad, "10", dT2, 10),
        fieldCase("pool_dt_not_a_number", &FrmBeallitasok::Text28, "abc", kNotANumber, kBad, "10", poolDt, 10),
        fieldCase("pool_max_too_low", &FrmBeallitasok::Text27, "14",
                  "A medence maximális hőmérséklet  15 és 40°C között állítható!", kBad, "30", poolMax, 30),
        fieldCase("pool_max_highest", &FrmBeallitasok::Text27, "40", "", "", "40", poolMax, 40),
        fieldCase("pool_length_hundredths_up", &FrmBeallitasok::Text26, "12,346", "", "", "12,35", length, 12.35),
        fieldCase("pool_length_hundredths_down", &FrmBeallitasok::Text26, "12,344", "", "", "12,34", length, 12.34),
        fieldCase("pool_depth_too_shallow", &FrmBeallitasok::Text4, "0,19",
                  "A medence mélysége 0,2 m  és 5 m között lehet!", "Melegvíz fogyasztás", "1,2", depth, 1.2),
        fieldCase("pool_depth_deepest", &FrmBeallitasok::Text4, "5", "", "", "5", depth, 5),
        fieldCase("make_up_half_up_keeps_text", &FrmBeallitasok::Text24, "12,5", "", "", "12,5", makeUp, 13),
        fieldCase("make_up_too_warm", &FrmBeallitasok::Text24, "51",
                  "A vízpótlás hőmérséklete 5°C és 50°C között lehet!", "Vízpótlás", "12", makeUp, 12),
        pipeCase("pipe_not_a_number", PipeField::kulsocso, "abc", kNotANumber, "10", outdoor, 10),
        pipeCase("pipe_whole_part_keeps_text", PipeField::kulsocso, "999,9", "", "999,9", outdoor, 999),
        pipeCase("pipe_too_long", PipeField::kulsocso, "1000,5", "A kültéri cső hossza 0 és 1000 m között lehet!", "10",
                 outdoor, 10),
        pipeCase("lambda_as_typed", PipeField::hosziglambda, "0,045", "", "0,045", lambda, double(0.045f))));

class SettingFieldsInPointLocale : public SettingFields {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SettingFields::SetUp();
    }
    void TearDown() override {
        SettingFields::TearDown();
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    }
};

TEST_P(SettingFieldsInPointLocale, CheckAndStoreTheEntry) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    DecimalPoint, SettingFieldsInPointLocale,
    ::testing::Values(
        fieldCase("cold_rounds_and_shows", &FrmBeallitasok::Text12, "34.6", "", "", "35", cold, 35),
        fieldCase("system_loss_comma_group_is_no_number", &FrmBeallitasok::Text32, "12,7", kNotANumber, kBad, "10",
                  systemLoss, 10),
        fieldCase("tank1_grouped_thousand", &FrmBeallitasok::Text21, "1,000", "", "", "1,000", tank1, 1000),
        fieldCase("pool_depth", &FrmBeallitasok::Text4, "1.25", "", "", "1.25", depth, 1.25),
        pipeCase("lambda_as_typed", PipeField::hosziglambda, "0.045", "", "0.045", lambda, double(0.045f))));

// --- Side effects of the fields ---------------------------------------------------------

TEST_F(SettingsOpen, CollectorCountAndAreaFollowEachOther) {
    type(w->Text3, QStringLiteral("4,6"));
    ASSERT_TRUE(w->commitEdits());
    EXPECT_EQ(w->Label65->text(), QStringLiteral("7,12"));
    EXPECT_EQ(m().s.BeallOsszfelulet, 7.12f);
    // The label's change rounds to hundredths, the count's entry does not.
    m().kat.KatFelulet(6, 0) = 1.333f;
    type(w->Text3, QStringLiteral("3"));
    ASSERT_TRUE(w->commitEdits());
    w->Combo3->setCurrentIndex(5);
    w->Combo3_Click();
    EXPECT_EQ(w->Label65->text(), QStringLiteral("4"));
    type(w->Text3, QStringLiteral("3"));
    ASSERT_TRUE(w->commitEdits());
    EXPECT_EQ(w->Label65->text(), QStringLiteral("3,999"));
}

TEST_F(SettingsOpen, HotWaterTemperatureNamesTheDraw) {
    type(w->Text5, QStringLiteral("54,5"));
    ASSERT_TRUE(w->commitEdits());
    EXPECT_EQ(w->Text5->text(), QStringLiteral("55"));
    EXPECT_EQ(w->Label28->text(), QStringLiteral("55°C-os melegvízből"));
}

TEST_F(SettingsOpen, PoolAreaAndVolumeFollowTheSizes) {
    type(w->Text26, QStringLiteral("12,346"));
    ASSERT_TRUE(w->commitEdits());
    EXPECT_EQ(w->Text8->text(), QStringLiteral("49,4"));
    EXPECT_EQ(w->Text9->text(), QStringLiteral("59,27"));  // 49.4 × 1.2 × 100 falls just short of 5928
    w->Option27->click();  // a circle of the stored 3 m
    EXPECT_EQ(w->Text8->text(), QStringLiteral("7,06"));
    EXPECT_EQ(m().s.BeallMedterfogat, CSng(8.47));
    type(w->Text1, QStringLiteral("0,5"));
    ASSERT_FALSE(w->commitEdits());
    EXPECT_EQ(messages.shown.back().text, QStringLiteral("A medence hosszúsága 1 m  és 100 m között lehet!"));
    EXPECT_EQ(w->Text1->text(), QStringLiteral("3"));
    w->Option26->click();  // back to the rectangle and its own sizes
    EXPECT_EQ(w->Text1->text(), QStringLiteral("4"));
    EXPECT_EQ(w->Text26->text(), QStringLiteral("12,35"));
    w->Option28->click();
    EXPECT_TRUE(w->Text8->isEnabled());
    EXPECT_TRUE(w->Text26->isHidden());
    type(w->Text8, QStringLiteral("100"));
    ASSERT_TRUE(w->commitEdits());
    EXPECT_EQ(w->Text9->text(), QStringLiteral("120"));
}

// --- OK and Cancel ---------------------------------------------------------------------

TEST_F(SettingsOpen, OkCommitsAndTheNextRunComputesIt) {
    calc->Command1_Click();  // the window is open already: nothing changes
    const QStringList before = annualRun();
    type(w->Text3, QStringLiteral("6"));
    w->Command1_Click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(calc->Picture6->isVisibleTo(calc));
    EXPECT_EQ(m().s.Kollektorszam.d(), 6);
    EXPECT_EQ(m().s.Osszfelulet.d(), double(10.68f));
    const QStringList six = annualRun();
    EXPECT_NE(six[0], before[0]);  // twice the irradiated area

    calc->Command1_Click();
    type(w->Text21, QStringLiteral("150"));
    w->Command1_Click();
    EXPECT_EQ(m().s.Tarolo1terfogat.d(), 150);
    EXPECT_EQ(m().s.Legkisebbterfogat.toDouble(), 150);
    EXPECT_NE(annualRun(), six);
}

TEST_F(SettingsOpen, CancelThrowsEveryEditAway) {
    const QStringList before = annualRun();
    const Model& model = m();
    type(w->Text3, QStringLiteral("7"));
    type(w->Text5, QStringLiteral("60"));
    w->commitEdits();
    w->Combo3->setCurrentIndex(4);
    w->Combo3_Click();
    w->Option40[5]->click();
    w->Option10->click();
    w->Check[2]->click();
    w->Option16[1]->click();
    w->Med2_Click(2);
    w->Text10[6]->setFocus();
    w->Text10[6]->setText(QStringLiteral("+36 1 234 5678"));
    w->Command2->setFocus();
    w->Command2_Click();
    EXPECT_FALSE(w->isVisible());

    EXPECT_EQ(model.s.BeallKollektorszam, 3);
    EXPECT_EQ(model.s.BeallMelegvizhofok, 45);
    EXPECT_EQ(model.s.BeallKollektortipus, 3);
    EXPECT_EQ(model.s.BeallSugarzastenyezo, 1000);
    EXPECT_EQ(model.s.BeallMedfekves.d(), 0.3);
    EXPECT_EQ(model.prog.BeallAutBeKi2(0, 1).d(), 1);
    EXPECT_EQ(model.s.BeallAutomod.d(), 0);
    EXPECT_EQ(model.s.BeallRendszerszam, 11);
    EXPECT_EQ(model.s.beallProjekt.Megrendelotelefax, "");
    // The controls show the committed settings again.
    EXPECT_EQ(w->Text3->text(), QStringLiteral("3"));
    EXPECT_EQ(w->Text5->text(), QStringLiteral("45"));
    EXPECT_EQ(w->Combo3->count(), 6);
    EXPECT_EQ(w->Combo3->currentIndex(), 2);
    EXPECT_EQ(w->Combo5->count(), 2);
    EXPECT_TRUE(w->Option40[2]->isChecked());
    EXPECT_TRUE(w->Option11->isChecked());
    EXPECT_TRUE(w->Check[2]->isChecked());
    EXPECT_TRUE(w->Option16[0]->isChecked());
    EXPECT_TRUE(w->Text10[6]->text().isEmpty());

    // Reopened, it shows the committed system; an OK commits nothing new.
    calc->Command1_Click();
    EXPECT_TRUE(w->HMVrend->isVisible());
    EXPECT_EQ(w->pcrHMV[1]->frameShape(), QFrame::Box);
    w->Command1_Click();
    EXPECT_EQ(model.s.Kollektorszam.d(), 3);
    EXPECT_EQ(model.s.Sugarzastenyezo.d(), 1000);
    EXPECT_EQ(model.s.Rendszerszam.d(), 11);
    EXPECT_EQ(annualRun(), before);
}

// A remark typed on several lines is kept with carriage returns and line
// feeds, as the settings file and the data sheet break lines, and shows its
// lines, no more, when the window opens again.
TEST_F(SettingsOpen, ARemarkOfSeveralLinesKeepsItsLines) {
    w->Text11->setFocus();
    QTest::keyClicks(w->Text11, QStringLiteral("egy"));
    QTest::keyClick(w->Text11, Qt::Key_Return);
    QTest::keyClicks(w->Text11, QStringLiteral("ketto"));
    QTest::keyClick(w->Text11, Qt::Key_Return);
    QTest::keyClicks(w->Text11, QStringLiteral("harom"));
    w->commitEdits();
    EXPECT_EQ(m().s.beallProjekt.Megjegyzes, "egy\r\nketto\r\nharom");
    w->Command1_Click();
    EXPECT_EQ(m().s.projekt.Megjegyzes, "egy\r\nketto\r\nharom");
    calc->Command1_Click();
    EXPECT_EQ(w->Text11->blockCount(), 3);
    EXPECT_EQ(w->Text11->toPlainText(), QStringLiteral("egy\nketto\nharom"));
}

// The model box is editable, but a name typed into it chooses nothing:
// whenever the window opens it shows the committed model's name.
TEST_F(SettingsOpen, TheModelBoxOpensOnTheCommittedModelsName) {
    const QString committed = w->Combo5->itemText(w->Combo5->currentIndex());
    for (bool ok : {true, false}) {
        w->Combo5->setFocus();
        w->Combo5->lineEdit()->selectAll();
        QTest::keyClicks(w->Combo5, QStringLiteral("X2"));
        if (ok)
            QTest::keyClick(w->Combo5, Qt::Key_Return);  // presses "&OK"
        else
            w->Command2_Click();
        ASSERT_FALSE(w->isVisible()) << ok;
        calc->Command1_Click();
        EXPECT_EQ(w->Combo5->currentText(), committed) << ok;
        EXPECT_EQ(w->Combo5->lineEdit()->text(), committed) << ok;
    }
}

// "(max. 5 sor)": a sixth line is not taken, by Enter (with or without
// Shift) nor by a paste, which keeps what fits; a line break typed where it
// does not add a line is taken.
TEST_F(SettingsOpen, TheRemarkTakesAtMostFiveLines) {
    QPlainTextEdit* box = w->Text11;
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("1"));
    for (const char* line : {"2", "3", "4", "5"}) {
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QString::fromUtf8(line));
    }
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter);
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box, QStringLiteral("x"));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("1\n2\n3\n4\n5x"));

    // A paste into the second line: its first line joins it, the rest does not fit.
    QTextCursor c = box->textCursor();
    c.setPosition(3);
    box->setTextCursor(c);
    QApplication::clipboard()->setText(QStringLiteral("a\nb\nc"));
    box->paste();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("1\n2a\n3\n4\n5x"));

    // With two lines selected across a break, Enter replaces them by one break.
    c.setPosition(2);
    c.setPosition(6, QTextCursor::KeepAnchor);  // "2a", its break and "3"
    box->setTextCursor(c);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("1\n\n\n4\n5x"));
    QApplication::clipboard()->setText(QStringLiteral("p\nq"));
    box->paste();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("1\n\np\n4\n5x"));

    w->commitEdits();
    EXPECT_EQ(m().s.beallProjekt.Megjegyzes, "1\r\n\r\np\r\n4\r\n5x");
}

// A file may hold a longer remark: the box shows it whole and takes no
// further line.
TEST_F(SettingsOpen, ALongerRemarkFromAFileIsShownWhole) {
    m().s.projekt.Megjegyzes = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7";
    w->Command2_Click();
    calc->Command1_Click();
    EXPECT_EQ(w->Text11->blockCount(), 7);
    w->Text11->setFocus();
    w->Text11->moveCursor(QTextCursor::End);
    QTest::keyClick(w->Text11, Qt::Key_Return);
    EXPECT_EQ(w->Text11->blockCount(), 7);
}

TEST_F(SettingsOpen, CancellingTwiceKeepsTheListsWhole) {
    for (int i = 0; i < 3; ++i) {
        w->Command2_Click();
        calc->Command1_Click();
    }
    EXPECT_EQ(w->Combo3->count(), 6);
    EXPECT_EQ(w->Combo5->count(), 2);
    EXPECT_EQ(w->Combo2->count(), 5);
    EXPECT_EQ(w->Combo4->count(), 4);
    EXPECT_EQ(w->Combo1->count(), 4);
}

TEST_F(SettingsOpen, ThePipeDataStayAsEnteredAfterCancel) {
    type(w->pipeFields[PipeField::csohejvastagsag], QStringLiteral("30"));
    w->Command2_Click();
    EXPECT_EQ(m().pipe.Csohejvastagsag.d(), 30);
    EXPECT_EQ(w->pipeFields[PipeField::csohejvastagsag]->text(), QStringLiteral("30"));
}

TEST_F(SettingsOpen, TheCloseBoxAndEscapeAreCancel) {
    type(w->Text3, QStringLiteral("9"));
    w->commitEdits();
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(m().s.BeallKollektorszam, 3);
    calc->Command1_Click();
    type(w->Text3, QStringLiteral("9"));
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(m().s.BeallKollektorszam, 3);
    EXPECT_EQ(m().s.Kollektorszam.d(), 3);
}

TEST_F(SettingsOpen, OkChecksTheFieldStillBeingEdited) {
    type(w->Text3, QStringLiteral("8"));
    w->Command1->click();
    EXPECT_EQ(m().s.Kollektorszam.d(), 8);
    calc->Command1_Click();
    type(w->Text3, QStringLiteral("800"));
    w->Command1->click();
    EXPECT_TRUE(w->isVisible());  // refused: the window stays for a correction
    EXPECT_EQ(w->Text3->text(), QStringLiteral("8"));
    EXPECT_EQ(m().s.Kollektorszam.d(), 8);
}

TEST_F(SettingsOpen, PipeFieldsShowWhatTheCalculationWindowChanged) {
    w->Command2_Click();
    m().pipe.Kulsocsohossz = 250;  // entered on the calculation window meanwhile
    calc->Command1_Click();
    EXPECT_EQ(w->pipeFields[PipeField::kulsocso]->text(), QStringLiteral("250"));
}

// --- System type ---------------------------------------------------------------------------

TEST_F(SettingsOpen, GroupsKeepTheirVariants) {
    w->cmdRendszertip[2]->click();
    EXPECT_EQ(m().s.BeallRendszerszam, 21);
    EXPECT_TRUE(w->MEDREND->isVisible());
    EXPECT_EQ(w->Label7[2]->text(), QStringLiteral("21. számú medence fűtő rendszer"));
    w->cmdRendszertip[1]->click();
    w->pcrHMV_Click(3);
    w->cmdRendszertip[4]->click();
    w->Picture2_Click(5);
    w->Picture2_Click(0);  // the strip of the pool frame: nothing
    EXPECT_EQ(m().s.BeallRendszerszam, 45);
    w->cmdRendszertip[1]->click();
    EXPECT_EQ(m().s.BeallRendszerszam, 13);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(w->pcrHMV[std::size_t(i)]->frameShape() == QFrame::Box, i == 3) << i;
    w->cmdRendszertip[4]->click();
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(w->Picture2[std::size_t(i)]->frameShape() == QFrame::Box, i == 5) << i;
    EXPECT_EQ(w->Label2[4]->text().toStdString(), systemText(4, 5)->description);
    w->Command1_Click();
    EXPECT_EQ(m().s.Rendszerszam.d(), 45);
    for (const auto& [n, picture] : calc->pcrRendszer) EXPECT_EQ(picture->isVisibleTo(calc), n == 45) << n;
}

// All of a label's text is on show: it fits the label as the label lays it
// out, and the label is inside what its parent shows, or can be scrolled to.
::testing::AssertionResult shownWhole(const QLabel* l) {
    const QRect room = l->contentsRect();
    const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(l->font()).boundingRect(room, flags, l->text());
    if (needed.width() > room.width() || needed.height() > room.height())
        return ::testing::AssertionFailure() << "needs " << needed.width() << "x" << needed.height() << ", has "
                                             << room.width() << "x" << room.height();
    const QWidget* parent = l->parentWidget();
    QSize reach = parent->size();
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
        reach += QSize(area->horizontalScrollBar()->maximum(), area->verticalScrollBar()->maximum());
    if (!QRect(QPoint(), reach).contains(l->geometry()))
        return ::testing::AssertionFailure() << "label " << l->width() << "x" << l->height() << " at " << l->x() << ","
                                             << l->y() << " beyond " << reach.width() << "x" << reach.height();
    return ::testing::AssertionSuccess();
}

TEST_F(SettingsOpen, EverySystemsTitleAndDescriptionAreShownWhole) {
    const std::pair<int, void (FrmBeallitasok::*)(int)> groups[] = {
        {1, &FrmBeallitasok::pcrHMV_Click}, {2, &FrmBeallitasok::Med2_Click}, {4, &FrmBeallitasok::Picture2_Click}};
    for (const auto& [group, choose] : groups) {
        w->cmdRendszertip[group]->click();
        for (int variant = 1; systemText(group, variant); ++variant) {
            (w->*choose)(variant);
            QApplication::processEvents();
            const int system = group * 10 + variant;
            ASSERT_EQ(w->Label2[group]->text().toStdString(), systemText(group, variant)->description) << system;
            EXPECT_TRUE(shownWhole(w->Label7[group])) << system << " title";
            EXPECT_TRUE(shownWhole(w->Label2[group])) << system << " description";
        }
    }
}

TEST_F(SettingsOpen, AChoiceSurvivesTheTiltDialogUntilCommitted) {
    w->pcrHMV_Click(4);
    w->Command5_Click();
    ASSERT_TRUE(w->tiltDialog);
    w->tiltDialog->Command2_Click();
    EXPECT_EQ(m().s.BeallRendszerszam, 14);
    EXPECT_EQ(w->pcrHMV[4]->frameShape(), QFrame::Box);
}

// --- Tilt and orientation ----------------------------------------------------------------------

TEST_F(SettingsOpen, TheTiltDialogHandsItsPlaneToTheLabelsAndOkCommitsIt) {
    w->Command5_Click();
    ASSERT_TRUE(w->tiltDialog);
    w->tiltDialog->HScroll2->setValue(60);  // tilt 30
    w->tiltDialog->HScroll1->setValue(135);  // azimuth -45
    w->tiltDialog->Command1_Click();
    QApplication::processEvents();
    EXPECT_FALSE(w->tiltDialog);
    EXPECT_EQ(w->Label17->text(), QStringLiteral("30"));
    EXPECT_EQ(w->Label18->text(), QStringLiteral("-45"));
    EXPECT_NEAR(w->Frame1->tiltEnd().x(), 1751.2, 0.1);
    EXPECT_NEAR(w->Frame1->tiltEnd().y(), 1296.5, 0.1);
    EXPECT_NEAR(w->Frame1->azimuthEnd().x(), 3914.8, 0.1);  // west to the right
    EXPECT_NEAR(w->Frame1->azimuthEnd().y(), 1125.2, 0.1);
    EXPECT_EQ(m().s.Dolesszog.d(), 45);  // only OK commits
    w->Command1_Click();
    EXPECT_EQ(m().s.Dolesszog.d(), 30);
    EXPECT_EQ(m().s.Tajolas, -45);
}

struct IndicatorCase {
    double tilt;
    int azimuth;
    double tiltX, tiltY, azimuthX, azimuthY;
};
void PrintTo(const IndicatorCase& c, std::ostream* os) { *os << c.tilt << "/" << c.azimuth; }

class Indicators : public SettingsOpen, public ::testing::WithParamInterface<IndicatorCase> {};

TEST_P(Indicators, TurnToTheShownAngles) {
    const auto& c = GetParam();
    w->setTiltCaption(c.tilt);
    w->setAzimuthCaption(Integer(c.azimuth));
    EXPECT_NEAR(w->Frame1->tiltEnd().x(), c.tiltX, 0.1);
    EXPECT_NEAR(w->Frame1->tiltEnd().y(), c.tiltY, 0.1);
    EXPECT_NEAR(w->Frame1->azimuthEnd().x(), c.azimuthX, 0.1);
    EXPECT_NEAR(w->Frame1->azimuthEnd().y(), c.azimuthY, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Angles, Indicators,
                         ::testing::Values(IndicatorCase{45, 0, 1619.8, 1125.2, 3330.0, 883.0},
                                           IndicatorCase{0, 90, 1862, 1710, 2503.0, 1710.0},
                                           IndicatorCase{90, -90, 1035.0, 883.0, 4157, 1710},
                                           IndicatorCase{37.5, 45, 1691.1, 1206.6, 2745.2, 1125.2}));

}  // namespace
}  // namespace nk::ui
