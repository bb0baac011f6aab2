#pragma once

// The program as it runs: the shared state and its windows. Start-up shows
// the splash; its timer builds the state and the windows and puts the
// calculation window on screen.

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "state/model.h"
#include "ui/window_support.h"

namespace nk::ui {

class FrmKombinalt;
class FrmBeallitasok;
class Program;

// A frame that reports a click.
class ClickFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent*) override { emit clicked(); }
};

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(Program& program);

    void Form_Load() {}
    void Form_KeyPress();
    void Frame1_Click();
    void Timer1_Timer();

    ClickFrame* Frame1;
    QLabel* Label2;
    QLabel* lblWarning;
    QTimer* Timer1;

protected:
    void keyPressEvent(QKeyEvent*) override { Form_KeyPress(); }

private:
    Program& program_;
};

// The title page: loaded, never shown; its loading puts the calculation
// window on screen.
class Cimlap : public QWidget {
    Q_OBJECT
public:
    explicit Cimlap(Program& program);
    void Form_Load();
    void Command2_Click();
    void Command4_Click();

private:
    Program& program_;
};

class Program {
public:
    // Tests replace the message boxes and the file dialogs.
    explicit Program(MessageService* messages = nullptr, FileDialogs* dialogs = nullptr);
    ~Program();

    // Shows the splash; the rest follows from its timer.
    void start();

    Model& model() { return *model_; }
    ActivationTracker& tracker() { return *tracker_; }
    FrmSplash* splash() const { return splash_; }
    FrmKombinalt* calculationWindow() const { return calc_.get(); }
    FrmBeallitasok* settingsWindow() const { return settings_; }
    Cimlap* titlePage() const { return title_.get(); }

private:
    friend class FrmSplash;
    friend class Cimlap;

    std::unique_ptr<Model> model_;
    std::unique_ptr<MessageService> ownMessages_;
    MessageService* messages_;
    std::unique_ptr<FileDialogs> ownDialogs_;
    FileDialogs* dialogs_;
    std::unique_ptr<ActivationTracker> tracker_;
    QPointer<FrmSplash> splash_;
    std::unique_ptr<FrmKombinalt> calc_;
    FrmBeallitasok* settings_ = nullptr;  // a child of the calculation window
    std::unique_ptr<Cimlap> title_;
};

}  // namespace nk::ui
