#pragma once

// "Automatika éves program szerinti beállítása": the controller's annual
// programme, all twelve months of the three tanks and the pool at once. Cells
// are chosen by clicking them or their row header and changed together
// through the value box and "Változtat"; the on/off fields are painted with
// the mouse, on with the left button, off with the right. "&OK" hands every
// month back to the settings window's working copies and has it show its
// month again; "&Mégsem" and the close box hand nothing back.
//
// The settings window keeps one editor and opens it again and again: each
// opening starts from the design (nothing selected, "60" in the value box),
// only the row chosen last survives, as the window object does.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <map>

#include "state/model.h"
#include "ui/editors/controller_grid.h"
#include "ui/window_support.h"

namespace nk::ui {

class RepeatButton;
class Automatika;

QColor qcolor(const Rgb& c);

// A label that takes the mouse press and reports a click.
class ControllerLabel : public QLabel {
    Q_OBJECT
public:
    ControllerLabel(const QString& text, QWidget* parent);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A grid cell: an ordinary text box that also reports a click.
class ControllerCell : public QLineEdit {
    Q_OBJECT
public:
    explicit ControllerCell(QWidget* parent);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The grid's frame: draws the group rectangles and the on/off fields, and
// gets every press that falls on neither a cell nor a label. While a button
// is held it keeps getting the pointer's moves, wherever the pointer goes.
class ControllerFrame : public QWidget {
    Q_OBJECT
public:
    ControllerFrame(Automatika& editor, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Automatika& editor_;
};

class Automatika : public QDialog {
    Q_OBJECT
public:
    // `autkiiras` is the settings window's procedure that shows its month again.
    Automatika(Model& model, MessageService& messages, std::function<void()> autkiiras, QWidget* parent);
    ~Automatika() override;

    void Form_Load();
    void Text_Click(int row, int index);  // Text2_Click .. Text9_Click: row 1, 2, 4, 5, 7, 8, 10, 11
    void Label4_Click(int index);
    void Label2_Click(int index);
    // Positions in twips from the frame's corner; buttons 1 left, 2 right, 4 middle.
    void Frame1_MouseDown(int button, double x, double y);
    void Frame1_MouseMove(int button, double x, double y);
    void Command4_Click();  // "Változtat"
    void Command2_Click();  // "&OK"
    void Command3_Click();  // "&Mégsem"
    // The close box and Escape are "&Mégsem".
    void reject() override;

    const ControllerGrid& grid() const { return grid_; }
    // The cell of a number row and a month.
    ControllerCell* cell(int row, int month) const { return cells_.at(std::size_t(row)).at(std::size_t(month)); }

    // --- Controls ---
    ControllerFrame* Frame1;
    QLineEdit* Text1;                       // the value box
    std::array<RepeatButton*, 2> Command1;  // 0 up, 1 down
    QPushButton* Command4;
    QPushButton* Command2;
    QPushButton* Command3;
    std::array<QLabel*, 13> Label3{};          // month headers, 1 .. 12
    std::map<int, ControllerLabel*> Label4;    // row headers of the number rows
    std::array<ControllerLabel*, 4> Label2{};  // store captions
    std::map<int, QLabel*> lblBe1;             // "Be" of each on/off row; 0 and 1 the legends
    std::map<int, QLabel*> lblKi1;             // "Ki" of each on/off row; 0 the legend
    std::array<QLabel*, 2> Label5{};           // the legends' texts
    QLabel* Label1;

private:
    void buildGrid();
    void buildControls();
    void setupSpinner();
    // Every control drawn again from the grid's state.
    void showGrid();
    // The value box as the spinner and "Változtat" read it; false, with the
    // message, when it holds no number.
    bool valueIsNumber();
    NumberLocale loc() const { return userNumberLocale(); }

    Model& m_;
    MessageService& messages_;
    std::function<void()> autkiiras_;
    ControllerGrid grid_;
    std::array<std::array<ControllerCell*, 13>, 13> cells_{};
};

}  // namespace nk::ui
