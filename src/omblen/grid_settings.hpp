#pragma once
// "maxdriversingrid.ini": the largest number of drivers in one grid, set by the league.

#include "common/disk.hpp"
#include "common/result.hpp"

#include <cstdint>
#include <string>

namespace league::omblen {

inline constexpr const char* kGridSettingsFileName = "maxdriversingrid.ini";

/// Why the settings file gives no grid size.
enum class GridSizeProblem {
    FileMissing,     ///< the file cannot be opened
    NoSizeAboveZero  ///< the file holds no number, or one below 1
};

/// The largest number of drivers in one grid, at least 1, or why there is none.
using GridSize = Result<std::int32_t, GridSizeProblem>;

/// Reads the grid size: the settings file's first item as a decimal integer after any
/// leading white space, as the standard extraction reads it (a number too large for
/// 32 bits gives the largest one).
/// The file is read in the working folder, or in `folder` (a path ending in a folder
/// separator) for a program that keeps its settings beside another file.
GridSize readGridSettings(Disk& disk, const std::string& folder = "");

}  // namespace league::omblen
