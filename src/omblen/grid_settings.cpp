#include "omblen/grid_settings.hpp"

#include <sstream>

namespace league::omblen {

GridSize readGridSettings(Disk& disk, const std::string& folder) {
    const auto bytes = disk.readFile(folder + kGridSettingsFileName);
    if (!bytes) {
        return Failure{GridSizeProblem::FileMissing};
    }
    // The standard extraction: 0 when no number can be read, the nearest 32-bit limit
    // when the number is too large for it.
    std::int32_t maxDriversInGrid = 0;
    std::istringstream text(*bytes);
    text >> maxDriversInGrid;
    if (maxDriversInGrid < 1) {
        return Failure{GridSizeProblem::NoSizeAboveZero};
    }
    return maxDriversInGrid;
}

}  // namespace league::omblen
