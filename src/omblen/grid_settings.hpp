#pragma once
// "maxdriversingrid.ini": the largest number of drivers in one grid, set by the league.

#include "common/console.hpp"
#include "common/disk.hpp"

#include <cstdint>
#include <string>

namespace league::omblen {

inline constexpr const char* kGridSettingsFileName = "maxdriversingrid.ini";

struct GridSettings {
    enum class Outcome {
        Read,       ///< maxDriversInGrid holds a size of at least 1
        Missing,    ///< the file cannot be opened
        NoGridSize  ///< the file holds no number, or one below 1
    };
    Outcome outcome = Outcome::Missing;
    std::int32_t maxDriversInGrid = 0;
};

/// Reads the grid size: the settings file's first item as a decimal integer after any
/// leading white space, as the standard extraction reads it (a number too large for
/// 32 bits gives the largest one).
/// The file is read in the working folder, or in `folder` (a path ending in a folder
/// separator) for a program that keeps its settings beside another file.
GridSettings readGridSettings(Disk& disk, const std::string& folder = "");

/// Tells the user that the settings file holds no usable grid size, and waits for a key.
void sayNoGridSize(Console& console);

}  // namespace league::omblen
