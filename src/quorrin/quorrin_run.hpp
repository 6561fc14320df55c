#pragma once

#include "common/console.hpp"
#include "common/folder.hpp"

namespace league::quorrin {

/// One whole run of Quorrin over a console and a working folder; returns the exit status.
int runQuorrin(Console& console, const Folder& folder);

}  // namespace league::quorrin
