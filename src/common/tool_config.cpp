#include "common/tool_config.hpp"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <ostream>

namespace league {

std::optional<ToolConfig> loadToolConfig(const Folder& folder, Console& console) {
    // A folder of that name cannot be read as the file, also where the system opens it.
    std::error_code error;
    const bool isFolder = std::filesystem::is_directory(folder.file(kConfigFileName), error);
    std::ifstream file;
    if (!isFolder) {
        file.open(folder.file(kConfigFileName), std::ios::binary);
    }
    if (!file.is_open()) {
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
