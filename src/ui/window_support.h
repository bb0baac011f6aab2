#pragma once

// What every window of the program shares: twip geometry, the window look,
// the 16-colour palette, message boxes that tests can script, and the
// tracker that tells why a window became active.

#include <QAbstractButton>
#include <QPrinter>
#include <QColor>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>

#include "state/ui_port.h"
#include "ui/palette.h"

namespace nk::ui {

// Window geometry is designed in twips: 15 twips make a pixel at 96 dpi.
constexpr int tw(int twips) { return (twips + 7) / 15; }
inline QRect twRect(int left, int top, int width, int height) { return {tw(left), tw(top), tw(width), tw(height)}; }

// Background of every window of the program.
inline QColor windowBackground() { return {255, 255, 128}; }

// Fixed size, no minimise or maximise button, the program's background.
void setupFixedWindow(QWidget* w, int widthTwips, int heightTwips, const QString& title);
void centreOnScreen(QWidget* w);

// A whole-number colour with red in its lowest byte (255 red, 65535 yellow).
QColor fromColourValue(int value);

// The small black triangle of an arrow button.
QIcon arrowIcon(bool up);

// Fills a widget with a colour.
void paintBackground(QWidget* w, const QColor& c);

// Clears an option button, leaving its group with none selected.
void clearOption(QAbstractButton* b);

// The user's number notation for the core's text conversions.
NumberLocale userNumberLocale();

QString qs(const std::string& s);
std::string utf8(const QString& s);

// Message boxes with an icon, one OK button and a title; and the two
// questions the program asks. An empty title is the program's own.
enum class Question { YesNo, RetryCancel, OkCancel };
enum class Answer { Yes, No, Retry, Cancel, Ok };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) = 0;
    virtual Answer ask(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, Question q) = 0;
    virtual void beep();
};

// The real thing: modal message boxes.
class BoxMessageService : public MessageService {
public:
    void show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) override;
    Answer ask(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, Question q) override;
};

// The common dialogs. The file dialogs give a chosen path, or an empty one
// when the user cancelled; the print dialog sets up the printer and answers
// false when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(QWidget* parent) = 0;
    virtual QString saveFile(QWidget* parent) = 0;
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget* parent) override;
    QString saveFile(QWidget* parent) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};

// Why a window became active: the program's windows recalculate when the user
// returns to them from another window of the program, never when a message
// box closes or another application hands the focus back.
class ActivationTracker : public QObject {
public:
    enum class Previous { None, Self, MessageBox, OtherWindow };
    explicit ActivationTracker(QObject* parent = nullptr);
    // What was active before `w`; to be asked from `w`'s activation event.
    Previous previousFor(const QWidget* w) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<const QWidget> last_;
    bool lastWasMessageBox_ = false;
    bool any_ = false;
    QPointer<const QWidget> previous_;
    bool previousWasMessageBox_ = false;
    bool hadPrevious_ = false;
};

// A line edit that reports focus moves between the controls of its window
// (not the focus lost to another window or regained from it).
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent);

signals:
    void gotFocus();
    void lostFocus();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// The checks of a window's input fields. A field is checked when the focus
// leaves it for another control of its window. An action that can start
// before that check has run (a click that takes the focus from the field, an
// access key that leaves the focus where it is, the window becoming active)
// commits first, so that it always works with what the field shows.
class FieldChecks : public QObject {
public:
    explicit FieldChecks(QWidget* window);

    // `check` stores an accepted entry or puts the field's value back, and
    // tells whether the entry was accepted.
    void add(FieldEdit* field, std::function<bool()> check);

    // Runs the check that is still due; false when it refused the entry.
    bool commit();

private:
    bool runPending();
    bool run(FieldEdit* field);

    QWidget* window_;
    std::map<const FieldEdit*, std::function<bool()>> checks_;
    QPointer<FieldEdit> pending_;  // left, not yet checked
};

// A text box of at most `maxLines` lines. A key or a paste that would add
// lines beyond them adds what fits (a line break that does not fit is not
// taken, nor what follows it in a paste); a text set by the program is
// shown as it is.
class LineLimitedEdit : public QPlainTextEdit {
public:
    LineLimitedEdit(int maxLines, QWidget* parent) : QPlainTextEdit(parent), maxLines_(maxLines) {}

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Line breaks the text may still take once the selection is replaced.
    int breaksLeft() const;
    int maxLines_;
};

}  // namespace nk::ui
