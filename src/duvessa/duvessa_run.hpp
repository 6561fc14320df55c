#pragma once

#include "common/console.hpp"
#include "common/folder.hpp"

namespace league::duvessa {

/// One whole run of Duvessa over a console and a working folder; returns the exit status.
int runDuvessa(Console& console, const Folder& folder);

}  // namespace league::duvessa
