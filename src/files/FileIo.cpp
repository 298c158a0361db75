// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileIo.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace korvisel {
namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t NewFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ParentFolder(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

TResult<> MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            return TResult<>::Failure(ErrnoText(errno));
        if (slash == std::string::npos)
            return {};
    }
}

namespace {

// Where a write of `path` goes: through symbolic links to the file they name, which may not exist yet;
// nothing for links that lead round in a loop (or too far).
std::optional<std::string> WriteTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return target;
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0)
            return target;
        link.resize(static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : ParentFolder(target) + "/" + link;
    }
    return std::nullopt;
}

// An existing file is replaced only when it is a regular file the user may write, as an editor would.
std::optional<TResult<>> RefuseReplacing(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(TResult<>::Failure(ErrnoText(errno)));
    if (!S_ISREG(st.st_mode))
        return TResult<>::Failure(S_ISDIR(st.st_mode) ? ErrnoText(EISDIR) : "not a regular file");
    // The permission bits decide, also for a user the system would let through anyway.
    if (::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)
        return TResult<>::Failure(ErrnoText(EACCES));
    return std::nullopt;
}

// A file too large for the user's limit is an error to report, not a signal that ends the program.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        ::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

// A temporary file in the target's folder. Where the file system allows it (and `named` is not
// asked for), the file has no name until it is complete, so a killed save leaves nothing behind;
// `named` tells which it is.
int OpenTemporary(const std::string& folder, const std::string& name, std::string& temp, bool& named) {
    if (!named) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0)
            return fd;
    }
    named = true;
    temp = folder + "/." + name + ".XXXXXX";
    return ::mkostemp(temp.data(), O_CLOEXEC);
}

} // namespace

std::optional<TResult<>> WriteRefusal(const std::string& path) {
    const std::optional<std::string> target = WriteTarget(path);
    if (!target)
        return TResult<>::Failure(ErrnoText(ELOOP));
    if (const auto refused = RefuseReplacing(*target))
        return refused;
    if (::access(ParentFolder(*target).c_str(), W_OK | X_OK) != 0)
        return TResult<>::Failure(ErrnoText(errno));
    return std::nullopt;
}

TResult<> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    IgnoreFileSizeSignal();
    if (const auto refused = WriteRefusal(path))
        return *refused;
    const std::string target = *WriteTarget(path);
    const auto slash = target.find_last_of('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string folder = ParentFolder(target);

    // Writes the bytes into a temporary and renames it over the target. A nameless temporary that
    // cannot be given a name (no /proc) sends the caller back for a named one.
    const auto write = [&](bool nameless, bool& retry) -> TResult<> {
        std::string temp;
        bool named = !nameless;
        const int fd = OpenTemporary(folder, name, temp, named);
        if (fd < 0)
            return TResult<>::Failure(ErrnoText(errno));
        const auto fail = [&](int error) {
            ::close(fd);
            if (named)
                ::unlink(temp.c_str());
            return TResult<>::Failure(ErrnoText(error));
        };
        if (::fchmod(fd, NewFileMode(target)) != 0)
            return fail(errno);
        if (!WriteAll(fd, bytes))
            return fail(errno);
        if (::fsync(fd) != 0)
            return fail(errno);
        if (!named) {
            // The complete file gets its temporary name only now, just before it replaces the target.
            temp = folder + "/." + name + "." + std::to_string(::getpid()) + ".tmp";
            ::unlink(temp.c_str());
            const std::string self = "/proc/self/fd/" + std::to_string(fd);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) != 0) {
                retry = true;
                return fail(errno);
            }
        }
        if (::close(fd) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            return TResult<>::Failure(ErrnoText(error));
        }
        if (::rename(temp.c_str(), target.c_str()) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            return TResult<>::Failure(ErrnoText(error));
        }
        return {};
    };
    bool retry = false;
    const TResult<> first = write(true, retry);
    return retry ? write(false, retry) : first;
}

namespace {

TFileIdentity IdentityOf(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev),
            static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size),
            st.st_mtim.tv_sec,
            st.st_mtim.tv_nsec,
            st.st_ctim.tv_sec,
            st.st_ctim.tv_nsec};
}

} // namespace

std::optional<TFileIdentity> FileIdentity(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return IdentityOf(st);
}

TFileHead ReadFileHead(const std::string& path, std::size_t limit) {
    TFileHead head;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        head.Status = (errno == ENOENT || errno == ENOTDIR) ? TReadStatus::NotFound : TReadStatus::Failed;
        head.Reason = ErrnoText(errno);
        return head;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        head.Status = TReadStatus::Failed;
        head.Reason = S_ISDIR(st.st_mode) ? ErrnoText(EISDIR) : "not a regular file";
        ::close(fd);
        return head;
    }
    head.Identity = IdentityOf(st);
    head.Size = static_cast<std::uint64_t>(st.st_size);
    head.Bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(head.Size, limit)));
    std::size_t got = 0;
    while (got < head.Bytes.size()) {
        const ssize_t n = ::read(fd, head.Bytes.data() + got, head.Bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            head.Status = TReadStatus::Failed;
            head.Reason = ErrnoText(errno);
            break;
        }
        if (n == 0) {
            head.Size = got; // the file shrank while we read it
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    head.Bytes.resize(got);
    ::close(fd);
    return head;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // A leading dot makes a hidden file, not an extension.
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? path + extension : path;
}

} // namespace korvisel
