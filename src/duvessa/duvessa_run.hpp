#pragma once

#include "common/console.hpp"
#include "common/disk.hpp"

namespace league::duvessa {

/// One whole run of Duvessa over a console and the disk of its working folder; returns
/// the exit status.
int runDuvessa(Console& console, Disk& disk);

}  // namespace league::duvessa
