#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <random>
#include <thread>

namespace nk {

namespace {

namespace fs = std::filesystem;

// The reason in fixed words: the system's own texts follow the locale.
std::string reasonOf(int err) {
    switch (err) {
        case ENOENT: return "no such file or folder";
        case EACCES:
        case EPERM: return "permission denied";
        case EROFS: return "read-only file system";
        case EISDIR: return "is a folder";
        case ENOTDIR: return "a part of the path is not a folder";
        case ELOOP: return "too many levels of symbolic links";
        case ENAMETOOLONG: return "file name too long";
        case ENOSPC: return "no space left on the device";
        case EDQUOT: return "disk quota exceeded";
        case EFBIG: return "file too large";
        case EIO: return "input/output error";
        case EMFILE:
        case ENFILE: return "too many open files";
        case ETXTBSY:
        case EBUSY: return "the file is in use";
        default: return "system error " + std::to_string(err);
    }
}

}  // namespace

int fileErrorNumber(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
        case ELOOP: return kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
        case EBUSY: return kPermissionDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return kDiskFull;
        case EIO: return kDeviceError;
        case EMFILE:
        case ENFILE: return kTooManyFiles;
        case ENAMETOOLONG: return kBadFileName;
        default: return kPathFileAccess;
    }
}

namespace {

FileOutcome failure(int err) { return {fileErrorNumber(err), reasonOf(err)}; }

fs::path folderOf(const fs::path& p) {
    const fs::path parent = p.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// The size tells a file that holds no settings before a byte of it is read.
FileOutcome tooLarge() { return {kPathFileAccess, "too large for a settings file"}; }

// Only regular files hold settings.
FileOutcome notAFile(mode_t mode) {
    if (S_ISDIR(mode)) return {kPathFileAccess, reasonOf(EISDIR)};
    if (S_ISFIFO(mode)) return {kPathFileAccess, "is a pipe"};
    if (S_ISCHR(mode) || S_ISBLK(mode)) return {kPathFileAccess, "is a device"};
    if (S_ISSOCK(mode)) return {kPathFileAccess, "is a socket"};
    return {kPathFileAccess, "is not a regular file"};
}

// Closes on every path out.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int d) : fd(d) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    // Closing reports a write the device refused late.
    int close() {
        const int r = ::close(fd);
        fd = -1;
        return r;
    }
};

// The file a path names once its symbolic links are followed; the links stay.
bool followLinks(fs::path& p, int& err) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st{};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
        if (n < 0) {
            err = errno;
            return false;
        }
        target.resize(std::size_t(n));
        const fs::path next(target);
        p = next.is_absolute() ? next : folderOf(p) / next;
    }
    err = ELOOP;
    return false;
}

// A missing file is "not found" only where its folder is there; otherwise
// the path is wrong. The folder is the one its links lead to, where a save
// would have to create it.
FileOutcome missing(const fs::path& path) {
    fs::path p = path;
    int err = 0;
    if (!followLinks(p, err)) return failure(err);
    struct stat st{};
    if (::stat(folderOf(p).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return {kFileNotFound, "no such file"};
    return {kPathNotFound, "no such folder"};
}

// The temporaries of a file are named "." + its name + "." + six hex digits
// + ".tmp", its name shortened so that they fit wherever the name fits.
std::string temporaryStem(const std::string& name, const fs::path& folder) {
    long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    // FAT and exFAT say six bytes a letter for their 255 letters: 255 bytes
    // fit everywhere.
    if (longest <= 0 || longest > NAME_MAX) longest = NAME_MAX;
    constexpr std::size_t kAdded = 12;
    std::size_t n = std::min(name.size(), std::size_t(longest) > kAdded ? std::size_t(longest) - kAdded : 0);
    // Not inside a letter: a file system may take only whole UTF-8 names.
    while (n > 0 && n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
    std::string stem(1, '.');
    stem.append(name, 0, n).push_back('.');
    return stem;
}

bool isTemporaryOf(std::string_view name, std::string_view stem) {
    if (name.size() != stem.size() + 10 || name.substr(0, stem.size()) != stem || !name.ends_with(".tmp"))
        return false;
    for (const char c : name.substr(stem.size(), 6))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

// Removes the temporaries that dead saves of a file left. A save holds its
// temporary locked from just after its creation until it has taken the
// file's place or is gone, so one that no save holds is a dead save's, or
// one created a moment ago, whose save finds it gone and makes another.
// Only with the folder to itself, so that one removal runs at a time, and
// none where the file system takes no lock. A name shortened to fit may
// stand for more files than one; what it removes is dead all the same.
void removeDeadTemporaries(int dirFd, const fs::path& folder, std::string_view stem) {
    if (dirFd < 0 || ::flock(dirFd, LOCK_EX | LOCK_NB) != 0) return;
    std::error_code e;
    for (fs::directory_iterator it(folder, e), end; !e && it != end; it.increment(e)) {
        const std::string name = it->path().filename().string();
        if (!isTemporaryOf(name, stem)) continue;
        // Neither a link nor a folder, whatever its name.
        const Descriptor t(::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat st{};
        if (t.fd >= 0 && ::fstat(t.fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(t.fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, name.c_str(), 0);
    }
    ::flock(dirFd, LOCK_UN);
}

// Any process that may read a file may lock it, and hold the lock for
// ever: a save waits for a lock no longer than this.
constexpr auto kLockWait = std::chrono::seconds(1);

enum class Lock { Taken, Held, NotTaken };

// Held: another holds it still when the time is up. NotTaken: the file
// system takes no lock.
Lock lockBy(int fd, int operation, std::chrono::steady_clock::time_point until) {
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0) return Lock::Taken;
        if (errno != EWOULDBLOCK && errno != EINTR) return Lock::NotTaken;
        if (std::chrono::steady_clock::now() >= until) return Lock::Held;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// A removal may have taken the temporary between its creation and its lock.
bool stillNamed(const fs::path& name, int fd) {
    struct stat named{}, open{};
    return ::lstat(name.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 && named.st_dev == open.st_dev &&
           named.st_ino == open.st_ino;
}

bool writeAll(int fd, std::string_view bytes, int& err) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

}  // namespace

FileOutcome readWholeFile(const std::string& path, std::string& bytes) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? missing(path) : failure(errno);
    if (!S_ISREG(st.st_mode)) return notAFile(st.st_mode);
    if (std::uintmax_t(st.st_size) > kLargestSettingsFile) return tooLarge();
    // Not blocking: what is a file now may be a pipe by the time it opens.
    Descriptor f(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (f.fd < 0) return errno == ENOENT ? missing(path) : failure(errno);
    if (::fstat(f.fd, &st) != 0) return failure(errno);
    if (!S_ISREG(st.st_mode)) return notAFile(st.st_mode);
    if (std::uintmax_t(st.st_size) > kLargestSettingsFile) return tooLarge();
    std::string read;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(f.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failure(errno);
        }
        if (n == 0) break;
        read.append(buffer, std::size_t(n));
        // A file that grows while it is read, or whose size the system does
        // not tell, is read no further than the bound.
        if (read.size() > kLargestSettingsFile) return tooLarge();
    }
    bytes = std::move(read);
    return {};
}

FileOutcome replaceFile(const std::string& path, std::string_view bytes, std::optional<std::uint32_t> namesSeed,
                        const std::function<void(const std::string&)>& created) {
    // What could not be read back is not written.
    if (bytes.size() > kLargestSettingsFile) return tooLarge();
    fs::path target(path);
    int err = 0;
    if (!followLinks(target, err)) return failure(err);
    if (!target.has_filename()) return {kPathFileAccess, reasonOf(EISDIR)};

    // The file there now: what it is, and who may write it.
    struct stat st{};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return failure(errno);
    if (exists) {
        if (!S_ISREG(st.st_mode)) return notAFile(st.st_mode);
        // The superuser may write anything; a file nobody may write is
        // read-only all the same.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return {kPermissionDenied, "the file is read-only"};
        Descriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (probe.fd < 0) return failure(errno);
    }

    // A temporary of its own: other saves and whatever else stands in the
    // folder are left alone, but for what dead saves of the file left.
    const fs::path folder = folderOf(target);
    const std::string stem = temporaryStem(target.filename().string(), folder);
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    removeDeadTemporaries(dir.fd, folder, stem);
    std::mt19937 draw(namesSeed ? *namesSeed : std::random_device()());
    fs::path temporary;
    Descriptor out;
    // A removal may take the temporary between its creation and its lock:
    // the name then no longer stands for it, and another is drawn.
    const auto until = std::chrono::steady_clock::now() + kLockWait;
    for (int attempt = 0;; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%06lx.tmp", static_cast<unsigned long>(draw() & 0xffffffu));
        temporary = folder / (stem + suffix);
        out.fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, exists ? 0600 : 0666);
        if (out.fd < 0 && (errno != EEXIST || attempt == 100))
            return errno == ENOENT ? FileOutcome{kPathNotFound, "no such folder"} : failure(errno);
        if (out.fd < 0) continue;
        if (created) created(temporary.string());
        // A removal that opened it first holds it a moment. A new file's
        // temporary may be read, and so locked, by anyone: one that another
        // holds is left for another name, as a removal could take it once
        // he lets go. Past the wait, a name gets one try.
        const Lock lock = lockBy(out.fd, LOCK_EX, until);
        const bool named = stillNamed(temporary, out.fd);
        if (named && lock != Lock::Held) break;
        if (named) ::unlink(temporary.c_str());
        out.close();
        if (attempt == 100) return failure(EBUSY);
    }
    // Holds the lock until the temporary has taken the file's place or is
    // gone, past the close that reports a late write error.
    const Descriptor held(::fcntl(out.fd, F_DUPFD_CLOEXEC, 0));

    const auto fail = [&](int e) {
        ::unlink(temporary.c_str());
        return failure(e);
    };
    if (exists) {
        // The file stays its owner's and its group's wherever the saver may
        // say so: the superuser keeps both, a member of the group the group,
        // so the users who share a folder can all go on saving.
        if (::fchown(out.fd, st.st_uid, st.st_gid) != 0 && ::fchown(out.fd, uid_t(-1), st.st_gid) != 0) {
            // Neither is the saver's to set: the file becomes the saver's.
        }
    }
    if (!writeAll(out.fd, bytes, err)) return fail(err);
    // The mode after the last change of owner and the last write, as both
    // clear the set-id bits.
    if (exists && ::fchmod(out.fd, st.st_mode & 07777) != 0) return fail(errno);
    if (::fsync(out.fd) != 0) return fail(errno);
    if (out.close() != 0) return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    // The new name reaches the device too; a folder that cannot say so
    // still holds the file.
    if (dir.fd >= 0) ::fsync(dir.fd);
    return {};
}

}  // namespace nk
