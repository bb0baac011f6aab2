#pragma once

// The controller's annual programme as the editor holds it: twelve months of
// four stores, each store a row of switch-on differences, a row of maximum
// temperatures and a row of on/off fields. What the window shows in colours
// (selected cells, fields switched on, the highlighted store caption) is kept
// here, and the window draws itself from it; the rules of the clicks, the
// painting over the fields, "Változtat", the spinner and the hand-back are
// plain functions of this state, free of any windowing library.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "platform/vb_array.h"
#include "state/field_check.h"
#include "state/settings.h"

namespace nk::ui {

// Rows 1 to 12, three per store: switch-on difference, maximum temperature,
// on/off. Tanks 1 to 3 hold rows 1 to 9, the pool rows 10 to 12.
enum class RowKind { Difference, Maximum, OnOff };
constexpr RowKind rowKind(int row) {
    return row % 3 == 1 ? RowKind::Difference : row % 3 == 2 ? RowKind::Maximum : RowKind::OnOff;
}
constexpr bool isNumberRow(int row) { return row >= 1 && row <= 12 && rowKind(row) != RowKind::OnOff; }
constexpr bool isPoolRow(int row) { return row >= 10; }

// --- Geometry, in twips from the grid frame's corner ------------------------------

constexpr int kMonthLeft = 2280;  // January's column
constexpr int kMonthPitch = 570;  // neighbouring columns overlap by 15
constexpr int kCellWidth = 585;
constexpr int kCellHeight = 285;
constexpr int kFieldHeight = 165;

constexpr int monthLeft(int month) { return kMonthLeft + kMonthPitch * (month - 1); }
// Top of a row's cells or fields.
constexpr int rowTopTwips(int row) {
    constexpr int kTops[13] = {0, 570, 840, 1170, 1380, 1650, 1980, 2190, 2460, 2790, 3000, 3270, 3600};
    return kTops[row];
}
// Top of the "Be" and "Ki" labels of an on/off row, where its band starts.
constexpr int bandTop(int row) { return rowTopTwips(row) - 60; }
constexpr int kBandHeight = 270;

// The month whose column holds x, 0 outside January to December.
int monthAt(double xTwips);
// The on/off row whose band holds y (bounds excluded), 0 outside the bands.
int onOffRowAt(double yTwips);

// --- Colours ---------------------------------------------------------------------

struct Rgb {
    int r, g, b;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kSelectedBlue{0, 0, 192};
constexpr Rgb kOnRed{255, 0, 0};
constexpr Rgb kCaptionBlue{0, 0, 255};
constexpr Rgb kLightYellow{255, 255, 128};

// A store caption: as designed until a caption is clicked, then white or blue.
enum class CaptionShade { Designed, White, Blue };

// --- Reading the numbers ----------------------------------------------------------

// A cell or the value box as a number, read the way it is shown: the user's
// notation, or a decimal comma, or a decimal point; blanks around it
// allowed. Anything else is no number.
std::optional<double> cellNumber(std::string_view text, const NumberLocale& loc);

// The editor's own bounds for a row: 5 to 25 for the differences, 20 to 100
// for the maximum temperatures, each with its message; none for on/off.
std::optional<FieldRule> rowRule(int row);

// Mouse buttons as the handlers receive them: 1 left, 2 right, 4 middle,
// added up while several are held.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

class ControllerGrid {
public:
    ControllerGrid();

    // The state of a fresh window: no cell selected, the store captions as
    // designed. The row last chosen survives, as it does in the window object.
    void design();

    // `Form_Load`: element (1, month) of the twelve working arrays into
    // `Evesprogram`, shown as cell texts and field colours.
    void load(const Programmes& g, const NumberLocale& loc);

    const std::string& text(int row, int month) const { return text_.at(std::size_t(row)).at(std::size_t(month)); }
    // A cell typed into directly.
    void setText(int row, int month, std::string text);
    bool selected(int row, int month) const { return selected_.at(std::size_t(row)).at(std::size_t(month)); }
    bool on(int row, int month) const { return on_.at(std::size_t(row)).at(std::size_t(month)); }
    CaptionShade caption(int index) const { return caption_.at(std::size_t(index)); }

    Rgb cellBackground(int row, int month) const { return selected(row, month) ? kSelectedBlue : kWhite; }
    Rgb cellForeground(int row, int month) const { return selected(row, month) ? kWhite : kBlack; }
    Rgb fieldColour(int row, int month) const { return on(row, month) ? kOnRed : kWhite; }
    Rgb captionBackground(int index) const;

    // A click on a cell (`Text2_Click` .. `Text9_Click`): selects or deselects
    // it; the value box takes the text returned.
    std::string clickCell(int row, int month);
    // A click on a row header (`Label4_Click`): selects the whole row; the
    // value box takes the text returned, January's.
    std::string clickRowHeader(int row);
    // A click on a store caption (`Label2_Click`).
    void clickCaption(int index);
    // `Frame1_MouseDown` and `Frame1_MouseMove`: the field under the pointer
    // switched on by the left button, off by the right; true when the
    // position and buttons named a field.
    bool switchField(double xTwips, double yTwips, int button);

    // "Változtat": the value box's text into every selected cell of the row
    // last chosen, unchanged; or the refusal, with nothing changed.
    std::optional<FieldVerdict> change(std::string_view value, const NumberLocale& loc);

    // The spinner on the value box, within the bounds of the row last chosen:
    // the text one step further, or nothing when no step is due.
    std::optional<std::string> spinStep(std::string_view value, bool up, const NumberLocale& loc) const;
    // Whether the value stands exactly at the bound the spinner runs to.
    bool spinAtBound(std::string_view value, bool up, const NumberLocale& loc) const;

    // "&OK", first half: every cell and field read back into `Evesprogram`.
    // A cell that is not a number, or a pool cell that no 16-bit integer can
    // hold, refuses it; the cell and the message are returned.
    struct Refusal {
        int row = 0, month = 0;
        FieldVerdict verdict;
    };
    std::optional<Refusal> readBack(const NumberLocale& loc);
    // Second half: `Evesprogram` into element (1, month) of the working arrays.
    void store(Programmes& g) const;

    // The row last chosen by a click on one of its cells or its header; 0 none yet.
    Integer Kijeloltsor = 0;
    // The programme by row and month, 0 to 13 each; from the load until the
    // window closes.
    VbArray<Var, 2> Evesprogram;

private:
    void deselectRow(int row);

    std::array<std::array<std::string, 13>, 13> text_{};
    std::array<std::array<bool, 13>, 13> selected_{};
    std::array<std::array<bool, 13>, 13> on_{};
    std::array<CaptionShade, 4> caption_{};
};

}  // namespace nk::ui
