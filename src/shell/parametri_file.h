#pragma once
// Reading and writing the parameter file on disk: only a regular file (or a symbolic link to
// one) is read or written, a read is bounded, and a save installs a whole file or none.
//
// A save writes a temporary file of its own beside the file (created exclusively, so a link or
// a file planted at its name is never followed nor reused; two saves at once each write their
// own) and renames it over the file: every reader sees a whole file, and of two saves the last
// one wins. A parameter file that is a symbolic link is saved in the file the link leads to:
// that file is replaced, the link stays (unless it is another user's link in a shared folder
// such as /tmp, which is not followed). Only a regular file is replaced. In a folder where no
// new file can be made, an existing file is written in place; a write that fails half-way puts
// back the bytes it overwrote, and only when the file then differs from what it was does the
// error say the file is damaged.

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
// neither bytes nor a refusal; one that is no regular file, is larger than the limit, or fails
// while it is read gives the refusal. Never blocks on a FIFO.
ParameterFileRead readParameterFile(const std::string& name);

// Replaces the file's contents with bytes, keeping its permissions. False, with the reason in
// error, when it could not; the old file is then as it was, unless error says it is damaged.
bool writeParameterFile(const std::string& name, const std::string& bytes, std::string& error);

}  // namespace shell
