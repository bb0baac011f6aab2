#pragma once

#include <QColor>

namespace nk::ui {

// The 16-colour palette that colour numbers 0 to 15 name.
QColor paletteColour(int n);

}  // namespace nk::ui
