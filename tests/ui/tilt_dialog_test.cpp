#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>
#include <memory>
#include <ostream>

#include "radiation/radiation.h"
#include "state/defaults.h"
#include "ui/settings/tilt_dialog.h"

namespace nk::ui {
namespace {

// The opener's labels: the confirmed tilt and azimuth, and what the dialog wrote.
class FakeLabels : public TiltLabels {
public:
    const Var& shownTilt() const override { return tilt; }
    Integer shownAzimuth() const override { return azimuth; }
    void setTiltCaption(const Var& t) override {
        tilt = t;
        ++tiltWrites;
    }
    void setAzimuthCaption(Integer a) override {
        azimuth = a;
        ++azimuthWrites;
    }

    Var tilt = 45;
    Integer azimuth = 0;
    int tiltWrites = 0;
    int azimuthWrites = 0;
};

class TiltDialog : public ::testing::Test {
protected:
    TiltDialog() { Alapertekek(m); }

    // Opens the dialog as the settings window does, short of the modal loop.
    std::unique_ptr<Dolestaj> open() {
        auto d = std::make_unique<Dolestaj>(m, labels, nullptr);
        d->Form_Load();
        return d;
    }

    // The day the view must show: the working plane's, computed afresh.
    void expectShows(const Dolestaj& d, int month, int dayType) {
        DayRadiation want;
        Model ref;
        Alapertekek(ref);
        ref.s.BeallDolesszog = m.s.BeallDolesszog;
        ref.s.BeallTajolas = m.s.BeallTajolas;
        ref.s.Sugarzastenyezo = m.s.Sugarzastenyezo;
        Havisugarzasnezet(ref, month, dayType, want);
        for (int h = 0; h < 24; ++h) {
            EXPECT_EQ(d.shownDay().total[h], want.total[h]) << "slot " << h;
            EXPECT_EQ(d.shownDay().direct[h], want.direct[h]) << "slot " << h;
            EXPECT_EQ(d.shownDay().diffuse[h], want.diffuse[h]) << "slot " << h;
        }
        EXPECT_EQ(m.clock.Honap, month);
        EXPECT_EQ(m.radmod.Idojaras, dayType);
    }

    Model m;
    FakeLabels labels;
};

// --- Opening -------------------------------------------------------------------------

TEST_F(TiltDialog, OpensOnJuneAverageDayWithItsPictureAndTheMonthList) {
    auto d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Dőlésszög, Tájolás"));
    ASSERT_EQ(d->Combo1->count(), 12);
    EXPECT_EQ(d->Combo1->itemText(0), QStringLiteral("Január"));
    EXPECT_EQ(d->Combo1->itemText(11), QStringLiteral("December"));
    EXPECT_EQ(d->Combo1->currentText(), QStringLiteral("Június"));
    EXPECT_FALSE(d->Option1->isChecked());
    EXPECT_TRUE(d->Option2->isChecked());
    EXPECT_FALSE(d->Option3->isChecked());
    EXPECT_FALSE(d->Picture1->isVisibleTo(d.get()));
    EXPECT_TRUE(d->Picture4->isVisibleTo(d.get()));
    EXPECT_FALSE(d->Picture5->isVisibleTo(d.get()));
    expectShows(*d, 6, 2);
}

struct OpeningCase {
    const char* name;
    Var tilt;
    Integer azimuth;
    int tiltBar, azimuthBar;  // scroll bar values after opening
    double tiltAfter;         // working copies after opening
    Integer azimuthAfter;
    const char* doles;  // what the labels show
    const char* tajolas;
    TwipPoint line6, line3;  // indicator ends
};
void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

class TiltDialogOpening : public TiltDialog, public ::testing::WithParamInterface<OpeningCase> {};

// The indicator lines as drawn before any handler has run.
constexpr TwipPoint kDesignedLine6{1707, 793};
constexpr TwipPoint kDesignedLine3{1500, 500};

TEST_P(TiltDialogOpening, BringsTheScrollBarsToTheWorkingPlane) {
    const auto& c = GetParam();
    m.s.BeallDolesszog = c.tilt;
    m.s.BeallTajolas = c.azimuth;
    auto d = open();
    EXPECT_EQ(d->HScroll2->value(), c.tiltBar);
    EXPECT_EQ(d->HScroll1->value(), c.azimuthBar);
    EXPECT_EQ(m.s.BeallDolesszog.d(), c.tiltAfter);
    EXPECT_EQ(m.s.BeallTajolas, c.azimuthAfter);
    EXPECT_EQ(d->Doles->text(), QString::fromUtf8(c.doles));
    EXPECT_EQ(d->Tajolas->text(), QString::fromUtf8(c.tajolas));
    // A scroll bar that keeps its value runs no handler: its line stays as designed.
    EXPECT_NEAR(d->line6End().x, c.line6.x, 0.05);
    EXPECT_NEAR(d->line6End().y, c.line6.y, 0.05);
    EXPECT_NEAR(d->line3End().x, c.line3.x, 0.05);
    EXPECT_NEAR(d->line3End().y, c.line3.y, 0.05);
    expectShows(*d, 6, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Planes, TiltDialogOpening,
    ::testing::Values(
        OpeningCase{"tilt45south", 45, 0, 45, 90, 45, 0, "45", "0", kDesignedLine6, kDesignedLine3},
        OpeningCase{"tilt30", 30, 0, 60, 90, 30, 0, "30", "0", {1866.0f, 1000.0f}, kDesignedLine3},
        // CInt(57.5) is 58, and the handler keeps whole degrees.
        OpeningCase{"tilt32half", 32.5, 0, 58, 90, 32, 0, "32", "0", {1848.0f, 970.1f}, kDesignedLine3},
        OpeningCase{"southEast", 45, -45, 45, 135, 45, -45, "45", "-45", kDesignedLine6, {2207.1f, 792.9f}},
        // Both handlers: each takes the other's value from its label.
        OpeningCase{"both", 32.5, -45, 58, 135, 32, -45, "32", "-45", {1848.0f, 970.1f}, {2207.1f, 792.9f}},
        // A fraction that rounds to the bar's value stays as it is.
        OpeningCase{"tiltFractionKept", 45.25, 0, 45, 90, 45.25, 0, "45,25", "0", kDesignedLine6, kDesignedLine3}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Scroll bars -----------------------------------------------------------------------

TEST_F(TiltDialog, ScrollBarStepsSetTheWorkingPlaneAndRecomputeTheView) {
    auto d = open();
    d->HScroll2->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m.s.BeallDolesszog.d(), 44);
    EXPECT_EQ(d->Doles->text(), QStringLiteral("44"));
    EXPECT_NEAR(d->line6End().x, 1719.3, 0.05);
    EXPECT_NEAR(d->line6End().y, 805.3, 0.05);
    expectShows(*d, 6, 2);

    d->HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m.s.BeallTajolas, -1);
    EXPECT_EQ(d->Tajolas->text(), QStringLiteral("-1"));
    EXPECT_NEAR(d->line3End().x, 1517.4, 0.05);
    EXPECT_NEAR(d->line3End().y, 500.2, 0.05);
    expectShows(*d, 6, 2);
}

TEST_F(TiltDialog, EachScrollBarTakesTheOtherValueFromItsLabel) {
    m.s.BeallDolesszog = 45.25;  // shown as "45,25"; read back as the number
    auto d = open();
    m.s.BeallDolesszog = 10;
    m.s.BeallTajolas = 70;
    d->HScroll1->setValue(110);
    EXPECT_EQ(m.s.BeallDolesszog.d(), 45.25);
    EXPECT_EQ(m.s.BeallTajolas, -20);

    m.s.BeallTajolas = 70;
    d->HScroll2->setValue(20);
    EXPECT_EQ(m.s.BeallDolesszog.d(), 70);
    EXPECT_EQ(m.s.BeallTajolas, -20);
    expectShows(*d, 6, 2);
}

// --- Month and day type ----------------------------------------------------------------

TEST_F(TiltDialog, TheUsersMonthAndDayTypeAreShownAndKeptAfterClosing) {
    auto d = open();
    d->Option3->click();
    EXPECT_FALSE(d->Picture1->isVisibleTo(d.get()));
    EXPECT_FALSE(d->Picture4->isVisibleTo(d.get()));
    EXPECT_TRUE(d->Picture5->isVisibleTo(d.get()));
    expectShows(*d, 6, 3);

    d->Option1->click();
    EXPECT_TRUE(d->Picture1->isVisibleTo(d.get()));
    EXPECT_FALSE(d->Picture5->isVisibleTo(d.get()));
    expectShows(*d, 6, 1);

    QTest::keyClick(d->Combo1, Qt::Key_Up);
    EXPECT_EQ(d->Combo1->currentText(), QStringLiteral("Május"));
    expectShows(*d, 5, 1);

    d->Command2->click();
    EXPECT_EQ(m.clock.Honap, 5);
    EXPECT_EQ(m.radmod.Idojaras, 1);
}

// --- The view --------------------------------------------------------------------------

TEST_F(TiltDialog, DaySumsLeaveOutTheEdgeSlotsAndTheSiteFactorWhileTheBarsCarryIt) {
    m.s.Sugarzastenyezo = 952;
    auto d = open();
    d->Option3->click();  // June, overcast
    const DayRadiation& day = d->shownDay();
    // The sun is up in slots 4 and 19, outside the summed range.
    ASSERT_GT(day.diffuse[4], 0);
    ASSERT_GT(day.diffuse[19], 0);

    double diffuse = 0, direct = 0;
    for (int h = 5; h <= 18; ++h) {
        diffuse += day.diffuse[h];
        direct += day.direct[h];
    }
    const int diffuseSum = int(std::floor(diffuse)), directSum = int(std::floor(direct));
    EXPECT_EQ(d->Label13->text(), QString::number(diffuseSum));
    EXPECT_EQ(d->Label14->text(), QString::number(directSum));
    EXPECT_EQ(d->Label16->text(), QString::number(diffuseSum + directSum));

    for (int h = 0; h < 24; ++h) {
        EXPECT_EQ(d->shape1()[h].top, Single(2500 - 2 * day.total[h])) << h;
        EXPECT_EQ(d->shape1()[h].height, Single(2 * day.total[h])) << h;
        EXPECT_EQ(d->shape2()[h].top, Single(2500 - 2 * day.diffuse[h])) << h;
        EXPECT_EQ(d->shape2()[h].height, Single(2 * day.diffuse[h])) << h;
    }
    // With the site factor below 1000 the orange bar stays under the blue one.
    EXPECT_NEAR(d->shape2()[11].height, 2 * 354.8, 0.1);
    EXPECT_EQ(d->shape1()[11].height, 2 * 337);

    // The sums are those of the full site factor.
    m.s.Sugarzastenyezo = 1000;
    d->Option3->click();
    EXPECT_EQ(d->Label13->text(), QString::number(diffuseSum));
    EXPECT_EQ(d->Label14->text(), QString::number(directSum));
    EXPECT_GT(d->shape1()[11].height, 2 * 337);
}

// --- Closing ---------------------------------------------------------------------------

TEST_F(TiltDialog, OkShowsTheDialogsPlaneInTheOpenersLabels) {
    auto d = open();
    d->HScroll2->setValue(60);
    d->HScroll1->setValue(135);
    d->Command1->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(labels.tilt.d(), 30);
    EXPECT_EQ(labels.azimuth, -45);
    EXPECT_EQ(labels.tiltWrites, 1);
    EXPECT_EQ(labels.azimuthWrites, 1);
    EXPECT_EQ(m.s.BeallDolesszog.d(), 30);
    EXPECT_EQ(m.s.BeallTajolas, -45);
    // The active plane is the opener's business.
    EXPECT_EQ(m.s.Dolesszog.d(), 45);
    EXPECT_EQ(m.s.Tajolas, 0);
}

enum class Leave { CancelButton, CloseBox, EscapeKey };
const char* name(Leave l) {
    switch (l) {
        case Leave::CancelButton: return "CancelButton";
        case Leave::CloseBox: return "CloseBox";
        case Leave::EscapeKey: return "EscapeKey";
    }
    return "";
}
void PrintTo(Leave l, std::ostream* os) { *os << name(l); }

class TiltDialogCancel : public TiltDialog, public ::testing::WithParamInterface<Leave> {};

TEST_P(TiltDialogCancel, RestoresTheWorkingPlaneFromTheOpenersNumbers) {
    // The opener shows a plane other than the working one.
    labels.tilt = 37.5;
    labels.azimuth = 15;
    auto d = open();
    d->show();
    d->HScroll2->setValue(60);
    d->HScroll1->setValue(135);
    switch (GetParam()) {
        case Leave::CancelButton: d->Command2->click(); break;
        case Leave::CloseBox: d->close(); break;
        case Leave::EscapeKey: QTest::keyClick(d.get(), Qt::Key_Escape); break;
    }
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(m.s.BeallDolesszog.d(), 37.5);
    EXPECT_EQ(m.s.BeallTajolas, 15);
    EXPECT_EQ(labels.tiltWrites, 0);
    EXPECT_EQ(labels.azimuthWrites, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, TiltDialogCancel,
                         ::testing::Values(Leave::CancelButton, Leave::CloseBox, Leave::EscapeKey),
                         [](const auto& info) { return std::string(name(info.param)); });

TEST_F(TiltDialog, NoUseOfTheDialogTouchesTheLiveCollectorTable) {
    const auto live = m.klima.Kollsugarzas;
    for (bool ok : {false, true}) {
        auto d = open();
        d->Option1->click();
        QTest::keyClick(d->Combo1, Qt::Key_Down);
        d->HScroll2->setValue(70);
        d->HScroll1->setValue(30);
        d->Option3->click();
        if (ok)
            d->Command1->click();
        else
            d->Command2->click();
    }
    for (int mo = 0; mo <= 13; ++mo)
        for (int s = 0; s <= 24; ++s)
            for (int w = 0; w <= 4; ++w) ASSERT_EQ(m.klima.Kollsugarzas(mo, s, w), live(mo, s, w)) << mo << " " << s;
}

}  // namespace
}  // namespace nk::ui
