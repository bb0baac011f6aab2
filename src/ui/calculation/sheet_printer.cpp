#include "ui/calculation/sheet_printer.h"

#include <QFontMetricsF>
#include <QSvgRenderer>
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
    painter_.setFont(font_);
    painter_.setPen(paletteColour(textColour_));
    const QFontMetricsF fm(font_, &device_);
    painter_.drawText(QPointF(toDevice(x_), toDevice(y_) + fm.ascent()), text);
    x_ += fm.horizontalAdvance(text) / dotsPerMm_;
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
