#include "ui/palette.h"

namespace nk::ui {

QColor paletteColour(int n) {
    static const QColor kPalette[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},     {0, 128, 128},
                                        {128, 0, 0},     {128, 0, 128}, {128, 128, 0},   {192, 192, 192},
                                        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},     {0, 255, 255},
                                        {255, 0, 0},     {255, 0, 255}, {255, 255, 0},   {255, 255, 255}};
    return kPalette[n & 15];
}

}  // namespace nk::ui
