#pragma once

// A small button that steps a value once per tick of a 100 ms clock while it
// is held: the first step at the first tick after the press, so a short click
// makes exactly one step. The repeat ends at the release, after a number of
// steps, when the value reaches its bound, or when the window hides. It is a
// timer, never a nested event loop: nothing else waits while a button is held.

#include <QPushButton>
#include <QTimer>
#include <functional>

namespace nk::ui {

class RepeatButton : public QPushButton {
    Q_OBJECT
public:
    struct Behaviour {
        std::function<bool()> prepare;    // before the repeat; false refuses it
        std::function<void()> step;       // one step, taken only short of the bound
        std::function<void()> afterWait;  // after each wait for the next tick
        std::function<bool()> atBound;    // true when the value stands at its bound
        std::function<void()> finished;   // once the repeat has ended
        int limit = 100;                  // steps per press
        bool counted = true;              // false: only the release ends the repeat
    };

    explicit RepeatButton(QWidget* parent);
    void setBehaviour(Behaviour b) { behaviour_ = std::move(b); }

    // Ends the repeat at the next tick, as a release does.
    void stop() { counter_ = behaviour_.limit; }
    bool running() const { return running_; }

    // Tests drive the clock themselves.
    void setManualClock(bool manual) { manualClock_ = manual; }
    void tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Any mouse button holds it, not only the one a push button answers.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void start();
    void abort();

    Behaviour behaviour_;
    QTimer timer_;
    int counter_ = 0;
    bool running_ = false;
    bool stepped_ = false;
    bool manualClock_ = false;
};

}  // namespace nk::ui
