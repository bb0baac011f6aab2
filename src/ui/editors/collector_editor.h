#pragma once

// "Új napkollektor felvétele": the collector catalogue. The user looks
// through the models of each collector type, adds models of their own,
// changes or deletes them, and picks the type and model for the installation.
// The window edits the catalogue in place (there is one copy of it) and the
// working collector choice; "&Bezár" hands the choice to the settings window,
// any other way of closing hands nothing back.

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "state/catalogue_edit.h"
#include "state/model.h"
#include "ui/window_support.h"

namespace nk::ui {

class FrmBeallitasok;
class RepeatButton;

class Hatasfok : public QDialog {
    Q_OBJECT
public:
    Hatasfok(Model& model, MessageService& messages, FrmBeallitasok& opener);

    void Form_Load();
    void Combo3_Click();    // a type was chosen
    void Combo1_Click();    // a model was chosen
    void Command1_Click();  // "&Módosít"
    void Command3_Click();  // "&Felvesz"
    void Command4_Click();  // "&Töröl"
    void Command2_Click();  // "&Bezár"

    // The hook for an efficiency chart; it draws nothing.
    void Hatasfokgrafikon() {}

    // Checks a field still being edited; false when it refused the entry.
    bool commitEdits();

    // The values a refused entry returns to.
    struct Remembered {
        Single Feluletmezo = 0;  // area, m²
        QString Amezo, Bmezo, Cmezo;
    };
    const Remembered& remembered() const { return mezo_; }

    // Escape and the close box: the catalogue keeps its edits, the working
    // choice returns to where the window opened.
    void reject() override;

    // --- Controls ---
    QComboBox* Combo3;  // collector types, position = type - 1
    QComboBox* Combo1;  // models of the chosen type
    QLineEdit* Text1;   // name of a model to add
    FieldEdit* Text2;   // area
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command1;
    QGroupBox* Frame1;
    FieldEdit* Text3;  // A (Eta0)
    FieldEdit* Text4;  // B (A1)
    FieldEdit* Text5;  // C (A2)
    FieldEdit* Text6;  // Gk
    // 0/1 A up/down, 2/3 B, 4/5 C, 6/7 Gk.
    std::array<RepeatButton*, 8> Command5{};
    QPushButton* Command2;

private:
    void buildTop();
    void buildConstants();
    void buildFormula();
    void setupFields();
    void addField(FieldEdit* edit, std::function<bool()> check);
    void setupArrows();
    void stopArrows();
    // Buttons run their handler once a field still being edited is checked.
    void onClick(QPushButton* button, void (Hatasfok::*handler)());

    // The chosen row in the fields, remembered as the fields' last good
    // values (the fields' gotFocus takes them again, as the user enters).
    void showRow();
    void showFigures();
    // The protection test of "&Módosít" and "&Töröl".
    bool isProtected() const;
    // The settings window's collector lists and captions from the catalogue
    // as it is now, on the working choice.
    void handBack();
    QString modelName() const { return Combo1->currentText(); }

    bool areaLeft();
    bool constantLeft(FieldEdit* edit, QString& remembered, double lo, double hi, const char* rangeMessage);
    bool gkLeft();

    void refuse(const char* text, const char* title);
    bool confirmed(const QString& text, const char* title);

    NumberLocale loc() const { return userNumberLocale(); }
    std::optional<double> number(const QString& text) const { return localeRead(utf8(text), loc()); }

    Model& m_;
    MessageService& messages_;
    FrmBeallitasok& opener_;
    FieldChecks* fields_;
    std::vector<std::pair<FieldEdit*, std::function<bool()>>> checks_;
    Remembered mezo_;
    CollectorChoice opened_;  // the working choice at loading, through deletes
};

}  // namespace nk::ui
