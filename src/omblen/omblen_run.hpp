#pragma once

#include "common/console.hpp"
#include "common/disk.hpp"

namespace league::omblen {

/// One whole run of Omblen over a console and the disk of its working folder; returns
/// the exit status.
int runOmblen(Console& console, Disk& disk);

}  // namespace league::omblen
