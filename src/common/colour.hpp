#pragma once
// A colour of a page: a chart's line, a legend's swatch, a lap cell's shade.

#include <cstdint>

namespace league {

/// A colour as its red, green and blue components, each 0..255.
struct Colour {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

}  // namespace league
