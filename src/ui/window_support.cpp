#include "ui/window_support.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

namespace nk::ui {

void setupFixedWindow(QWidget* w, int widthTwips, int heightTwips, const QString& title) {
    w->setWindowTitle(title);
    w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    w->setFixedSize(tw(widthTwips), tw(heightTwips));
    paintBackground(w, windowBackground());
}

void centreOnScreen(QWidget* w) {
    if (const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        w->move(avail.center() - QPoint(w->width() / 2, w->height() / 2));
    }
}

QIcon arrowIcon(bool up) {
    QPixmap pm(9, 5);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    const double base = up ? 5 : 0, tip = up ? 0 : 5;
    const QPointF tri[3] = {{0, base}, {9, base}, {4.5, tip}};
    p.drawPolygon(tri, 3);
    return QIcon(pm);
}

QColor fromColourValue(int value) { return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF}; }

void paintBackground(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);  // the face of a button
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

NumberLocale userNumberLocale() {
    const QLocale loc;
    return {utf8(loc.decimalPoint()), utf8(loc.groupSeparator())};
}

void clearOption(QAbstractButton* b) {
    const QSignalBlocker block(b);
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
}

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string utf8(const QString& s) { return s.toStdString(); }

namespace {

QMessageBox::Icon boxIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString boxTitle(const QString& title) { return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title; }

}  // namespace

void BoxMessageService::show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) {
    QMessageBox box(boxIcon(icon), boxTitle(title), text, QMessageBox::Ok, parent);
    box.exec();
}

Answer BoxMessageService::ask(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, Question q) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (q == Question::RetryCancel) buttons = QMessageBox::Retry | QMessageBox::Cancel;
    if (q == Question::OkCancel) buttons = QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(boxIcon(icon), boxTitle(title), text, buttons, parent);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::Retry: return Answer::Retry;
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return q == Question::YesNo ? Answer::No : Answer::Cancel;
    }
}

void MessageService::beep() { QApplication::beep(); }

QString QtFileDialogs::openFile(QWidget* parent) {
    // "*" rather than "*.*": settings files often have no extension.
    return QFileDialog::getOpenFileName(parent, QString(), QString(), QStringLiteral("All Files (*)"));
}

QString QtFileDialogs::saveFile(QWidget* parent) { return QFileDialog::getSaveFileName(parent); }

bool QtFileDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

ActivationTracker::ActivationTracker(QObject* parent) : QObject(parent) {}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        const auto* w = qobject_cast<const QWidget*>(watched);
        if (w && w->isWindow() && w != last_) {
            previous_ = last_;
            previousWasMessageBox_ = lastWasMessageBox_;
            hadPrevious_ = any_;
            last_ = w;
            lastWasMessageBox_ = qobject_cast<const QMessageBox*>(w) != nullptr;
            any_ = true;
        } else if (w && w->isWindow()) {
            // The same window again, as after a return from another application.
            previous_ = w;
            previousWasMessageBox_ = false;
            hadPrevious_ = true;
        }
    }
    return QObject::eventFilter(watched, event);
}

ActivationTracker::Previous ActivationTracker::previousFor(const QWidget* w) const {
    if (!hadPrevious_) return Previous::None;
    if (previousWasMessageBox_) return Previous::MessageBox;
    if (previous_ == w) return Previous::Self;
    return Previous::OtherWindow;
}

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {}

void FieldEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) emit gotFocus();
}

void FieldEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) emit lostFocus();
}

FieldChecks::FieldChecks(QWidget* window) : QObject(window), window_(window) {}

void FieldChecks::add(FieldEdit* field, std::function<bool()> check) {
    checks_[field] = std::move(check);
    connect(field, &FieldEdit::lostFocus, this, [this, field] {
        pending_ = field;
        // A message box must not open in the middle of the focus change.
        QMetaObject::invokeMethod(
            this, [this] { runPending(); }, Qt::QueuedConnection);
    });
}

bool FieldChecks::runPending() {
    FieldEdit* left = pending_;
    if (!left) return true;
    pending_ = nullptr;
    return run(left);
}

bool FieldChecks::commit() {
    if (pending_) return runPending();
    // Still in the field: only an edit since the last check is new.
    auto* focused = qobject_cast<FieldEdit*>(window_->focusWidget());
    if (focused && focused->isModified() && checks_.count(focused)) return run(focused);
    return true;
}

bool FieldChecks::run(FieldEdit* field) {
    field->setModified(false);
    return checks_.at(field)();
}

namespace {

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

int lineBreaks(const QString& text) { return int(std::count_if(text.begin(), text.end(), isLineBreak)); }

}  // namespace

int LineLimitedEdit::breaksLeft() const {
    const int kept = lineBreaks(toPlainText()) - lineBreaks(textCursor().selectedText());
    return std::max(0, maxLines_ - 1 - kept);
}

void LineLimitedEdit::keyPressEvent(QKeyEvent* e) {
    // Enter with or without Shift breaks a line.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && breaksLeft() == 0) {
        QApplication::beep();
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void LineLimitedEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    QString text = source->text();
    const int left = breaksLeft();
    int seen = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isLineBreak(text[i]) && ++seen > left) {
            text.truncate(i);
            break;
        }
    insertPlainText(text);
}

}  // namespace nk::ui
