#pragma once
// The parameter store: key-value records kept in a small text file, one record a line,
//   "LAT","-45.7438"<CR><LF>
// each field between double quotes, separated by a comma. A double quote inside a field is
// written doubled ("") and read back as one, so no value can break the line structure.
//
// The store loads the file at the first Leggi or setValue that finds it empty (a file that is there
// is read once, records or none; a missing one is looked for again) and from then on works in
// memory: setValue changes a record in memory only, for save to write them all at once. A load by
// setValue holds the save's lock until the save that follows has written the file, so that saves
// from several windows at once lose no record. Only a regular file (or a link to one) is read or
// written, and none larger than any parameter file; parametri_file.h says how a save installs a
// whole new file or leaves the old one. An existing file that may not be written is not replaced,
// nor is one marked read-only (no write permission for anyone), whoever runs the program; the new
// file keeps the old one's owner, group and permissions. A file that is there but was not loaded
// (no regular file, too large, or failing while read) is not replaced either: its records would be
// lost.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/context.h"
#include "shell/parametri_file.h"

namespace shell {

class Parametri {
public:
    static constexpr std::string_view DefaultFileName = "Umbralion.dat";

    // The store of the file of that name.
    explicit Parametri(std::string fileName) : nomeFile_(std::move(fileName)) {}

    // The value of the first record whose key equals NomeParametro exactly, or "".
    std::string Leggi(std::string_view NomeParametro);
    // Sets the value of the first record with that key, or appends a record, in memory.
    void setValue(std::string_view key, std::string_view value);
    // Writes every record to the file; false when it could not be written (lastError() says why),
    // the records kept in memory all the same.
    bool save();

    const std::string& lastError() const { return lastError_; }

    // The file's contents as records: fields quoted or bare, separated by commas and line ends
    // (CR LF, LF or CR), paired in order; a last key without its value gets "". A UTF-8
    // byte-order mark at the start is skipped.
    static std::vector<std::pair<std::string, std::string>> parse(std::string_view bytes);
    // The records as the file holds them.
    static std::string format(const std::vector<std::pair<std::string, std::string>>& records);

private:
    // Loads the file unless records are in memory or the file was read; forSave keeps it
    // locked for the save.
    void LoadParameterFile(bool forSave);

    std::vector<std::pair<std::string, std::string>> records_;
    std::string nomeFile_;
    std::string lastError_;
    std::string loadRefusal_;   // why the file that is there was not loaded, or ""
    bool loaded_ = false;       // the file that is there was read (or refused)
    std::optional<ParameterFileSave> saving_;   // the file held for the next save
};

// Fills the nineteen stored inputs from the parameter file; a missing key or an empty value
// leaves the control as it is, and so does a check-box value that is not 0, 1 or 2 (a sign is
// allowed: "+1" ticks the box). A missing or unreadable file leaves every input as it is, with
// nothing to say; a file that is there but is no regular file (a FIFO, a device, a folder), is
// too large or fails while read is not read, and the message returned names it and says why
// ("" when nothing is to be said).
std::string LoadInputs(InputRecord& inputs,
                       const std::string& fileName = std::string(Parametri::DefaultFileName));

// Writes the nineteen stored inputs to the parameter file, once, keeping the file's other
// records and its order. When the file cannot be written the user is told by a message box,
// saying why, and the old file stays as it was (or the message says it is damaged). Returns
// whether the save succeeded.
bool SaveInputs(const InputRecord& inputs, plot::UserServices& services,
                const std::string& fileName = std::string(Parametri::DefaultFileName));
bool SaveInputs(Context& ctx);

// The nineteen keys in the order SaveInputs writes them.
const std::vector<std::string_view>& parameterSaveOrder();

}  // namespace shell
