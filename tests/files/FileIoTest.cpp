// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileIo.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace korvisel {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::size_t EntriesIn(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Makes every write beyond `limit` bytes fail as `ulimit -f` does, for the life of the object. The
// signal the limit raises is the writer's to handle: by default it ends the program.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

TEST(WriteFileAtomically, ReplacesTheFileAndKeepsItsMode) {
    TempFolder folder;
    const std::string path = folder.File("project.KV690");
    WriteBytes(path, {1, 2, 3});
    ::chmod(path.c_str(), 0640);

    const TResult<> result = WriteFileAtomically(path, std::vector<std::uint8_t>{9, 8});

    EXPECT_TRUE(result.Ok()) << result.Reason();
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{9, 8}));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(WriteFileAtomically, AFailedWriteKeepsThePreviousFileAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.File("project.KV690");
    const std::vector<std::uint8_t> previous(100, 0x11);
    WriteBytes(path, previous);

    TResult<> result;
    {
        FileSizeLimit full(50);
        result = WriteFileAtomically(path, std::vector<std::uint8_t>(476, 0x22));
    }

    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Reason(), std::strerror(EFBIG));
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(WriteFileAtomically, FollowsTheUsersFilesAsAnEditorWould) {
    TempFolder folder;
    const std::vector<std::uint8_t> previous{1, 2, 3};
    const std::vector<std::uint8_t> next{9, 9};

    // Through a link to its target, which stays where it is.
    std::filesystem::create_directory(folder.File("projects"));
    WriteBytes(folder.File("projects/site.KV690"), previous);
    std::filesystem::create_symlink("projects/site.KV690", folder.File("link.KV690"));
    EXPECT_TRUE(WriteFileAtomically(folder.File("link.KV690"), next).Ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.KV690")));
    EXPECT_EQ(ReadBytes(folder.File("projects/site.KV690")), next);
    EXPECT_EQ(EntriesIn(folder.File("projects")), 1u) << "no temporary beside the target";

    // A link to a file not yet there creates it.
    std::filesystem::create_symlink("projects/new.KV690", folder.File("dangling.KV690"));
    EXPECT_TRUE(WriteFileAtomically(folder.File("dangling.KV690"), next).Ok());
    EXPECT_EQ(ReadBytes(folder.File("projects/new.KV690")), next);

    // A file the user may not write is refused with the reason, and left as it was.
    WriteBytes(folder.File("locked.KV690"), previous);
    ::chmod(folder.File("locked.KV690").c_str(), 0444);
    const TResult<> locked = WriteFileAtomically(folder.File("locked.KV690"), next);
    EXPECT_FALSE(locked.Ok());
    EXPECT_EQ(locked.Reason(), std::strerror(EACCES));
    EXPECT_EQ(ReadBytes(folder.File("locked.KV690")), previous);

    // Anything that is not a regular file is not replaced.
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0644), 0);
    const TResult<> pipe = WriteFileAtomically(folder.File("pipe"), next);
    EXPECT_FALSE(pipe.Ok());
    EXPECT_EQ(pipe.Reason(), "not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(folder.File("pipe")));

    // Links that lead round in a loop are refused, not replaced by a file.
    std::filesystem::create_symlink("loop-b", folder.File("loop-a"));
    std::filesystem::create_symlink("loop-a", folder.File("loop-b"));
    const TResult<> loop = WriteFileAtomically(folder.File("loop-a"), next);
    EXPECT_FALSE(loop.Ok());
    EXPECT_EQ(loop.Reason(), std::strerror(ELOOP));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("loop-a")));

    // Each refusal is known before anything is written.
    const struct {
        const char* name;
        std::string reason; // empty: no refusal
    } cases[] = {{"locked.KV690", std::strerror(EACCES)},
                 {"pipe", "not a regular file"},
                 {"loop-a", std::strerror(ELOOP)},
                 {"gone/new.KV690", std::strerror(ENOENT)},
                 {"link.KV690", ""},
                 {"fresh.KV690", ""}};
    for (const auto& c : cases) {
        const auto refused = WriteRefusal(folder.File(c.name));
        EXPECT_EQ(refused ? refused->Reason() : std::string(), c.reason) << c.name;
    }
}

TEST(WriteFileAtomically, ReportsAMissingFolder) {
    TempFolder folder;
    const TResult<> result =
        WriteFileAtomically(folder.File("gone/project.KV690"), std::vector<std::uint8_t>{1});
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.Reason(), "No such file or directory");
}

TEST(ReadFileHead, RefusesWhatIsNotARegularFile) {
    TempFolder folder;
    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        TReadStatus status;
    } cases[] = {
        {folder.File("missing"), TReadStatus::NotFound},
        {folder.File("missing/below"), TReadStatus::NotFound},
        {folder.Path(), TReadStatus::Failed},
        {fifo, TReadStatus::Failed}, // a pipe with no writer must not block the reader
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadFileHead(c.path, 10).Status, c.status) << c.path;
}

TEST(ReadFileHead, ReadsAtMostTheLimitAndTellsTheWholeSize) {
    TempFolder folder;
    const std::string path = folder.File("data");
    WriteBytes(path, std::vector<std::uint8_t>(1000, 7));
    const TFileHead head = ReadFileHead(path, 10);
    EXPECT_EQ(head.Status, TReadStatus::Ok);
    EXPECT_EQ(head.Size, 1000u);
    EXPECT_EQ(head.Bytes, std::vector<std::uint8_t>(10, 7));
}

TEST(MakeFolders, CreatesMissingParents) {
    TempFolder folder;
    const std::string deep = folder.File("a/b/c");
    EXPECT_TRUE(MakeFolders(deep).Ok());
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(MakeFolders(deep).Ok());
}

TEST(WithDefaultExtension, AddsItOnlyToANameWithoutOne) {
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/home/u/profile", "/home/u/profile.pdf"},
        {"/home/u/profile.pdf", "/home/u/profile.pdf"},
        {"/home/u/profile.PDF", "/home/u/profile.PDF"},
        {"/home/u/site.v2", "/home/u/site.v2"},
        {"/home/u.d/profile", "/home/u.d/profile.pdf"},
        {"/home/u/.profile", "/home/u/.profile.pdf"},
        {"profile", "profile.pdf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithDefaultExtension(c.path, ".pdf"), c.expected) << c.path;
}

} // namespace
} // namespace korvisel
