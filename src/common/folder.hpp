#pragma once
// The working folder of a run: "Quorrin.ini" is read from it, the pages are written
// into it, and relative input paths are found below it. Passing it in (instead of
// relying on the process's current folder) lets tests run programs side by side.

#include <filesystem>
#include <string>

namespace league {

class Folder {
public:
    explicit Folder(std::filesystem::path root);

    /// The folder of the process (what a double-click starts the program in).
    static Folder current();

    const std::filesystem::path& root() const { return root_; }

    /// A file of the working folder itself, such as "Quorrin.ini" or a page.
    std::filesystem::path file(const std::string& name) const;

    /// A composed input path (simulator folder + "exports\" + name ...), turned into
    /// the system's form and, when relative, taken below the working folder.
    std::filesystem::path inputFile(const std::string& composedPath) const;

private:
    std::filesystem::path root_;
};

}  // namespace league
