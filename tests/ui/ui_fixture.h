#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "startup/program.h"
#include "ui/calculation/calculation_window.h"
#include "ui/settings/settings_window.h"
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
    // Questions are answered from the script, then with No or Cancel.
    Answer ask(QWidget*, const QString& text, const QString& title, MsgIcon icon, Question q) override {
        shown.push_back({text, title, icon});
        asked.push_back(q);
        if (beforeAnswer) beforeAnswer();
        if (answers.empty()) return q == Question::YesNo ? Answer::No : Answer::Cancel;
        const Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    void beep() override { ++beeps; }
    std::vector<Shown> shown;
    int beeps = 0;
    std::vector<Question> asked;
    std::vector<Answer> answers;
    std::function<void()> beforeAnswer;  // what the user does before answering
};

// File dialogs that return the scripted paths, then nothing (cancelled).
class ScriptedDialogs : public FileDialogs {
public:
    QString openFile(QWidget*) override { return next(); }
    QString saveFile(QWidget*) override { return next(); }
    // The print dialog prints to the scripted PDF files, then is cancelled.
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (pdfFiles.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFiles.front());
        pdfFiles.erase(pdfFiles.begin());
        return true;
    }
    std::vector<QString> paths;
    std::vector<QString> pdfFiles;
    int printDialogs = 0;

private:
    QString next() {
        if (paths.empty()) return {};
        const QString p = paths.front();
        paths.erase(paths.begin());
        return p;
    }
};

// A started program: splash, start-up timer, calculation window on screen.
class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<Program>(&messages, &dialogs);
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
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program;
    FrmKombinalt* calc = nullptr;
};

// Types a text into a field, as a user replacing its content would.
inline void typeText(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    else
        QTest::keyClicks(e, text);
}

// The program started and the settings window opened from the calculation window.
class SettingsOpen : public StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        if (HasFatalFailure()) return;
        w = program->settingsWindow();
        ASSERT_NE(w, nullptr);
        calc->Command1_Click();
        ASSERT_TRUE(w->isVisible());
    }
    static void type(QLineEdit* e, const QString& text) { typeText(e, text); }
    // Reruns the annual calculation from the start of the weather sequence.
    QStringList annualRun() {
        m().rnd = Random();
        return tableAfterCalculation();
    }
    // The daily cycle: two runs of the same installation agree.
    QStringList dailyRun() {
        calc->Option4->click();
        return tableAfterCalculation();
    }
    QStringList tableAfterCalculation() {
        calc->Command2_Click();
        QStringList cells;
        for (QLineEdit* cell : calc->tablazat1) cells << cell->text();
        return cells;
    }
    FrmBeallitasok* w = nullptr;
};

}  // namespace nk::ui::testing
