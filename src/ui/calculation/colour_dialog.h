#pragma once

// "Színválasztás": picks one of the 16 palette colours for a chart curve.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "state/model.h"

namespace nk::ui {

class FrmSzinvalasztas : public QDialog {
    Q_OBJECT
public:
    // `swatch` is the calculation window's swatch of the curve being edited.
    FrmSzinvalasztas(Model& model, QWidget* swatch, QWidget* parent);

    // A press at (x, y) in twips on the dialog's surface.
    void Form_MouseDown(int xTwips, int yTwips);
    void Command1_Click();
    void Command2_Click();

    int chosen() const { return chosen_; }
    QColor currentColour() const;

    std::array<QWidget*, 16> Shape1{};
    QWidget* Shape2;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    Model& m_;
    QWidget* swatch_;
    int chosen_ = -1;  // nothing picked yet
};

}  // namespace nk::ui
