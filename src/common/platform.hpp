#pragma once
// The one place that knows the operating system: everything that differs between
// Windows and the other systems is behind these few functions.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league::platform {

/// Waits for one key the way the system's own pause command does. On Windows the
/// command interpreter's "PAUSE" runs; elsewhere "Press any key to continue . . . " is
/// printed and one key is read (one byte from a non-terminal input; at end of input it
/// returns at once). The output stream is flushed first.
void pauseForKey(std::istream& in, std::ostream& out);

/// Turns a composed input path into the form the system opens: on systems other than
/// Windows every backslash becomes '/'. Windows keeps the path as it is.
std::string nativeInputPath(const std::string& composedPath);

/// What makes a file the same file under any spelling of its path: the volume and the
/// file's number on it.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

/// An open file of the system (a descriptor or a handle).
using FileHandle = std::intptr_t;

/// A file opened for reading, with what one look at it tells.
struct InputFile {
    FileHandle handle = 0;
    std::int64_t size = 0;
    FileIdentity identity;
    /// False for a device or a pipe, whose size says nothing about what can be read.
    bool regular = true;
};

/// Opens a file read-only. A folder, a missing file and one that cannot be opened give
/// nothing, on every system (some let a folder be opened for reading).
std::optional<InputFile> openForReading(const std::string& path);

/// Reads up to `length` bytes at `offset`: the number read, 0 at the end of the file,
/// -1 when the system refused.
std::int64_t readSomeAt(FileHandle file, std::int64_t offset, char* into, std::int64_t length);

/// Reads up to `length` bytes from the file's current position: the number read, 0 at
/// its end (or, for a pipe, when it has nothing to give now), -1 when the system refused.
std::int64_t readSome(FileHandle file, char* into, std::int64_t length);

/// The identity of the file at `path`, or nothing when there is none.
std::optional<FileIdentity> identityOfPath(const std::string& path);

/// Opens a file for writing from its start, creating it when it is not there. A file
/// that is there keeps its bytes until finishWriting cuts them to the new length:
/// writing over them costs the file system less than emptying the file first.
std::optional<FileHandle> createForWriting(const std::string& path);

/// Writes all of `bytes`; false when the system refused any of them.
bool writeAll(FileHandle file, std::string_view bytes);

/// Cuts a file opened by createForWriting to the `length` bytes written, and closes it;
/// false when the system reports that this or the written data failed. A device or a
/// pipe has no length to cut.
bool finishWriting(FileHandle file, std::int64_t length);

/// Closes a file; false when the system reports that written data did not reach it.
bool closeFile(FileHandle file);

/// Removes a file (not a folder); a link is removed, not what it points to. True when
/// no file of that name is there afterwards.
bool removeFile(const std::string& path);

/// The names of the regular files directly in `folder`, in no particular order;
/// nothing when it cannot be listed.
std::optional<std::vector<std::string>> filesInFolder(const std::string& folder);

/// True when `path` names a folder (or a link to one).
bool isFolder(const std::string& path);

/// Makes one folder; true when it is there afterwards, made now or before.
bool makeFolder(const std::string& path);

/// Renames the file `from` to `to`, replacing a file that is there, in one step.
bool renameOver(const std::string& from, const std::string& to);

/// Creates a file for writing only when nothing of that name is there.
std::optional<FileHandle> createNewForWriting(const std::string& path);

/// The line end of the system's text files, those an admin opens in an editor: "\r\n"
/// on Windows, "\n" elsewhere.
std::string_view textLineEnd();

/// While it lives, the console shows the program's UTF-8 output as it is written: on
/// Windows the console's output code page is UTF-8, and the one it had comes back when
/// it ends, for the programs that the same console runs next; elsewhere a terminal takes
/// UTF-8 as it is.
class Utf8ConsoleOutput {
public:
    Utf8ConsoleOutput();
    ~Utf8ConsoleOutput();
    Utf8ConsoleOutput(const Utf8ConsoleOutput&) = delete;
    Utf8ConsoleOutput& operator=(const Utf8ConsoleOutput&) = delete;

private:
    /// The code page to restore; 0 for none.
    unsigned int previousCodePage_ = 0;
};

/// True when the console belongs to this process alone, as when it was started by a
/// double-click on Windows, and its input is that console: then the window closes as
/// soon as the process ends. Never on other systems, where a program is started from
/// a terminal that stays.
bool consoleBelongsToThisProcessAlone();

}  // namespace league::platform
