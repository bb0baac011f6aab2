// The system type: a group button, then a variant's picture; the chosen
// system's title and description below the pictures.

#include <QScrollBar>
#include <algorithm>

#include "state/system_texts.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

namespace {

// Background of the highlighted group button and of the others.
const QColor kHighlighted{255, 255, 255};
const QColor kPlain{212, 208, 200};
const QColor kPanel{192, 192, 192};
const QColor kTextBackground{255, 255, 192};

void mark(SystemPicture* p, bool on) { p->setFrameShape(on ? QFrame::Box : QFrame::NoFrame); }

}  // namespace

void FrmBeallitasok::buildSystemType(Column& column) {
    const int w = column.width();
    QWidget* area = column.area(236);
    const std::pair<int, const char*> groups[] = {{1, "&Melegvíz"}, {2, "M&edence"}, {4, "&Kombinált"}};
    int x = 0;
    for (const auto& [group, caption] : groups) {
        auto* b = new QPushButton(QIcon(QStringLiteral(":/nk/group_%1.svg").arg(group)), QString::fromUtf8(caption), area);
        b->setGeometry(x, 0, (w - 4) / 3, 28);
        paintBackground(b, kPlain);
        cmdRendszertip[group] = b;
        const int g = group;
        connect(b, &QPushButton::clicked, this, [this, g] { cmdRendszertip_Click(g); });
        x += (w - 4) / 3 + 2;
    }

    // One panel per group, one over the other.
    auto panel = [&](int group, int pictures, auto* array, auto clickHandler) {
        auto* p = new QWidget(area);
        p->setGeometry(0, 32, w, 204);
        paintBackground(p, kPanel);
        const int first = group == 2 ? 21 : group * 10 + 1;
        for (int i = 1; i <= pictures; ++i) {
            auto* pic = new SystemPicture(QStringLiteral(":/nk/schema_%1.svg").arg(first + i - 1), p);
            const int col = (i - 1) % 3, row = (i - 1) / 3;
            const int pw = (w - 8 - 8) / 3;
            pic->setGeometry(4 + col * (pw + 4), 4 + row * 60, pw, 56);
            pic->findChild<QWidget*>(QStringLiteral("picture"))->setGeometry(3, 3, pw - 6, 50);
            pic->setToolTip(QStringLiteral("%1. számú rendszer").arg(first + i - 1));
            (*array)[std::size_t(i)] = pic;
            connect(pic, &SystemPicture::clicked, this, [this, clickHandler, i] { (this->*clickHandler)(i); });
        }
        // The title wraps, with room for the group's longest; the description
        // scrolls in what is left of the panel, as the longest need more.
        QFont bold = p->font();
        bold.setBold(true);
        const int textWidth = w - 8;
        int titleHeight = 0;
        for (int variant = 1; variant <= pictures; ++variant)
            titleHeight = std::max(titleHeight, QFontMetrics(bold)
                                                    .boundingRect(QRect(0, 0, textWidth, p->height()), Qt::TextWordWrap,
                                                                  qs(systemText(group, variant)->title))
                                                    .height());
        titleHeight += 2;  // a pixel above and below the letters
        const int titleTop = 124;
        Label7[group] = label(p, QString(), 4, titleTop, textWidth, titleHeight);
        Label7[group]->setFont(bold);
        Label7[group]->setWordWrap(true);
        Label7[group]->setTextFormat(Qt::PlainText);
        paintBackground(Label7[group], kTextBackground);

        const int descriptionTop = titleTop + titleHeight + 2;
        auto* scroll = new QScrollArea(p);
        scroll->setGeometry(4, descriptionTop, textWidth, p->height() - 2 - descriptionTop);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidgetResizable(true);
        paintBackground(scroll->viewport(), kTextBackground);
        Label2[group] = new QLabel;
        Label2[group]->setWordWrap(true);
        Label2[group]->setTextFormat(Qt::PlainText);
        Label2[group]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        paintBackground(Label2[group], kTextBackground);
        scroll->setWidget(Label2[group]);
        descriptionArea[group] = scroll;
        return p;
    };
    HMVrend = panel(1, 6, &pcrHMV, &FrmBeallitasok::pcrHMV_Click);
    MEDREND = panel(2, 2, &Med2, &FrmBeallitasok::Med2_Click);
    KOMBREND = panel(4, 6, &Picture2, &FrmBeallitasok::Picture2_Click);
}

void FrmBeallitasok::cmdRendszertip_Click(int index) {
    Settings& s = m_.s;
    if (cmdRendszertip.count(index)) paintBackground(cmdRendszertip[index], kHighlighted);
    s.BeallRendszerkategoria = Integer(index);
    for (int i = 1; i <= 6; ++i) {
        mark(pcrHMV[std::size_t(i)], false);
        mark(Picture2[std::size_t(i)], false);
    }
    for (int i = 1; i <= 2; ++i) mark(Med2[std::size_t(i)], false);

    auto show = [&](QWidget* panel) {
        for (QWidget* p : {HMVrend, MEDREND, KOMBREND}) p->setVisible(p == panel);
        for (auto& [group, button] : cmdRendszertip)
            if (group != index) paintBackground(button, kPlain);
    };
    // A variant outside its group's pictures marks none.
    auto markVariant = [](auto& pictures, int variant) {
        if (variant >= 1 && variant < int(pictures.size())) mark(pictures[std::size_t(variant)], true);
    };
    switch (index) {
        case 1:
            show(HMVrend);
            markVariant(pcrHMV, ix(s.BeallHMVrendszer));
            s.BeallRendszerszam = CInt(10.0 * index + s.BeallHMVrendszer.d());
            break;
        case 2:
            show(MEDREND);
            markVariant(Med2, ix(s.BeallMedrendszer));
            s.BeallRendszerszam = CInt(10.0 * index + s.BeallMedrendszer.d());
            break;
        case 3:
            show(nullptr);
            s.BeallRendszerszam = CInt(10.0 * index + s.BeallFutesrendszer.d());
            break;
        case 4:
            show(KOMBREND);
            markVariant(Picture2, s.BeallKombrendszer);
            s.BeallRendszerszam = addI(mulI(10, Integer(index)), s.BeallKombrendszer);
            break;
        default:
            break;
    }
    MagyKiiras();
}

void FrmBeallitasok::pcrHMV_Click(int index) {
    Settings& s = m_.s;
    for (int i = 1; i <= 6; ++i) mark(pcrHMV[std::size_t(i)], i == index);
    s.BeallRendszerkategoria = 1;
    s.BeallHMVrendszer = index;
    s.BeallRendszerszam = Integer(10 + index);
    MagyKiiras();
}

void FrmBeallitasok::Med2_Click(int index) {
    Settings& s = m_.s;
    for (int i = 1; i <= 2; ++i) mark(Med2[std::size_t(i)], i == index);
    s.BeallRendszerkategoria = 2;
    s.BeallMedrendszer = index;
    s.BeallRendszerszam = Integer(20 + index);
    MagyKiiras();
}

void FrmBeallitasok::Picture2_Click(int index) {
    if (index < 1) return;  // the strip in the pool frame is no system
    Settings& s = m_.s;
    for (int i = 1; i <= 6; ++i) mark(Picture2[std::size_t(i)], i == index);
    s.BeallRendszerkategoria = 4;
    s.BeallKombrendszer = Integer(index);
    s.BeallRendszerszam = Integer(40 + index);
    MagyKiiras();
}

void FrmBeallitasok::MagyKiiras() {
    const Settings& s = m_.s;
    const int group = s.BeallRendszerkategoria;
    double variant = 0;
    if (group == 1) variant = s.BeallHMVrendszer.d();
    else if (group == 2) variant = s.BeallMedrendszer.d();
    else if (group == 4) variant = s.BeallKombrendszer;
    else return;
    if (variant != std::floor(variant)) return;
    const auto text = systemText(group, int(variant));
    if (!text) return;
    Label7[group]->setText(qs(text->title));
    Label2[group]->setText(qs(text->description));
    descriptionArea[group]->verticalScrollBar()->setValue(0);  // a new description is read from its start
}

}  // namespace nk::ui
