#include "common/disk.hpp"

#include "common/memory_disk.hpp"
#include "common/real_disk.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace league {
namespace {

const FileMap kFiles = {
    {"Quorrin.ini", "sim\\"},
    {"sim/exports/race.html", "export bytes"},
    {"sim/exports/folder.html/inside", "x"},
    {"sub/old.html", "a much longer old page"},
};

// What a run sees of the disk: reads by composed paths, then pages created over them.
struct Seen {
    std::optional<std::string> export_;
    std::optional<std::string> folderAsExport;
    std::optional<std::string> missing;
    std::optional<std::string> replayPiece;
    bool pieceOutsideRead = false;
    std::array<bool, 6> pageCreated{};
    FileMap files;
};

Seen look(Disk& disk) {
    Seen seen;
    seen.export_ = disk.readFile("sim\\exports\\race.html");
    seen.folderAsExport = disk.readFile("sim\\exports\\folder.html");
    seen.missing = disk.readFile("sim\\exports\\none.html");
    if (const auto replay = disk.openFile("sim/exports/race.html")) {
        std::string piece(5, '\0');
        if (replay->readAt(7, piece.data(), 5)) {
            seen.replayPiece = piece;
        }
        seen.pieceOutsideRead = replay->readAt(8, piece.data(), 5);
    }
    EXPECT_FALSE(disk.openFile("sim/exports/folder.html"));
    // A page over the export that was read, spelt another way, is refused; so is one in
    // a missing folder or in the place of a folder. Others are created or replaced.
    const char* pages[] = {"sim/./exports/race.html", "missing/page.html", "sim/exports/folder.html",
                           "sub/old.html",            "sub/new.html",      "page.html"};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        const auto page = disk.createPage(pages[i]);
        seen.pageCreated[i] = page != nullptr;
        if (page) {
            page->write("new");
            EXPECT_TRUE(page->close());
        }
    }
    return seen;
}

TEST(Disk, TheMemoryDiskAnswersAsTheRealDisk) {
    testing::TempFolder folder;
    folder.writeAll(kFiles);
    RealDisk realDisk(folder.path().string());
    MemoryDisk memoryDisk(kFiles);

    Seen real = look(realDisk);
    real.files = folder.files();
    Seen memory = look(memoryDisk);
    memory.files = memoryDisk.files();

    EXPECT_EQ(real.export_, "export bytes");
    EXPECT_EQ(real.folderAsExport, std::nullopt);
    EXPECT_EQ(real.missing, std::nullopt);
    EXPECT_EQ(real.replayPiece, "bytes");
    EXPECT_FALSE(real.pieceOutsideRead);
    EXPECT_EQ(real.pageCreated, (std::array<bool, 6>{false, false, false, true, true, true}));
    EXPECT_EQ(real.files.at("sim/exports/race.html"), "export bytes");
    EXPECT_EQ(real.files.at("sub/old.html"), "new");

    EXPECT_EQ(memory.export_, real.export_);
    EXPECT_EQ(memory.folderAsExport, real.folderAsExport);
    EXPECT_EQ(memory.missing, real.missing);
    EXPECT_EQ(memory.replayPiece, real.replayPiece);
    EXPECT_EQ(memory.pieceOutsideRead, real.pieceOutsideRead);
    EXPECT_EQ(memory.pageCreated, real.pageCreated);
    EXPECT_EQ(memory.files, real.files);
}

// What a League run asks of the disk besides reading: the season files of a folder,
// folders made for its output, what would stop a file being replaced, files replaced
// whole (and whether their bytes changed), what an earlier run wrote read back without
// counting as read, files removed (their folder stays) and files created only when new.
struct Written {
    std::vector<std::string> seasons;
    std::vector<std::string> exports;
    std::array<bool, 3> folders{};
    std::array<bool, 2> made{};
    std::array<Disk::Obstacle, 5> obstacles{};
    std::array<Disk::Replacement, 6> replaced{};
    std::array<std::optional<std::string>, 2> earlier{};
    std::array<Disk::Removal, 4> removed{};
    bool folderLeft = false;
    std::array<Disk::NewFile, 4> created{};
    FileMap files;
};

Written write(Disk& disk) {
    Written written;
    written.seasons = disk.listFiles("", ".toml");
    written.exports = disk.listFiles("sim\\exports", ".html");
    written.folders = {disk.isFolder("sim\\exports"), disk.isFolder("Quorrin.ini"), disk.isFolder("none")};
    written.made = {disk.createFolder("out/season"), disk.createFolder("Quorrin.ini/season")};
    EXPECT_TRUE(disk.readFile("sim\\exports\\race.html"));
    written.obstacles = {disk.obstacleTo("out/season/index.html"), disk.obstacleTo("sim/./exports/race.html"),
                         disk.obstacleTo("sim/exports"), disk.obstacleTo("Quorrin.ini/season/index.html"),
                         disk.obstacleTo("missing/x.html")};
    // A new file, the same file again with other bytes and with the same bytes, a file
    // the run has read, and a file in a missing folder; then the file read back as an
    // earlier run's output (a folder gives nothing), which may still be replaced.
    written.replaced = {disk.replaceFile("out/season/index.html", "one"),
                        disk.replaceFile("out/season/index.html", "two"),
                        disk.replaceFile("out/season/index.html", "two"),
                        disk.replaceFile("sim/exports/race.html", "x"), disk.replaceFile("missing/x.html", "y")};
    written.earlier = {disk.readEarlierOutput("out/season/index.html"), disk.readEarlierOutput("sim/exports")};
    written.replaced[5] = disk.replaceFile("out/season/index.html", "three");
    written.removed = {disk.removeFile("sub/old.html"), disk.removeFile("sub/old.html"),
                       disk.removeFile("sim/exports/race.html"), disk.removeFile("sim/exports")};
    written.folderLeft = disk.isFolder("sub");
    written.created = {disk.createNewFile("new.toml", "t"), disk.createNewFile("new.toml", "u"),
                       disk.createNewFile("sim", "t"), disk.createNewFile("missing/x.toml", "t")};
    return written;
}

TEST(Disk, TheMemoryDiskListsMakesFoldersAndReplacesFilesAsTheRealDisk) {
    FileMap files = kFiles;
    files["b.toml"] = "b";
    files["a.toml"] = "a";
    files["sim/c.toml"] = "c";
    testing::TempFolder folder;
    folder.writeAll(files);
    RealDisk realDisk(folder.path().string());
    MemoryDisk memoryDisk(files);

    Written real = write(realDisk);
    real.files = folder.files();
    Written memory = write(memoryDisk);
    memory.files = memoryDisk.files();

    EXPECT_EQ(real.seasons, (std::vector<std::string>{"a.toml", "b.toml"}));
    EXPECT_EQ(real.exports, (std::vector<std::string>{"race.html"}));
    EXPECT_EQ(real.folders, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(real.made, (std::array<bool, 2>{true, false}));
    using Obstacle = Disk::Obstacle;
    EXPECT_EQ(real.obstacles, (std::array<Obstacle, 5>{Obstacle::None, Obstacle::ReadThisRun, Obstacle::Folder,
                                                        Obstacle::FileAsFolder, Obstacle::None}));
    using Replacement = Disk::Replacement;
    EXPECT_EQ(real.replaced, (std::array<Replacement, 6>{Replacement::Changed, Replacement::Changed,
                                                          Replacement::Unchanged, Replacement::Failed,
                                                          Replacement::Failed, Replacement::Changed}));
    EXPECT_EQ(real.earlier, (std::array<std::optional<std::string>, 2>{"two", std::nullopt}));
    using Removal = Disk::Removal;
    EXPECT_EQ(real.removed,
              (std::array<Removal, 4>{Removal::Removed, Removal::NotThere, Removal::Failed, Removal::Failed}));
    EXPECT_TRUE(real.folderLeft);
    EXPECT_EQ(real.created, (std::array<Disk::NewFile, 4>{Disk::NewFile::Written, Disk::NewFile::AlreadyThere,
                                                           Disk::NewFile::AlreadyThere, Disk::NewFile::Failed}));
    // No temporary file is left, and the file that was read is as it was.
    FileMap expected = files;
    expected["out/season/index.html"] = "three";
    expected["new.toml"] = "t";
    expected.erase("sub/old.html");
    EXPECT_EQ(real.files, expected);

    EXPECT_EQ(memory.seasons, real.seasons);
    EXPECT_EQ(memory.exports, real.exports);
    EXPECT_EQ(memory.folders, real.folders);
    EXPECT_EQ(memory.made, real.made);
    EXPECT_EQ(memory.obstacles, real.obstacles);
    EXPECT_EQ(memory.replaced, real.replaced);
    EXPECT_EQ(memory.earlier, real.earlier);
    EXPECT_EQ(memory.removed, real.removed);
    EXPECT_EQ(memory.folderLeft, real.folderLeft);
    EXPECT_EQ(memory.created, real.created);
    EXPECT_EQ(memory.files, real.files);
}

}  // namespace
}  // namespace league
