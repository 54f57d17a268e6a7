// Dialog units of a template and their conversion to pixels, rounded to the nearest pixel.
#pragma once

namespace escartinol {

// A rectangle in dialog units, as a template gives it: place and size.
struct DluRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Pixels per dialog unit, as fractions, so that the rounding is exact.
struct DialogUnitScale {
    int xNumerator;
    int xDenominator;
    int yNumerator;
    int yDenominator;

    // Halves round up, as the dialog manager's own arithmetic does; templates hold no negative units.
    constexpr int X(int units) const { return (2 * units * xNumerator + xDenominator) / (2 * xDenominator); }
    constexpr int Y(int units) const { return (2 * units * yNumerator + yDenominator) / (2 * yDenominator); }
};

// The templates' 8-point dialog font: 1.5 pixels across and 1.625 down per unit.
inline constexpr DialogUnitScale kSmallFontUnits{3, 2, 13, 8};
// The help box's 12-point font: letters 9 pixels wide on average and 18 high make 2.25 pixels a unit.
inline constexpr DialogUnitScale kLargeFontUnits{9, 4, 18, 8};

}  // namespace escartinol
