#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "startup/program.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
    nk::ui::Application app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

    // Qt's own buttons and dialogs in Hungarian.
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Hungarian, QLocale::Hungary), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    nk::ui::Program program;
    program.start();
    return app.exec();
}
