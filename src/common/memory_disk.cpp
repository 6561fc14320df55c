#include "common/memory_disk.hpp"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace league {

namespace {

// Resolves "." and ".." in a '/'-separated relative path; nothing when it climbs out.
std::optional<std::string> resolved(const std::string& path) {
    if (path.empty() || path.front() == '/') {
        return std::nullopt;
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (parts.empty()) {
                return std::nullopt;
            }
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string key;
    for (const std::string& part : parts) {
        key += (key.empty() ? "" : "/") + part;
    }
    return key;
}

class MemoryReadableFile : public ReadableFile {
public:
    explicit MemoryReadableFile(std::string bytes) : bytes_(std::move(bytes)) {}

    std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }

    bool readAt(std::int64_t offset, char* into, std::int64_t length) override {
        if (offset < 0 || length < 0 || offset > size() || length > size() - offset) {
            return false;
        }
        std::memcpy(into, bytes_.data() + offset, static_cast<std::size_t>(length));
        return true;
    }

private:
    std::string bytes_;
};

class MemoryPageFile : public PageFile {
public:
    MemoryPageFile(FileMap& files, std::string key, std::size_t room)
        : files_(files), key_(std::move(key)), room_(room) {
        files_[key_].clear();
    }

    void write(std::string_view bytes) override {
        std::string& page = files_[key_];
        const std::size_t fits = std::min(bytes.size(), room_ - std::min(room_, page.size()));
        page.append(bytes.substr(0, fits));
        whole_ = whole_ && fits == bytes.size();
    }

    bool close() override {
        if (!whole_) {
            files_.erase(key_);
        }
        return whole_;
    }

private:
    FileMap& files_;
    std::string key_;
    std::size_t room_;
    bool whole_ = true;
};

}  // namespace

MemoryDisk::MemoryDisk(FileMap files) : files_(std::move(files)) {}

void MemoryDisk::fillUpAt(const std::string& name, std::size_t bytesThatFit) {
    if (const auto key = pageKey(name)) {
        fullAt_[*key] = bytesThatFit;
    }
}

std::optional<std::string> MemoryDisk::inputKey(const std::string& path) {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    return resolved(slashed);
}

std::optional<std::string> MemoryDisk::pageKey(const std::string& name) {
    return resolved(name);
}

bool MemoryDisk::isFolderKey(const std::string& key) const {
    const std::string prefix = key + "/";
    const auto next = files_.lower_bound(prefix);
    const auto nextEmpty = emptyFolders_.lower_bound(prefix);
    return key.empty() || emptyFolders_.count(key) != 0 ||
           (next != files_.end() && next->first.compare(0, prefix.size(), prefix) == 0) ||
           (nextEmpty != emptyFolders_.end() && nextEmpty->compare(0, prefix.size(), prefix) == 0);
}

std::optional<std::string> MemoryDisk::readAndRemember(const std::optional<std::string>& key) {
    if (!key) {
        return std::nullopt;
    }
    const auto file = files_.find(*key);
    if (file == files_.end()) {
        return std::nullopt;
    }
    filesRead_.insert(*key);
    return file->second;
}

std::optional<std::string> MemoryDisk::readFile(const std::string& path) {
    return readAndRemember(inputKey(path));
}

std::unique_ptr<ReadableFile> MemoryDisk::openFile(const std::string& path) {
    if (auto bytes = readAndRemember(inputKey(path))) {
        return std::make_unique<MemoryReadableFile>(std::move(*bytes));
    }
    return nullptr;
}

std::unique_ptr<PageFile> MemoryDisk::createPage(const std::string& name) {
    const auto key = pageKey(name);
    if (!key || isFolderKey(*key) || filesRead_.count(*key) != 0) {
        return nullptr;
    }
    // The page's folder must be there already: the root, or a folder of the map.
    const std::size_t slash = key->rfind('/');
    if (slash != std::string::npos && !isFolderKey(key->substr(0, slash))) {
        return nullptr;
    }
    const auto full = fullAt_.find(*key);
    const std::size_t room = full == fullAt_.end() ? std::string::npos : full->second;
    return std::make_unique<MemoryPageFile>(files_, *key, room);
}

std::vector<std::string> MemoryDisk::listFiles(const std::string& folder, std::string_view suffix) {
    std::vector<std::string> names;
    const auto key = folder.empty() ? std::optional<std::string>("") : inputKey(folder);
    if (!key) {
        return names;
    }
    const std::string prefix = key->empty() ? "" : *key + "/";
    for (const auto& [path, bytes] : files_) {
        if (path.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string name = path.substr(prefix.size());
        if (name.find('/') == std::string::npos && name.size() >= suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            names.push_back(name);
        }
    }
    return names;
}

bool MemoryDisk::isFolder(const std::string& path) {
    const auto key = inputKey(path);
    return key && isFolderKey(*key);
}

bool MemoryDisk::createFolder(const std::string& name) {
    const auto key = pageKey(name);
    if (!key || files_.count(*key) != 0) {
        return false;
    }
    for (std::size_t slash = key->find('/'); slash != std::string::npos; slash = key->find('/', slash + 1)) {
        if (files_.count(key->substr(0, slash)) != 0) {
            return false;
        }
    }
    emptyFolders_.insert(*key);
    return true;
}

Disk::Replacement MemoryDisk::replaceFile(const std::string& name, std::string_view bytes) {
    const auto key = pageKey(name);
    if (key && filesRead_.count(*key) == 0 && files_.count(*key) != 0 && files_.at(*key) == bytes) {
        return Replacement::Unchanged;
    }
    auto page = createPage(name);
    if (!page) {
        return Replacement::Failed;
    }
    // The whole file or nothing: a write that does not fit leaves the old file.
    const auto old = files_.find(*pageKey(name));
    const std::optional<std::string> oldBytes =
        old != files_.end() ? std::optional<std::string>(old->second) : std::nullopt;
    page->write(bytes);
    if (!page->close()) {
        if (oldBytes) {
            files_[*pageKey(name)] = *oldBytes;
        }
        return Replacement::Failed;
    }
    return Replacement::Changed;
}

std::optional<std::string> MemoryDisk::readEarlierOutput(const std::string& name) {
    const auto key = pageKey(name);
    const auto file = key ? files_.find(*key) : files_.end();
    return file != files_.end() ? std::optional<std::string>(file->second) : std::nullopt;
}

Disk::Obstacle MemoryDisk::obstacleTo(const std::string& name) {
    const auto key = pageKey(name);
    if (!key) {
        return Obstacle::None;
    }
    if (filesRead_.count(*key) != 0) {
        return Obstacle::ReadThisRun;
    }
    if (isFolderKey(*key)) {
        return Obstacle::Folder;
    }
    for (std::size_t slash = key->find('/'); slash != std::string::npos; slash = key->find('/', slash + 1)) {
        if (files_.count(key->substr(0, slash)) != 0) {
            return Obstacle::FileAsFolder;
        }
    }
    return Obstacle::None;
}

Disk::Removal MemoryDisk::removeFile(const std::string& name) {
    const auto key = pageKey(name);
    if (!key) {
        return Removal::NotThere;
    }
    if (filesRead_.count(*key) != 0 || isFolderKey(*key)) {
        return Removal::Failed;
    }
    if (files_.erase(*key) == 0) {
        return Removal::NotThere;
    }
    // Its folder stays, as on a real disk, though no file may be left in it.
    if (const std::size_t slash = key->rfind('/'); slash != std::string::npos) {
        emptyFolders_.insert(key->substr(0, slash));
    }
    return Removal::Removed;
}

Disk::NewFile MemoryDisk::createNewFile(const std::string& name, std::string_view bytes) {
    const auto key = pageKey(name);
    if (key && (files_.count(*key) != 0 || isFolderKey(*key))) {
        return NewFile::AlreadyThere;
    }
    auto page = createPage(name);
    if (!page) {
        return NewFile::Failed;
    }
    page->write(bytes);
    return page->close() ? NewFile::Written : NewFile::Failed;
}

}  // namespace league
