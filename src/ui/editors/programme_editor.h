#pragma once

// "A hagyományos fűtés időprogramjának beállítása": the user draws the on/off
// programme of a conventional heater half hour by half hour, the left mouse
// button switching fields on and the right one off, for every day alike or
// for each weekday. The window edits the working programme table of the
// heater the settings window names; "O&K" stores the shown day, "Be&zár"
// hands the chosen programme and daily or weekly choice back to the settings
// window. The opener makes a new window for every opening.

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "state/model.h"
#include "ui/editors/programme_grid.h"

namespace nk::ui {

class FrmBeallitasok;

class Idoprog : public QDialog {
    Q_OBJECT
public:
    Idoprog(Model& model, FrmBeallitasok& settings, QWidget* parent);

    void Form_Load();
    void Combo1_Click();
    void Option1_Click();  // daily
    void Option2_Click();  // weekly
    // The weekdays, Monday to Sunday.
    void Option3_Click() { dayChosen(1); }
    void Option4_Click() { dayChosen(2); }
    void Option5_Click() { dayChosen(3); }
    void Option6_Click() { dayChosen(4); }
    void Option7_Click() { dayChosen(5); }
    void Option8_Click() { dayChosen(6); }
    void Option9_Click() { dayChosen(7); }
    // Mouse events of the drawing frame: X and Y in twips from its corner,
    // button 1 left, 2 right, their sum while both are held.
    void Frame1_MouseDown(int button, double x, double y);
    void Frame1_MouseMove(int button, double x, double y);
    void Command2_Click();  // "O&K"
    void Command4_Click();  // "&Másolás"
    void Command3_Click();  // "&Beillesztés"
    void Command1_Click();  // "Be&zár"
    // Shows the stored day of the chosen heater, programme and view.
    void Idoprogramrajzolas();

    // What the fields show, and the window's clipboard.
    const ProgrammeGrid& grid() const { return grid_; }
    const ProgrammeClipboard& clipboard() const { return clipboard_; }
    // Option3 .. Option9 by weekday 1 .. 7.
    QRadioButton* dayOption(int day) const { return days_[std::size_t(day)]; }

    QWidget* Picture1;
    QGroupBox* Frame1;  // the drawing area; its mouse events paint the fields
    QWidget* Label1;  // the hour numbers
    QLabel* Label2;   // legend of an off field
    QLabel* Label3;   // legend of an on field
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QPushButton* Command2;
    QPushButton* Command4;
    QPushButton* Command3;
    QLabel* Label13;
    QComboBox* Combo1;
    QGroupBox* Frame3;
    QRadioButton* Option1;
    QLabel* Label10;
    QRadioButton* Option2;
    QLabel* Label11;
    QGroupBox* Frame2;
    QLabel* Label12;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option8;
    QRadioButton* Option9;
    QPushButton* Command1;

private:
    void buildDrawingArea();
    void buildChoices();
    void dayChosen(int day);
    void handBackTankHeating();
    void handBackPoolHeating();
    void handBack(const struct HeaterControls& c);
    bool customProgramme() const { return m_.par.IdoprogProgram == 4; }
    Integer& stored(int daily, int day, int field);

    Model& m_;
    FrmBeallitasok& settings_;
    ProgrammeGrid grid_;
    ProgrammeClipboard clipboard_;
    std::array<QRadioButton*, 8> days_{};
};

}  // namespace nk::ui
