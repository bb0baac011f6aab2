#include "ui/calculation/sheet_printer.h"

#include <QFontMetricsF>
#include <QSvgRenderer>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "ui/palette.h"

namespace nk::ui {

SheetPrinter::SheetPrinter(QPaintDevice& device, int refused) : device_(device), refused_(refused) {
    font_.setFamily(QStringLiteral("Arial"));
}

SheetPrinter::~SheetPrinter() { discard(); }

void SheetPrinter::discard() {
    if (painter_.isActive()) painter_.end();
}

QPen SheetPrinter::pen(int colour) const {
    QPen p(paletteColour(colour < 0 ? textColour_ : colour), width_);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// The text's top left corner at the current position; the position then
// stands right after its last character.
void SheetPrinter::printLine(const QString& text) {
    drawText(text, font_, x_, y_);
    x_ += QFontMetricsF(font_, &device_).horizontalAdvance(text) / dotsPerMm_;
}

void SheetPrinter::drawText(const QString& text, const QFont& font, double x, double top) {
    painter_.setFont(font);
    painter_.setPen(paletteColour(textColour_));
    painter_.drawText(QPointF(toDevice(x), toDevice(top) + QFontMetricsF(font, &device_).ascent()), text);
}

namespace {

const QChar kCutMark(0x2026);

// The line with the mark of a cut after it, shortened until both fit; the
// mark follows the last letter kept, not a blank. A room too narrow even
// for the mark is left empty.
QString withCutMark(const QString& line, const QFontMetricsF& fm, double width) {
    if (fm.horizontalAdvance(kCutMark) > width) return {};
    QString kept = fm.horizontalAdvance(line + kCutMark) <= width
                       ? line
                       : fm.elidedText(line, Qt::ElideRight, width - fm.horizontalAdvance(kCutMark));
    if (kept.endsWith(kCutMark)) kept.chop(1);
    while (!kept.isEmpty() && kept.back().isSpace()) kept.chop(1);
    return kept + kCutMark;
}

// A line of a text broken where it meets the width, between words where
// there are any.
QStringList wrapped(const QString& line, const QFont& font, const QPaintDevice& device, double width) {
    QTextLayout layout(line, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(width);
        QString text = line.mid(l.textStart(), l.textLength());
        while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
        lines << text;
    }
    layout.endLayout();
    if (lines.isEmpty()) lines << QString();
    return lines;
}

}  // namespace

// A text that would run under the schematic or over the next section is
// set in smaller type, half a point at a time, and what does not fit even
// in the smallest is cut. A text of one line stands on the row's baseline;
// one that wraps starts there.
void SheetPrinter::fit(const SheetOp& op) {
    const QFontMetricsF row(font_, &device_);
    const double rowHeight = row.height() / dotsPerMm_;
    const double baseline = y_ + row.ascent() / dotsPerMm_;
    const double width = toDevice(op.x2 - x_);
    const QStringList given = op.text.split(QStringLiteral("\r\n"));

    QFont font = font_;
    QStringList lines;
    int room = 1;
    for (double points = font_.pointSizeF();; points -= 0.5) {
        font.setPointSizeF(std::max(points, op.points));
        const QFontMetricsF fm(font, &device_);
        lines.clear();
        if (op.wraps) {
            const double firstTop = baseline * dotsPerMm_ - fm.ascent();
            room = int(std::floor((op.y2 * dotsPerMm_ - firstTop) / fm.height() + 1e-9));
            for (const QString& line : given) lines << wrapped(line, font, device_, width);
        } else {
            lines << given.join(QLatin1Char(' '));
        }
        bool fits = lines.size() <= room;
        for (const QString& line : lines) fits = fits && fm.horizontalAdvance(line) <= width;
        if (fits) break;
        if (points <= op.points) {
            lines = lines.mid(0, std::max(room, 0));
            if (!lines.isEmpty()) lines.back() = withCutMark(lines.back(), fm, width);
            break;
        }
    }
    const QFontMetricsF fm(font, &device_);
    double top = baseline - fm.ascent() / dotsPerMm_;
    for (const QString& line : lines) {
        if (!line.isEmpty()) drawText(line, font, x_, top);
        top += fm.height() / dotsPerMm_;
    }
    x_ = lineStart_;
    y_ = op.wraps ? std::max(top, y_ + rowHeight) : y_ + rowHeight;
}

int SheetPrinter::run(const SheetOp& op) {
    using K = SheetOp::Kind;
    switch (op.kind) {
        case K::Begin:
            if (!painter_.isActive() && !painter_.begin(&device_)) return refused_;
            dotsPerMm_ = device_.logicalDpiX() / 25.4;
            break;
        case K::Font:
            font_ = QFont(QStringLiteral("Arial"));
            font_.setPointSizeF(op.points);
            font_.setBold(op.bold);
            break;
        case K::Width: width_ = op.width; break;
        case K::TextColour: textColour_ = op.colour; break;
        case K::FillColour: fillColour_ = op.colour; break;
        case K::FillSolid: solid_ = true; break;
        case K::MoveTo:
            if (!std::isnan(op.x1)) x_ = op.x1;
            if (!std::isnan(op.y1)) y_ = op.y1;
            break;
        case K::LineStart: lineStart_ = op.x1; break;
        case K::Print: {
            const QFontMetricsF fm(font_, &device_);
            const double lineHeight = fm.height() / dotsPerMm_;
            const QStringList lines = op.text.split(QStringLiteral("\r\n"));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0) {
                    x_ = lineStart_;
                    y_ += lineHeight;
                }
                if (!lines[i].isEmpty()) printLine(lines[i]);
            }
            if (op.endLine) {
                x_ = lineStart_;
                y_ += lineHeight;
            }
            break;
        }
        case K::Fit: fit(op); break;
        case K::Line:
            painter_.setPen(pen(op.colour));
            painter_.drawLine(QPointF(toDevice(op.x1), toDevice(op.y1)), QPointF(toDevice(op.x2), toDevice(op.y2)));
            x_ = op.x2;
            y_ = op.y2;
            break;
        case K::Box: {
            QPen border = pen(op.colour);
            border.setJoinStyle(Qt::MiterJoin);
            painter_.setPen(border);
            painter_.setBrush(solid_ ? QBrush(paletteColour(fillColour_)) : QBrush());
            painter_.drawRect(QRectF(QPointF(toDevice(op.x1), toDevice(op.y1)), QPointF(toDevice(op.x2), toDevice(op.y2))));
            painter_.setBrush(QBrush());
            x_ = op.x2;
            y_ = op.y2;
            break;
        }
        case K::Picture: {
            QSvgRenderer picture(op.text);
            if (!picture.isValid()) return kSubscript;
            picture.render(&painter_, QRectF(toDevice(op.x1), toDevice(op.y1), toDevice(op.x2), toDevice(op.y2)));
            break;
        }
        case K::End:
            if (!painter_.end()) return kPrinterError;
            break;
    }
    return 0;
}

QString printErrorText(int number) {
    switch (number) {
        case 25: return QStringLiteral("Valaki nyomja meg a printer on-line gombját!");
        case 27: return QStringLiteral("Van egyáltalán nyomtatója?");
        default:
            return QStringLiteral("Szóljon a számítógép gazdájának vagy a Vilmarexnek, hogy\r\n %1 számú hiba lépett fel.")
                .arg(number);
    }
}

bool runSheet(const std::vector<SheetOp>& ops, const std::function<int(const SheetOp&)>& run,
              const std::function<bool(int)>& failed) {
    for (const SheetOp& op : ops) {
        for (int error = run(op); error != 0; error = run(op))
            if (!failed(error)) return false;
    }
    return true;
}

}  // namespace nk::ui
