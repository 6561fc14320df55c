#include "common/tool_config.hpp"

namespace league {

std::optional<ToolConfig> loadToolConfig(Disk& disk) {
    const auto bytes = disk.readFile(kConfigFileName);
    if (!bytes) {
        return std::nullopt;
    }
    return toolConfigFromBytes(*bytes);
}

ToolConfig toolConfigFromBytes(std::string_view bytes) {
    // Read as bytes and turn CR LF into LF, as a text-mode read on Windows does, so that
    // the same file gives the same folder on every system.
    ToolConfig config;
    const std::size_t usable = kFolderCapacity - 1;
    for (std::size_t i = 0; i < bytes.size() && config.simulatorFolder.size() < usable; ++i) {
        const char byte = bytes[i];
        if (byte == '\0') {
            break;
        }
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        config.simulatorFolder.push_back(byte);
    }
    return config;
}

bool fitsCapacity(const std::string& text, std::size_t capacity) {
    return text.size() < capacity;
}

}  // namespace league
