#pragma once
// The disk of the system: files below a working folder.

#include "common/disk.hpp"
#include "common/platform.hpp"

#include <string>
#include <vector>

namespace league {

class RealDisk : public Disk {
public:
    /// The disk as seen from `workingFolder`; "." is the folder of the process (what
    /// a double-click starts the program in).
    explicit RealDisk(std::string workingFolder = ".");

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
    /// True when the file at `path` (below the working folder) is one this run has read.
    bool wasRead(const std::string& path) const;
    /// A path of the dialogue or a page name, taken below the working folder when it
    /// is relative.
    std::string belowWorkingFolder(const std::string& path) const;
    std::optional<platform::InputFile> openAndRemember(const std::string& path);

    std::string workingFolder_;
    std::vector<platform::FileIdentity> filesRead_;
};

}  // namespace league
