#include "common/folder.hpp"

#include "common/platform.hpp"

#include <utility>

namespace league {

Folder::Folder(std::filesystem::path root) : root_(std::move(root)) {}

Folder Folder::current() {
    return Folder(std::filesystem::path("."));
}

std::filesystem::path Folder::file(const std::string& name) const {
    return root_ / std::filesystem::path(name);
}

std::filesystem::path Folder::inputFile(const std::string& composedPath) const {
    const std::filesystem::path path(platform::nativeInputPath(composedPath));
    if (path.is_absolute() || root_ == std::filesystem::path(".")) {
        return path;
    }
    return root_ / path;
}

}  // namespace league
