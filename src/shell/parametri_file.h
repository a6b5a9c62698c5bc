#pragma once
// Reading and writing the parameter file on disk: only a regular file (or a symbolic link to
// one) is read or written, a read is bounded, and a save installs a whole file or none.
//
// A parameter file that is a symbolic link is read and saved in the file the link leads to:
// that file is replaced, the link stays. A link that anyone may have planted (another user's
// link in a shared folder such as /tmp) is neither read nor followed by a save: one rule for
// both. A read holds a shared lock on the file, a save an exclusive one from reading the old
// bytes to its last write, so that saves from several windows at once follow one another, each
// reading whole what the one before wrote (a save that finds the file replaced meanwhile takes
// the new one).
//
// A save writes a temporary file of its own beside the file (created exclusively, so a link or
// a file planted at its name is never followed nor reused), gives it the old file's owner, group
// and permissions and renames it over the file: every reader sees a whole file. Where no new
// file can be made in the folder, or the owner and group cannot be kept, the file is written in
// place under the lock; a write that fails half-way puts back the bytes it overwrote, and only
// when the file then differs from what it was does the error say the file is damaged. A rename
// that fails is an error: the file is then as it was, and the temporary file gone.

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
// link the rule above does not follow, stays locked or fails while it is read gives the
// refusal. Never blocks on a FIFO.
ParameterFileRead readParameterFile(const std::string& name);

// One save of the parameter file: made, it holds the file locked and has read its old bytes;
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
    std::string target_;      // the file written: the name past its links
    int fd_ = -1;             // the old file, open and locked; -1 when none is there
    struct stat status_ {};   // its owner, group and permissions
    ParameterFileRead old_;
    std::string writeError_;  // why the file that is there may not be written, or ""
};

}  // namespace shell
