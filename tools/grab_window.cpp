// grab-window: starts the program as a user would, waits for the start-up,
// and saves a picture of the calculation window (and, with --dialogs, of the
// settings window, the tilt and orientation dialog, the consumption editor and
// the period and colour dialogs) for the documentation.

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
