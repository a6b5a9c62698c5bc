#include "shell/parametri.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "shell/control_table.h"

namespace shell {

namespace {

using Records = std::vector<std::pair<std::string, std::string>>;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Reads the fields of the file one after the other. A field is quoted (up to the closing quote,
// "" standing for one quote, line ends included) or bare (up to a comma or a line end, blanks
// trimmed at both ends). After a comma a field always follows, empty or not; blank lines between
// records hold no field.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : s_(bytes) {}

    std::optional<std::string> next() {
        if (atLineStart_) {
            while (pos_ < s_.size() && (isBlank(s_[pos_]) || isLineEnd(s_[pos_]))) ++pos_;
            if (pos_ >= s_.size()) return std::nullopt;
        }
        while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
        std::string field;
        if (pos_ < s_.size() && s_[pos_] == '"') {
            ++pos_;
            while (pos_ < s_.size()) {
                const char c = s_[pos_++];
                if (c != '"') {
                    field += c;
                } else if (pos_ < s_.size() && s_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                } else {
                    break;
                }
            }
            // Whatever stands between the closing quote and the delimiter is not part of it.
            while (pos_ < s_.size() && s_[pos_] != ',' && !isLineEnd(s_[pos_])) ++pos_;
        } else {
            while (pos_ < s_.size() && s_[pos_] != ',' && !isLineEnd(s_[pos_])) field += s_[pos_++];
            while (!field.empty() && isBlank(field.back())) field.pop_back();
        }
        if (pos_ < s_.size() && s_[pos_] == ',') {
            ++pos_;
            atLineStart_ = false;  // a field follows the comma, even at the end of the data
        } else {
            atLineStart_ = true;
        }
        return field;
    }

private:
    std::string_view s_;
    std::size_t pos_ = 0;
    bool atLineStart_ = true;
};

std::string quoteField(std::string_view field) {
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string systemReason() {
    const int error = errno;
    return error != 0 ? std::string(std::strerror(error)) : std::string("write error");
}

// The file a save writes: the name itself, or, when it is a symbolic link, the file the link
// leads to (followed through further links, a relative link read from the link's folder).
std::filesystem::path linkTarget(const std::string& name) {
    namespace fs = std::filesystem;
    fs::path path(name);
    constexpr int MaxLinks = 40;
    for (int i = 0; i < MaxLinks; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)) || ec) break;
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) break;
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path;
}

// Whether the file's permissions let no one write it (owner, group and others alike).
bool markedReadOnly(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::perms perms = fs::status(file, ec).permissions();
    if (ec || perms == fs::perms::unknown) return false;
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (perms & anyWrite) == fs::perms::none;
}

enum class Replaced { Done, NoNewFile, WriteFailed };

// Writes the bytes to a temporary file beside the target and renames it over the target, so
// that a failed write leaves the old file as it was; the new file keeps the old one's
// permissions. NoNewFile: the temporary file could not be made, or not renamed (the target is
// untouched); WriteFailed: the write itself failed. The reason goes to error.
Replaced replaceThroughTemporary(const std::filesystem::path& target, const std::string& bytes,
                                 bool exists, std::string& error) {
    namespace fs = std::filesystem;
    fs::path temporary = target;
    temporary += ".tmp";
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "no new file can be made in its folder (" + systemReason() + ")";
            return Replaced::NoNewFile;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            error = "the file cannot be written (" + systemReason() + ")";
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return Replaced::WriteFailed;
        }
    }
    std::error_code ignored;
    if (exists) fs::permissions(temporary, fs::status(target, ignored).permissions(), ignored);
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        error = "the file cannot be replaced in its folder (" + ec.message() + ")";
        fs::remove(temporary, ignored);
        return Replaced::NoNewFile;
    }
    return Replaced::Done;
}

// Overwrites an existing file with the bytes, then cuts it to their length.
bool overwrite(const std::filesystem::path& target, const std::string& bytes, std::string& error) {
    {
        errno = 0;
        std::fstream out(target, std::ios::in | std::ios::out | std::ios::binary);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
        }
        if (!out) {
            error = "the file cannot be written (" + systemReason() + ")";
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::resize_file(target, bytes.size(), ec);
    if (ec) {
        error = "the file cannot be written (" + ec.message() + ")";
        return false;
    }
    return true;
}

// The file's bytes, or nothing when it cannot be read (a directory of that name, for one).
std::optional<std::string> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Writes an existing file in place. When that fails half-way (a full disk, a quota, a file-size
// limit) the old bytes are written back, so that the file is left as it was, not new bytes
// followed by old ones with a record cut in two; when even that fails, the error says so.
bool writeInPlace(const std::filesystem::path& target, const std::string& bytes,
                  std::string& error) {
    const std::optional<std::string> old = readBytes(target);
    if (!old) {
        error = "the file cannot be read";
        return false;
    }
    if (overwrite(target, bytes, error)) return true;
    std::string ignored;
    if (!overwrite(target, *old, ignored))
        error += ", nor could its old contents be written back: the file is damaged";
    return false;
}

// While the file is written, a write past a file-size limit fails (and is reported, the old
// bytes written back) instead of ending the process with the limit's signal.
class FileSizeSignalIgnored {
#ifdef SIGXFSZ
public:
    FileSizeSignalIgnored() : previous_(std::signal(SIGXFSZ, SIG_IGN)) {}
    ~FileSizeSignalIgnored() {
        if (previous_ != SIG_ERR) std::signal(SIGXFSZ, previous_);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    void (*previous_)(int);
#endif
};

// A check-box value as the file holds it: a number, with or without a sign, that rounds to 0,
// 1 or 2.
std::optional<int> checkBoxValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    // A plus sign is read as the text-to-integer conversion reads it ("+1" is 1); a second
    // sign after it is no number.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v);  // halves to even, as the platform converts
    if (r < 0 || r > 2) return std::nullopt;
    return static_cast<int>(r);
}

}  // namespace

Records Parametri::parse(std::string_view bytes) {
    // A file saved by an editor that marks UTF-8 begins with a byte-order mark: it is no part
    // of the first key.
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        bytes.remove_prefix(ByteOrderMark.size());
    Records records;
    FieldReader reader(bytes);
    std::vector<std::string> fields;
    while (auto field = reader.next()) fields.push_back(std::move(*field));
    for (std::size_t i = 0; i < fields.size(); i += 2)
        records.emplace_back(std::move(fields[i]), i + 1 < fields.size() ? std::move(fields[i + 1])
                                                                        : std::string());
    return records;
}

std::string Parametri::format(const Records& records) {
    std::string out;
    for (const auto& [key, value] : records) {
        out += quoteField(key);
        out += ',';
        out += quoteField(value);
        out += "\r\n";
    }
    return out;
}

void Parametri::LoadParameterFile() {
    if (const std::optional<std::string> bytes = readBytes(nomeFile_)) records_ = parse(*bytes);
}

bool Parametri::SaveParameterFile() {
    namespace fs = std::filesystem;
    lastError_.clear();
    // A parameter file that is a symbolic link is saved in the file the link leads to; the
    // link stays as it is.
    const fs::path target = linkTarget(nomeFile_);
    const std::string bytes = format(records_);
    const FileSizeSignalIgnored sizeLimitFails;
    // An existing file we may not write is left alone: renaming over it would replace it all
    // the same. A file with no write permission for anyone was marked read-only by its owner:
    // it is left alone whoever runs the program, root included, whom the system would let
    // write it; any other file is probed.
    std::error_code ec;
    const bool exists = fs::exists(target, ec);
    if (exists) {
        if (markedReadOnly(target)) {
            lastError_ = "the file is marked read-only";
            return false;
        }
        errno = 0;
        std::fstream probe(target, std::ios::in | std::ios::out | std::ios::binary);
        if (!probe) {
            lastError_ = "the file cannot be written (" + systemReason() + ")";
            return false;
        }
    }
    switch (replaceThroughTemporary(target, bytes, exists, lastError_)) {
        case Replaced::Done: return true;
        case Replaced::WriteFailed: return false;
        case Replaced::NoNewFile: break;
    }
    // A folder where no new file can be made (or none renamed): a file that is there and may be
    // written is written in place.
    if (!exists) return false;
    return writeInPlace(target, bytes, lastError_);
}

std::string Parametri::Leggi(std::string_view NomeParametro) {
    if (records_.empty()) LoadParameterFile();
    for (const auto& [key, value] : records_)
        if (key == NomeParametro) return value;
    return {};
}

bool Parametri::Scrivi(std::string_view NomeParametro, std::string_view Valore) {
    setValue(NomeParametro, Valore);
    return SaveParameterFile();
}

void Parametri::setValue(std::string_view NomeParametro, std::string_view Valore) {
    if (records_.empty()) LoadParameterFile();
    std::pair<std::string, std::string>* row = nullptr;
    for (auto& record : records_) {
        if (record.first == NomeParametro) {
            row = &record;
            break;
        }
    }
    if (row == nullptr) row = &records_.emplace_back(std::string(NomeParametro), std::string());
    row->second = std::string(Valore);
}

const std::vector<std::string_view>& parameterReadOrder() {
    static const std::vector<std::string_view> keys{
        "LAT",        "DEC",       "ORTO",        "LONG",      "FRAZIONE",
        "RADIUS",     "INCLINATION", "DIURNE",    "EQUINOX",   "ORE",
        "LEMNISCATA", "HORIZON",   "ITALICHE",    "BABILONICHE", "TEMPORARIE",
        "TRIANGOLO",  "SUSTILARE", "RomanSize",   "Lineofdeclination"};
    return keys;
}

const std::vector<std::string_view>& parameterSaveOrder() {
    static const std::vector<std::string_view> keys{
        "LAT",       "DEC",        "RADIUS",     "ORTO",       "DIURNE",
        "EQUINOX",   "ORE",        "LEMNISCATA", "HORIZON",    "ITALICHE",
        "BABILONICHE", "TEMPORARIE", "TRIANGOLO", "SUSTILARE", "FRAZIONE",
        "LONG",      "INCLINATION", "RomanSize", "Lineofdeclination"};
    return keys;
}

void LoadInputs(InputRecord& inputs, const std::string& fileName) {
    Parametri store;
    store.setNomeFile(fileName);
    for (std::string_view key : parameterReadOrder()) {
        const ControlInfo* control = findControlByParameterKey(key);
        const std::string value = store.Leggi(key);
        if (control == nullptr || value.empty()) continue;
        if (control->kind == ControlKind::CheckBox) {
            // A value that is no tick leaves the box as it is; the other inputs are read.
            if (const auto tick = checkBoxValue(value)) inputs.setValue(control->name, *tick);
        } else {
            inputs.setText(control->name, value);
        }
    }
}

void LoadInputs(Context& ctx) { LoadInputs(ctx.inputs); }

bool SaveInputs(const InputRecord& inputs, plot::UserServices& services,
                const std::string& fileName) {
    Parametri store;
    store.setNomeFile(fileName);
    for (std::string_view key : parameterSaveOrder()) {
        const ControlInfo* control = findControlByParameterKey(key);
        const std::string value = control->kind == ControlKind::CheckBox
                                      ? std::to_string(inputs.value(control->name))
                                      : inputs.text(control->name);
        store.setValue(key, value);
    }
    if (store.save()) return true;
    services.messageBox("The inputs could not be saved in " + fileName + ": " +
                        store.lastError() + ".");
    return false;
}

bool SaveInputs(Context& ctx) { return SaveInputs(ctx.inputs, ctx.services); }

}  // namespace shell
