#pragma once
// A fresh folder below the system's temporary folder, removed with everything in it
// when the object goes.

#include "common/memory_disk.hpp"

#include <filesystem>
#include <string>

namespace league::testing {

/// Relative path ('/' separated) -> file bytes.
using FileMap = league::FileMap;

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return path_; }

    /// Writes a file below the folder, creating its parent folders.
    void write(const std::string& relativePath, const std::string& bytes) const;
    void writeAll(const FileMap& files) const;
    /// Every regular file below the folder with its bytes.
    FileMap files() const;

private:
    std::filesystem::path path_;
};

std::string readFileBytes(const std::filesystem::path& path);

/// Every regular file below `root` with its bytes, by its path relative to `root`.
FileMap filesBelow(const std::filesystem::path& root);

/// Console text with CR LF turned into LF, for comparisons where the system decides
/// the line ends.
std::string withUnixLineEnds(const std::string& text);

}  // namespace league::testing
