#pragma once

// The calculation window: annual bar chart, pipe data, result table and the
// schematic of the chosen system. Every calculation of the program starts
// here, and the window recalculates each time the user returns to it from
// another window of the program.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <map>

#include "state/model.h"
#include "ui/calculation/annual_chart_widget.h"
#include "ui/calculation/pipe_fields.h"
#include "ui/window_support.h"

namespace nk::ui {

class MedIdoszak;
class FrmBeallitasok;

// A picture or swatch that reports a mouse press.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent*) override { emit clicked(); }
};

// A colour swatch: a filled square that a click or the space bar opens.
class Swatch : public QAbstractButton {
    Q_OBJECT
public:
    using QAbstractButton::QAbstractButton;

protected:
    void paintEvent(QPaintEvent*) override;
};

class FrmKombinalt : public QWidget, public UiPort {
    Q_OBJECT
public:
    FrmKombinalt(Model& model, MessageService& messages, FileDialogs& dialogs, ActivationTracker& tracker);
    ~FrmKombinalt() override;

    // Public procedures other windows call.
    void Form_Load();
    void Valaszthatosag() {}
    void Tablazat() {}
    void ImgEredmeny_Click(int) {}
    void Option7_Click();
    void Command2_Click();
    // Hides every schematic but the current system's.
    void showSystemSchematic();

    // Handlers.
    void Form_Activate();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option1_Click(int index);
    void Option10_Click(int index);
    void Optionkezdet_Click(int index);
    void Option2_Click(int index);
    void Combo1_Click();
    void Napsugmutat_Click();
    void Command1_Click();
    void Command5_Click();
    void Command8_Click();
    void Command7_Click();  // prints the sizing data sheet
    void Picture9_Click(int index);
    void Image1_Click(int index);
    void Vissza_Click();
    void Elore_Click(int) {}
    void Dcsokulso_GotFocus() {}
    void Dcsokulso_LostFocus() { pipeLostFocus(PipeField::Dcsokulso); }
    void kulsocso_GotFocus() {}
    void kulsocso_LostFocus() { pipeLostFocus(PipeField::kulsocso); }
    void belsocso_GotFocus() {}
    void belsocso_LostFocus() { pipeLostFocus(PipeField::belsocso); }
    void belsoterhofok_GotFocus() {}
    void belsoterhofok_LostFocus() { pipeLostFocus(PipeField::belsoterhofok); }
    void hosziglambda_GotFocus() {}
    void hosziglambda_LostFocus() { pipeLostFocus(PipeField::hosziglambda); }
    void csohejvastagsag_GotFocus() {}
    void csohejvastagsag_LostFocus() { pipeLostFocus(PipeField::csohejvastagsag); }

    // What the core asks of the window.
    void message(const std::string& text, const std::string& title, MsgIcon icon) override;
    void setBusy(bool busy) override;
    bool irradiationShown() const override;
    void showChart(const AnnualChart& chart) override;
    void showResults(const ResultTexts& texts) override;
    NumberLocale numberLocale() const override;

    // Controls, visible area.
    AnnualChartWidget* Picture3;
    QGroupBox* Frame16;
    QGroupBox* Frame6;
    std::map<PipeField, FieldEdit*> pipeFields;
    std::array<QLineEdit*, 7> Text2{};
    std::array<QLineEdit*, 7> tablazat1{};
    std::map<int, QWidget*> pcrRendszer;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command5;

    // Controls outside the visible area: they keep their state and handlers.
    QGroupBox* Frame2;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QComboBox* Combo1;
    std::array<QRadioButton*, 4> Option1{};  // 1..3
    QPushButton* Command8;
    QGroupBox* Frame5;
    std::array<QRadioButton*, 7> Option10{};
    std::array<QRadioButton*, 2> Optionkezdet{};
    QWidget* imgAllando;
    QWidget* imgFelfutes;
    std::array<QWidget*, 4> pcrIdojaras{};  // 1..3
    std::array<ClickLabel*, 5> Image1{};     // 1..4
    QPushButton* Vissza;
    QPushButton* Elore;
    QPushButton* Command7;
    QWidget* Picture6;
    QLineEdit* Text1_0;
    QLineEdit* Text1_4;
    QLineEdit* csohoveszteseg;
    std::array<Swatch*, 4> Picture9{};  // 1..3
    std::array<QRadioButton*, 2> Option2{};

    QPointer<MedIdoszak> periodDialog;
    FrmBeallitasok* settingsWindow = nullptr;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildVisibleArea();
    void buildOptionBand();
    void buildHiddenControls();
    void setKeyboardOrder();
    bool pipeLostFocus(PipeField f);
    void refreshPipeFields();
    void showSchematic(bool visible);
    // The monthly, annual and period cycles use no day type or weekday.
    void disableDailyOptions(bool periodButton, bool monthList);
    void showChartCaptions(int cycle);
    // Explains a printing error; true when the user asks to try again.
    bool printErrorRetry(int number);

    FieldChecks* fields_;
    Model& m_;
    MessageService& messages_;
    FileDialogs& dialogs_;
    ActivationTracker& tracker_;
    bool quitting_ = false;
};

}  // namespace nk::ui
