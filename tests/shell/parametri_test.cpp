// The parameter file: exact bytes, round trip, malformed files and the safe write.

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/input_record.h"
#include "shell/parametri.h"
#include "shell/parametri_file.h"
#include "support/recording_services.h"

// When not 0, the next rename fails with this error, as one does when the folder is removed
// or the file is a mount point; every other rename is the system's.
int renameFails = 0;
// Done (once) when a save flushes its new file to the disk: what happens meanwhile.
std::function<void()> duringSave;

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) noexcept {
    if (renameFails == 0)
        return static_cast<int>(syscall(SYS_renameat2, fromFolder, from, toFolder, to, 0));
    errno = std::exchange(renameFails, 0);
    return -1;
}

extern "C" int fsync(int fd) noexcept {
    if (duringSave) std::exchange(duringSave, nullptr)();
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ParameterFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("umbralion-param-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        file_ = (dir_ / "Umbralion.dat").string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    void writeFile(const std::string& bytes) const {
        std::ofstream out(file_, std::ios::binary);
        out << bytes;
    }
    std::string readFile() const { return contents(file_); }
    // A name as long as a name may be: no temporary file can be made beside it.
    std::string longName() const { return (dir_ / (std::string(246, 'u') + ".dat")).string(); }
    // Temporary files a save left behind.
    int temporaries() const {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(dir_))
            n += entry.path().extension() == ".tmp";
        return n;
    }
    // The file a save made in the folder (the watch sees no file made before it).
    std::string nameMadeBy(const std::function<void()>& save) const {
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(watch, dir_.c_str(), IN_CREATE);
        save();
        alignas(inotify_event) char event[4096] = {};
        const bool seen = read(watch, event, sizeof event) > 0;
        close(watch);
        return seen ? (dir_ / reinterpret_cast<inotify_event*>(event)->name).string() : "";
    }
    // Does act as another user (its group the same number), a member of group too, in a child
    // process; true when it returned true.
    static bool asUser(uid_t user, gid_t group, const std::function<bool()>& act) {
        const pid_t child = fork();
        if (child == 0) {
            const bool as = setgroups(1, &group) == 0 && setgid(user) == 0 && setuid(user) == 0;
            _exit(as && act() ? 0 : 1);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }
    bool save() { return shell::SaveInputs(inputs, services, file_); }

    fs::path dir_;
    std::string file_;
    shell::InputRecord inputs;
    testsupport::RecordingServices services;
};

// The file a first save of the design-time inputs writes, key by key in the save order.
const std::string kDesignTimeFile =
    "\"LAT\",\"-45.7438\"\r\n"
    "\"DEC\",\"-14.57\"\r\n"
    "\"RADIUS\",\".3\"\r\n"
    "\"ORTO\",\".2\"\r\n"
    "\"DIURNE\",\"1\"\r\n"
    "\"EQUINOX\",\"1\"\r\n"
    "\"ORE\",\"1\"\r\n"
    "\"LEMNISCATA\",\"0\"\r\n"
    "\"HORIZON\",\"0\"\r\n"
    "\"ITALICHE\",\"0\"\r\n"
    "\"BABILONICHE\",\"0\"\r\n"
    "\"TEMPORARIE\",\"0\"\r\n"
    "\"TRIANGOLO\",\"0\"\r\n"
    "\"SUSTILARE\",\"1\"\r\n"
    "\"FRAZIONE\",\"2\"\r\n"
    "\"LONG\",\"-7.6438\"\r\n"
    "\"INCLINATION\",\"-20\"\r\n"
    "\"RomanSize\",\".05\"\r\n"
    "\"Lineofdeclination\",\"27\"\r\n";

TEST_F(ParameterFile, FirstSaveWritesTheNineteenKeysInSaveOrderExactly) {
    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));
    EXPECT_EQ(readFile(), kDesignTimeFile);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));
}

TEST_F(ParameterFile, RoundTripRestoresEveryStoredInputAndNothingElse) {
    inputs.setText("txtLAT", "51.5");
    inputs.setText("txtLON", "0.12");
    inputs.setText("TxtHour", "4");
    inputs.setText("txtReclinZ", "90");
    inputs.setValue("ck_Lemniscate", 1);
    inputs.setValue("ck_DayLightCurves", 0);
    inputs.setValue("ck_Triangolo", 2);
    inputs.setText("TxtFuso", "3");          // not stored
    inputs.setValue("ckQibla", 1);           // not stored
    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));

    shell::InputRecord restored;
    shell::LoadInputs(restored, file_);
    EXPECT_EQ(restored.text("txtLAT"), "51.5");
    EXPECT_EQ(restored.text("txtLON"), "0.12");
    EXPECT_EQ(restored.text("TxtHour"), "4");
    EXPECT_EQ(restored.text("txtReclinZ"), "90");
    EXPECT_EQ(restored.value("ck_Lemniscate"), 1);
    EXPECT_EQ(restored.value("ck_DayLightCurves"), 0);
    EXPECT_EQ(restored.value("ck_Triangolo"), 2);
    EXPECT_EQ(restored.text("TxtFuso"), "-1");
    EXPECT_EQ(restored.value("ckQibla"), 0);
}

TEST_F(ParameterFile, SaveKeepsTheFileOrderAndForeignRecordsAndAppendsMissingKeys) {
    writeFile("\"ORE\",\"0\"\r\n\"comment\",\"kept as it is\"\r\n\"LAT\",\"10\"\r\n");
    inputs.setText("txtLAT", "12");
    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));
    const std::string bytes = readFile();
    EXPECT_EQ(bytes.rfind("\"ORE\",\"1\"\r\n\"comment\",\"kept as it is\"\r\n\"LAT\",\"12\"\r\n"
                          "\"DEC\",\"-14.57\"\r\n\"RADIUS\",",
                          0),
              0u)
        << bytes;
    EXPECT_EQ(shell::Parametri::parse(bytes).size(), 20u);
}

TEST_F(ParameterFile, DuplicateKeysFirstCountsAndIsUpdatedBothAreWritten) {
    writeFile("\"LAT\",\"1\"\r\n\"LAT\",\"2\"\r\n");
    shell::Parametri store(file_);
    EXPECT_EQ(store.Leggi("LAT"), "1");
    store.setValue("LAT", "3");
    ASSERT_TRUE(store.save());
    EXPECT_EQ(readFile(), "\"LAT\",\"3\"\r\n\"LAT\",\"2\"\r\n");
}

TEST_F(ParameterFile, KeysAreCaseSensitiveAndEmptyValuesLeaveDefaults) {
    writeFile("\"lat\",\"10\"\r\n\"DEC\",\"\"\r\n\"ORTO\",\"0.5\"\r\n");
    shell::LoadInputs(inputs, file_);
    EXPECT_EQ(inputs.text("txtLAT"), "-45.7438");
    EXPECT_EQ(inputs.text("txtDecl"), "-14.57");
    EXPECT_EQ(inputs.text("txtStilo"), "0.5");
}

TEST_F(ParameterFile, AMissingFileIsLookedForAgainAFileThereIsReadOnce) {
    // Missing, or there with no record (a large file of line ends is not read for every key).
    for (const char* first : {"", "\r\n\r\n"}) {
        const bool there = *first;
        fs::remove(file_);
        if (there) writeFile(first);
        shell::Parametri store(file_);
        EXPECT_EQ(store.Leggi("LAT"), "");
        writeFile("\"LAT\",\"7\"\r\n");
        EXPECT_EQ(store.Leggi("LAT"), there ? "" : "7");
    }
}

TEST(ParameterFileReading, AcceptsLineEndsBareFieldsAndBlankLines) {
    using R = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(shell::Parametri::parse("\"A\",\"1\"\n\"B\",\"2\"\n"), (R{{"A", "1"}, {"B", "2"}}));
    EXPECT_EQ(shell::Parametri::parse("\"A\",\"1\"\r\"B\",\"2\""), (R{{"A", "1"}, {"B", "2"}}));
    EXPECT_EQ(shell::Parametri::parse("  A ,  -3.5  \r\n\r\n\r\nB,2\r\n"),
              (R{{"A", "-3.5"}, {"B", "2"}}));
    // A comma inside quotes belongs to the value; text after a closing quote is dropped.
    EXPECT_EQ(shell::Parametri::parse("\"A\",\"1,5\"x\r\n"), (R{{"A", "1,5"}}));
    // Key and value may stand on separate lines.
    EXPECT_EQ(shell::Parametri::parse("\"A\"\r\n\"1\"\r\n"), (R{{"A", "1"}}));
    // NUL bytes between records, as a write cut short leaves them, are blanks; inside quotes
    // they stay part of the value.
    using namespace std::string_literals;
    EXPECT_EQ(shell::Parametri::parse("\0\0\"A\",\"1\"\r\n\0\0B,\0" "2\0\r\n\0\0"s),
              (R{{"A", "1"}, {"B", "2"}}));
    EXPECT_EQ(shell::Parametri::parse("\"A\",\"1\0" "2\""s), (R{{"A", "1\0" "2"s}}));
}

TEST(ParameterFileReading, TruncatedFilesLoseOnlyTheirLastRecord) {
    using R = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(shell::Parametri::parse("\"A\",\"1\"\r\n\"B\""), (R{{"A", "1"}, {"B", ""}}));
    EXPECT_EQ(shell::Parametri::parse("\"A\",\"1\"\r\n\"B\","), (R{{"A", "1"}, {"B", ""}}));
    EXPECT_EQ(shell::Parametri::parse("\"A\",\"1\"\r\n\"B\",\"2"), (R{{"A", "1"}, {"B", "2"}}));
    EXPECT_EQ(shell::Parametri::parse(""), R{});
}

TEST_F(ParameterFile, MoreThanAHundredRecordsAreKept) {
    std::string bytes;
    for (int i = 0; i < 150; ++i)
        bytes += "\"K" + std::to_string(i) + "\",\"" + std::to_string(i) + "\"\r\n";
    bytes += "\"LAT\",\"33\"\r\n";
    writeFile(bytes);
    shell::LoadInputs(inputs, file_);
    EXPECT_EQ(inputs.text("txtLAT"), "33");

    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));
    const auto records = shell::Parametri::parse(readFile());
    ASSERT_EQ(records.size(), 169u);
    EXPECT_EQ(records[149].first, "K149");
    EXPECT_EQ(records[150], (std::pair<std::string, std::string>{"LAT", "33"}));
}

TEST_F(ParameterFile, CheckBoxValueThatIsNoTickIsIgnoredAndTheRestIsRead) {
    writeFile(
        "\"DIURNE\",\"yes\"\r\n\"ORE\",\"7\"\r\n\"EQUINOX\",\" 0 \"\r\n\"LEMNISCATA\",\"1\"\r\n"
        "\"SUSTILARE\",\"-1\"\r\n\"ITALICHE\",\"2\"\r\n\"LAT\",\"12\"\r\n"
        "\"HORIZON\",\"+1\"\r\n\"BABILONICHE\",\" +2 \"\r\n\"TEMPORARIE\",\"+-1\"\r\n"
        "\"TRIANGOLO\",\"+\"\r\n");
    shell::LoadInputs(inputs, file_);
    EXPECT_EQ(inputs.value("ck_DayLightCurves"), 1);
    EXPECT_EQ(inputs.value("chkOreAstronomiche"), 1);
    EXPECT_EQ(inputs.value("ck_Equinoziale"), 0);
    EXPECT_EQ(inputs.value("ck_Lemniscate"), 1);
    EXPECT_EQ(inputs.value("ck_Sustilare"), 1);
    EXPECT_EQ(inputs.value("ck_Italiche"), 2);
    EXPECT_EQ(inputs.text("txtLAT"), "12");
    // A sign is read as the text-to-integer conversion reads it; two signs are no number.
    EXPECT_EQ(inputs.value("ck_orizzonte"), 1);
    EXPECT_EQ(inputs.value("ck_babiloniche"), 2);
    EXPECT_EQ(inputs.value("ckTemp"), 0);
    EXPECT_EQ(inputs.value("ck_Triangolo"), 0);
}

TEST_F(ParameterFile, AByteOrderMarkBeforeTheFirstKeyIsSkipped) {
    writeFile("\xEF\xBB\xBF\"LAT\",\"33.5\"\r\n\"DEC\",\"12\"\r\n");
    shell::LoadInputs(inputs, file_);
    EXPECT_EQ(inputs.text("txtLAT"), "33.5");
    EXPECT_EQ(inputs.text("txtDecl"), "12");
    using R = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(shell::Parametri::parse("\xEF\xBB\xBFLAT,1\r\n"), (R{{"LAT", "1"}}));
    // Only at the start of the file.
    EXPECT_EQ(shell::Parametri::parse("A,\xEF\xBB\xBF" "1"), (R{{"A", "\xEF\xBB\xBF" "1"}}));
}

TEST_F(ParameterFile, DoubleQuotesAndLineBreaksInAValueCannotBreakTheFile) {
    inputs.setText("txtLAT", "4\"5,\"x\"");
    inputs.setText("txtDecl", "1\r\n\"LAT\",\"99\"");
    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));
    EXPECT_EQ(readFile().rfind("\"LAT\",\"4\"\"5,\"\"x\"\"\"\r\n", 0), 0u);

    const auto records = shell::Parametri::parse(readFile());
    EXPECT_EQ(records.size(), 19u);
    shell::InputRecord restored;
    shell::LoadInputs(restored, file_);
    EXPECT_EQ(restored.text("txtLAT"), "4\"5,\"x\"");
    EXPECT_EQ(restored.text("txtDecl"), "1\r\n\"LAT\",\"99\"");
}

TEST_F(ParameterFile, WhereNoNewFileCanBeMadeAWritableFileIsWrittenInPlace) {
    // No temporary file can be made beside a file whose name is as long as a name may be.
    file_ = longName();
    writeFile("\"LAT\",\"10\"\r\n\"Comment\",\"a long record that the save makes shorter\"\r\n");
    const fs::path sameFile = dir_ / "same";   // a second name of the file written in place
    fs::create_hard_link(file_, sameFile);
    inputs.setText("txtLAT", "20");
    EXPECT_TRUE(shell::SaveInputs(inputs, services, file_));
    EXPECT_TRUE(services.messages.empty());
    const auto records = shell::Parametri::parse(readFile());
    ASSERT_EQ(records.size(), 20u);
    EXPECT_EQ(records[0], (std::pair<std::string, std::string>{"LAT", "20"}));
    EXPECT_EQ(readFile().size(), shell::Parametri::format(records).size());
    std::ifstream same(sameFile, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(same), {}), readFile());

    // A folder that takes no new file at all (where permissions hold for this user).
    const fs::path locked = dir_ / "locked";
    fs::create_directory(locked);
    const std::string inLocked = (locked / "Umbralion.dat").string();
    std::ofstream(inLocked, std::ios::binary) << "\"LAT\",\"10\"\r\n";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const bool permissionsHold = !std::ofstream((locked / "probe").string());
    if (permissionsHold) {
        EXPECT_TRUE(shell::SaveInputs(inputs, services, inLocked));
        EXPECT_TRUE(services.messages.empty());
        std::ifstream in(inLocked, std::ios::binary);
        EXPECT_EQ(shell::Parametri::parse(std::string(std::istreambuf_iterator<char>(in), {}))
                      .at(0)
                      .second,
                  "20");
        // No file there yet: nothing can be saved, and the message says why.
        EXPECT_FALSE(shell::SaveInputs(inputs, services, (locked / "New.dat").string()));
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_NE(services.messages[0].find("could not be saved"), std::string::npos);
        EXPECT_NE(services.messages[0].find("no new file can be made"), std::string::npos);
    }
    fs::permissions(locked, fs::perms::owner_all);
}

TEST_F(ParameterFile, AWriteCutShortByAFileSizeLimitLeavesTheOldFileAndSaysSo) {
    const std::string record =
        "\"LAT\",\"10\"\r\n\"Comment\",\"" + std::string(500, 'c') + "\"\r\n";
    // The new file is longer than the limit (the save ignores the limit's signal); the last key
    // saved holds the excess, so that a save writing key by key would change the file first.
    inputs.setText("txtLAT", "20");
    inputs.setText("txtlineofdeclination", std::string(4000, '7'));
    // In place, the old bytes are put back; a limit below the old file's size stops that too,
    // but only where the new bytes stopped: the file is as it was, and not called damaged.
    struct Row { bool inPlace; rlim_t limit; };
    const Row rows[] = {{false, record.size()}, {true, record.size()}, {true, record.size() / 2}};
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.limit);
        if (row.inPlace) file_ = longName();
        writeFile(record);
        services.messages.clear();
        rlimit limited = before;
        limited.rlim_cur = row.limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool saved = shell::SaveInputs(inputs, services, file_);
        setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_FALSE(saved);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_NE(services.messages[0].find("could not be saved"), std::string::npos);
        EXPECT_EQ(services.messages[0].find("damaged"), std::string::npos);
        EXPECT_EQ(readFile(), record) << services.messages[0];
        EXPECT_EQ(temporaries(), 0);
    }
}

TEST_F(ParameterFile, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    // Where a directory stands in the file's place nothing can be written, in place or not.
    fs::create_directory(file_);
    inputs.setText("txtLAT", "20");
    EXPECT_FALSE(shell::SaveInputs(inputs, services, file_));
    EXPECT_TRUE(fs::is_directory(file_));
    shell::InputRecord loaded;
    EXPECT_NO_THROW(shell::LoadInputs(loaded, file_));   // nor read: the inputs stay
    EXPECT_EQ(loaded.text("txtLAT"), shell::InputRecord().text("txtLAT"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find("could not be saved"), std::string::npos);
    EXPECT_NE(services.messages[0].find(file_), std::string::npos);

    // A rename that fails is said, and the file is not written in place instead (it may be in
    // no folder by then).
    fs::remove(file_);
    writeFile("\"LAT\",\"10\"\r\n");
    renameFails = ENOENT;
    EXPECT_FALSE(shell::SaveInputs(inputs, services, file_));
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_NE(services.messages[1].find("cannot be replaced"), std::string::npos);
    EXPECT_EQ(readFile(), "\"LAT\",\"10\"\r\n");
    EXPECT_EQ(temporaries(), 0);
}

TEST_F(ParameterFile, ALinkedFileIsSavedInTheFileTheLinkLeadsToAndStaysALink) {
    const fs::path real = dir_ / "shared" / "settings.dat";
    fs::create_directories(real.parent_path());
    std::ofstream(real, std::ios::binary) << "\"LAT\",\"10\"\r\n";
    fs::create_symlink(fs::path("shared") / "settings.dat", file_);   // relative to the link
    inputs.setText("txtLAT", "20");
    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file_)));
    std::ifstream in(real, std::ios::binary);
    const std::string saved(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(saved.rfind("\"LAT\",\"20\"\r\n", 0), 0u);
    EXPECT_EQ(readFile(), saved);
    EXPECT_FALSE(fs::exists(dir_ / "Umbralion.dat.tmp"));

    // A link to a link, by an absolute path, and a link whose file is not there yet.
    const std::string second = (dir_ / "second.dat").string();
    fs::create_symlink(fs::absolute(file_), second);
    inputs.setText("txtLAT", "30");
    ASSERT_TRUE(shell::SaveInputs(inputs, services, second));
    EXPECT_EQ(readFile().rfind("\"LAT\",\"30\"\r\n", 0), 0u);
    const std::string dangling = (dir_ / "dangling.dat").string();
    fs::create_symlink("later.dat", dangling);
    ASSERT_TRUE(shell::SaveInputs(inputs, services, dangling));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)));
    EXPECT_TRUE(fs::is_regular_file(dir_ / "later.dat"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ParameterFile, AReadOnlyFileIsReportedAndLeftAlone) {
    writeFile("\"LAT\",\"10\"\r\n");
    // Marked read-only: left alone even by a user the system lets write it (root).
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(file_, readOnly);
    inputs.setText("txtLAT", "20");
    EXPECT_FALSE(shell::SaveInputs(inputs, services, file_));
    EXPECT_EQ(readFile(), "\"LAT\",\"10\"\r\n");
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages.at(0).find("read-only"), std::string::npos);
    EXPECT_EQ(fs::status(file_).permissions(), readOnly);
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));
}

TEST_F(ParameterFile, ASaveKeepsTheFileOwnerGroupAndPermissions) {
    // The saver: this user, or another one, a member of a group, saving in a folder that anyone
    // may write. Where the new file cannot be the old one's (only root gives a file to another
    // user), the file is written in place.
    constexpr uid_t Self = ~uid_t{0};   // to chown: unchanged
    struct Row { mode_t mode; uid_t owner; gid_t group; uid_t saver; gid_t memberOf; };
    const Row rows[] = {{0640, Self, Self, Self, Self},
                        {0664, 65534, 65534, Self, Self},        // root saving a user's file
                        {0664, 65533, 65532, 65534, 65532},      // a member saving the group's
                        {02664, 65534, 65532, 65534, 65532}};    // the owner, in the group
    const bool root = geteuid() == 0;
    fs::permissions(dir_, fs::perms::all);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        if (row.owner != Self && !root) continue;
        fs::remove(file_);
        writeFile("\"LAT\",\"10\"\r\n");
        ASSERT_EQ(chown(file_.c_str(), row.owner, row.group), 0);
        ASSERT_EQ(chmod(file_.c_str(), row.mode), 0);
        struct stat before {}, after {};
        ASSERT_EQ(stat(file_.c_str(), &before), 0);
        inputs.setText("txtLAT", std::to_string(row.mode));
        EXPECT_TRUE(row.saver == Self ? save()
                                      : asUser(row.saver, row.memberOf, [&] { return save(); }));
        ASSERT_EQ(stat(file_.c_str(), &after), 0);
        EXPECT_EQ(std::tie(after.st_mode, after.st_uid, after.st_gid),
                  std::tie(before.st_mode, before.st_uid, before.st_gid));
        // The lock file lets in the users who may write the file, and no others.
        struct stat lock {};
        ASSERT_EQ(stat((file_ + ".lock").c_str(), &lock), 0);
        EXPECT_EQ(lock.st_mode & 07777, (row.mode & 0022) * 3 | 0600);
        EXPECT_EQ(lock.st_gid, after.st_gid);
        EXPECT_EQ(shell::Parametri::parse(readFile()).at(0).second, std::to_string(row.mode));
        EXPECT_EQ(temporaries(), 0);
    }
    if (!root) GTEST_SKIP() << "only root can give the file to another user to test the rest";
}

TEST_F(ParameterFile, ALinkPlantedAtATemporaryNameIsNotFollowed) {
    const fs::path victim = dir_ / "victim.txt";
    std::ofstream(victim) << "\"LAT\",\"66\"\r\n";
    // The name every save used to write, the first one a save of this process tries and, for
    // the second save, the one the first save made: a random part that repeats is caught.
    std::vector<std::string> names{file_ + ".tmp",
                                   file_ + "." + std::to_string(getpid()) + ".tmp"};
    ASSERT_TRUE(save());   // the lock file made first, so that the watch sees only the save's
    for (const bool hard : {false, true}) {
        SCOPED_TRACE(hard ? "hard links" : "symbolic links");
        writeFile("\"LAT\",\"10\"\r\n");
        for (const std::string& name : names)
            hard ? fs::create_hard_link(victim, name) : fs::create_symlink("victim.txt", name);
        inputs.setText("txtLAT", hard ? "1" : "2");
        const std::string made =
            nameMadeBy([&] { EXPECT_TRUE(shell::SaveInputs(inputs, services, file_)); });
        EXPECT_NE(made, "");   // through a temporary file, not in place
        EXPECT_EQ(contents(victim), "\"LAT\",\"66\"\r\n");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file_)));
        EXPECT_EQ(shell::Parametri::parse(readFile()).at(0).second, hard ? "1" : "2");
        EXPECT_EQ(temporaries(), static_cast<int>(names.size()));   // the planted ones
        for (const std::string& name : names) fs::remove(name);
        names.push_back(made);
    }
    EXPECT_TRUE(services.messages.empty());

    // In a shared folder (everyone writes, the sticky bit keeps names), a parameter file that
    // is another user's link is neither followed nor read (only root can give a link to
    // another user).
    const fs::path shared = dir_ / "shared", link = shared / "Umbralion.dat";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    fs::create_symlink("../victim.txt", link);
    if (geteuid() != 0 || lchown(link.c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    EXPECT_FALSE(shell::SaveInputs(inputs, services, link.string()));
    EXPECT_NE(services.messages.at(0).find("made by another user"), std::string::npos);
    EXPECT_EQ(contents(victim), "\"LAT\",\"66\"\r\n");
    shell::InputRecord loaded;
    EXPECT_NE(shell::LoadInputs(loaded, link.string()).find("made by another user"),
              std::string::npos);
    EXPECT_EQ(loaded.text("txtLAT"), shell::InputRecord().text("txtLAT"));
}

TEST_F(ParameterFile, OnlyARegularFileIsLoadedOrSaved) {
    fs::create_directory(dir_ / "folder");
    fs::create_symlink("loop", dir_ / "loop");
    // What the parameter file is: a FIFO itself (""), or a link to something else.
    struct Row { const char* linkTo; const char* why; };
    const Row rows[] = {{"", "a FIFO (named pipe)"}, {"/dev/null", "a device"},
                        {"/dev/zero", "a device"},   {"folder", "a folder"},
                        {"loop", "a loop of symbolic links"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        // A store that read a regular file, which then becomes something else: its save
        // refuses by the writer's own rule.
        fs::remove(file_);
        writeFile("\"LAT\",\"10\"\r\n");
        shell::Parametri early(file_);
        EXPECT_EQ(early.Leggi("LAT"), "10");
        fs::remove(file_);
        if (*row.linkTo) fs::create_symlink(row.linkTo, file_);
        else ASSERT_EQ(mkfifo(file_.c_str(), 0644), 0);
        const fs::file_type before = fs::symlink_status(file_).type();
        shell::InputRecord loaded;
        const std::string message = shell::LoadInputs(loaded, file_);
        EXPECT_NE(message.find("could not be loaded from " + file_ + ": it is " + row.why +
                               ", not a regular file"), std::string::npos) << message;
        EXPECT_EQ(loaded.text("txtLAT"), inputs.text("txtLAT"));
        services.messages.clear();
        EXPECT_FALSE(shell::SaveInputs(inputs, services, file_));
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_NE(services.messages[0].find(row.why), std::string::npos);
        EXPECT_FALSE(early.save());
        EXPECT_NE(early.lastError().find(row.why), std::string::npos);
        EXPECT_EQ(fs::symlink_status(file_).type(), before);
        EXPECT_EQ(temporaries(), 0);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    fs::remove(file_);

    // A file larger than any parameter file is neither read nor replaced; a large one is.
    for (const std::size_t size : {std::size_t{100} << 20, shell::kMaxParameterFileBytes + 1}) {
        writeFile("\"LAT\",\"33\"\r\n\"pad\",\"");
        fs::resize_file(file_, size);
        const bool tooLarge = size > shell::kMaxParameterFileBytes;
        shell::InputRecord loaded;
        EXPECT_EQ(shell::LoadInputs(loaded, file_).find("larger than") != std::string::npos,
                  tooLarge);
        EXPECT_EQ(loaded.text("txtLAT"), tooLarge ? inputs.text("txtLAT") : "33");
        EXPECT_EQ(shell::SaveInputs(inputs, services, file_), !tooLarge);
        EXPECT_EQ(fs::file_size(file_) == size, tooLarge);
    }
}

TEST_F(ParameterFile, SavesTakeTurnsAndALoadBetweenThemWaitsForTheWholeFile) {
    // A save holds its lock from reading the file to its last write: another program's save (a
    // record added between the first one's read and its rename, or its write in place) waits
    // and reads what the first one wrote, and so does a load started meanwhile.
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "in place" : "through a new file");
        if (inPlace) file_ = longName();
        writeFile(kDesignTimeFile);
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        const pid_t other = fork();
        if (other == 0) {
            char byte = 0;
            if (read(go[0], &byte, 1) != 1) _exit(1);
            shell::Parametri store(file_);
            store.setValue("Second", "2");
            _exit(store.save() ? 0 : 1);
        }
        shell::Parametri first(file_);
        first.setValue("LAT", "11");
        first.setValue("First", "1");
        ASSERT_EQ(write(go[1], "g", 1), 1);
        shell::InputRecord loaded;
        std::thread load([&] { shell::LoadInputs(loaded, file_); });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        int status = 0;
        EXPECT_EQ(waitpid(other, &status, WNOHANG), 0);   // still waiting
        EXPECT_TRUE(first.save());
        load.join();
        ASSERT_EQ(waitpid(other, &status, 0), other);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(loaded.text("txtLAT"), "11");
        const auto records = shell::Parametri::parse(readFile());
        EXPECT_EQ(shell::Parametri::format(records), readFile());   // no NUL, no blank, whole
        ASSERT_EQ(records.size(), 21u);
        EXPECT_EQ(records[19].first + records[20].first, "FirstSecond");
        close(go[0]);
        close(go[1]);
    }
}

TEST_F(ParameterFile, AUserWhoMayOnlyReadTheFileDelaysNoLoadAndStopsNoSave) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can act as another user";
    // That user's lock on the file: exclusive, shared, or a read lock where the save would lock
    // the file itself (a name too long for a lock file beside it: the file written in place).
    struct Row { int flock; bool lockFile; };
    for (const Row row : {Row{LOCK_EX, true}, Row{LOCK_SH, true}, Row{0, false}}) {
        SCOPED_TRACE(row.flock);
        if (!row.lockFile) file_ = (dir_ / (std::string(250, 'u') + ".dat")).string();
        writeFile(kDesignTimeFile);   // readable by all, written by its owner
        ASSERT_TRUE(save());
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t reader = fork();
        if (reader == 0) {
            const gid_t nobody = 65534;
            struct flock range {};
            range.l_type = F_RDLCK;
            const int fd = setgroups(1, &nobody) == 0 && setgid(nobody) == 0 &&
                                   setuid(nobody) == 0 ? open(file_.c_str(), O_RDONLY) : -1;
            const bool held = fd >= 0 && (row.flock ? flock(fd, row.flock)
                                                    : fcntl(fd, F_OFD_SETLK, &range)) == 0;
            const char byte = held && open((file_ + ".lock").c_str(), O_RDONLY) < 0 ? 'y' : 'n';
            if (write(ready[1], &byte, 1) == 1) pause();   // holding it until killed
            _exit(1);
        }
        const std::shared_ptr<void> end(nullptr, [&](void*) {
            kill(reader, SIGKILL);
            waitpid(reader, nullptr, 0);
            close(ready[0]);
            close(ready[1]);
        });
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        EXPECT_EQ(byte, 'y');   // it holds the lock, and cannot open the lock file
        const auto start = std::chrono::steady_clock::now();
        shell::InputRecord loaded;
        EXPECT_EQ(shell::LoadInputs(loaded, file_), "");
        inputs.setText("txtLAT", std::to_string(row.flock));
        EXPECT_TRUE(save());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(shell::Parametri::parse(readFile()).at(0).second, std::to_string(row.flock));
    }
}

TEST_F(ParameterFile, ASaveLeavesNoTemporaryFileWhenItsFolderIsRenamedOrMadeReadOnly) {
    writeFile(kDesignTimeFile);
    // Renamed while the new file is written: the save goes on in the folder it opened (where a
    // relative name's current folder goes too).
    const fs::path moved = dir_.string() + "-moved";
    duringSave = [&] { fs::rename(dir_, moved); };
    inputs.setText("txtLAT", "20");
    const bool saved = save();
    fs::rename(moved, dir_);
    EXPECT_TRUE(saved);
    EXPECT_EQ(shell::Parametri::parse(readFile()).at(0).second, "20");
    EXPECT_EQ(temporaries(), 0);

    // Made read-only by its owner (root writes in it all the same: the test gives the folder
    // and the file to another user, who saves): the file is written in place.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(dir_.c_str(), 65534, 65534) | chown(file_.c_str(), 65534, 65534), 0);
    }
    inputs.setText("txtLAT", "30");
    const auto readOnly = [&] {
        duringSave = [&] { fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec); };
        return save();
    };
    EXPECT_TRUE(root ? asUser(65534, 65534, readOnly) : readOnly());
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(shell::Parametri::parse(readFile()).at(0).second, "30");
    EXPECT_EQ(temporaries(), 0);
}

TEST_F(ParameterFile, ProcessesSavingOneFileAtOnceLoseNoRecordAndReadersSeeWholeFiles) {
    std::string bytes;
    for (int i = 0; i < 200; ++i)
        bytes += "\"K" + std::to_string(i) + "\",\"" + std::to_string(i) + "\"\r\n";
    writeFile(bytes);
    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));
    constexpr std::size_t Records = 219;
    constexpr int Saves = 60;
    pid_t children[4];
    for (int c = 0; c < 4; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            bool saved = true;
            for (int i = 0; i < Saves; ++i) {
                inputs.setText("txtLAT", std::to_string(100 * c + i));
                saved = shell::SaveInputs(inputs, services, file_) && saved;
            }
            _exit(saved ? 0 : 1);
        }
    }
    int running = 4, reads = 0, partial = 0;
    while (running > 0) {
        for (pid_t& child : children) {
            int status = 0;
            if (child > 0 && waitpid(child, &status, WNOHANG) == child) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                child = 0;
                --running;
            }
        }
        ++reads;
        partial += shell::Parametri::parse(readFile()).size() != Records;
    }
    EXPECT_EQ(partial, 0) << "of " << reads << " reads";
    EXPECT_EQ(shell::Parametri::parse(readFile()).size(), Records);
    shell::Parametri last(file_);   // the last save installed is some process's last one
    EXPECT_EQ(std::stoi(last.Leggi("LAT")) % 100, Saves - 1);
    EXPECT_EQ(temporaries(), 0);
}

}  // namespace
