#include "omblen/grid_settings.hpp"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

namespace league::omblen {

std::optional<std::int32_t> readMaxDriversInGrid(const Folder& folder, Console& console) {
    // A folder of that name is no settings file, also on systems that let a folder be
    // opened for reading.
    const std::filesystem::path path = folder.file(kGridSettingsFileName);
    std::error_code error;
    const bool isFolder = std::filesystem::is_directory(path, error);
    std::ifstream file;
    if (!isFolder) {
        file.open(path);
    }
    if (isFolder || !file) {
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
