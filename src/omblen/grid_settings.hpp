#pragma once
// "maxdriversingrid.ini": the largest number of drivers in one grid, set by the league.

#include "common/console.hpp"
#include "common/folder.hpp"

#include <cstdint>
#include <optional>

namespace league::omblen {

inline constexpr const char* kGridSettingsFileName = "maxdriversingrid.ini";

/// Reads the grid size: the settings file's first item as a decimal integer after any
/// leading white space. When the file cannot be opened, "Datei wrong!!!" (no line end,
/// no pause); when it holds no number or one below 1, a message and the pause. In both
/// cases nothing is returned and the grid division does not run.
std::optional<std::int32_t> readMaxDriversInGrid(const Folder& folder, Console& console);

}  // namespace league::omblen
