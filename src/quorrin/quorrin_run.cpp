#include "quorrin/quorrin_run.hpp"

#include "common/tool_config.hpp"

#include <ostream>

namespace league::quorrin {

int runQuorrin(Console& console, const Folder& folder) {
    console.out() << "Please put in a name of a replay-file (without .rpy)!" << '\n';
    const std::string replayName = readAnswerWord(console);
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    (void)replayName;
    return kExitCompleted;
}

}  // namespace league::quorrin
