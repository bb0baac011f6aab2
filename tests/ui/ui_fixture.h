#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <memory>
#include <vector>

#include "startup/program.h"
#include "ui/calculation/calculation_window.h"
#include "ui/window_support.h"

namespace nk::ui::testing {

// Message boxes that never block: each request is recorded.
class ScriptedMessages : public MessageService {
public:
    struct Shown {
        QString text, title;
        MsgIcon icon;
    };
    void show(QWidget*, const QString& text, const QString& title, MsgIcon icon) override {
        shown.push_back({text, title, icon});
    }
    std::vector<Shown> shown;
};

// A started program: splash, start-up timer, calculation window on screen.
class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<Program>(&messages);
        program->start();
        program->splash()->Timer1_Timer();  // the start-up tick, without waiting a second
        QApplication::processEvents();
        calc = program->calculationWindow();
        ASSERT_NE(calc, nullptr);
    }
    void TearDown() override { program.reset(); }

    Model& m() { return program->model(); }

    // The window becomes active after `previous` was.
    void activateAfter(QWidget* previous) {
        if (previous) {
            QEvent e(QEvent::WindowActivate);
            QApplication::sendEvent(previous, &e);
        }
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(calc, &e);
    }

    ScriptedMessages messages;
    std::unique_ptr<Program> program;
    FrmKombinalt* calc = nullptr;
};

}  // namespace nk::ui::testing
