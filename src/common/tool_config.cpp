#include "common/tool_config.hpp"

#include <fstream>
#include <ostream>

namespace league {

std::optional<ToolConfig> loadToolConfig(const Folder& folder, Console& console) {
    std::ifstream file(folder.file(kConfigFileName), std::ios::binary);
    if (!file) {
        console.out() << "Datei wrong!!!";
        console.out().flush();
        return std::nullopt;
    }
    // Read as bytes and turn CR LF into LF, as a text-mode read on Windows does, so that
    // the same file gives the same folder on every system.
    ToolConfig config;
    const std::size_t usable = kFolderCapacity - 1;
    char byte = 0;
    while (config.simulatorFolder.size() < usable && file.get(byte)) {
        if (byte == '\0') {
            break;
        }
        if (byte == '\r' && file.peek() == '\n') {
            continue;
        }
        config.simulatorFolder.push_back(byte);
    }
    return config;
}

bool fitsCapacity(const std::string& text, std::size_t capacity) {
    return text.size() < capacity;
}

void refuseLongName(Console& console) {
    console.out() << "The name is too long!" << '\n';
    pauseConsole(console);
}

}  // namespace league
