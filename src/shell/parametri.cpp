#include "shell/parametri.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "shell/control_table.h"

namespace shell {

namespace {

using Record = std::pair<std::string, std::string>;
using Records = std::vector<Record>;

// A NUL byte counts as a blank: a write cut short, or two writers at once, can leave runs of
// them between records, and they are no part of a key or a value.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\0'; }
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
        // Each stretch is taken whole up to the next character that matters, so that a long
        // value reads in one pass.
        if (pos_ < s_.size() && s_[pos_] == '"') {
            ++pos_;
            while (pos_ < s_.size()) {
                const std::size_t quote = std::min(s_.find('"', pos_), s_.size());
                field.append(s_, pos_, quote - pos_);
                pos_ = quote + 1;
                if (quote == s_.size()) break;
                if (pos_ >= s_.size() || s_[pos_] != '"') break;
                field += '"';
                ++pos_;
            }
            // Whatever stands between the closing quote and the delimiter is not part of it.
            pos_ = std::min(s_.find_first_of(Delimiters, std::min(pos_, s_.size())), s_.size());
        } else {
            const std::size_t end = std::min(s_.find_first_of(Delimiters, pos_), s_.size());
            field.assign(s_, pos_, end - pos_);
            pos_ = end;
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
    static constexpr std::string_view Delimiters{",\r\n"};
    std::string_view s_;
    std::size_t pos_ = 0;
    bool atLineStart_ = true;
};

std::string quoteField(std::string_view field) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < field.size();) {
        const std::size_t quote = std::min(field.find('"', pos), field.size());
        out.append(field, pos, quote - pos);
        if (quote < field.size()) out += "\"\"";
        pos = quote + 1;
    }
    out += '"';
    return out;
}

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
    while (std::optional<std::string> key = reader.next()) {
        std::optional<std::string> value = reader.next();
        records.emplace_back(std::move(*key), value ? std::move(*value) : std::string());
    }
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

void Parametri::LoadParameterFile(bool forSave) {
    if (!records_.empty() || loaded_) return;
    ParameterFileRead readOnly;
    const ParameterFileRead& read = forSave ? saving_.emplace(nomeFile_).old()
                                            : (readOnly = readParameterFile(nomeFile_));
    loaded_ = read.bytes || !read.refusal.empty();
    lastError_ = loadRefusal_ = read.refusal;
    if (read.bytes) records_ = parse(*read.bytes);
}

bool Parametri::save() {
    // A file that is there but was not read (no regular file, too large, or failing while read)
    // is not replaced by the records in memory: that would lose every record it holds.
    lastError_ = loadRefusal_;
    if (lastError_.empty() && !saving_) saving_.emplace(nomeFile_);
    const bool saved = lastError_.empty() && saving_->write(format(records_), lastError_);
    saving_.reset();   // the lock goes with it
    return saved;
}

std::string Parametri::Leggi(std::string_view NomeParametro) {
    LoadParameterFile(false);
    const auto row = std::ranges::find(records_, NomeParametro, &Record::first);
    return row != records_.end() ? row->second : std::string();
}

void Parametri::setValue(std::string_view NomeParametro, std::string_view Valore) {
    LoadParameterFile(true);
    auto row = std::ranges::find(records_, NomeParametro, &Record::first);
    if (row == records_.end()) row = records_.emplace(row, NomeParametro, std::string());
    row->second = Valore;
}

const std::vector<std::string_view>& parameterSaveOrder() {
    static const std::vector<std::string_view> keys{
        "LAT",       "DEC",        "RADIUS",     "ORTO",       "DIURNE",
        "EQUINOX",   "ORE",        "LEMNISCATA", "HORIZON",    "ITALICHE",
        "BABILONICHE", "TEMPORARIE", "TRIANGOLO", "SUSTILARE", "FRAZIONE",
        "LONG",      "INCLINATION", "RomanSize", "Lineofdeclination"};
    return keys;
}

std::string LoadInputs(InputRecord& inputs, const std::string& fileName) {
    Parametri store(fileName);
    // Each input is read on its own: the order of the reads does not matter.
    for (std::string_view key : parameterSaveOrder()) {
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
    if (store.lastError().empty()) return {};
    return "The inputs could not be loaded from " + fileName + ": " + store.lastError() + ".";
}

bool SaveInputs(const InputRecord& inputs, plot::UserServices& services,
                const std::string& fileName) {
    Parametri store(fileName);
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
