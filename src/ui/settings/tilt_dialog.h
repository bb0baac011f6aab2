#pragma once

// "Dőlésszög, Tájolás": the user sets the tilt and orientation of the
// collectors with two scroll bars and sees at once what they mean, as two
// indicator lines and as the hourly radiation on that plane for a chosen
// month and day type. The dialog edits the working tilt and azimuth directly;
// "OK" hands them to the opener's labels, "Mégsem" and the close box take
// them back from there. The opener makes a new dialog for every opening.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <array>

#include "radiation/radiation.h"
#include "state/model.h"
#include "ui/settings/tilt_labels.h"

namespace nk::ui {

// Geometry of the drawings in twips, kept as single-precision values because
// the drawings' coordinates are stored that way.
struct TwipPoint {
    Single x = 0;
    Single y = 0;
};
struct TwipBar {
    Single top = 0;
    Single height = 0;
};

class DayRadiationChart;
class IndicatorLine;

class Dolestaj : public QDialog {
    Q_OBJECT
public:
    Dolestaj(Model& model, TiltLabels& labels, QWidget* parent);

    void Form_Load();
    void Combo1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void HScroll2_Change();
    void HScroll1_Change();
    void Command1_Click();
    void Command2_Click();

    // Every way of leaving without "OK" (the close box, Escape) undoes the
    // dialog's changes as "Mégsem" does.
    void reject() override;

    // What the view shows.
    const DayRadiation& shownDay() const { return day_; }
    TwipPoint line6End() const { return line6_; }
    TwipPoint line3End() const { return line3_; }
    const std::array<TwipBar, 24>& shape1() const { return shape1_; }
    const std::array<TwipBar, 24>& shape2() const { return shape2_; }

    QComboBox* Combo1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QWidget* Picture1;     // clear day
    QWidget* Picture4;     // average day
    QWidget* Picture5;     // overcast day
    QScrollBar* HScroll2;  // tilt: 90 - value
    QScrollBar* HScroll1;  // azimuth: 90 - value
    QLabel* Doles;
    QLabel* Tajolas;
    QLabel* Label13;  // the day's diffuse sum
    QLabel* Label14;  // direct
    QLabel* Label16;  // global
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void buildChartArea();
    void buildIndicators();
    void buildSideColumn();
    void showDayType(int dayType);
    void showTilt(const Var& tilt);
    void showAzimuth(Integer azimuth);
    // The end of every handler that changes what is shown.
    void recompute();
    void Sugarzasdiagram();

    Model& m_;
    TiltLabels& labels_;
    DayRadiationChart* chart_;
    IndicatorLine* tiltView_;
    IndicatorLine* azimuthView_;

    DayRadiation day_;
    // The numbers `Doles` and `Tajolas` show; the handlers take them back from here.
    Var shownTilt_ = 45;
    Integer shownAzimuth_ = 0;
    // As designed: tilt 45 facing south, bars flat on the base line.
    TwipPoint line6_{1707, 793};
    TwipPoint line3_{1500, 500};
    std::array<TwipBar, 24> shape1_{};
    std::array<TwipBar, 24> shape2_{};
};

}  // namespace nk::ui
