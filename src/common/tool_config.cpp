#include "common/tool_config.hpp"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

namespace league {

std::optional<ToolConfig> loadToolConfig(const Folder& folder, Console& console) {
    // A folder of that name cannot be read as the file, also on systems that open it.
    const std::filesystem::path path = folder.file(kConfigFileName);
    std::error_code error;
    std::ifstream file;
    if (!std::filesystem::is_directory(path, error)) {
        file.open(path, std::ios::binary);
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
