#pragma once

#include "common/console.hpp"
#include "common/disk.hpp"

namespace league::omblen {

/// One whole run of Omblen over a console and the disk of its working folder; returns
/// the exit status.
int runOmblen(Console& console, Disk& disk);

/// Tells the user that the grid settings file holds no usable grid size, and waits for
/// a key; the run then writes the result page without grids.
void sayNoGridSize(Console& console);

}  // namespace league::omblen
