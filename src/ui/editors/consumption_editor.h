#pragma once

// "Napi, vagy heti egyedi melegvíz fogyasztási jelleggörbe beállítása": the
// hot-water consumption profiles. The user picks the daily or weekly
// programme, its profile and weekday, types the day's amount, and shapes the
// custom profile's hourly curve with the "+" and "-" buttons under its bars.
// Amounts reach the working copies as their fields are left, the curve with
// "&OK"; "Be&zár" hands the chosen programme and profile to the settings
// window. The settings window makes a new editor for every opening.

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "state/model.h"
#include "ui/editors/consumption_chart.h"
#include "ui/window_support.h"

namespace nk::ui {

class FrmBeallitasok;
class RepeatButton;

class Fogyasztas : public QDialog {
    Q_OBJECT
public:
    Fogyasztas(Model& model, MessageService& messages, FrmBeallitasok& opener);

    void Form_Load();
    // The choice of programme, profile and weekday.
    void Combo2_Click();  // daily list
    void Combo1_Click();  // weekly list
    void Option1_Click();
    void Option2_Click();
    void Option3_Click(int index);
    // An amount field left; false when its entry was refused.
    bool txbFogyasztas_LostFocus(int index);
    // "Be&zár": hands the programme and profile back and closes.
    void Command49_Click();

    // The chart.
    void Fogygrafrajzolas();
    void Diagramfeirat();
    void Command51_Click();  // "&Másolás"
    void Command52_Click();  // "&Beillesztés"
    void Command53_Click();  // "&OK"

    // Checks an amount field still being edited; false when it refused it.
    bool commitEdits();

    const ConsumptionBars& bars() const { return bars_; }

    // Every way of closing other than "Be&zár" (the close box, Escape) hands
    // nothing back: the settings window keeps the profile it shows.
    void reject() override;

    // --- Controls ---
    QGroupBox* Frame3;
    QRadioButton* Option1;  // "Napi program"
    QRadioButton* Option2;  // "Heti program"
    QLabel* Label2;
    QComboBox* Combo2;
    QLabel* Label15;
    QComboBox* Combo1;
    QGroupBox* Frame4;
    std::array<FieldEdit*, 4> txbFogyasztas{};  // 1 persons, 2 litres per person, 3 litres a day
    QGroupBox* Frame2;
    std::array<QRadioButton*, 8> Option3{};  // Monday .. Sunday at 1 .. 7
    QPushButton* Command49;

    QFrame* Picture2;
    QWidget* Frame1;  // the chart with its buttons
    ConsumptionChart* Picture1;
    std::array<QLabel*, 11> Label5{};  // litres per hour beside grid lines 1 .. 10; 0 is "0"
    QLabel* Label7;
    QLabel* Label1;
    QLabel* Label6;
    std::array<RepeatButton*, bars::kHours> Command1{};  // "-"
    std::array<RepeatButton*, bars::kHours> Command2{};  // "+"
    QPushButton* Command53;
    QPushButton* Command52;
    QPushButton* Command51;

private:
    void buildChoice();
    void buildAmounts();
    void buildWeekdays();
    void buildChart();
    void setupBarButtons();
    // Buttons run their handler once an amount still being edited is checked.
    void onClick(QPushButton* button, void (Fogyasztas::*handler)());

    // The rules that switch parts of the window on and off, for the daily or
    // the weekly list.
    void amountRule(bool weekly);
    void customRule(bool weekly);
    void pasteRule(bool weekly);
    bool customShown(bool weekly) const;
    void showAmounts();
    void showStored(int index);
    void redraw();
    // Stores an amount typed as n (Index 1..3); false when it was refused.
    bool storeAmount(int index, double n);
    void stopBarButtons();
    // Whether "+" may start: an amount must be given.
    bool amountGiven();
    void inform(const char* text);
    void refuse(const char* text);

    NumberLocale loc() const { return userNumberLocale(); }

    Model& m_;
    MessageService& messages_;
    FrmBeallitasok& opener_;
    FieldChecks* fields_;
    ConsumptionBars bars_;
    // The position the settings window shows, for a close without hand-back.
    Integer openedProfile_ = 0;
    Integer openedProgramme_ = 0;
    Integer openedWeekday_ = 0;
    bool handedBack_ = false;
};

}  // namespace nk::ui
