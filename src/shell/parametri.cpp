#include "shell/parametri.h"

#include <cerrno>
#include <charconv>
#include <cmath>
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

// A check-box value as the file holds it: a number that rounds to 0, 1 or 2.
std::optional<int> checkBoxValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
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
    std::ifstream in(nomeFile_, std::ios::binary);
    if (!in) return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return;
    records_ = parse(bytes);
}

bool Parametri::SaveParameterFile() {
    namespace fs = std::filesystem;
    lastError_.clear();
    const fs::path target(nomeFile_);
    fs::path temporary = target;
    temporary += ".tmp";
    const std::string bytes = format(records_);
    // An existing file we may not write (read-only, for one) is left alone: renaming over it
    // would replace it all the same.
    std::error_code ec;
    const bool exists = fs::exists(target, ec);
    if (exists) {
        errno = 0;
        std::fstream probe(target, std::ios::in | std::ios::out | std::ios::binary);
        if (!probe) {
            lastError_ = systemReason();
            return false;
        }
    }
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            lastError_ = systemReason();
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            lastError_ = systemReason();
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    // The new file keeps the old one's permissions.
    if (exists) {
        std::error_code ignored;
        fs::permissions(temporary, fs::status(target, ignored).permissions(), ignored);
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        lastError_ = ec.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::string Parametri::Leggi(std::string_view NomeParametro) {
    if (records_.empty()) LoadParameterFile();
    for (const auto& [key, value] : records_)
        if (key == NomeParametro) return value;
    return {};
}

bool Parametri::Scrivi(std::string_view NomeParametro, std::string_view Valore) {
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
    return SaveParameterFile();
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
        if (!store.Scrivi(key, value)) {
            services.messageBox("The inputs could not be saved: the file " + fileName +
                                " cannot be written (" + store.lastError() + ").");
            return false;
        }
    }
    return true;
}

bool SaveInputs(Context& ctx) { return SaveInputs(ctx.inputs, ctx.services); }

}  // namespace shell
