#pragma once
// Reading and writing the parameter file on disk: only a regular file (or a symbolic link to
// one) is read or written, a read is bounded, and a save installs a whole file or none.
//
// A parameter file that is a symbolic link is read and saved in the file the link leads to:
// that file is replaced, the link stays. A link that anyone may have planted (another user's
// link in a shared folder such as /tmp) is neither read nor followed by a save: one rule for
// both. The file's folder is opened once, and the save works in it even if it is renamed.
//
// The saves take turns on a lock file beside the file, named as it is with ".lock" added, made
// by the first save and left there: a save holds its write lock from reading the old bytes to
// its last write, so that saves from several windows at once follow one another, each reading
// whole what the one before wrote. Only the users who may write the file can open the lock
// file (its permissions follow the file's), so a user who may only read the file can neither
// delay a save nor a load. A load that may open the lock file waits for a save that holds it;
// one that may not reads without waiting, and reads again until two reads agree.
//
// A save writes a temporary file of its own in the folder, made without a name where the file
// system allows and named only once written (elsewhere created exclusively under a name of its
// own, so a link or a file planted at its name is never followed nor reused), gives it the old
// file's owner, group and permissions and renames it over the file: every reader sees a whole
// file, and a save that fails leaves no temporary file. Where no new file can be made in the
// folder, or the owner and group cannot be kept, the file is written in place; a write that
// fails half-way puts back the bytes it overwrote, and only when the file then differs from
// what it was does the error say the file is damaged. A rename that fails is an error: the
// file is then as it was.

#include <sys/stat.h>

#include <cstddef>
#include <optional>
#include <string>

namespace shell {

// No parameter file is larger: a larger file (or an endless one) is not read.
inline constexpr std::size_t kMaxParameterFileBytes = std::size_t{256} << 20;

struct ParameterFileRead {
    std::optional<std::string> bytes;   // the contents, when the file could be read
    std::string refusal;                // why a file that is there was not read, or ""
};

// The file's contents. A file that cannot be opened (missing, or not for this user) gives
// neither bytes nor a refusal; one that is no regular file, is larger than the limit, is a
// link the rule above does not follow, changes under every read made without the lock or
// fails while it is read gives the refusal. Never blocks on a FIFO.
ParameterFileRead readParameterFile(const std::string& name);

// One save of the parameter file: made, it holds the save's lock and has read the old bytes;
// write replaces them; the lock goes with it.
class ParameterFileSave {
public:
    explicit ParameterFileSave(const std::string& name);
    ~ParameterFileSave();
    ParameterFileSave(const ParameterFileSave&) = delete;
    ParameterFileSave& operator=(const ParameterFileSave&) = delete;

    // The old contents as readParameterFile gives them.
    const ParameterFileRead& old() const { return old_; }
    // Replaces the file's contents with bytes (once). False, with the reason in error, when it
    // could not; the old file is then as it was, unless error says it is damaged.
    bool write(const std::string& bytes, std::string& error);

private:
    int folder_ = -1;         // the folder of the file written (the name past its links)
    std::string name_;        // the file's name in it
    int lock_ = -1;           // the lock file, locked; -1 where none can be made
    int fd_ = -1;             // the old file, open; -1 when none is there
    struct stat status_ {};   // its owner, group and permissions
    ParameterFileRead old_;
    std::string writeError_;  // why the file that is there may not be written, or ""
};

}  // namespace shell
