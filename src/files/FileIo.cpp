#include "files/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

std::string ParentFolder(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

TIoResult MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            return TIoResult::Failure(ErrnoText(errno));
        if (slash == std::string::npos)
            return {};
    }
}

TIoResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = ParentFolder(path) + "/." + name + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return TIoResult::Failure(ErrnoText(errno));

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return TIoResult::Failure(ErrnoText(error));
    };
    if (::fchmod(fd, NewFileMode(path)) != 0)
        return fail(errno);
    if (!WriteAll(fd, bytes))
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return TIoResult::Failure(ErrnoText(error));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return TIoResult::Failure(ErrnoText(error));
    }
    return {};
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

} // namespace korvisel
