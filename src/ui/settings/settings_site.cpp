// The site region, which scales the radiation on the collectors, and the
// project texts of the data sheet.

#include <QEvent>
#include <QSvgWidget>

#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

namespace {

// Site factor (per mille) of each region, and the yearly radiation on a
// horizontal surface that its colour stands for on the map.
constexpr int kSiteFactors[6] = {952, 975, 1000, 1024, 1049, 1073};
const char* const kLegend[6] = {"1170", "1200", "1230", "1260", "1290", "1320"};
const QColor kBandColours[6] = {{0xff, 0xf5, 0xb0}, {0xff, 0xe6, 0x80}, {0xff, 0xcc, 0x55},
                                {0xff, 0xaa, 0x33}, {0xff, 0x88, 0x22}, {0xe6, 0x5c, 0x00}};
// Where each region's button sits on the map, in its band.
constexpr QPoint kButtonAt[6] = {{33, 44}, {53, 62}, {103, 62}, {173, 50}, {173, 80}, {193, 98}};

// Text boxes show their base colour: the window's, or the highlight while edited.
void setBoxColour(QWidget* box, const QColor& c) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, c);
    box->setPalette(p);
}

// The boxes' working copies in the order of the box indexes.
constexpr int kBoxText[15] = {0, 1, 2, 3, 4, 7, 12, 11, 10, 5, 6, 9, 8, 13, 15};

}  // namespace

void FrmBeallitasok::buildRegion(Column& column) {
    auto* Frame13 = column.frame(QStringLiteral("Földrajzi helyszín kiválasztása"), 2, 142);
    auto* Image1 = new QSvgWidget(QStringLiteral(":/nk/region_map.svg"), Frame13);
    Image1->setGeometry(6, kFirstRow, 290, 140);
    for (int i = 0; i < 6; ++i) {
        Option40[std::size_t(i)] = option(Image1, QString(), kButtonAt[i].x(), kButtonAt[i].y(), 16);
        Option40[std::size_t(i)]->setToolTip(QString::fromUtf8(kLegend[i]) + QStringLiteral(" kWh/m2.év"));
        connect(Option40[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option40_Click(i);
        });
    }
    const int legendTop = kFirstRow + 142;
    label(Frame13, QStringLiteral("Vízszintes felületre érkező napsugárzás  [kWh/m2.év]"), 8, legendTop, 290);
    for (int i = 0; i < 6; ++i) {
        auto* swatch = new QWidget(Frame13);
        swatch->setGeometry(8 + 48 * i, legendTop + kRow + 3, 12, 12);
        paintBackground(swatch, kBandColours[i]);
        label(Frame13, QString::fromUtf8(kLegend[i]), 22 + 48 * i, legendTop + kRow, 34);
    }
}

void FrmBeallitasok::buildProjectTexts(Column& column) {
    const int w = column.width();
    auto box = [this](QWidget* parent, int index, int x, int y, int width) {
        auto* e = new QLineEdit(parent);
        e->setGeometry(x, y, width, 19);
        setBoxColour(e, windowBackground());
        e->installEventFilter(this);
        Text10[std::size_t(index)] = e;
    };
    auto line = [&](QWidget* parent, int index, const char* caption, int y) {
        label(parent, QString::fromUtf8(caption), 6, y, 150);
        box(parent, index, 156, y, w - 162);
    };
    // Loose boxes and the two addresses, each address in a frame of its own.
    QWidget* top = column.area(2 * kRow);
    line(top, 0, "A létesítmény megnevezése:", 0);
    line(top, 1, "A létesítmény jellege:", kRow);
    auto address = [&](int frameIndex, const char* title, std::array<int, 5> boxes) {
        auto* g = column.frame(QString::fromUtf8(title), 4);
        g->setObjectName(QStringLiteral("Frame14_%1").arg(frameIndex));
        label(g, QStringLiteral("Város:"), 6, rowTop(0), 150);
        box(g, boxes[0], 156, rowTop(0), 42);
        box(g, boxes[1], 202, rowTop(0), w - 208);
        line(g, boxes[2], "Utca, házszám:", rowTop(1));
        line(g, boxes[3], "Telefon:", rowTop(2));
        line(g, boxes[4], "Telefax:", rowTop(3));
    };
    address(0, "A létesítmény címe", {2, 3, 4, 9, 10});
    QWidget* customer = column.area(kRow);
    line(customer, 5, "Megrendelő:", 0);
    address(1, "A Megrendelő címe", {12, 11, 8, 7, 6});
    QWidget* bottom = column.area(3 * kRow + 60);
    line(bottom, 13, "A teljesítés várható ideje:", 0);
    line(bottom, 14, "A méretezést készítette:", kRow);
    label(bottom, QStringLiteral("Megjegyzés:"), 8, 2 * kRow, 80);
    label(bottom, QStringLiteral("(max. 5 sor)"), 8, 3 * kRow - 4, 80);
    Text11 = new LineLimitedEdit(kRemarkLines, bottom);
    Text11->setGeometry(90, 2 * kRow, w - 98, 78);
    setBoxColour(Text11, windowBackground());
    Text11->installEventFilter(this);
}

// --- Loading --------------------------------------------------------------------

void FrmBeallitasok::loadProjectTexts() {
    loadWorkingProjectTexts(m_);
    ProjectTexts& active = m_.s.projekt;
    for (int i = 0; i < 15; ++i) Text10[std::size_t(i)]->setText(qs(projectText(active, kBoxText[i])));
    // The box breaks its lines with a bare line feed; a carriage return
    // would show as a line of its own.
    Text11->setPlainText(qs(active.Megjegyzes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FrmBeallitasok::loadRegion() {
    for (int i = 0; i < 6; ++i)
        if (m_.s.Sugarzastenyezo.d() == kSiteFactors[i]) {
            select(Option40[std::size_t(i)], [this, i] { Option40_Click(i); });
            return;
        }
}

// --- Handlers ---------------------------------------------------------------------

void FrmBeallitasok::Option40_Click(int index) {
    if (index >= 0 && index < 6) m_.s.BeallSugarzastenyezo = Integer(kSiteFactors[index]);
}

void FrmBeallitasok::projectTextLeft(int index) {
    ProjectTexts& working = m_.s.beallProjekt;
    if (index == 15)
        working.Megjegyzes = crLfLineBreaks(utf8(Text11->toPlainText()));
    else if (index >= 0 && index < 15)
        projectText(working, kBoxText[index]) = utf8(Text10[std::size_t(index)]->text());
}

bool FrmBeallitasok::eventFilter(QObject* watched, QEvent* event) {
    // A project text box shows the highlight colour while it has the focus;
    // its text reaches the working copy when it loses it.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const bool in = event->type() == QEvent::FocusIn;
        int index = -1;
        for (int i = 0; i < 15; ++i)
            if (watched == Text10[std::size_t(i)]) index = i;
        if (watched == Text11) index = 15;
        if (index >= 0) {
            auto* w = static_cast<QWidget*>(watched);
            setBoxColour(w, in ? palette().color(QPalette::HighlightedText) : windowBackground());
            if (!in) projectTextLeft(index);
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace nk::ui
