#include "duvessa/duvessa_run.hpp"

#include "common/tool_config.hpp"

namespace league::duvessa {

int runDuvessa(Console& console, const Folder& folder) {
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    return kExitStopped;
}

}  // namespace league::duvessa
