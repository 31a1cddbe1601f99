#include "core/text_file.h"

#include "core/system_error_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarlen::detail {

namespace {

constexpr std::string_view kCannotOpen = "açılamadı";
constexpr std::string_view kCannotRead = "okunamadı";
constexpr std::string_view kCannotWrite = "yazılamadı";

// A file descriptor that is closed on every path out of the scope that holds it.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }
    void reset(int fd)
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    // Closes now, so that a failure of the close can be reported: 0 or the error number.
    int close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Opens without waiting: a FIFO without a writer or a device must not hold the program.
int openNow(const std::string &path, int flags, mode_t mode = 0)
{
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

IoStatus notRegularFailure(const std::string &path, std::string_view what, mode_t mode)
{
    if (S_ISDIR(mode)) {
        return fileFailure(path, what, EISDIR);
    }
    return IoStatus::failure("\"" + path + "\" " + std::string(what) + ": normal bir dosya değil");
}

// Writes all the bytes at the descriptor's position: 0, or the error number.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Writes all the bytes from the offset on: 0, or the error number.
int writeAllAt(int fd, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return 0;
}

// Reads up to `limit` bytes from the descriptor's position: 0, or the error number.
int readUpTo(int fd, std::size_t limit, std::string &text)
{
    std::array<char, 65536> buffer{};
    while (text.size() < limit) {
        const std::size_t wanted = std::min(buffer.size(), limit - text.size());
        const ssize_t count = ::read(fd, buffer.data(), wanted);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (count == 0) {
            break;
        }
        text.append(buffer.data(), static_cast<std::size_t>(count));
    }
    return 0;
}

struct ResolvedPath {
    IoStatus status;
    std::string path;
};

// The file a chain of links ends at (the path itself when it is no link), so that the file
// rewritten is the one the link names, in its own folder.
ResolvedPath followLinks(const std::string &path)
{
    constexpr int kMaxLinks = 40;
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return {IoStatus::success(), current};
        }
        std::string target(static_cast<std::size_t>(info.st_size) + 256, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) {
            return {fileFailure(path, kCannotOpen, errno), {}};
        }
        target.resize(static_cast<std::size_t>(length));
        const auto slash = current.rfind('/');
        if (!target.empty() && target.front() != '/' && slash != std::string::npos) {
            target = current.substr(0, slash + 1) + target;
        }
        current = std::move(target);
    }
    return {fileFailure(path, kCannotOpen, ELOOP), {}};
}

// Rewrites a file that has other hard links where it stands, so every name keeps seeing it.
// The space is taken before the first byte changes; a write that fails all the same puts the
// old bytes back.
IoStatus rewriteInPlace(const std::string &path, const std::string &target, std::string_view bytes)
{
    FileDescriptor file(openNow(target, O_RDWR));
    if (!file.valid()) {
        return fileFailure(path, kCannotOpen, errno);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        return fileFailure(path, kCannotOpen, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegularFailure(path, kCannotOpen, info.st_mode);
    }
    std::string old;
    if (const int error = readUpTo(file.get(), std::numeric_limits<std::size_t>::max(), old)) {
        return fileFailure(path, kCannotRead, error);
    }
    const auto oldSize = static_cast<off_t>(old.size());
    const auto newSize = static_cast<off_t>(bytes.size());
    if (newSize > oldSize) {
        if (const int error = ::posix_fallocate(file.get(), 0, newSize)) {
            ::ftruncate(file.get(), oldSize);
            return fileFailure(path, kCannotWrite, error);
        }
    }
    int error = writeAllAt(file.get(), bytes, 0);
    if (error == 0 && ::ftruncate(file.get(), newSize) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
    }
    if (error != 0) {
        writeAllAt(file.get(), old, 0);
        ::ftruncate(file.get(), oldSize);
        return fileFailure(path, kCannotWrite, error);
    }
    if (const int closed = file.close()) {
        return fileFailure(path, kCannotWrite, closed);
    }
    return IoStatus::success();
}

// Writes the bytes to a fresh file beside the target and renames it over the target, so the
// target either gets all the bytes or stays exactly as it was. `old` describes the file
// replaced (absent when there is none): the new one takes its permissions and owner.
IoStatus replaceThroughTemporary(const std::string &shown, const std::string &target,
                                 std::string_view bytes, const struct stat *old)
{
    constexpr int kNameAttempts = 100;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = target + ".tmp" + std::to_string(attempt);
        FileDescriptor file(openNow(temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW,
                                    old != nullptr ? 0600 : 0666));
        if (!file.valid()) {
            if (errno == EEXIST) {
                continue; // the name is taken; never overwrite someone else's file
            }
            return fileFailure(shown, kCannotWrite, errno);
        }
        int error = 0;
        if (old != nullptr) {
            // Only the owner's own change is possible for others than the superuser; a file
            // that stays with its writer is no loss.
            (void)::fchown(file.get(), old->st_uid, old->st_gid);
            if (::fchmod(file.get(), old->st_mode & 07777) != 0) {
                error = errno;
            }
        }
        if (error == 0) {
            error = writeAll(file.get(), bytes);
        }
        if (error == 0 && ::fsync(file.get()) != 0) {
            error = errno;
        }
        if (const int closed = file.close(); error == 0) {
            error = closed;
        }
        if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
            error = errno;
        }
        if (error != 0) {
            ::unlink(temporary.c_str());
            return fileFailure(shown, kCannotWrite, error);
        }
        return IoStatus::success();
    }
    return IoStatus::failure("\"" + shown + "\" için geçici dosya adı bulunamadı");
}

} // namespace

IoStatus fileFailure(const std::string &path, std::string_view what, int error)
{
    return IoStatus::failure(
        "\"" + path + "\" " + std::string(what) + ": " + systemErrorText(error), error);
}

FileText readRegularFile(const std::string &path, std::size_t limit)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {fileFailure(path, kCannotOpen, errno), {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {notRegularFailure(path, kCannotOpen, info.st_mode), {}};
    }
    FileDescriptor file(openNow(path, O_RDONLY));
    if (!file.valid()) {
        return {fileFailure(path, kCannotOpen, errno), {}};
    }
    // The name may have been given to something else since the look above.
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {notRegularFailure(path, kCannotOpen, info.st_mode), {}};
    }
    std::string text;
    if (const int error = readUpTo(file.get(), limit, text)) {
        return {fileFailure(path, kCannotRead, error), {}};
    }
    return {IoStatus::success(), std::move(text)};
}

IoStatus appendFileBytes(const std::string &path, std::string_view bytes)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            return notRegularFailure(path, kCannotOpen, info.st_mode);
        }
    } else if (errno != ENOENT) {
        return fileFailure(path, kCannotOpen, errno);
    }

    constexpr int kAppend = O_WRONLY | O_APPEND;
    bool created = false;
    FileDescriptor file(openNow(path, kAppend));
    if (!file.valid() && errno == ENOENT) {
        file.reset(openNow(path, kAppend | O_CREAT | O_EXCL, 0666));
        created = file.valid();
        // A link whose target is missing: the target comes into being.
        if (!file.valid() && errno == EEXIST) {
            file.reset(openNow(path, kAppend | O_CREAT, 0666));
            created = file.valid();
        }
    }
    if (!file.valid()) {
        return fileFailure(path, kCannotOpen, errno);
    }
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return notRegularFailure(path, kCannotOpen, info.st_mode);
    }
    const off_t before = created ? 0 : info.st_size;

    int error = writeAll(file.get(), bytes);
    if (error != 0) {
        // Cut back to the last whole record; a file made only for these bytes goes again.
        if (created) {
            ::unlink(path.c_str());
        } else {
            ::ftruncate(file.get(), before);
        }
        return fileFailure(path, kCannotWrite, error);
    }
    error = file.close();
    if (error != 0) {
        if (created) {
            ::unlink(path.c_str());
        } else {
            ::truncate(path.c_str(), before);
        }
        return fileFailure(path, kCannotWrite, error);
    }
    return IoStatus::success();
}

IoStatus replaceFileBytes(const std::string &path, std::string_view bytes)
{
    const ResolvedPath target = followLinks(path);
    if (!target.status) {
        return target.status;
    }
    struct stat info {};
    if (::stat(target.path.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            return fileFailure(path, kCannotOpen, errno);
        }
        return replaceThroughTemporary(path, target.path, bytes, nullptr);
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegularFailure(path, kCannotWrite, info.st_mode);
    }
    // A file without any write permission was made read-only on purpose, also for the
    // superuser, whom the permission bits do not stop.
    constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if ((info.st_mode & kAnyWrite) == 0 ||
        ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        return fileFailure(path, kCannotWrite, EACCES);
    }
    if (info.st_nlink > 1) {
        return rewriteInPlace(path, target.path, bytes);
    }
    return replaceThroughTemporary(path, target.path, bytes, &info);
}

} // namespace tarlen::detail
