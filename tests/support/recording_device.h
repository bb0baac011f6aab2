#pragma once

// A page that keeps what a painter gives it: the texts with their fonts and
// colours, the lines and the rectangles with their pens and brushes, in
// millimetres from the page's top left corner. Pictures and paths are only
// counted.

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <climits>
#include <vector>

namespace nk::testing {

class RecordingDevice : public QPaintDevice {
public:
    static constexpr int kDpi = 600;
    static constexpr double kDotsPerMm = kDpi / 25.4;

    struct Text {
        QString text;
        double x, top;  // the top left corner, mm
        QFont font;
        QColor colour;
    };
    struct Line {
        double x1, y1, x2, y2;
        QColor colour;
        double width;  // device pixels
    };
    struct Rect {
        double x1, y1, x2, y2;
        QColor border, fill;  // an invalid fill: not filled
        double width;
    };

    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Rect> rects;
    int paths = 0;

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth: return int(198 * kDotsPerMm);
            case PdmHeight: return int(285 * kDotsPerMm);
            case PdmWidthMM: return 198;
            case PdmHeightMM: return 285;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return kDpi;
            case PdmNumColors: return INT_MAX;
            case PdmDepth: return 32;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
            default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(RecordingDevice& d) : QPaintEngine(QPaintEngine::AllFeatures), d_(d) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState& s) override {
            if (s.state() & DirtyPen) pen_ = s.pen();
            if (s.state() & DirtyBrush) brush_ = s.brush();
            if (s.state() & DirtyTransform) transform_ = s.transform();
        }
        void drawTextItem(const QPointF& p, const QTextItem& ti) override {
            const QPointF at = transform_.map(p);
            const QFontMetricsF fm(ti.font(), &d_);
            d_.texts.push_back({ti.text(), at.x() / kDotsPerMm, (at.y() - fm.ascent()) / kDotsPerMm, ti.font(),
                                pen_.color()});
        }
        void drawLines(const QLineF* lines, int n) override {
            for (int i = 0; i < n; ++i) {
                const QLineF l = transform_.map(lines[i]);
                d_.lines.push_back({l.x1() / kDotsPerMm, l.y1() / kDotsPerMm, l.x2() / kDotsPerMm,
                                    l.y2() / kDotsPerMm, pen_.color(), pen_.widthF()});
            }
        }
        void drawRects(const QRectF* rects, int n) override {
            for (int i = 0; i < n; ++i) {
                const QRectF r = transform_.mapRect(rects[i]);
                d_.rects.push_back({r.left() / kDotsPerMm, r.top() / kDotsPerMm, r.right() / kDotsPerMm,
                                    r.bottom() / kDotsPerMm, pen_.color(),
                                    brush_.style() == Qt::SolidPattern ? brush_.color() : QColor(), pen_.widthF()});
            }
        }
        void drawPath(const QPainterPath&) override { ++d_.paths; }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++d_.paths; }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++d_.paths; }

    private:
        RecordingDevice& d_;
        QPen pen_;
        QBrush brush_;
        QTransform transform_;
    };
    mutable Engine engine_{*this};
};

}  // namespace nk::testing
