#include "shell/parametri_file.h"

#include <fcntl.h>
#include <sys/file.h>
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

// Takes the lock (LOCK_SH or LOCK_EX) on the open file. Another save holds it for a moment only,
// so the wait is bounded; a file system that keeps no locks lets the file be used as before.
// False when another program still holds it after the wait.
bool lock(int fd, int operation) {
    using namespace std::chrono_literals;
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    for (std::chrono::milliseconds pause = 1ms;; pause = std::min(2 * pause, 50ms)) {
        if (::flock(fd, operation | LOCK_NB) == 0) return true;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return true;
        if (std::chrono::steady_clock::now() >= giveUp) return false;
        std::this_thread::sleep_for(pause);
    }
}

// The regular file at a path past its links, open and locked.
struct LockedFile {
    Fd fd;                 // -1 when it is not open
    struct stat st {};
    bool there = false;    // something is at the path
    int openError = 0;     // why the regular file there could not be opened
    std::string refusal;   // why what is there is not taken
};

LockedFile openLocked(const fs::path& path, int access, int operation) {
    LockedFile file;
    // What is there is not taken: the file closed, and why in refusal.
    auto refused = [&file](std::string why) {
        file.fd = Fd();
        file.refusal = std::move(why);
        return std::move(file);
    };
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        file.fd = Fd();
        // Nothing but a regular file is opened (opening a device may act on it), and that
        // without blocking, should a FIFO take its place meanwhile.
        file.there = ::lstat(path.c_str(), &file.st) == 0;
        if (!file.there) return refused(errno == ELOOP ? notRegular(S_IFLNK) : "");
        if (S_ISREG(file.st.st_mode)) {
            const int flags = access | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
            file.fd = Fd(::open(path.c_str(), flags));
            if (file.fd.get() < 0 || ::fstat(file.fd.get(), &file.st) != 0) {
                file.openError = errno;
                return refused("");
            }
        }
        if (!S_ISREG(file.st.st_mode)) return refused(notRegular(file.st.st_mode));
        if (!lock(file.fd.get(), operation)) return refused("another program keeps it locked");
        // Another save may have renamed a new file over the name while this one waited: the
        // file taken is the one at the name.
        struct stat now {};
        if (::lstat(path.c_str(), &now) == 0 && now.st_dev == file.st.st_dev &&
            now.st_ino == file.st.st_ino)
            return file;
    }
    return refused("other programs keep replacing it");
}

// The contents of a regular file open from its start, bounded.
ParameterFileRead contents(const LockedFile& file) {
    if (static_cast<std::uintmax_t>(file.st.st_size) > kMaxParameterFileBytes)
        return {std::nullopt, tooLarge()};
    std::optional<std::string> bytes =
        readAll(file.fd.get(), static_cast<std::size_t>(file.st.st_size));
    if (!bytes) return {std::nullopt, "it cannot be read (" + reason(errno) + ")"};
    if (bytes->size() > kMaxParameterFileBytes) return {std::nullopt, tooLarge()};
    return {std::move(bytes), ""};
}

// A temporary file of this save's own beside the target; removed again unless installed.
class Temporary {
public:
    // Creates it exclusively, so that nothing already at its name (a file, a folder, a link
    // planted there, another save's temporary file) is opened: such a name is passed over. The
    // first name tried is the target's name, the process number and ".tmp"; the next ones add a
    // random part, which no one can plant ahead.
    bool create(const fs::path& target, mode_t mode, std::string& error) {
        const std::string stem = target.string() + "." + std::to_string(::getpid());
        std::random_device random;
        constexpr int Attempts = 100;
        for (int attempt = 0; attempt < Attempts; ++attempt) {
            std::string name = stem;
            if (attempt > 0) name.append(".").append(randomHex(random));
            name.append(".tmp");
            Fd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
            if (fd.get() >= 0) {
                fd_ = std::move(fd);
                path_ = std::move(name);
                return true;
            }
            if (errno != EEXIST) {
                error = "no new file can be made in its folder (" + reason(errno) + ")";
                return false;
            }
        }
        error = "no new file can be made in its folder (every temporary name is taken)";
        return false;
    }
    ~Temporary() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    int fd() const { return fd_.get(); }
    int close() { return fd_.close(); }
    const std::string& path() const { return path_; }
    void installed() { path_.clear(); }

private:
    static std::string randomHex(std::random_device& random) {
        const std::uint64_t value = (std::uint64_t{random()} << 32) | random();
        char text[17] = {};
        std::to_chars(text, text + 16, value, 16);
        return text;
    }

    Fd fd_;
    std::string path_;
};

// Makes the rename itself durable; a folder that cannot be synchronised is no failure.
void syncFolder(const fs::path& folder) {
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    Fd fd(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// Gives the new file the old one's owner, group and permissions (exactly, whatever the umask;
// the owner first, as a change of owner clears the set-id bits). False where they cannot be
// kept: only root gives a file to another user, only a member to a group.
bool keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) return false;
    if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

enum class Replaced { Done, InPlace, Failed };

// Writes the bytes to a temporary file beside the target, flushes it to the disk and renames it
// over the target, so that a failed write leaves the old file as it was and a reader sees the
// old file or the new one, whole. The new file is the old one's (old), or gets the usual
// permissions. InPlace: no temporary file could be made, or it could not be the old one's (the
// target is untouched); Failed: writing or renaming the temporary file failed (the target is
// untouched, the temporary file gone). The reason goes to error.
Replaced replaceThroughTemporary(const fs::path& target, const std::string& bytes,
                                 const struct stat* old, std::string& error) {
    Temporary temporary;
    if (!temporary.create(target, old ? (old->st_mode & 0777) : 0666, error))
        return Replaced::InPlace;
    if (old && !keepOwnerAndMode(temporary.fd(), *old)) {
        error = "a new file cannot keep its owner and group (" + reason(errno) + ")";
        return Replaced::InPlace;
    }
    if (writeAt(temporary.fd(), bytes.data(), bytes.size(), 0) != bytes.size() ||
        ::fsync(temporary.fd()) != 0 || temporary.close() != 0) {
        error = "the file cannot be written (" + reason(errno) + ")";
        return Replaced::Failed;
    }
    if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
        error = "the file cannot be replaced in its folder (" + reason(errno) + ")";
        return Replaced::Failed;
    }
    temporary.installed();
    syncFolder(target.parent_path());
    return Replaced::Done;
}

// Writes an existing file in place, through its open descriptor. When the write fails
// half-way (a full disk, a quota, a file-size limit) the bytes it overwrote are written back
// and what it added is cut off, so that the file is left as it was, not new bytes followed by
// old ones with a record cut in two. The file is then read back: only when it differs from
// what it was does the error say it is damaged.
bool writeInPlace(int fd, const std::string& old, const std::string& bytes, std::string& error) {
    const std::size_t written = writeAt(fd, bytes.data(), bytes.size(), 0);
    if (written == bytes.size() && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0)
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
    const LockedFile file = openLocked(*target, O_RDONLY, LOCK_SH);
    return file.fd.get() < 0 ? ParameterFileRead{std::nullopt, file.refusal} : contents(file);
}

ParameterFileSave::ParameterFileSave(const std::string& name) {
    const std::optional<fs::path> target = linkTarget(name, old_.refusal);
    if (!target) return;
    target_ = target->string();
    LockedFile file = openLocked(*target, O_RDWR, LOCK_EX);
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
        old_ = readParameterFile(target_);
        return;
    }
    old_ = contents(file);
    status_ = file.st;
    fd_ = file.fd.release();
}

ParameterFileSave::~ParameterFileSave() {
    if (fd_ >= 0) ::close(fd_);
}

bool ParameterFileSave::write(const std::string& bytes, std::string& error) {
    error = !old_.refusal.empty() ? old_.refusal : writeError_;
    if (!error.empty()) return false;
    const FileSizeSignalIgnored sizeLimitFails;
    switch (replaceThroughTemporary(target_, bytes, fd_ >= 0 ? &status_ : nullptr, error)) {
        case Replaced::Done: return true;
        case Replaced::Failed: return false;
        case Replaced::InPlace: break;
    }
    // No new file can be made in the folder, or none that keeps the owner and group: a file
    // that is there is written in place, under the lock.
    if (fd_ < 0) return false;
    return writeInPlace(fd_, *old_.bytes, bytes, error);
}

}  // namespace shell
