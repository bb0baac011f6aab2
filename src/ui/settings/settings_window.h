#pragma once

// The settings window: where the installation is defined. It edits the
// working copies of the settings; "&OK" commits them, "&Mégsem" throws every
// edit away. Each group of controls lives in a file of its own
// (settings_*.cpp); this header is the window as a whole.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <array>
#include <map>

#include "state/field_check.h"
#include "state/model.h"
#include "state/working_copies.h"
#include "ui/calculation/pipe_fields.h"
#include "ui/settings/tilt_labels.h"
#include "ui/window_support.h"

namespace nk::ui {

class Automatika;
class Dolestaj;
class Fogyasztas;
class FrmKombinalt;
class Idoprog;
class Hatasfok;
class RepeatButton;
class TiltDrawing;
namespace layout {
class Column;
}

// A schematic picture that reports a click and can carry a frame.
class SystemPicture : public QFrame {
    Q_OBJECT
public:
    SystemPicture(const QString& resource, QWidget* parent);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent*) override { emit clicked(); }
};

class FrmBeallitasok : public QDialog, public TiltLabels {
    Q_OBJECT
public:
    FrmBeallitasok(Model& model, MessageService& messages, FileDialogs& dialogs, FrmKombinalt& calc);
    ~FrmBeallitasok() override;

    // --- The window as a whole (settings_window.cpp) ---
    void Form_Load();
    void Form_Activate();
    void Command1_Click();  // "&OK"
    void Command2_Click();  // "&Mégsem"
    // Checks a field still being edited; false when it refused the entry.
    bool commitEdits();

    // Public procedures the editors call.
    void FogyAdatvaltozas();
    void Autkiiras();
    void Fogygrafikon() {}
    void HMVIdoprogramgrafikon() {}
    void Medprogramgrafikon() {}
    void Futidoprogramgrafikon() {}
    void Hatasfokgrafikon() {}
    void MagyKiiras();

    // --- Collector (settings_collector.cpp) ---
    void Combo3_Click();
    void Combo5_Click();
    void Label64_Change();
    void Command6_Click();  // the catalogue editor
    void Command5_Click();    // the tilt and orientation dialog
    void Label17_Change();
    void Label18_Change();
    // Shows a tilt or azimuth in its label; the change handler follows.
    void setTiltCaption(const Var& tilt) override;
    void setAzimuthCaption(Integer azimuth) override;
    const Var& shownTilt() const override { return shownTilt_; }
    Integer shownAzimuth() const override { return shownAzimuth_; }
    void showCollectorRow();  // the four captions of the chosen catalogue row
    void fillModelList();

    // --- Controller (settings_controller.cpp) ---
    void Option16_Click(int index);
    void Check_Click(int index);  // Check1_Click .. Check4_Click
    void Command13_Click();       // the annual programme editor

    // --- Tanks, tank heating, losses (settings_tanks.cpp) ---
    void Combo4_Click();
    void Option4_Click();
    void Option3_Click();
    void Option25_Click(int index);
    void Command8_Click();  // the time-programme editor, tank heater

    // --- Hot-water consumption (settings_hotwater.cpp) ---
    void Combo2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option12_Click(int index);
    void Command7_Click();  // the consumption editor
    // The consumption editor while it is open.
    QPointer<Fogyasztas> consumptionEditor;

    // --- Pool (settings_pool.cpp) ---
    void Option26_Click();
    void Option27_Click();
    void Option28_Click();
    void Option5_Click();
    void Option8_Click();
    void Option6_Click();
    void Option7_Click();
    void Option38_Click();
    void Option39_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Check5_Click();
    void Combo1_Click();
    void Option36_Click();
    void Option37_Click();
    void Option35_Click(int index);
    void Command9_Click();  // the time-programme editor, pool heater

    // --- Site and project texts (settings_site.cpp) ---
    void Option40_Click(int index);
    void projectTextLeft(int index);  // Text10_LostFocus, Text11_LostFocus (index 15)

    // --- System type (settings_system.cpp) ---
    void cmdRendszertip_Click(int index);
    void pcrHMV_Click(int index);
    void Med2_Click(int index);
    void Picture2_Click(int index);

    // The tilt and orientation dialog while it is open.
    QPointer<Dolestaj> tiltDialog;
    // The heater time-programme editor while it is open.
    QPointer<Idoprog> programmeEditor;
    // The controller's annual programme editor, made at its first opening.
    QPointer<Automatika> controllerEditor;
    // The collector catalogue editor while it is open.
    QPointer<Hatasfok> collectorEditor;

    // --- Settings files (settings_file_commands.cpp) ---
    void Command3_Click();   // "M&egnyitás"
    void Command4_Click();   // "Me&ntés"
    void Command10_Click();  // "Menté&s másként"
    // Writes the working settings to `path`; false when it was not written.
    bool Mentes(const QString& path);

    // Window-level state.
    QString Fajlnev;
    QString Fajlutvonal;
    Integer Kijelzetthonap = 1;

    // --- Controls ---
    // Collector.
    QGroupBox* Frame15;
    QComboBox* Combo3;
    QComboBox* Combo5;
    QPushButton* Command6;
    FieldEdit* Text3;
    QLabel* Label64;
    QLabel* Label65;
    QLabel* Label17;
    QLabel* Label18;
    QPushButton* Command5;
    TiltDrawing* Frame1;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label61;
    std::map<PipeField, FieldEdit*> pipeFields;

    // Controller.
    FieldEdit* Text13;
    FieldEdit* Text16;
    std::array<QCheckBox*, 5> Check{};  // Check1 .. Check4 at 1 .. 4
    std::array<QRadioButton*, 2> Option16{};
    QPushButton* Command13;
    QLabel* Label24_2;
    QWidget* Frame21;
    FieldEdit* Text14;
    FieldEdit* Text15;
    FieldEdit* Text28;
    FieldEdit* Text17;
    FieldEdit* Text18;
    FieldEdit* Text27;

    // Spinner buttons by their index: 0, 1 month; 2, 3 collectors; 4, 5
    // system loss; 10, 11 circulation loss.
    std::map<int, RepeatButton*> Command11;

    // Tanks and tank heating.
    FieldEdit* Text21;
    FieldEdit* Text20;
    FieldEdit* Text19;
    FieldEdit* Text23;
    FieldEdit* Text22;
    QComboBox* Combo4;
    QRadioButton* Option4;
    QRadioButton* Option3;
    QWidget* Picture7;
    std::array<QRadioButton*, 8> Option25{};  // 1 .. 7
    QPushButton* Command8;

    // Losses and water temperatures.
    FieldEdit* Text12;
    FieldEdit* Text32;
    FieldEdit* Text33;

    // Hot-water consumption.
    QComboBox* Combo2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QWidget* Picture6;
    std::array<QRadioButton*, 8> Option12{};  // 1 .. 7
    std::array<FieldEdit*, 4> Text7{};        // 1 .. 3
    FieldEdit* Text5;
    QLabel* Label28;
    QPushButton* Command7;

    // Pool.
    QRadioButton* Option26;
    QRadioButton* Option27;
    QRadioButton* Option28;
    QLabel* Label55;
    QLabel* Label56;
    FieldEdit* Text26;
    FieldEdit* Text1;
    FieldEdit* Text4;
    FieldEdit* Text8;
    FieldEdit* Text9;
    QRadioButton* Option5;
    QRadioButton* Option8;
    QRadioButton* Option9;
    QRadioButton* Option10;
    QRadioButton* Option11;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option38;
    QRadioButton* Option39;
    QCheckBox* Check5;
    FieldEdit* Text24;
    FieldEdit* Text25;
    FieldEdit* Text29;
    FieldEdit* Text30;
    QComboBox* Combo1;
    QRadioButton* Option36;
    QRadioButton* Option37;
    QWidget* Picture9;
    std::array<QRadioButton*, 8> Option35{};  // 1 .. 7
    QPushButton* Command9;
    // The labels the pool's situation enables and disables, by their names.
    std::map<int, QLabel*> poolLabels;

    // Site and project texts.
    std::array<QRadioButton*, 6> Option40{};
    std::array<QLineEdit*, 15> Text10{};
    QPlainTextEdit* Text11;

    // System type.
    std::map<int, QPushButton*> cmdRendszertip;  // 1, 2, 4
    QWidget* HMVrend;
    QWidget* MEDREND;
    QWidget* KOMBREND;
    std::array<SystemPicture*, 7> pcrHMV{};      // 1 .. 6
    std::array<SystemPicture*, 3> Med2{};        // 1 .. 2
    std::array<SystemPicture*, 7> Picture2{};    // 1 .. 6
    std::map<int, QLabel*> Label7;               // 1, 2, 4
    std::map<int, QLabel*> Label2;               // 1, 2, 4
    std::map<int, QScrollArea*> descriptionArea;  // scrolls Label2 of the group

    // Command buttons.
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command10;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;  // the Escape key: "&Mégsem"
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, one group each.
    void buildCollector(layout::Column& column);
    void buildLosses(layout::Column& column);
    void buildController(layout::Column& column);
    void buildTanks(layout::Column& column);
    void buildHotWater(layout::Column& column);
    void buildPool(layout::Column& column);
    void buildRegion(layout::Column& column);
    void buildProjectTexts(layout::Column& column);
    void buildSystemType(layout::Column& column);
    void buildCommands(layout::Column& column);
    void registerFields();
    // Buttons run their handler once a field still being edited is checked.
    void onClick(QPushButton* button, void (FrmBeallitasok::*handler)());

    // The load steps that "&Mégsem" repeats, in their order.
    void loadSettings(bool cancelling);
    void loadCollectorFigures();
    void loadController();
    void loadTilt();
    void loadCollectorChoice(bool cancelling);
    void showChosenModelName();
    void loadLosses();
    void loadHotWater();
    void loadTankHeating();
    void loadTanks();
    void loadPool();
    void loadProjectTexts();
    void loadRegion();
    void showPipeFields();
    // A pair of spinner buttons beside a field.
    void addSpinners(QWidget* parent, int x, int y, int upIndex, int downIndex);
    void setupSpinners();
    void stopSpinners();

    // Pool helpers.
    void showPoolSituation(bool covered);
    void showPoolArea();
    void showPoolVolume();
    PoolButtons poolButtons() const;

    // Controller helpers.
    void setControllerEnabled(bool constantMode);

    // The time-programme editor of the heater its opener has named.
    void openProgrammeEditor();

    // The consumption amounts keep a check of their own.
    bool consumptionFieldLeft(int index);

    NumberLocale loc() const { return userNumberLocale(); }
    void message(const FieldVerdict& v);

    FieldChecks* fields_;
    Model& m_;
    MessageService& messages_;
    FileDialogs& dialogs_;
    FrmKombinalt& calc_;
    Var shownTilt_;           // what Label17 shows
    Integer shownAzimuth_ = 0;  // what Label18 shows
};

}  // namespace nk::ui
