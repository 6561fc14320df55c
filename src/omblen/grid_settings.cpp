#include "omblen/grid_settings.hpp"

#include <fstream>
#include <ostream>

namespace league::omblen {

std::optional<std::int32_t> readMaxDriversInGrid(const Folder& folder, Console& console) {
    std::ifstream file(folder.file(kGridSettingsFileName));
    if (!file) {
        console.out() << "Datei wrong!!!";
        console.out().flush();
        return std::nullopt;
    }
    // The standard extraction: 0 when no number can be read, the nearest 32-bit limit
    // when the number is too large for it.
    std::int32_t maxDriversInGrid = 0;
    file >> maxDriversInGrid;
    if (maxDriversInGrid < 1) {
        console.out() << "maxdriversingrid.ini holds no grid size above 0!" << '\n';
        pauseConsole(console);
        return std::nullopt;
    }
    return maxDriversInGrid;
}

}  // namespace league::omblen
