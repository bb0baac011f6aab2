#include <QApplication>
#include <QWidget>

#include "state/defaults.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    nk::Model model;
    nk::Alapertekek(model);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Napkollektor köri csővezeték hőveszteségét számító program"));
    window.show();
    return app.exec();
}
