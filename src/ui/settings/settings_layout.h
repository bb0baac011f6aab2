#pragma once

// Building blocks of the settings window's layout: group boxes stacked down
// a column, rows of label and field inside them, and the calls that set a
// control from code and then run its handler, as a user's change would.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <array>

#include "ui/window_support.h"

namespace nk::ui::layout {

constexpr int kRow = 21;        // pitch of the rows inside a group
constexpr int kFirstRow = 19;   // top of the first row below a group's title
constexpr int kFieldWidth = 52;
constexpr int kGap = 5;         // between stacked groups

inline int rowTop(int row) { return kFirstRow + kRow * row; }

// Stacks groups down a column of the window.
class Column {
public:
    Column(QWidget* parent, int x, int width) : parent_(parent), x_(x), width_(width) {}
    QGroupBox* frame(const QString& title, int rows, int extra = 0) {
        auto* g = new QGroupBox(title, parent_);
        g->setGeometry(x_, y_, width_, kFirstRow + kRow * rows + 6 + extra);
        y_ += g->height() + kGap;
        return g;
    }
    QWidget* area(int height) {
        auto* w = new QWidget(parent_);
        w->setGeometry(x_, y_, width_, height);
        y_ += height + kGap;
        return w;
    }
    int width() const { return width_; }
    int bottom() const { return y_; }

private:
    QWidget* parent_;
    int x_, width_;
    int y_ = 4;
};

inline QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int h = 19) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, h);
    return l;
}

// A label showing a value, drawn like a read-only box.
inline QLabel* valueLabel(QWidget* parent, int x, int y, int w) {
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, w, 19);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

inline FieldEdit* field(QWidget* parent, int x, int y, int w = kFieldWidth) {
    auto* e = new FieldEdit(parent);
    e->setGeometry(x, y, w, 19);
    e->setAlignment(Qt::AlignCenter);
    return e;
}

inline QRadioButton* option(QWidget* parent, const QString& text, int x, int y, int w) {
    auto* b = new QRadioButton(text, parent);
    b->setGeometry(x, y, w, 19);
    return b;
}

// Option buttons are grouped by their container.
inline QWidget* optionGroup(QWidget* parent, int x, int y, int w, int h) {
    auto* g = new QWidget(parent);
    g->setGeometry(x, y, w, h);
    return g;
}

// The programmes of the tank and pool heaters, by their number - 1.
inline QStringList heaterProgrammes() {
    return {QStringLiteral("Folyamatos"), QStringLiteral("Éjaszakai (22h-6h-ig)"), QStringLiteral("Kikapcsolva"),
            QStringLiteral("Egyedi Program szerint")};
}

// The seven weekday options of a programme, Monday to Sunday at 1 to 7.
inline QWidget* weekdayPanel(QWidget* parent, int x, int y, std::array<QRadioButton*, 8>& days) {
    static const char* const kLetters[8] = {"", "H", "K", "Sz", "Cs", "P", "Szo", "V"};
    static const char* const kNames[8] = {"", "Hétfő", "Kedd", "Szerda", "Csütörtök", "Péntek", "Szombat", "Vasárnap"};
    auto* panel = new QWidget(parent);
    panel->setGeometry(x, y, 7 * 41, 19);
    for (int d = 1; d <= 7; ++d) {
        days[std::size_t(d)] = option(panel, QString::fromUtf8(kLetters[d]), 41 * (d - 1), 0, 41);
        days[std::size_t(d)]->setToolTip(QString::fromUtf8(kNames[d]));
    }
    return panel;
}

// The hours under a heater's programme; no programme chart is drawn over it.
inline QLabel* hourScale(QWidget* parent, int y, int w) {
    return label(parent, QStringLiteral("0    2    4     6    8    10  12  14  16  18  20  22  24h"), 8, y, w - 16);
}

inline QComboBox* list(QWidget* parent, int x, int y, int w, const QStringList& items = {}) {
    auto* c = new QComboBox(parent);
    c->setGeometry(x, y, w, 20);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

// --- Setting a control from code --------------------------------------------

// Selects an option; its handler runs when it was not selected already.
template <class F>
void select(QRadioButton* b, F handler) {
    if (b->isChecked()) return;
    {
        const QSignalBlocker block(b);
        b->setChecked(true);
    }
    handler();
}

inline void clear(QRadioButton* b) { clearOption(b); }

// Refills a list; nothing is selected afterwards.
inline void refill(QComboBox* c, const QStringList& items) {
    const QSignalBlocker block(c);
    c->clear();
    c->addItems(items);
    c->setCurrentIndex(-1);
}

// Selects a list entry; the handler runs when the selection changes.
template <class F>
void selectIndex(QComboBox* c, int index, F handler) {
    if (c->currentIndex() == index) return;
    {
        const QSignalBlocker block(c);
        c->setCurrentIndex(index);
    }
    handler();
}

// A daily programme disables its weekday panel and leaves no day chosen; a
// weekly one enables it on Monday.
template <class F>
void showProgrammeKind(bool weekly, QWidget* panel, std::array<QRadioButton*, 8>& days, F dayClicked) {
    panel->setEnabled(weekly);
    select(days[1], [&] { dayClicked(1); });
    if (!weekly) clear(days[1]);
}

// Sets a check box; its handler runs when the value changes.
template <class F>
void setChecked(QCheckBox* c, bool on, F handler) {
    if (c->isChecked() == on) return;
    {
        const QSignalBlocker block(c);
        c->setChecked(on);
    }
    handler();
}

}  // namespace nk::ui::layout
