#include "omblen/grid_settings.hpp"

#include <ostream>
#include <sstream>

namespace league::omblen {

GridSettings readGridSettings(Disk& disk, const std::string& folder) {
    GridSettings settings;
    const auto bytes = disk.readFile(folder + kGridSettingsFileName);
    if (!bytes) {
        settings.outcome = GridSettings::Outcome::Missing;
        return settings;
    }
    // The standard extraction: 0 when no number can be read, the nearest 32-bit limit
    // when the number is too large for it.
    std::istringstream text(*bytes);
    text >> settings.maxDriversInGrid;
    settings.outcome =
        settings.maxDriversInGrid < 1 ? GridSettings::Outcome::NoGridSize : GridSettings::Outcome::Read;
    return settings;
}

void sayNoGridSize(Console& console) {
    console.out() << "maxdriversingrid.ini holds no grid size above 0!" << '\n';
    console.pause();
}

}  // namespace league::omblen
