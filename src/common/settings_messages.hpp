#pragma once
// What the three programs' runs say when the shared settings stop them: a settings
// file that cannot be opened, and a typed name or path that is longer than its
// capacity. The readers of the settings only answer; the runs call these.

#include "common/console.hpp"

namespace league {

/// "Datei wrong!!!", without a line end and without a pause: a settings file of the
/// working folder cannot be opened, and the run ends.
void saySettingsFileMissing(Console& console);

/// Tells the user that a typed name or a path made from it is too long, and waits for
/// a key; the caller then ends the run with kExitStopped.
void refuseLongName(Console& console);

}  // namespace league
