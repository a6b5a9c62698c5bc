// The layer check: holds every file the compiler opened for a file of src/ against the table of
// layers the build was made from, whatever way the include was written (indented, "../", through
// another layer's folder, beside the including file). It reads Ninja's record of what each
// compilation opened (`ninja -t deps`), resolves every path (links and ".."), and names the rule
// each break breaks: "dials/flat3d may not include dials/vertical2d".
//
//   layer_check TABLE NINJA BUILD_DIR [TARGET]
//   layer_check --skip REASON      (prints the reason and exits 77, which ctest shows as skipped)
//
// Before reading the record it has Ninja build TARGET, where given: layer_header_units, each
// header of src/ compiled alone, which the build of everything leaves out.
//
// TABLE (layers.txt, written by the build) has one row a line:
//   src DIR              the folder the table's folders are relative to
//   units DIR            where each header is compiled alone: DIR/<path>.cpp for src/<path>
//   folder DIR LAYER     the files under DIR belong to LAYER (the deepest such DIR rules)
//   files-of DIR LAYER   the files directly inside DIR belong to LAYER
//   uses LAYER LAYER     the first may include the second, and whatever the second may

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Table {
    fs::path src, units;
    std::map<std::string, std::string> folders, filesOf;
    std::map<std::string, std::set<std::string>> uses;
};

Table readTable(const char* file) {
    Table t;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream row(line);
        std::string kind, a, b;
        row >> kind;
        if (kind == "src" || kind == "units") {
            std::getline(row >> std::ws, a);
            (kind == "src" ? t.src : t.units) = fs::weakly_canonical(a);
            continue;
        }
        row >> a >> b;
        if (kind == "folder") t.folders[a] = b;
        if (kind == "files-of") t.filesOf[a] = b;
        if (kind == "uses") t.uses[a].insert(b);
    }
    return t;
}

// The layer of a file of src/, given by its path from src/; "" where no row names its folder.
std::string layerOf(const Table& t, const fs::path& rel) {
    if (auto it = t.filesOf.find(rel.parent_path().string()); it != t.filesOf.end())
        return it->second;
    for (fs::path dir = rel.parent_path(); !dir.empty(); dir = dir.parent_path())
        if (auto it = t.folders.find(dir.string()); it != t.folders.end()) return it->second;
    return {};
}

// Whether `layer` may include `other`: itself, and through its uses (the table has no circle).
bool mayInclude(const Table& t, const std::string& layer, const std::string& other) {
    if (layer == other) return true;
    auto it = t.uses.find(layer);
    if (it == t.uses.end()) return false;
    for (const std::string& used : it->second)
        if (mayInclude(t, used, other)) return true;
    return false;
}

// A circle of uses through `layer` ("a uses b uses a"), or "" when there is none: the layers on
// the path walked so far are `path`.
std::string circleFrom(const Table& t, std::vector<std::string>& path) {
    auto it = t.uses.find(path.back());
    if (it == t.uses.end()) return {};
    for (const std::string& used : it->second) {
        if (auto seen = std::find(path.begin(), path.end(), used); seen != path.end()) {
            std::string circle;
            for (auto p = seen; p != path.end(); ++p) circle += *p + " uses ";
            return circle + used;
        }
        path.push_back(used);
        if (std::string circle = circleFrom(t, path); !circle.empty()) return circle;
        path.pop_back();
    }
    return {};
}

// The path from `root` of a path under it; empty for a path elsewhere.
fs::path under(const fs::path& root, const fs::path& path) {
    const fs::path rel = path.lexically_relative(root);
    return rel.empty() || *rel.begin() == ".." ? fs::path() : rel;
}

// One compilation: the file of src/ it compiled (a header for a header unit) and the files of
// src/ it opened, resolved and in the order opened, each by its path from src/.
struct Compilation {
    fs::path file;
    std::vector<fs::path> opened;
    std::vector<std::string> unknown;  // recorded paths that name no file
};

// Reads `ninja -t deps`: a record per output, the line naming it and then one opened file a line,
// the compiled source first, a relative path being from the build folder. Records of sources
// outside src/ (tests, generated files) and of files since removed are left out.
std::vector<Compilation> readRecords(const Table& t, FILE* deps, const fs::path& build) {
    std::map<std::string, fs::path> resolved;
    auto resolve = [&](const std::string& path) -> const fs::path& {
        auto [it, fresh] = resolved.try_emplace(path);
        if (fresh) it->second = fs::weakly_canonical(build / path);
        return it->second;
    };
    std::vector<Compilation> out;
    bool open = false;   // a record of a file of src/ is being read
    bool first = false;  // its next line is its compiled source
    char buffer[8192];
    while (std::fgets(buffer, sizeof buffer, deps)) {
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (line.empty()) {
            open = first = false;
        } else if (line[0] != ' ') {
            open = first = true;
        } else if (first) {
            first = false;
            const fs::path source = resolve(line.substr(line.find_first_not_of(' ')));
            fs::path file = under(t.src, source);
            if (const fs::path unit = under(t.units, source); !unit.empty())
                file = unit.parent_path() / unit.stem();
            open = !file.empty() && fs::exists(source) && fs::exists(t.src / file);
            if (open) out.push_back({file, {}, {}});
        } else if (open) {
            const std::string recorded = line.substr(line.find_first_not_of(' '));
            const fs::path& path = resolve(recorded);
            const fs::path rel = under(t.src, path);
            if (!fs::exists(path)) out.back().unknown.push_back(recorded);
            else if (!rel.empty() && rel != out.back().file) out.back().opened.push_back(rel);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--skip") {
        std::cout << "The layer check did not run: " << argv[2] << "\n";
        return 77;
    }
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: layer_check TABLE NINJA BUILD_DIR [TARGET]\n";
        return 2;
    }
    const Table t = readTable(argv[1]);
    if (t.src.empty() || t.uses.empty()) {
        std::cerr << argv[1] << ": no table of layers\n";
        return 2;
    }
    for (const auto& [layer, used] : t.uses) {
        std::vector<std::string> path{layer};
        if (const std::string circle = circleFrom(t, path); !circle.empty()) {
            std::cerr << argv[1] << ": the table of layers runs in a circle: " << circle << "\n";
            return 2;
        }
    }
    const std::string ninja = std::string("\"") + argv[2] + "\" -C \"" + argv[3] + "\"";
    if (argc == 5 && std::system((ninja + " " + argv[4] + " >/dev/null").c_str()) != 0) {
        std::cerr << ninja << " " << argv[4] << " failed\n";
        return 2;
    }
    const std::string command = ninja + " -t deps";
    FILE* deps = popen(command.c_str(), "r");
    if (!deps) {
        std::cerr << "cannot run " << command << "\n";
        return 2;
    }
    const std::vector<Compilation> records = readRecords(t, deps, fs::absolute(argv[3]));
    if (pclose(deps) != 0) {
        std::cerr << command << " failed\n";
        return 2;
    }
    if (records.empty()) {
        std::cerr << "no record of a compiled file of " << t.src.string() << ": build first\n";
        return 2;
    }

    // What each file may not open, by its layer; a header's own breaks are told at the header
    // (compiled alone), not again at every file that includes it.
    std::map<fs::path, std::set<fs::path>> breaks;
    auto breaksOf = [&](const Compilation& c) {
        std::set<fs::path> found;
        const std::string layer = layerOf(t, c.file);
        for (const fs::path& f : c.opened)
            if (layer.empty() || !mayInclude(t, layer, layerOf(t, f))) found.insert(f);
        return found;
    };
    for (const Compilation& c : records)
        if (c.file.extension() == ".h") breaks[c.file] = breaksOf(c);

    std::set<std::string> told;
    for (const Compilation& c : records) {
        // The compiler records a path with "dir/.." taken out by its letters: where dir was a
        // link, the path names another file than the one opened, or none.
        for (const std::string& path : c.unknown)
            if (told.insert("src/" + c.file.string() + ": " + path).second)
                std::cout << "src/" << c.file.string() << ": the compiler's record names " << path
                          << ", which is no file: what was opened cannot be told\n";
        const std::string layer = layerOf(t, c.file);
        for (const fs::path& f : breaksOf(c)) {
            bool fromHeader = false;
            if (c.file.extension() != ".h")
                for (const fs::path& h : c.opened)
                    fromHeader = fromHeader || (breaks.count(h) && breaks[h].count(f));
            const std::string other = layerOf(t, f);
            const std::string rule =
                layer.empty()   ? "src/" + c.file.string() + " is in no layer of the table"
                : other.empty() ? "src/" + f.string() + " is in no layer of the table"
                                : layer + " may not include " + other;
            if (fromHeader || !told.insert("src/" + c.file.string() + ": " + rule).second)
                continue;
            std::cout << "src/" << c.file.string() << ": " << rule << " (it opened src/"
                      << f.string() << ")\n";
        }
    }
    if (!told.empty()) {
        std::cout << told.size() << " include(s) break the layers\n";
        return 1;
    }
    std::cout << "The layers hold in the " << records.size()
              << " compilations of files of src/ recorded\n";
    return 0;
}
