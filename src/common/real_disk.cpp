#include "common/real_disk.hpp"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace league {

namespace {

// Reads `length` bytes at `offset`; false unless all of them were read.
bool readAllAt(platform::FileHandle file, std::int64_t offset, char* into, std::int64_t length) {
    while (length > 0) {
        const std::int64_t got = platform::readSomeAt(file, offset, into, length);
        if (got <= 0) {
            return false;
        }
        into += got;
        offset += got;
        length -= got;
    }
    return true;
}

// Reads a device or a pipe, whose size says nothing, to its end.
std::optional<std::string> readToEnd(platform::FileHandle file) {
    std::string bytes;
    char buffer[65536];
    while (true) {
        const std::int64_t got = platform::readSome(file, buffer, sizeof buffer);
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

// The bytes of an open file, which is then closed. A file's size tells how much to read
// in one go; a device or a pipe is read to its end.
std::optional<std::string> wholeFile(const platform::InputFile& file) {
    std::optional<std::string> bytes;
    if (file.regular) {
        bytes.emplace(static_cast<std::size_t>(file.size), '\0');
        if (!readAllAt(file.handle, 0, bytes->data(), file.size)) {
            bytes.reset();
        }
    } else {
        bytes = readToEnd(file.handle);
    }
    platform::closeFile(file.handle);
    return bytes;
}

class RealReadableFile : public ReadableFile {
public:
    explicit RealReadableFile(const platform::InputFile& file) : file_(file.handle), size_(file.size) {}
    ~RealReadableFile() override { platform::closeFile(file_); }
    RealReadableFile(const RealReadableFile&) = delete;
    RealReadableFile& operator=(const RealReadableFile&) = delete;

    std::int64_t size() const override { return size_; }

    bool readAt(std::int64_t offset, char* into, std::int64_t length) override {
        if (offset < 0 || length < 0 || offset > size_ || length > size_ - offset) {
            return false;
        }
        return readAllAt(file_, offset, into, length);
    }

private:
    platform::FileHandle file_;
    std::int64_t size_;
};

class RealPageFile : public PageFile {
public:
    RealPageFile(platform::FileHandle file, std::string path) : file_(file), path_(std::move(path)) {}
    ~RealPageFile() override { close(); }
    RealPageFile(const RealPageFile&) = delete;
    RealPageFile& operator=(const RealPageFile&) = delete;

    void write(std::string_view bytes) override {
        if (open_ && whole_) {
            whole_ = platform::writeAll(file_, bytes);
            length_ += static_cast<std::int64_t>(bytes.size());
        }
    }

    bool close() override {
        if (!open_) {
            return whole_;
        }
        open_ = false;
        whole_ = platform::finishWriting(file_, length_) && whole_;
        if (!whole_) {
            platform::removeFile(path_);
        }
        return whole_;
    }

private:
    platform::FileHandle file_;
    std::string path_;
    std::int64_t length_ = 0;
    bool open_ = true;
    bool whole_ = true;
};

}  // namespace

RealDisk::RealDisk(std::string workingFolder) : workingFolder_(std::move(workingFolder)) {}

std::string RealDisk::belowWorkingFolder(const std::string& path) const {
    if (workingFolder_ == "." || path.empty() || std::filesystem::path(path).is_absolute()) {
        return path;
    }
    return workingFolder_ + "/" + path;
}

std::optional<platform::InputFile> RealDisk::openAndRemember(const std::string& path) {
    const auto file = platform::openForReading(belowWorkingFolder(platform::nativeInputPath(path)));
    if (file) {
        filesRead_.push_back(file->identity);
    }
    return file;
}

std::optional<std::string> RealDisk::readFile(const std::string& path) {
    const auto file = openAndRemember(path);
    if (!file) {
        return std::nullopt;
    }
    return wholeFile(*file);
}

std::optional<std::string> RealDisk::readEarlierOutput(const std::string& name) {
    const auto file = platform::openForReading(belowWorkingFolder(name));
    if (!file) {
        return std::nullopt;
    }
    return wholeFile(*file);
}

std::unique_ptr<ReadableFile> RealDisk::openFile(const std::string& path) {
    const auto file = openAndRemember(path);
    if (!file) {
        return nullptr;
    }
    return std::make_unique<RealReadableFile>(*file);
}

bool RealDisk::wasRead(const std::string& path) const {
    // One look at the file that is there, if any: is it one the run has read?
    const auto there = platform::identityOfPath(path);
    return there && std::find(filesRead_.begin(), filesRead_.end(), *there) != filesRead_.end();
}

std::unique_ptr<PageFile> RealDisk::createPage(const std::string& name) {
    const std::string path = belowWorkingFolder(name);
    if (wasRead(path)) {
        return nullptr;
    }
    const auto file = platform::createForWriting(path);
    if (!file) {
        return nullptr;
    }
    return std::make_unique<RealPageFile>(*file, path);
}

std::vector<std::string> RealDisk::listFiles(const std::string& folder, std::string_view suffix) {
    std::vector<std::string> names;
    const std::string path = folder.empty() ? workingFolder_ : belowWorkingFolder(platform::nativeInputPath(folder));
    for (std::string& name : platform::filesInFolder(path).value_or(std::vector<std::string>{})) {
        if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool RealDisk::isFolder(const std::string& path) {
    return platform::isFolder(belowWorkingFolder(platform::nativeInputPath(path)));
}

bool RealDisk::createFolder(const std::string& name) {
    // Each folder from the top down, so that missing folders above are made too; the
    // path is split at every separator of the system (a backslash too on Windows).
    const std::string path = belowWorkingFolder(name);
    std::filesystem::path folder;
    for (const std::filesystem::path& part : std::filesystem::path(path)) {
        folder /= part;
        platform::makeFolder(folder.string());
    }
    return platform::isFolder(path);
}

Disk::Replacement RealDisk::replaceFile(const std::string& name, std::string_view bytes) {
    const std::string path = belowWorkingFolder(name);
    if (wasRead(path)) {
        return Replacement::Failed;
    }
    // A file that already holds these bytes stays as it is: a run over unchanged inputs
    // rewrites nothing, and the file system is spared a new file and a rename.
    if (const auto old = platform::openForReading(path)) {
        bool same = old->regular && old->size == static_cast<std::int64_t>(bytes.size());
        if (same && !bytes.empty()) {
            std::string oldBytes(bytes.size(), '\0');
            same = readAllAt(old->handle, 0, oldBytes.data(), old->size) && oldBytes == bytes;
        }
        platform::closeFile(old->handle);
        if (same) {
            return Replacement::Unchanged;
        }
    }
    const std::string temporary = path + ".part";
    const auto file = platform::createForWriting(temporary);
    if (!file) {
        return Replacement::Failed;
    }
    const bool written = platform::writeAll(*file, bytes);
    if (!platform::finishWriting(*file, static_cast<std::int64_t>(bytes.size())) || !written ||
        !platform::renameOver(temporary, path)) {
        platform::removeFile(temporary);
        return Replacement::Failed;
    }
    return Replacement::Changed;
}

Disk::Obstacle RealDisk::obstacleTo(const std::string& name) {
    const std::string path = belowWorkingFolder(name);
    if (wasRead(path)) {
        return Obstacle::ReadThisRun;
    }
    if (platform::isFolder(path)) {
        return Obstacle::Folder;
    }
    // Each folder above, up to the top: something there that is not a folder stops it.
    std::filesystem::path above = std::filesystem::path(path).parent_path();
    while (!above.empty()) {
        const std::string folder = above.string();
        if (platform::identityOfPath(folder) && !platform::isFolder(folder)) {
            return Obstacle::FileAsFolder;
        }
        std::filesystem::path next = above.parent_path();
        if (next == above) {
            break;
        }
        above = std::move(next);
    }
    return Obstacle::None;
}

Disk::Removal RealDisk::removeFile(const std::string& name) {
    const std::string path = belowWorkingFolder(name);
    if (wasRead(path) || platform::isFolder(path)) {
        return Removal::Failed;
    }
    if (!platform::identityOfPath(path)) {
        return Removal::NotThere;
    }
    return platform::removeFile(path) ? Removal::Removed : Removal::Failed;
}

Disk::NewFile RealDisk::createNewFile(const std::string& name, std::string_view bytes) {
    const std::string path = belowWorkingFolder(name);
    const auto file = platform::createNewForWriting(path);
    if (!file) {
        return platform::identityOfPath(path) ? NewFile::AlreadyThere : NewFile::Failed;
    }
    const bool written = platform::writeAll(*file, bytes);
    if (!platform::finishWriting(*file, static_cast<std::int64_t>(bytes.size())) || !written) {
        platform::removeFile(path);
        return NewFile::Failed;
    }
    return NewFile::Written;
}

}  // namespace league
