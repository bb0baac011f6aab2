#pragma once

// "Számítási időszak beállítása": the first and last month of the period
// cycle. Modeless; "&OK" stores the months and has the calculation window
// recount the period.

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "state/model.h"

namespace nk::ui {

class FrmKombinalt;

class MedIdoszak : public QDialog {
    Q_OBJECT
public:
    MedIdoszak(Model& model, FrmKombinalt& calculationWindow);

    void Form_Load();
    void Command1_Click();

    QComboBox* Combo1;
    QComboBox* Combo2;
    QPushButton* Command1;

private:
    Model& m_;
    FrmKombinalt& calc_;
};

}  // namespace nk::ui
