#include "league/write/file_manifest.hpp"

#include <algorithm>
#include <set>

namespace league::season {

namespace {

// A relative path of plain parts: no root, no drive, no backslash, no "." or "..".
bool isPlainPathBelow(std::string_view path) {
    if (path.empty() || path.front() == '/' || path.find_first_of("\\:") != std::string_view::npos ||
        path == kManifestName) {
        return false;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

std::string manifestText(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths) {
        text += path + "\n";
    }
    return text;
}

std::vector<std::string> manifestPaths(std::string_view text) {
    std::vector<std::string> paths;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        // A manifest that passed through an editor on Windows may end its lines in CR LF.
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (isPlainPathBelow(line)) {
            paths.emplace_back(line);
        }
        start = end + 1;
    }
    return paths;
}

std::vector<std::string> pathsLeftBehind(const std::vector<std::string>& earlier,
                                         const std::vector<std::string>& now) {
    const std::set<std::string> written(now.begin(), now.end());
    std::vector<std::string> left;
    for (const std::string& path : earlier) {
        if (written.count(path) == 0 && std::find(left.begin(), left.end(), path) == left.end()) {
            left.push_back(path);
        }
    }
    return left;
}

}  // namespace league::season
