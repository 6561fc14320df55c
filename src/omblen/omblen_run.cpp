#include "omblen/omblen_run.hpp"

#include "common/tool_config.hpp"

namespace league::omblen {

int runOmblen(Console& console, const Folder& folder) {
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    return kExitStopped;
}

}  // namespace league::omblen
