#pragma once
// The seam between a run and the disk. A run reads "Quorrin.ini", the replay, the
// exports and the grid settings, and creates its pages, only through a Disk: the real
// one works on the files below the working folder, the in-memory one on a map of
// files, so that whole runs can be tested without touching the disk.
//
// Input paths are the composed texts of the dialogue ("sim\exports\race.html"): the
// disk turns them into the system's form. Page names are used as typed, relative to
// the working folder. A folder is never a file, on any system.
//
// A disk remembers every file a run has read, and refuses to create a page over one
// of them: a page must never replace the export or the replay it was made from.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league {

/// A file opened for reading at offsets: the replay, which can be hundreds of megabytes.
class ReadableFile {
public:
    virtual ~ReadableFile() = default;
    virtual std::int64_t size() const = 0;
    /// Reads `length` bytes at `offset` into `into`; false unless all of them lie
    /// inside the file and were read.
    virtual bool readAt(std::int64_t offset, char* into, std::int64_t length) = 0;
};

/// A page being written. Its writes are checked when it is closed.
class PageFile {
public:
    virtual ~PageFile() = default;
    virtual void write(std::string_view bytes) = 0;
    /// Closes the page: true when every write reached the file. A page that could not
    /// be written whole is removed, so that no cut-off page is left to look whole.
    virtual bool close() = 0;
};

class Disk {
public:
    virtual ~Disk() = default;

    /// The whole file at the input path `path`, or nothing when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;

    /// The file at the input path `path`, opened for reading at offsets, or nothing.
    virtual std::unique_ptr<ReadableFile> openFile(const std::string& path) = 0;

    /// Creates (or replaces) the page `name` in the working folder, or gives nothing
    /// when it cannot be created: no such folder, a folder of that name, no permission,
    /// or a file that this run has read.
    virtual std::unique_ptr<PageFile> createPage(const std::string& name) = 0;

    /// The names of the regular files directly in the folder at the input path `folder`
    /// ("" is the working folder) that end in `suffix`, sorted by their bytes.
    virtual std::vector<std::string> listFiles(const std::string& folder, std::string_view suffix) = 0;

    /// True when the input path `path` names a folder.
    virtual bool isFolder(const std::string& path) = 0;

    /// Makes the folder `name` below the working folder, and the folders above it that
    /// are missing; true when it is there afterwards.
    virtual bool createFolder(const std::string& name) = 0;

    /// What became of a file to replace.
    enum class Replacement {
        Changed,    ///< written: it was not there, or held other bytes
        Unchanged,  ///< it held these bytes already and was left as it is
        Failed      ///< refused, or the disk failed: the old file is as it was
    };

    /// Writes `bytes` as the file `name` whole: under a temporary name beside it first,
    /// which is then renamed over the old file, so that an interrupted run leaves the old
    /// file or the new one, never a cut one. A file that holds these bytes already is
    /// left as it is. Refused for a file that this run has read.
    virtual Replacement replaceFile(const std::string& name, std::string_view bytes) = 0;

    /// The whole file `name` (named as for replaceFile), or nothing when it cannot be
    /// read. Unlike readFile it is not remembered as read, so the run may replace it:
    /// what an earlier run wrote for the next one to read back.
    virtual std::optional<std::string> readEarlierOutput(const std::string& name) = 0;

    /// What stands in the way of replaceFile or removeFile for `name`, as far as it can be
    /// told without changing anything, so that a run can check every file it will write
    /// before it writes the first.
    enum class Obstacle {
        None,         ///< nothing there refuses it (writing may still fail on the disk)
        ReadThisRun,  ///< a file that this run has read
        Folder,       ///< a folder of that name
        FileAsFolder  ///< a file in the place of one of the folders above it
    };
    virtual Obstacle obstacleTo(const std::string& name) = 0;

    /// What became of a file to remove.
    enum class Removal { Removed, NotThere, Failed };

    /// Removes the file `name`. A folder and a file that this run has read are never
    /// removed: Failed.
    virtual Removal removeFile(const std::string& name) = 0;

    /// What became of a file that may only be created new.
    enum class NewFile { Written, AlreadyThere, Failed };

    /// Writes `bytes` as the file `name` only when nothing of that name is there.
    virtual NewFile createNewFile(const std::string& name, std::string_view bytes) = 0;
};

}  // namespace league
