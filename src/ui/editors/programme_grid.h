#pragma once

// The day of a heater's time programme as the editor shows it: 48 half-hour
// fields, each on or off, painted with the mouse and stored only on request.
// The editor's widgets are drawn from this; nothing here knows a widget.

#include <array>
#include <functional>
#include <optional>

#include "platform/numeric.h"

namespace nk::ui {

// Geometry of the row of fields inside the drawing frame, in twips.
constexpr int kProgrammeFields = 48;
constexpr int kHalfHourLeft = 180;  // left edge of field 0
constexpr int kHalfHourPitch = 135;  // fields overlap their neighbour by one border
constexpr int kHalfHourTop = 630;
constexpr int kHalfHourWidth = 150;
constexpr int kHalfHourHeight = 285;

// Fill colours of a field, red in the lowest byte.
constexpr int kFieldOnColour = 255;         // red
constexpr int kFieldOffColour = 0xC0C0C0;  // light grey

// The field under a position X (twips from the frame's left edge), or none.
// The offset is rounded down and the quotient truncated toward zero, so the
// band just left of field 0 (X from 46) still counts as field 0.
std::optional<int> fieldAt(double x);

// What a mouse button state does to the field under the pointer: 1 (left)
// switches it on, 2 (right) off; no button, both, or any other does nothing.
enum class Brush { none, on, off };
Brush brushFor(int button);

class ProgrammeGrid {
public:
    bool on(int field) const { return on_[std::size_t(field)]; }
    int colour(int field) const { return on(field) ? kFieldOnColour : kFieldOffColour; }

    // A press or a move with `button` held at X: paints the field there.
    // Tells whether a field was painted.
    bool paint(int button, double x);

    // Shows a stored day: value(hour, half) 1 is on, 0 off; any other value
    // leaves the field as it is.
    void show(const std::function<Integer(int hour, int half)>& value);

    // The 48 states as stored values, 1 on and 0 off, field 2 × hour + half.
    std::array<Integer, kProgrammeFields> values() const;
    void setValues(const std::array<Integer, kProgrammeFields>& values);

private:
    std::array<bool, kProgrammeFields> on_{};  // as designed: every field off
};

// The window's clipboard: one day's pattern, empty until the first copy.
struct ProgrammeClipboard {
    bool filled = false;
    std::array<Integer, kProgrammeFields> values{};

    void copy(const ProgrammeGrid& grid) {
        filled = true;
        values = grid.values();
    }
    void paste(ProgrammeGrid& grid) const { grid.setValues(values); }
};

}  // namespace nk::ui
