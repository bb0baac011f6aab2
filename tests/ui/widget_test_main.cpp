// Widget tests run without a display: the offscreen platform, unless the
// caller chose another one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <cstdlib>

#include "ui/application.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    nk::ui::Application app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    // The windows are made for a decimal-comma locale.
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    // Tests close windows that would end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
