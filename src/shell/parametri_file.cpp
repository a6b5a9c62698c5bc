#include "shell/parametri_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>
#include <thread>
#include <utility>

namespace shell {

namespace {

namespace fs = std::filesystem;

std::string reason(int error) {
    return error != 0 ? std::string(std::strerror(error)) : std::string("write error");
}

// A file of the folder is opened without following a link at its name, without blocking should
// a FIFO be there, and without taking a terminal for the process.
constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// An open file descriptor, closed when it goes.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes it now, for the close's own error.
    int close() { return ::close(std::exchange(fd_, -1)); }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

std::string notRegular(mode_t mode) {
    const char* kind = S_ISDIR(mode)                     ? "a folder"
                       : S_ISFIFO(mode)                  ? "a FIFO (named pipe)"
                       : S_ISCHR(mode) || S_ISBLK(mode)  ? "a device"
                       : S_ISSOCK(mode)                  ? "a socket"
                       : S_ISLNK(mode)                   ? "a loop of symbolic links"
                                                         : "a special file";
    return std::string("it is ") + kind + ", not a regular file";
}

std::string tooLarge() {
    return "it is larger than " + std::to_string(kMaxParameterFileBytes >> 20) +
           " MB, more than a parameter file holds";
}

// The file's bytes from its start, read up to one byte past the limit (so that a file that
// grows past what it said shows as too large); nothing when a read fails.
std::optional<std::string> readAll(int fd, std::size_t expected) {
    std::string bytes(std::min(expected, kMaxParameterFileBytes) + 1, '\0');
    std::size_t total = 0;
    while (true) {
        if (total == bytes.size()) {
            if (total > kMaxParameterFileBytes) break;
            bytes.resize(std::min(2 * total, kMaxParameterFileBytes + 1));
        }
        const ssize_t n = ::pread(fd, bytes.data() + total, bytes.size() - total,
                                  static_cast<off_t>(total));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        total += static_cast<std::size_t>(n);
    }
    bytes.resize(total);
    return bytes;
}

// Writes the bytes at the offset; returns how many were written (errno says why when short).
std::size_t writeAt(int fd, const char* data, std::size_t size, std::size_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

// The file a read or a save takes: the name itself, or, when it is a symbolic link, the file the
// link leads to (followed through further links, a relative link read from the link's folder).
// As the system's own rule for shared folders has it, a link that anyone may have planted is
// not followed: one in a folder that everyone may write and whose sticky bit keeps each user's
// names, owned neither by this user nor by the folder's owner. Nothing then, and error says so.
std::optional<fs::path> linkTarget(const std::string& name, std::string& error) {
    fs::path path(name);
    constexpr int MaxLinks = 40;
    for (int i = 0; i < MaxLinks; ++i) {
        struct stat link {}, folder {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
        const fs::path parent = path.has_parent_path() ? path.parent_path() : fs::path(".");
        constexpr mode_t Shared = S_ISVTX | S_IWOTH;
        if (::stat(parent.c_str(), &folder) == 0 && (folder.st_mode & Shared) == Shared &&
            link.st_uid != ::geteuid() && link.st_uid != folder.st_uid) {
            error = "it is a link in a shared folder, made by another user";
            return std::nullopt;
        }
        std::error_code ec;
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) break;
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path;
}

// The folder a file lies in, opened once: the steps that follow name the file relative to it,
// so that one save works in one folder even if the folder is renamed meanwhile.
Fd openFolder(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    return Fd(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// Takes an open-file lock (F_RDLCK or F_WRLCK) on the whole file. A save holds it for a moment
// only, so the wait is bounded; a file system that keeps no locks lets the file be used as
// before. Where readersGiveWay, a file that only read locks bar (which anyone who may read it
// can take, while a write lock needs a file open for writing) is used without the lock. False
// when the lock is still held by another after the wait.
bool lock(int fd, short type, bool readersGiveWay = false) {
    using namespace std::chrono_literals;
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    for (std::chrono::milliseconds pause = 1ms;; pause = std::min(2 * pause, 50ms)) {
        struct flock range {};
        range.l_type = type;
        range.l_whence = SEEK_SET;
        if (::fcntl(fd, F_OFD_SETLK, &range) == 0) return true;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EACCES) return true;
        if (readersGiveWay && ::fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type == F_RDLCK)
            return true;
        if (std::chrono::steady_clock::now() >= giveUp) return false;
        std::this_thread::sleep_for(pause);
    }
}

// The regular file of that name in the folder, open.
struct OpenFile {
    Fd fd;                 // -1 when it is not open
    struct stat st {};
    bool there = false;    // something is at the name
    int openError = 0;     // why the regular file there could not be opened
    std::string refusal;   // why what is there is not taken
};

OpenFile openRegular(int folder, const std::string& name, int access) {
    OpenFile file;
    // Nothing but a regular file is opened (opening a device may act on it).
    file.there = ::fstatat(folder, name.c_str(), &file.st, AT_SYMLINK_NOFOLLOW) == 0;
    if (!file.there) return file;
    if (S_ISREG(file.st.st_mode)) {
        file.fd = Fd(::openat(folder, name.c_str(), access | kOpenFlags));
        if (file.fd.get() < 0 || ::fstat(file.fd.get(), &file.st) != 0) {
            file.openError = errno;
            file.fd = Fd();
            return file;
        }
    }
    if (!S_ISREG(file.st.st_mode)) {
        file.fd = Fd();
        file.refusal = notRegular(file.st.st_mode);
    }
    return file;
}

// The contents of a regular file open from its start, bounded. Read without the lock, a save
// in place may be writing it: it is read again until two reads agree, a few times at most.
ParameterFileRead contents(const OpenFile& file, bool unlocked) {
    if (static_cast<std::uintmax_t>(file.st.st_size) > kMaxParameterFileBytes)
        return {std::nullopt, tooLarge()};
    std::optional<std::string> bytes =
        readAll(file.fd.get(), static_cast<std::size_t>(file.st.st_size));
    bool settled = !unlocked;
    for (int again = 0; again < 5 && !settled && bytes; ++again) {
        std::optional<std::string> next = readAll(file.fd.get(), bytes->size());
        settled = next == bytes;
        bytes = std::move(next);
    }
    if (!bytes) return {std::nullopt, "it cannot be read (" + reason(errno) + ")"};
    if (bytes->size() > kMaxParameterFileBytes) return {std::nullopt, tooLarge()};
    if (!settled) return {std::nullopt, "another program keeps writing it"};
    return {std::move(bytes), ""};
}

std::string lockName(const std::string& name) { return name + ".lock"; }

// The lock file's permissions: read and write for its owner, and for the group and the others
// where they may write the parameter file (data), nothing else. Its owner could change them
// anyway; for the others they decide who may open it.
mode_t lockMode(mode_t data) {
    return S_IRUSR | S_IWUSR | ((data & S_IWGRP) ? S_IRGRP | S_IWGRP : 0) |
           ((data & S_IWOTH) ? S_IROTH | S_IWOTH : 0);
}

// Whether the lock file lets in no one but its owner and the users who may write the file.
bool closedToReaders(const struct stat& lock, const struct stat& data) {
    return (lock.st_mode & 077 & ~lockMode(data.st_mode)) == 0 &&
           ((lock.st_mode & 070) == 0 || lock.st_gid == data.st_gid);
}

// Gives the file the owner and group of `like` where it has them not already, as far as this
// user may (only root gives a file to another user, only a member to a group: where the owner
// cannot be given, the group alone is), then the permissions `mode` (exactly, whatever the
// umask; after the owner, as a change of owner clears the set-id bits), where this user may
// change them (the file's owner, or root). True when it has the owner, the group and the mode.
bool giveOwnerAndMode(int fd, const struct stat& like, mode_t mode) {
    struct stat now {};
    const bool had =
        ::fstat(fd, &now) == 0 && now.st_uid == like.st_uid && now.st_gid == like.st_gid;
    const bool owned = had || ::fchown(fd, like.st_uid, like.st_gid) == 0;
    if (!owned) (void)::fchown(fd, static_cast<uid_t>(-1), like.st_gid);
    return ::fchmod(fd, mode) == 0 && owned;
}

// Gives the lock file the parameter file's owner, group and the permissions above, as far as
// this user may; true when it then lets in no one else.
bool fitLock(int fd, const struct stat& data) {
    giveOwnerAndMode(fd, data, lockMode(data.st_mode));
    struct stat lock {};
    return ::fstat(fd, &lock) == 0 && closedToReaders(lock, data);
}

struct SaveLock {
    Fd fd;                 // the lock file, locked; -1 where none can be made
    std::string refusal;   // why the save may not go on, or ""
};

// Takes the write lock of the saves on the lock file beside the file of that name in the
// folder; data is the file's status when it is there. A lock file this user may not open, that
// is no empty regular file of one name, or that lets in users who may not write the file and
// cannot be fitted is stray: it is removed and made again. Where no lock file can be made (a
// folder that takes no new file, a name too long), none is taken.
SaveLock lockForSave(int folder, const std::string& name, const struct stat* data) {
    const std::string lockFile = lockName(name);
    constexpr int Flags = O_RDWR | kOpenFlags;
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        Fd fd(::openat(folder, lockFile.c_str(), Flags));
        if (fd.get() < 0 && errno == ENOENT) {
            constexpr mode_t Owner = S_IRUSR | S_IWUSR;   // fitted once the file is known
            fd = Fd(::openat(folder, lockFile.c_str(), Flags | O_CREAT | O_EXCL, Owner));
            if (fd.get() < 0 && errno == EEXIST) continue;
            if (fd.get() < 0) return {Fd(), ""};
        }
        if (fd.get() < 0 && errno != EACCES && errno != ELOOP && errno != EISDIR)
            return {Fd(), ""};
        struct stat st {};
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_nlink != 1 || st.st_size != 0 || (data && !fitLock(fd.get(), *data))) {
            if (::unlinkat(folder, lockFile.c_str(), 0) != 0 && errno != ENOENT)
                return {Fd(), "its lock file " + lockFile + " cannot be used, nor removed (" +
                                  reason(errno) + ")"};
            continue;
        }
        if (!lock(fd.get(), F_WRLCK)) return {Fd(), "another program keeps it locked"};
        // The lock file locked is the one at the name (a stray one may have gone meanwhile).
        struct stat now {};
        if (::fstatat(folder, lockFile.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
            now.st_dev == st.st_dev && now.st_ino == st.st_ino)
            return {std::move(fd), ""};
    }
    return {Fd(), "other programs keep replacing its lock file"};
}

// The file of that name in the folder, read as a load reads it. A save holds the lock file
// while it writes: a load that may open it waits for that save; one that may not (a user who
// may only read the file) reads without waiting.
ParameterFileRead readIn(int folder, const std::string& name) {
    const Fd lockFd(::openat(folder, lockName(name).c_str(), O_RDONLY | kOpenFlags));
    struct stat lockStatus {}, data {};
    const bool locked = lockFd.get() >= 0 && ::fstat(lockFd.get(), &lockStatus) == 0 &&
                        S_ISREG(lockStatus.st_mode) &&
                        ::fstatat(folder, name.c_str(), &data, AT_SYMLINK_NOFOLLOW) == 0 &&
                        closedToReaders(lockStatus, data) && lock(lockFd.get(), F_RDLCK);
    const OpenFile file = openRegular(folder, name, O_RDONLY);
    return file.fd.get() < 0 ? ParameterFileRead{std::nullopt, file.refusal}
                             : contents(file, !locked);
}

// A temporary file of this save's own in the file's folder; gone again unless installed.
class Temporary {
public:
    Temporary(int folder, std::string target) : folder_(folder), target_(std::move(target)) {}
    ~Temporary() {
        if (!name_.empty()) ::unlinkat(folder_, name_.c_str(), 0);
    }

    // Where the file system allows, the file is made without a name and named only when it is
    // written, so that a save that fails before leaves nothing behind, even in a folder made
    // read-only meanwhile; elsewhere it is created exclusively under a name of its own.
    bool create(mode_t mode, std::string& error) {
        if (::access("/proc/self/fd", X_OK) == 0)
            fd_ = Fd(::openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        return fd_.get() >= 0 || takeName(error, [&](const char* name) {
            constexpr int Flags = O_WRONLY | O_CREAT | O_EXCL | kOpenFlags;
            fd_ = Fd(::openat(folder_, name, Flags, mode));
            return fd_.get() >= 0;
        });
    }
    int fd() const { return fd_.get(); }

    // Gives it a name, where it has none yet: false (error says why) where none can be made.
    bool name(std::string& error) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
        return !name_.empty() || takeName(error, [&](const char* name) {
            return ::linkat(AT_FDCWD, self.c_str(), folder_, name, AT_SYMLINK_FOLLOW) == 0;
        });
    }

    // Closes it and renames it over the file.
    bool install(std::string& error) {
        if (fd_.close() != 0) {
            error = "the file cannot be written (" + reason(errno) + ")";
            return false;
        }
        if (::renameat(folder_, name_.c_str(), folder_, target_.c_str()) != 0) {
            error = "the file cannot be replaced in its folder (" + reason(errno) + ")";
            return false;
        }
        name_.clear();
        return true;
    }

private:
    // Tries the names a temporary file may take until make takes one; a name already taken
    // (a file, a folder, a link planted there, another save's temporary file) is passed over.
    // The first name is the file's name, the process number and ".tmp"; the next ones add a
    // random part, which no one can plant ahead. False (error says why) where none is taken.
    template <class Make>
    bool takeName(std::string& error, Make make) {
        const std::string stem = target_ + "." + std::to_string(::getpid());
        std::random_device random;
        constexpr int Attempts = 100;
        int why = EEXIST;
        for (int attempt = 0; attempt < Attempts && why == EEXIST; ++attempt) {
            std::string name = stem;
            if (attempt > 0) name.append(".").append(randomHex(random));
            name.append(".tmp");
            if (make(name.c_str())) {
                name_ = std::move(name);
                return true;
            }
            why = errno;
        }
        error = "no new file can be made in its folder (" +
                (why == EEXIST ? std::string("every temporary name is taken") : reason(why)) + ")";
        return false;
    }
    static std::string randomHex(std::random_device& random) {
        const std::uint64_t value = (std::uint64_t{random()} << 32) | random();
        char text[17] = {};
        std::to_chars(text, text + 16, value, 16);
        return text;
    }

    int folder_;
    std::string target_;
    Fd fd_;
    std::string name_;   // its name in the folder, "" while it has none
};

// Makes the rename itself durable; a folder that cannot be synchronised is no failure.
void syncFolder(int folder) {
    Fd fd(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

enum class Replaced { Done, InPlace, Failed };

// Writes the bytes to a temporary file beside the target, flushes it to the disk and renames it
// over the target, so that a failed write leaves the old file as it was and a reader sees the
// old file or the new one, whole. The new file is the old one's (old), or gets the usual
// permissions. InPlace: no temporary file could be made or named, or it could not be the old
// one's (the target is untouched); Failed: writing or renaming the temporary file failed (the target is
// untouched, the temporary file gone). The reason goes to error.
Replaced replaceThroughTemporary(int folder, const std::string& name, const std::string& bytes,
                                 const struct stat* old, std::string& error) {
    Temporary temporary(folder, name);
    if (!temporary.create(old ? (old->st_mode & 0777) : 0666, error)) return Replaced::InPlace;
    if (old && !giveOwnerAndMode(temporary.fd(), *old, old->st_mode & 07777)) {
        error = "a new file cannot keep its owner and group (" + reason(errno) + ")";
        return Replaced::InPlace;
    }
    if (writeAt(temporary.fd(), bytes.data(), bytes.size(), 0) != bytes.size() ||
        ::fsync(temporary.fd()) != 0) {
        error = "the file cannot be written (" + reason(errno) + ")";
        return Replaced::Failed;
    }
    if (!temporary.name(error)) return Replaced::InPlace;
    if (!temporary.install(error)) return Replaced::Failed;
    syncFolder(folder);
    return Replaced::Done;
}

// Writes an existing file in place, through its open descriptor, in one write: a shorter file
// is padded with blanks to the old length, then cut, so that a load reading meanwhile finds the
// new records, never new ones followed by old ones. When the write fails half-way (a full
// disk, a quota, a file-size limit) the bytes it overwrote are written back and what it added
// is cut off, so that the file is left as it was, not new bytes followed by old ones with a
// record cut in two. The file is then read back: only when it differs from what it was does
// the error say it is damaged.
bool writeInPlace(int fd, const std::string& old, const std::string& bytes, std::string& error) {
    std::string padded = bytes;
    padded.resize(std::max(bytes.size(), old.size()), ' ');
    const std::size_t written = writeAt(fd, padded.data(), padded.size(), 0);
    if (written == padded.size() && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0)
        return true;
    error = "the file cannot be written (" + reason(errno) + ")";
    writeAt(fd, old.data(), std::min(written, old.size()), 0);
    if (written > old.size()) (void)::ftruncate(fd, static_cast<off_t>(old.size()));
    if (readAll(fd, old.size()) != old)
        error += ", nor could its old contents be written back: the file is damaged";
    return false;
}

// While a file is written, a write past a file-size limit fails (and is reported) instead of
// ending the process with the limit's signal. The signal's disposition belongs to the whole
// process: saves running at once in several threads set it aside once, and the last one to
// finish puts it back.
class FileSizeSignalIgnored {
#ifdef SIGXFSZ
public:
    FileSizeSignalIgnored() {
        const std::lock_guard lock(mutex_);
        if (users_++ == 0) previous_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeSignalIgnored() {
        const std::lock_guard lock(mutex_);
        if (--users_ == 0 && previous_ != SIG_ERR) std::signal(SIGXFSZ, previous_);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    static inline std::mutex mutex_;
    static inline int users_ = 0;
    static inline void (*previous_)(int) = SIG_DFL;
#endif
};

}  // namespace

ParameterFileRead readParameterFile(const std::string& name) {
    ParameterFileRead result;
    const std::optional<fs::path> target = linkTarget(name, result.refusal);
    if (!target) return result;
    const Fd folder = openFolder(*target);
    return folder.get() < 0 ? result : readIn(folder.get(), target->filename().string());
}

ParameterFileSave::ParameterFileSave(const std::string& name) {
    const std::optional<fs::path> target = linkTarget(name, old_.refusal);
    if (!target) return;
    name_ = target->filename().string();
    folder_ = openFolder(*target).release();
    if (folder_ < 0) {
        writeError_ = "its folder cannot be opened (" + reason(errno) + ")";
        return;
    }
    // The lock is taken where this user may write the file: a user who may only read it makes
    // no lock file that would shut out the file's own users.
    struct stat st {};
    const bool there = ::fstatat(folder_, name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (!there || (S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
                   ::faccessat(folder_, name_.c_str(), W_OK, AT_EACCESS) == 0)) {
        SaveLock lock = lockForSave(folder_, name_, there ? &st : nullptr);
        old_.refusal = lock.refusal;
        if (!old_.refusal.empty()) return;
        lock_ = lock.fd.release();
    }
    OpenFile file = openRegular(folder_, name_, O_RDWR);
    old_.refusal = file.refusal;
    if (!file.there || !old_.refusal.empty()) return;
    // An existing file we may not write is left alone: renaming over it would replace it all
    // the same. A file with no write permission for anyone was marked read-only by its owner:
    // it is left alone whoever runs the program, root included, whom the system would let
    // write it. Its records are read all the same.
    if ((file.st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        writeError_ = "the file is marked read-only";
    else if (file.fd.get() < 0)
        writeError_ = "the file cannot be written (" + reason(file.openError) + ")";
    if (file.fd.get() < 0) {
        if (lock_ >= 0) ::close(std::exchange(lock_, -1));   // a load waits for it
        old_ = readIn(folder_, name_);
        return;
    }
    // Where no lock file can be made, the saves in place take turns on the file itself; a read
    // lock there, which any reader of the file may hold, is not waited for.
    if (lock_ < 0 && !lock(file.fd.get(), F_WRLCK, true)) {
        old_.refusal = "another program keeps it locked";
        return;
    }
    old_ = contents(file, lock_ < 0);
    status_ = file.st;
    fd_ = file.fd.release();
}

ParameterFileSave::~ParameterFileSave() {
    for (const int fd : {fd_, lock_, folder_})
        if (fd >= 0) ::close(fd);
}

bool ParameterFileSave::write(const std::string& bytes, std::string& error) {
    error = !old_.refusal.empty() ? old_.refusal : writeError_;
    if (!error.empty()) return false;
    const FileSizeSignalIgnored sizeLimitFails;
    bool written = false;
    switch (replaceThroughTemporary(folder_, name_, bytes, fd_ >= 0 ? &status_ : nullptr, error)) {
        case Replaced::Done: written = true; break;
        case Replaced::Failed: return false;
        // No new file can be made in the folder, or none that keeps the owner and group: a file
        // that is there is written in place, under the lock.
        case Replaced::InPlace: written = fd_ >= 0 && writeInPlace(fd_, *old_.bytes, bytes, error);
    }
    // The lock file follows the file's owner, group and permissions (a new file's too), so
    // that the users who may write the file may take it.
    struct stat now {};
    if (written && lock_ >= 0 && ::fstatat(folder_, name_.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0)
        fitLock(lock_, now);
    return written;
}

}  // namespace shell
