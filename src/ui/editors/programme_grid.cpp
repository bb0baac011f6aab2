#include "ui/editors/programme_grid.h"

#include <cmath>

namespace nk::ui {

std::optional<int> fieldAt(double x) {
    // Worked in doubles: a pointer dragged far outside the window gives a
    // position no 16-bit field number can hold, and that is simply no field.
    if (!std::isfinite(x)) return std::nullopt;
    const double k = std::trunc(std::floor(x - kHalfHourLeft) / kHalfHourPitch);
    if (k < 0 || k >= kProgrammeFields) return std::nullopt;
    return int(k);
}

Brush brushFor(int button) {
    switch (button) {
        case 1: return Brush::on;
        case 2: return Brush::off;
        default: return Brush::none;
    }
}

bool ProgrammeGrid::paint(int button, double x) {
    const Brush brush = brushFor(button);
    const std::optional<int> k = fieldAt(x);
    if (brush == Brush::none || !k) return false;
    on_[std::size_t(*k)] = brush == Brush::on;
    return true;
}

void ProgrammeGrid::show(const std::function<Integer(int, int)>& value) {
    for (int h = 0; h < 24; ++h)
        for (int f = 0; f < 2; ++f) {
            const Integer v = value(h, f);
            if (v == 1 || v == 0) on_[std::size_t(2 * h + f)] = v == 1;
        }
}

std::array<Integer, kProgrammeFields> ProgrammeGrid::values() const {
    std::array<Integer, kProgrammeFields> v{};
    for (std::size_t k = 0; k < v.size(); ++k) v[k] = on_[k] ? 1 : 0;
    return v;
}

void ProgrammeGrid::setValues(const std::array<Integer, kProgrammeFields>& values) {
    for (std::size_t k = 0; k < values.size(); ++k) on_[k] = values[k] == 1;
}

}  // namespace nk::ui
