#pragma once

#include "common/console.hpp"
#include "common/folder.hpp"

namespace league::omblen {

/// One whole run of Omblen over a console and a working folder; returns the exit status.
int runOmblen(Console& console, const Folder& folder);

}  // namespace league::omblen
