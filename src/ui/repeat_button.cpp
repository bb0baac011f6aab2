#include "ui/repeat_button.h"

#include <QEvent>
#include <QMouseEvent>

namespace nk::ui {

RepeatButton::RepeatButton(QWidget* parent) : QPushButton(parent) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &RepeatButton::tick);
    connect(this, &QPushButton::pressed, this, &RepeatButton::start);
    connect(this, &QPushButton::released, this, &RepeatButton::stop);
    if (window() != this) window()->installEventFilter(this);
}

void RepeatButton::start() {
    if (running_) return;
    if (behaviour_.prepare && !behaviour_.prepare()) return;
    counter_ = 0;
    stepped_ = false;
    running_ = true;
    if (!manualClock_) timer_.start();
}

void RepeatButton::tick() {
    if (!running_) return;
    if (stepped_) {
        if (behaviour_.afterWait) behaviour_.afterWait();
        if (behaviour_.atBound && behaviour_.atBound()) counter_ = behaviour_.limit;
        if (counter_ >= behaviour_.limit) {
            abort();
            if (behaviour_.finished) behaviour_.finished();
            return;
        }
    }
    if (behaviour_.counted) ++counter_;
    if (behaviour_.step) behaviour_.step();
    stepped_ = true;
}

void RepeatButton::abort() {
    running_ = false;
    timer_.stop();
}

void RepeatButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) return QPushButton::mousePressEvent(e);  // its pressed() starts
    setDown(true);
    start();
    e->accept();
}

void RepeatButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) return QPushButton::mouseReleaseEvent(e);
    setDown(false);
    stop();
    e->accept();
}

bool RepeatButton::eventFilter(QObject* watched, QEvent* event) {
    // A button held while its window hides or goes away stops at once.
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close) abort();
    return QPushButton::eventFilter(watched, event);
}

}  // namespace nk::ui
