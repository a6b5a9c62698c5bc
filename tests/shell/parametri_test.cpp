// The parameter file: exact bytes, round trip, malformed files and the safe write.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "shell/input_record.h"
#include "shell/parametri.h"
#include "support/recording_services.h"

namespace {

namespace fs = std::filesystem;

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
    std::string readFile() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

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
    shell::Parametri store;
    store.setNomeFile(file_);
    EXPECT_EQ(store.Leggi("LAT"), "1");
    ASSERT_TRUE(store.Scrivi("LAT", "3"));
    EXPECT_EQ(readFile(), "\"LAT\",\"3\"\r\n\"LAT\",\"2\"\r\n");
}

TEST_F(ParameterFile, KeysAreCaseSensitiveAndEmptyValuesLeaveDefaults) {
    writeFile("\"lat\",\"10\"\r\n\"DEC\",\"\"\r\n\"ORTO\",\"0.5\"\r\n");
    shell::LoadInputs(inputs, file_);
    EXPECT_EQ(inputs.text("txtLAT"), "-45.7438");
    EXPECT_EQ(inputs.text("txtDecl"), "-14.57");
    EXPECT_EQ(inputs.text("txtStilo"), "0.5");
}

TEST_F(ParameterFile, MissingFileLeavesDesignTimeValuesAndIsLookedForAgain) {
    shell::Parametri store;
    store.setNomeFile(file_);
    EXPECT_EQ(store.Leggi("LAT"), "");
    writeFile("\"LAT\",\"7\"\r\n");
    EXPECT_EQ(store.Leggi("LAT"), "7");
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
    writeFile("\"LAT\",\"10\"\r\n\"Comment\",\"a long record that the save makes shorter\"\r\n");
    // The temporary file cannot be created where a directory of its name stands.
    fs::create_directory(file_ + ".tmp");
    inputs.setText("txtLAT", "20");
    EXPECT_TRUE(shell::SaveInputs(inputs, services, file_));
    EXPECT_TRUE(services.messages.empty());
    const auto records = shell::Parametri::parse(readFile());
    ASSERT_EQ(records.size(), 20u);
    EXPECT_EQ(records[0], (std::pair<std::string, std::string>{"LAT", "20"}));
    EXPECT_EQ(readFile().size(), shell::Parametri::format(records).size());

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

TEST_F(ParameterFile, AWriteCutShortByAFileSizeLimitLeavesTheOldFileOrSaysItIsDamaged) {
    const std::string record =
        "\"LAT\",\"10\"\r\n\"Comment\",\"" + std::string(500, 'c') + "\"\r\n";
    // The new file is longer than the limit (the save ignores the limit's signal); the last key
    // saved holds the excess, so that a save writing key by key would change the file first.
    inputs.setText("txtLAT", "20");
    inputs.setText("txtlineofdeclination", std::string(4000, '7'));
    struct Row { bool inPlace; rlim_t limit; const char* damaged; };
    const Row rows[] = {{false, record.size(), nullptr},    // through a temporary file
                        {true, record.size(), nullptr},     // in place, old bytes put back
                        {true, record.size() / 2, "the file is damaged"}};  // nor those
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.limit);
        writeFile(record);
        if (row.inPlace) fs::create_directory(file_ + ".tmp");
        services.messages.clear();
        rlimit limited = before;
        limited.rlim_cur = row.limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool saved = shell::SaveInputs(inputs, services, file_);
        setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_FALSE(saved);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_NE(services.messages[0].find("could not be saved"), std::string::npos);
        if (row.damaged)
            EXPECT_NE(services.messages[0].find(row.damaged), std::string::npos);
        else
            EXPECT_EQ(readFile(), record) << services.messages[0];
        EXPECT_EQ(fs::is_directory(file_ + ".tmp"), row.inPlace);
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

TEST_F(ParameterFile, ASaveKeepsTheFilePermissions) {
    writeFile("\"LAT\",\"10\"\r\n");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file_, perms);
    ASSERT_TRUE(shell::SaveInputs(inputs, services, file_));
    EXPECT_EQ(fs::status(file_).permissions(), perms);
}

}  // namespace
