#pragma once

// The program's application object. Every click, key and timer tick of every
// window is handled inside it, so it is the one place where an error that a
// handler raised is caught: the user sees the message of its number, as a
// failed calculation shows it, and the program goes on with the next event.

#include <QApplication>

#include "ui/window_support.h"

namespace nk::ui {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Where the messages go; none: message boxes.
    void setMessages(MessageService* messages) { messages_ = messages; }
    MessageService* messages() const { return messages_; }

    bool notify(QObject* receiver, QEvent* event) override;

    // The running application, when it is this class.
    static Application* instance();

private:
    void report(int number);

    BoxMessageService boxes_;
    MessageService* messages_ = nullptr;
};

}  // namespace nk::ui
