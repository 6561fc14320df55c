#pragma once
// A disk held in memory: a map from relative paths ('/' separated) to file bytes. A
// folder is any path that lies above a file of the map. Tests and fuzzing run whole
// programs over it; the same rules hold as on the real disk.

#include "common/disk.hpp"

#include <cstddef>
#include <map>
#include <set>
#include <string>

namespace league {

/// Relative path ('/' separated) -> file bytes.
using FileMap = std::map<std::string, std::string>;

class MemoryDisk : public Disk {
public:
    explicit MemoryDisk(FileMap files = {});

    /// Every file, the pages written included.
    const FileMap& files() const { return files_; }

    /// Lets the writes to page `name` fail once `bytesThatFit` bytes are in it, as on a
    /// full disk.
    void fillUpAt(const std::string& name, std::size_t bytesThatFit);

    std::optional<std::string> readFile(const std::string& path) override;
    std::unique_ptr<ReadableFile> openFile(const std::string& path) override;
    std::unique_ptr<PageFile> createPage(const std::string& name) override;
    std::vector<std::string> listFiles(const std::string& folder, std::string_view suffix) override;
    bool isFolder(const std::string& path) override;
    bool createFolder(const std::string& name) override;
    Replacement replaceFile(const std::string& name, std::string_view bytes) override;
    std::optional<std::string> readEarlierOutput(const std::string& name) override;
    NewFile createNewFile(const std::string& name, std::string_view bytes) override;
    Obstacle obstacleTo(const std::string& name) override;
    Removal removeFile(const std::string& name) override;

private:
    /// A folder made by createFolder that holds no file yet.
    std::set<std::string> emptyFolders_;
    /// The key of an input path: backslashes become '/', "." and ".." are resolved;
    /// nothing for a path that leaves the map.
    static std::optional<std::string> inputKey(const std::string& path);
    /// The key of a page name, whose bytes stay as typed apart from its folders.
    static std::optional<std::string> pageKey(const std::string& name);
    bool isFolderKey(const std::string& key) const;
    /// The bytes of the file at `key`, which the disk then counts as read; nothing when
    /// there is no such file.
    std::optional<std::string> readAndRemember(const std::optional<std::string>& key);

    FileMap files_;
    std::set<std::string> filesRead_;
    std::map<std::string, std::size_t> fullAt_;
};

}  // namespace league
