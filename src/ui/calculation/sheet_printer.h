#pragma once

// Runs the sizing data sheet's operations on a paint device: a printer, a PDF
// file or, in the tests, a device that records what it is given. The page
// state is that of the sheet's printer: millimetres from the top left corner
// of the printable area, a current position that texts and lines move, a
// line start, Arial fonts, pen widths in device pixels.

#include <QFont>
#include <QPainter>
#include <functional>
#include <vector>

#include "ui/calculation/sizing_sheet.h"

namespace nk::ui {

// The number a device reports when it refuses the page or its end.
inline constexpr int kPrinterError = 482;

class SheetPrinter {
public:
    // `refused` is the error number reported when the device cannot be opened.
    SheetPrinter(QPaintDevice& device, int refused = kPrinterError);
    ~SheetPrinter();

    // Runs one operation; 0, or the number of the error it met.
    int run(const SheetOp& op);

    // Leaves the page unfinished: nothing more is drawn on it.
    void discard();
    // A page has been opened and not yet ended.
    bool open() const { return painter_.isActive(); }

private:
    double toDevice(double mm) const { return mm * dotsPerMm_; }
    QPen pen(int colour) const;
    void printLine(const QString& text);
    void drawText(const QString& text, const QFont& font, double x, double top);
    void fit(const SheetOp& op);

    QPaintDevice& device_;
    int refused_;
    QPainter painter_;
    double dotsPerMm_ = 1;
    double x_ = 0, y_ = 0, lineStart_ = 0;
    QFont font_;
    int width_ = 1, textColour_ = 0, fillColour_ = 0;
    bool solid_ = false;
};

// What the user is told of a printing error.
QString printErrorText(int number);

// Runs the operations in order. An operation that fails goes to `failed`
// with its error number; true there runs it again, false gives up. True when
// every operation ran.
bool runSheet(const std::vector<SheetOp>& ops, const std::function<int(const SheetOp&)>& run,
              const std::function<bool(int)>& failed);

}  // namespace nk::ui
