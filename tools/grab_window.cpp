// grab-window: starts the program as a user would, waits for the start-up,
// and saves a picture of the calculation window (and, with --dialogs, of the
// settings window, the tilt and orientation dialog, the editors and the
// period and colour dialogs) for the documentation.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "startup/program.h"
#include "ui/calculation/calculation_window.h"
#include "ui/calculation/colour_dialog.h"
#include "ui/calculation/period_dialog.h"
#include "ui/editors/programme_editor.h"
#include "ui/editors/controller_editor.h"
#include "ui/editors/collector_editor.h"
#include "ui/editors/consumption_editor.h"
#include "ui/settings/settings_window.h"
#include "ui/settings/tilt_dialog.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: grab-window OUTPUT.png [--dialogs PREFIX] [--screen]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    QTranslator qtbase;
    if (qtbase.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool dialogs = argc >= 4 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--dialogs");
    const QString prefix = dialogs ? QString::fromLocal8Bit(argv[3]) : QString();
    const bool wholeScreen = QString::fromLocal8Bit(argv[argc - 1]) == QStringLiteral("--screen");

    nk::ui::Program program;
    program.start();
    QTimer::singleShot(2500, [&] {
        nk::ui::FrmKombinalt* calc = program.calculationWindow();
        if (!calc) {
            app.exit(1);
            return;
        }
        if (wholeScreen)
            calc->screen()->grabWindow(0).save(out);
        else
            calc->grab().save(out);
        if (dialogs) {
            calc->Command1_Click();
            if (nk::ui::FrmBeallitasok* settings = program.settingsWindow()) {
                settings->grab().save(prefix + QStringLiteral("settings-window.png"));
                settings->Command5_Click();
                if (settings->tiltDialog) settings->tiltDialog->grab().save(prefix + QStringLiteral("tilt-dialog.png"));
                if (settings->tiltDialog) settings->tiltDialog->Command2_Click();
                // The tank heater's weekly programme, a morning and an evening painted on Monday.
                settings->Option3->click();
                settings->Command8_Click();
                if (nk::ui::Idoprog* editor = settings->programmeEditor) {
                    for (const auto& [first, last] : {std::pair{11, 15}, std::pair{34, 44}}) {
                        editor->Frame1_MouseDown(1, 250 + 135 * first, 700);
                        for (int k = first + 1; k <= last; ++k) editor->Frame1_MouseMove(1, 250 + 135 * k, 700);
                    }
                    editor->grab().save(prefix + QStringLiteral("programme-editor.png"));
                    editor->close();
                }
                settings->Command13_Click();
                if (nk::ui::Automatika* editor = settings->controllerEditor) {
                    // A chosen row and the pool switched off in winter show the colours.
                    editor->Label4_Click(5);
                    editor->Text_Click(1, 6);
                    for (int month : {1, 2, 12}) editor->Frame1_MouseDown(2, 2300 + 570 * (month - 1), 3650);
                    editor->Label2_Click(1);
                    editor->grab().save(prefix + QStringLiteral("controller-editor.png"));
                    editor->Command3_Click();
                }
                settings->Command6_Click();
                if (settings->collectorEditor) {
                    settings->collectorEditor->grab().save(prefix + QStringLiteral("collector-editor.png"));
                    settings->collectorEditor->reject();
                }
                settings->Command7_Click();
                if (nk::ui::Fogyasztas* editor = settings->consumptionEditor) {
                    // The custom profile shaped as the family house's working day.
                    editor->txbFogyasztas[3]->setText(QStringLiteral("200"));
                    editor->txbFogyasztas_LostFocus(3);
                    editor->Combo2->setCurrentIndex(0);
                    editor->Combo2_Click();
                    editor->Command51_Click();
                    editor->Combo2->setCurrentIndex(4);
                    editor->Combo2_Click();
                    editor->Command52_Click();
                    editor->grab().save(prefix + QStringLiteral("consumption-editor.png"));
                    editor->close();
                }
                settings->Command2_Click();
            }
            calc->Command8_Click();
            if (calc->periodDialog) calc->periodDialog->grab().save(prefix + QStringLiteral("period-dialog.png"));
            nk::ui::FrmSzinvalasztas colour(program.model(), calc->Picture9[1], calc);
            colour.Form_MouseDown(1900, 2400);
            colour.grab().save(prefix + QStringLiteral("colour-dialog.png"));
        }
        app.quit();
    });
    return app.exec();
}
