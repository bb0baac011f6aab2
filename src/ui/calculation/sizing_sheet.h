#pragma once

// The sizing data sheet "Méretezési adatlap": one A4 page of the current
// design and of the latest calculation. The page is first written out as a
// list of printer operations in millimetres, then run on a printer one
// operation at a time, so that an operation the printer refused can be run
// again once the user has put the printer right.

#include <QDate>
#include <QPageLayout>
#include <QString>
#include <vector>

#include "state/model.h"

namespace nk::ui {

// One printer operation. Coordinates are millimetres from the top left corner
// of the printable area; colours are palette numbers.
struct SheetOp {
    enum class Kind {
        Begin,       // the scale in millimetres; opens the page
        Font,        // Arial, `points`, `bold`
        Width,       // pen width in device pixels
        TextColour,  // colour of texts and of lines without a colour of their own
        FillColour,
        FillSolid,
        MoveTo,      // x1 and/or y1; a NaN keeps that coordinate
        LineStart,   // x1: where a line end returns
        Print,       // an item list; `endLine` ends the line
        Fit,         // `text` in the room from the current position to x2 across and, where it
                     // `wraps`, to y2 down: in smaller type down to `points` where it does
                     // not fit, cut and marked "…" where it does not fit even so; ends the line
        Line,        // (x1, y1) to (x2, y2) in `colour`, or in the text colour when -1
        Box,         // border in `colour`, filled as the fill settings say
        Picture,     // `text` names the picture, scaled into x1, y1, width x2, height y2
        End,         // sends the page to the printer
    };
    Kind kind{};
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int colour = -1;
    double points = 0;
    bool bold = false;
    int width = 0;
    QString text{};
    bool endLine = false;
    bool wraps = false;
};

// A4 portrait. The sheet's coordinates reach 195 mm across and 275 mm down
// from the top left corner of the printable area; these margins leave room.
QPageLayout sheetPageLayout();

// Titles of the second and third chart frames of a cycle: powers over the
// hours of a daily run, amounts per day or per month otherwise.
struct ChartCaptions {
    QString heat, quantities;
};
ChartCaptions chartCaptions(int cycle);

// The text of a number item: a blank or the minus sign, the number in the
// locale's notation without digit groups, and a blank.
QString numberItem(const Var& v, const NumberLocale& loc);
QString numberItem(Integer v, const NumberLocale& loc);

// Direction word after the azimuth.
QString azimuthWord(Integer tajolas);

// The schematic of a system number.
QString schematicPicture(int system);

// Reads every input whose index can be out of its bounds (collector type
// and model, the schematic); the number of the error they raise, or 0.
int sheetInputError(const Model& m);

// The whole page, from the model as it stands.
std::vector<SheetOp> buildSizingSheet(const Model& m, const QDate& today, const NumberLocale& loc);

}  // namespace nk::ui
