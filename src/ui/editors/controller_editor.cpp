#include "ui/editors/controller_editor.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/repeat_button.h"

namespace nk::ui {

namespace {

const char* const kMonthHeads[13] = {"",     "Jan.", "Febr.",  "Márc.", "Ápr.", "Máj.", "Jún.",
                                     "Júl.", "Aug.", "Szept.", "Okt.",  "Nov.", "Dec."};

// The cells of row r: `Text2` .. `Text9` hold rows 1, 2, 4, 5, 7, 8, 10, 11.
constexpr std::array<int, 8> kNumberRows{1, 2, 4, 5, 7, 8, 10, 11};
constexpr std::array<int, 4> kOnOffRows{3, 6, 9, 12};

// Mouse buttons as the handlers count them.
int buttonValue(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? kLeftButton : 0) | (b & Qt::RightButton ? kRightButton : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}

void fill(QWidget* w, const QColor& background, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QLabel* plainLabel(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setAlignment(align);
    return l;
}

}  // namespace

QColor qcolor(const Rgb& c) { return {c.r, c.g, c.b}; }

// --- Controls --------------------------------------------------------------------

ControllerLabel::ControllerLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ControllerLabel::mousePressEvent(QMouseEvent* e) { e->accept(); }  // the frame below gets nothing

void ControllerLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

ControllerCell::ControllerCell(QWidget* parent) : QLineEdit(parent) {}

void ControllerCell::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

ControllerFrame::ControllerFrame(Automatika& editor, QWidget* parent) : QWidget(parent), editor_(editor) {}

void ControllerFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    for (int top : {570, 1380, 2190, 3000}) {  // `Shape1`, one around each store
        const QRect r = twRect(120, top, 9015, 825);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const ControllerGrid& g = editor_.grid();
    for (int row : kOnOffRows)  // `Shape2` .. `Shape5`
        for (int m = 1; m <= 12; ++m) {
            const QRect r = twRect(monthLeft(m), rowTopTwips(row), kCellWidth, kFieldHeight);
            p.setBrush(qcolor(g.fieldColour(row, m)));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
}

void ControllerFrame::mousePressEvent(QMouseEvent* e) {
    const QPointF at = e->position() * 15;
    editor_.Frame1_MouseDown(buttonValue(e->button()), at.x(), at.y());
}

void ControllerFrame::mouseMoveEvent(QMouseEvent* e) {
    const QPointF at = e->position() * 15;
    editor_.Frame1_MouseMove(buttonValue(e->buttons()), at.x(), at.y());
}

// --- The window --------------------------------------------------------------------

Automatika::Automatika(Model& model, MessageService& messages, std::function<void()> autkiiras, QWidget* parent)
    : QDialog(parent), m_(model), messages_(messages), autkiiras_(std::move(autkiiras)) {
    setupFixedWindow(this, 9630, 5970, QStringLiteral("Automatika éves program szerinti beállítása"));
    setWindowFlag(Qt::Dialog);
    buildGrid();
    buildControls();
    setupSpinner();
}

Automatika::~Automatika() = default;

void Automatika::buildGrid() {
    Frame1 = new ControllerFrame(*this, this);
    Frame1->setGeometry(twRect(150, 30, 9285, 3915));
    paintBackground(Frame1, windowBackground());

    // A press on a month header, like one on a "Be" or "Ki" label, stays there.
    for (int m = 1; m <= 12; ++m) {
        auto* header = new ControllerLabel(QString::fromUtf8(kMonthHeads[m]), Frame1);
        header->setGeometry(twRect(monthLeft(m), 300, kCellWidth, kCellHeight));
        header->setAlignment(Qt::AlignCenter);
        Label3[std::size_t(m)] = header;
    }

    for (int row : kNumberRows) {
        const bool first = row == 1 || row == 2;
        auto* h = new ControllerLabel(
            rowKind(row) == RowKind::Difference ? QStringLiteral("dT [°C]") : QStringLiteral("Tmax [°C]"), Frame1);
        h->setGeometry(twRect(1290, rowTopTwips(row), first ? 1035 : 1005, kCellHeight));
        h->setAlignment(Qt::AlignCenter);
        h->setFrameShape(QFrame::Box);
        Label4[row] = h;
        connect(h, &ControllerLabel::clicked, this, [this, row] { Label4_Click(row); });
        for (int m = 1; m <= 12; ++m) {
            auto* c = new ControllerCell(Frame1);
            c->setGeometry(twRect(monthLeft(m), rowTopTwips(row), kCellWidth, kCellHeight));
            c->setAlignment(Qt::AlignCenter);
            cells_[std::size_t(row)][std::size_t(m)] = c;
            connect(c, &ControllerCell::clicked, this, [this, row, m] { Text_Click(row, m); });
            connect(c, &QLineEdit::textEdited, this,
                    [this, row, m](const QString& t) { grid_.setText(row, m, utf8(t)); });
        }
    }
    for (int row : kOnOffRows) {
        auto* be = new ControllerLabel(QStringLiteral("Be"), Frame1);
        be->setGeometry(twRect(1290, bandTop(row), 525, kCellHeight));
        be->setAlignment(Qt::AlignCenter);
        fill(be, qcolor(kOnRed), qcolor(kBlack));
        lblBe1[row] = be;
        auto* ki = new ControllerLabel(QStringLiteral("Ki"), Frame1);
        ki->setGeometry(twRect(1800, bandTop(row), 495, kCellHeight));
        ki->setAlignment(Qt::AlignCenter);
        fill(ki, qcolor(kWhite), qcolor(kBlack));
        lblKi1[row] = ki;
    }

    const struct {
        const char* text;
        int left, top, width;
    } captions[4] = {{"1. tároló", 300, 870, 855},
                     {"2. tároló", 300, 1680, 855},
                     {"3. tároló", 300, 2460, 855},
                     {"Medence", 225, 3270, 1005}};
    QFont bold = font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    for (int i = 0; i < 4; ++i) {
        auto* c = new ControllerLabel(QString::fromUtf8(captions[i].text), Frame1);
        c->setGeometry(twRect(captions[i].left, captions[i].top, captions[i].width, 255));
        c->setFont(bold);
        c->setAlignment(Qt::AlignCenter);
        Label2[std::size_t(i)] = c;
        connect(c, &ControllerLabel::clicked, this, [this, i] { Label2_Click(i); });
    }
}

void Automatika::buildControls() {
    Label1 = plainLabel(this, QStringLiteral("Kiválasztott érték változtatása: "), twRect(780, 4200, 2220, 255),
                        Qt::AlignLeft | Qt::AlignVCenter);
    Text1 = new QLineEdit(this);
    Text1->setGeometry(twRect(3000, 4170, 825, 285));
    Text1->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 2; ++i) {
        auto* b = new RepeatButton(this);
        b->setGeometry(twRect(3810, i == 0 ? 4170 : 4290, 345, 165));
        b->setIcon(arrowIcon(i == 0));
        b->setIconSize(QSize(9, 5));
        b->setAutoDefault(false);
        Command1[std::size_t(i)] = b;
    }
    // Shorter than the design, so that the two arrows keep apart.
    Command1[0]->setFixedHeight(tw(4290) - tw(4170));
    Command4 = new QPushButton(QStringLiteral("Változtat"), this);
    Command4->setGeometry(twRect(4200, 4170, 975, 315));
    Command3 = new QPushButton(QStringLiteral("&Mégsem"), this);
    Command3->setGeometry(twRect(6630, 3990, 1245, 525));
    Command2 = new QPushButton(QStringLiteral("&OK"), this);
    Command2->setGeometry(twRect(8040, 3990, 1245, 525));
    // Enter in a box neither steps nor hands anything back.
    for (QPushButton* b : {Command4, Command3, Command2}) {
        b->setAutoDefault(false);
        paintBackground(b, QColor(192, 192, 192));
    }
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    auto* selection = plainLabel(this, QStringLiteral("Kijelölés"), twRect(120, 4830, 1215, 285), Qt::AlignCenter);
    fill(selection, qcolor(kSelectedBlue), qcolor(kWhite));
    lblBe1[0] = selection;
    Label5[0] = plainLabel(this,
                           QStringLiteral("A változtatni kívánt adatokat kattintással lehet kijelölni. Csak azonos "
                                          "sorban lévő adatok jelölhetők ki. Teljes sor a sor előtti dT [°C], vagy "
                                          "Tmax [°C] feliratú cellára kattintással jelölhető ki."),
                           twRect(1380, 4770, 8100, 570), Qt::AlignLeft | Qt::AlignTop);
    auto* be = plainLabel(this, QStringLiteral("Be"), twRect(150, 5400, 525, 285), Qt::AlignCenter);
    fill(be, qcolor(kOnRed), qcolor(kBlack));
    lblBe1[1] = be;
    auto* ki = plainLabel(this, QStringLiteral("Ki"), twRect(660, 5400, 495, 285), Qt::AlignCenter);
    fill(ki, qcolor(kWhite), qcolor(kBlack));
    lblKi1[0] = ki;
    Label5[1] = plainLabel(this,
                           QStringLiteral("Be/Kikapcsolás: Mező bekapcsolása a bal, kikapcsolása a jobb egérgombbal "
                                          "végezhető el. Az egérgombot lenyomva tartva egyszerre több mező is "
                                          "kapcsolható"),
                           twRect(1380, 5370, 8100, 570), Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* l : Label5) l->setWordWrap(true);
}

void Automatika::setupSpinner() {
    for (int i = 0; i < 2; ++i) {
        const bool up = i == 0;
        RepeatButton* b = Command1[std::size_t(i)];
        RepeatButton::Behaviour r;
        r.prepare = [this, b] {
            b->setFocus();  // the value box is done with before the spinner reads it
            return valueIsNumber();
        };
        r.step = [this, up] {
            if (const auto next = grid_.spinStep(utf8(Text1->text()), up, loc())) Text1->setText(qs(*next));
        };
        r.atBound = [this, up] { return grid_.spinAtBound(utf8(Text1->text()), up, loc()); };
        r.limit = 100;
        b->setBehaviour(r);
    }
}

// --- Loading and showing -------------------------------------------------------------

void Automatika::Form_Load() {
    // Every opening starts from the design.
    grid_.design();
    // The design's "60" and line break: a one-line box shows only the number.
    Text1->setText(QStringLiteral("60"));
    grid_.load(m_.prog, loc());
    showGrid();
    Text1->setFocus();
}

void Automatika::showGrid() {
    for (int row : kNumberRows)
        for (int m = 1; m <= 12; ++m) {
            ControllerCell* c = cell(row, m);
            const QString t = qs(grid_.text(row, m));
            if (c->text() != t) c->setText(t);
            fill(c, qcolor(grid_.cellBackground(row, m)), qcolor(grid_.cellForeground(row, m)));
        }
    for (int i = 0; i < 4; ++i) fill(Label2[std::size_t(i)], qcolor(grid_.captionBackground(i)), qcolor(kBlack));
    Frame1->update();
}

// --- Selecting -----------------------------------------------------------------------

void Automatika::Text_Click(int row, int index) {
    Text1->setText(qs(grid_.clickCell(row, index)));
    showGrid();
    Text1->setFocus();
}

void Automatika::Label4_Click(int index) {
    Text1->setText(qs(grid_.clickRowHeader(index)));
    showGrid();
    Text1->setFocus();
}

void Automatika::Label2_Click(int index) {
    grid_.clickCaption(index);
    showGrid();
}

void Automatika::Frame1_MouseDown(int button, double x, double y) {
    if (grid_.switchField(x, y, button)) Frame1->update();
}

void Automatika::Frame1_MouseMove(int button, double x, double y) { Frame1_MouseDown(button, x, y); }

// --- Changing and handing back ------------------------------------------------------

bool Automatika::valueIsNumber() {
    if (cellNumber(utf8(Text1->text()), loc())) return true;
    const FieldVerdict v = notANumber(rowRule(1).value());
    messages_.show(this, qs(v.message), qs(v.title), v.icon);
    Text1->setFocus();
    return false;
}

void Automatika::Command4_Click() {
    Command4->setFocus();
    if (const auto refused = grid_.change(utf8(Text1->text()), loc()))
        messages_.show(this, qs(refused->message), qs(refused->title), refused->icon);
    showGrid();
    Text1->setFocus();
}

void Automatika::Command2_Click() {
    Command2->setFocus();
    if (const auto refused = grid_.readBack(loc())) {
        messages_.show(this, qs(refused->verdict.message), qs(refused->verdict.title), refused->verdict.icon);
        ControllerCell* c = cell(refused->row, refused->month);
        c->setFocus();
        c->selectAll();
        return;
    }
    grid_.store(m_.prog);
    autkiiras_();
    grid_.Evesprogram.erase();
    done(QDialog::Accepted);
}

void Automatika::Command3_Click() {
    grid_.Evesprogram.erase();
    done(QDialog::Rejected);
}

void Automatika::reject() { Command3_Click(); }

}  // namespace nk::ui
