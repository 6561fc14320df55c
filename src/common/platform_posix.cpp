#include "common/platform.hpp"

#include <cerrno>
#include <iostream>
#include <istream>
#include <ostream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace league::platform {

namespace {

// Reads one key from a terminal without waiting for the line end and without echo.
void readOneKeyFromTerminal() {
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) {
        return;
    }
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    char key = 0;
    [[maybe_unused]] const ssize_t got = read(STDIN_FILENO, &key, 1);
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

int descriptor(FileHandle file) {
    return static_cast<int>(file);
}

FileIdentity identityOfStat(const struct stat& info) {
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace

void pauseForKey(std::istream& in, std::ostream& out) {
    out.flush();
    out << "Press any key to continue . . . ";
    out.flush();
    if (&in == &std::cin && isatty(STDIN_FILENO) != 0) {
        readOneKeyFromTerminal();
        out << '\n';
        out.flush();
        return;
    }
    in.get();
}

std::string nativeInputPath(const std::string& composedPath) {
    std::string path = composedPath;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

std::optional<InputFile> openForReading(const std::string& path) {
    // Non-blocking, so that a named pipe without a writer cannot hang the run.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    InputFile file;
    file.handle = FileHandle{fd};
    file.size = info.st_size > 0 ? static_cast<std::int64_t>(info.st_size) : 0;
    file.identity = identityOfStat(info);
    file.regular = S_ISREG(info.st_mode);
    return file;
}

std::int64_t readSomeAt(FileHandle file, std::int64_t offset, char* into, std::int64_t length) {
    while (true) {
        const ssize_t got = pread(descriptor(file), into, static_cast<size_t>(length), static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

std::int64_t readSome(FileHandle file, char* into, std::int64_t length) {
    while (true) {
        const ssize_t got = read(descriptor(file), into, static_cast<size_t>(length));
        if (got >= 0) {
            return got;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A pipe that has nothing to give now: what was read is all there is.
            return 0;
        }
        if (errno != EINTR) {
            return -1;
        }
    }
}

std::optional<FileIdentity> identityOfPath(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return identityOfStat(info);
}

std::optional<FileHandle> createForWriting(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return std::nullopt;
    }
    return FileHandle{fd};
}

bool writeAll(FileHandle file, std::string_view bytes) {
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t done = write(descriptor(file), next, left);
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return false;
        }
        next += done;
        left -= static_cast<std::size_t>(done);
    }
    return true;
}

bool finishWriting(FileHandle file, std::int64_t length) {
    // Only a longer old file is cut: setting a file's length costs the file system even
    // when the length stays the same.
    struct stat info {};
    bool cut = true;
    if (fstat(descriptor(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > length) {
        cut = ftruncate(descriptor(file), static_cast<off_t>(length)) == 0;
    }
    return closeFile(file) && cut;
}

bool closeFile(FileHandle file) {
    return close(descriptor(file)) == 0;
}

bool removeFile(const std::string& path) {
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::optional<std::vector<std::string>> filesInFolder(const std::string& folder) {
    DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        struct stat info {};
        const std::string path = (folder.empty() ? std::string() : folder + "/") + name;
        if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            names.push_back(name);
        }
    }
    closedir(listing);
    return names;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool makeFolder(const std::string& path) {
    return mkdir(path.c_str(), 0777) == 0 || isFolder(path);
}

bool renameOver(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0;
}

std::optional<FileHandle> createNewForWriting(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return std::nullopt;
    }
    return FileHandle{fd};
}

std::string_view textLineEnd() {
    return "\n";
}

Utf8ConsoleOutput::Utf8ConsoleOutput() = default;

Utf8ConsoleOutput::~Utf8ConsoleOutput() = default;

bool consoleBelongsToThisProcessAlone() {
    return false;
}

}  // namespace league::platform
