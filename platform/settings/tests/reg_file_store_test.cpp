#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/core/text.h"
#include "platform/settings/reg_file_store.h"
#include "platform/testing/temp_home.h"

extern char** environ;

namespace qb {
namespace {

namespace fs = std::filesystem;

const std::string kKey = "Software\\Quillbrook\\Orvelia";

std::string fileText(const std::string& path) {
    std::string s;
    EXPECT_TRUE(text::readFile(path, s)) << path;
    return s;
}

// Starts the writer helper that is built beside this test program.
pid_t startWriter(const std::vector<std::string>& args) {
    const std::string helper = (fs::read_symlink("/proc/self/exe").parent_path() / "reg_writer_helper").string();
    std::vector<char*> argv{const_cast<char*>(helper.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, helper.c_str(), nullptr, nullptr, argv.data(), environ), 0) << helper;
    return pid;
}

int waitExit(pid_t pid) {
    int status = 0;
    EXPECT_EQ(waitpid(pid, &status, 0), pid);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(RegFileStore, FolderComesFromXdgConfigHome) {
    EXPECT_EQ(RegFileStore::defaultFolder(), std::string(std::getenv("XDG_CONFIG_HOME")) + "/Quillbrook");
    RegFileStore store;
    EXPECT_EQ(store.fileFor(kKey), store.folder() + "/Orvelia.reg");
    EXPECT_EQ(store.fileFor("Orvelia"), store.folder() + "/Orvelia.reg");
}

TEST(RegFileStore, MissingKeyAndUnsafeNames) {
    RegFileStore store(testing::makeTempDir("reg") + "/Quillbrook");
    EXPECT_EQ(store.readKey(kKey), std::nullopt);
    EXPECT_EQ(store.readKey("Software\\Quillbrook\\Nowhere"), std::nullopt);
    for (const std::string bad : {"Software\\", "Software\\..", "Software\\.", "Software\\a/b", "Software\\x\ny"}) {
        EXPECT_EQ(store.fileFor(bad), "") << bad;
        EXPECT_FALSE(store.writeValues(bad, {{"A", RegValue::ofDword(1)}})) << bad;
        EXPECT_EQ(store.readKey(bad), std::nullopt) << bad;
    }
    EXPECT_FALSE(fs::exists(store.folder() + "/../b.reg"));
}

TEST(RegFileStore, WritesTheExactFileInANewPrivateFolder) {
    const std::string folder = testing::makeTempDir("reg") + "/deeper/Quillbrook";
    RegFileStore store(folder);
    ASSERT_TRUE(store.writeValues(kKey, {{"Top", RegValue::ofDword(0)},
                                         {"Musikordner", RegValue::ofString("/home/dj/Musik")},
                                         {"Start", RegValue::ofBinary({0x9a, 0x99, 0x99, 0x99, 0x59, 0x2e, 0xe6, 0x40})}}));
    EXPECT_EQ(fileText(folder + "/Orvelia.reg"),
              "REGEDIT4\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Quillbrook\\Orvelia]\n"
              "\"Musikordner\"=\"/home/dj/Musik\"\n"
              "\"Start\"=hex:9a,99,99,99,59,2e,e6,40\n"
              "\"Top\"=dword:00000000\n");
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    // Only the data file and its lock remain: no temporary file is left behind.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Orvelia.reg", "Orvelia.reg.lock"}));
}

TEST(RegFileStore, ValuesRoundTripThroughTheFile) {
    const std::string folder = testing::makeTempDir("reg");
    const RegValues values{{"Dword", RegValue::ofDword(0xfffffb00)},
                           {"Zero", RegValue::ofDword(0)},
                           {"Quotes", RegValue::ofString("Er sagte \"Hallo\"")},
                           {"Backslashes", RegValue::ofString("C:\\Musik\\\\")},
                           {"Umlauts", RegValue::ofString("Größte Hits – Ä Ö Ü ß")},
                           {"Empty", RegValue::ofString("")},
                           {"Lines", RegValue::ofString("eins\r\nzwei\n")},
                           {"Start", RegValue::ofBinary({0x9a, 0x99, 0x99, 0x99, 0x59, 0x2e, 0xe6, 0x40})},
                           {"NoBytes", RegValue::ofBinary({})}};
    ASSERT_TRUE(RegFileStore(folder).writeValues(kKey, values));
    EXPECT_EQ(RegFileStore(folder).readKey(kKey), values);
    // An empty write still creates the key.
    ASSERT_TRUE(RegFileStore(folder).writeValues("Software\\Quillbrook\\Singalo", {}));
    EXPECT_EQ(RegFileStore(folder).readKey("Software\\Quillbrook\\Singalo"), RegValues{});
}

TEST(RegFileStore, AWriterKeepsEveryOtherValue) {
    const std::string folder = testing::makeTempDir("reg");
    RegFileStore a(folder), b(folder);
    ASSERT_TRUE(a.writeValues(kKey, {{"Top", RegValue::ofDword(1)}, {"EqEin", RegValue::ofDword(1)}}));
    ASSERT_TRUE(b.writeValues(kKey, {{"PreviewSD", RegValue::ofString("USB")}, {"eqein", RegValue::ofDword(0)}}));
    // A key of another path whose last part is the same shares the file, and
    // neither loses the other.
    ASSERT_TRUE(b.writeValues("Software\\Other\\Orvelia", {{"Top", RegValue::ofDword(9)}}));
    EXPECT_EQ(a.readKey(kKey), (RegValues{{"Top", RegValue::ofDword(1)},
                                          {"PreviewSD", RegValue::ofString("USB")},
                                          {"eqein", RegValue::ofDword(0)}}));
    EXPECT_EQ(a.readKey("software\\OTHER\\Orvelia"), (RegValues{{"Top", RegValue::ofDword(9)}}));
}

TEST(RegFileStore, GarbageFilesGiveWhatIsReadable) {
    const std::string folder = testing::makeTempDir("reg");
    const std::string path = folder + "/Orvelia.reg";
    RegFileStore store(folder);
    const std::string garbage[] = {"", "REGEDIT4", "\x01\x02\xff\xfe[[[]]]\"\"==", "[HKEY_CURRENT_USER\\Software\\Quill"};
    for (const auto& g : garbage) {
        { std::ofstream(path, std::ios::binary) << g; }
        EXPECT_EQ(store.readKey(kKey), std::nullopt) << g;
    }
    { std::ofstream(path, std::ios::binary) << "\x01\x02\n[HKEY_CURRENT_USER\\" << kKey << "]\n\"A\"=dword:00000007\n\"B\"=\"cut"; }
    EXPECT_EQ(store.readKey(kKey), (RegValues{{"A", RegValue::ofDword(7)}}));
    ASSERT_TRUE(store.writeValues(kKey, {{"C", RegValue::ofString("neu")}}));
    EXPECT_EQ(store.readKey(kKey), (RegValues{{"A", RegValue::ofDword(7)}, {"C", RegValue::ofString("neu")}}));
}

TEST(RegFileStore, AFileBehindALinkStaysALink) {
    const std::string folder = testing::makeTempDir("reg");
    const std::string elsewhere = testing::makeTempDir("dotfiles") + "/Orvelia.reg";
    { std::ofstream(elsewhere) << "REGEDIT4\n\n[HKEY_CURRENT_USER\\" << kKey << "]\n\"A\"=dword:00000001\n"; }
    fs::create_symlink(elsewhere, folder + "/Orvelia.reg");
    ASSERT_TRUE(RegFileStore(folder).writeValues(kKey, {{"B", RegValue::ofDword(2)}}));
    EXPECT_TRUE(fs::is_symlink(folder + "/Orvelia.reg"));
    EXPECT_EQ(RegFileStore(folder).readKey(kKey), (RegValues{{"A", RegValue::ofDword(1)}, {"B", RegValue::ofDword(2)}}));
}

TEST(RegFileStore, UnreadableFileIsNotOverwritten) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const std::string folder = testing::makeTempDir("reg");
    const std::string path = folder + "/Orvelia.reg";
    { std::ofstream(path) << "REGEDIT4\n"; }
    chmod(path.c_str(), 0);
    EXPECT_FALSE(RegFileStore(folder).writeValues(kKey, {{"A", RegValue::ofDword(1)}}));
    chmod(path.c_str(), 0600);
    EXPECT_EQ(fileText(path), "REGEDIT4\n");
}

// Two processes write their own values of one key at the same moment, many
// times over; the lock must make every write see the other's last values.
TEST(RegFileStore, TwoProcessesWritingAtOnceLoseNothing) {
    const std::string folder = testing::makeTempDir("reg");
    const std::string go = folder + "/go";
    const int count = 200;
    const pid_t a = startWriter({folder, kKey, "A", std::to_string(count), go});
    const pid_t b = startWriter({folder, kKey, "B", std::to_string(count), go});
    { std::ofstream(go) << "go"; }
    EXPECT_EQ(waitExit(a), 0);
    EXPECT_EQ(waitExit(b), 0);
    const auto values = RegFileStore(folder).readKey(kKey);
    ASSERT_TRUE(values);
    RegValues expected;
    for (int i = count - 10; i < count; ++i) {
        expected["A" + std::to_string(i % 10)] = RegValue::ofDword(static_cast<std::uint32_t>(i));
        expected["B" + std::to_string(i % 10)] = RegValue::ofDword(static_cast<std::uint32_t>(i));
    }
    EXPECT_EQ(*values, expected);
}

// A writer killed at any moment leaves a whole file: the old one or the new.
TEST(RegFileStore, AKilledWriterLeavesAWholeFile) {
    const std::string folder = testing::makeTempDir("reg");
    RegFileStore store(folder);
    ASSERT_TRUE(store.writeValues(kKey, {{"Keep", RegValue::ofString("alt")}}));
    for (int round = 0; round < 5; ++round) {
        const pid_t w = startWriter({folder, kKey, "W", "0", "", "200000"});
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + 17 * round));
        kill(w, SIGKILL);
        waitpid(w, nullptr, 0);
        const auto values = store.readKey(kKey);
        ASSERT_TRUE(values) << round;
        EXPECT_EQ(values->at("Keep"), RegValue::ofString("alt"));
        if (values->count("WPad")) {
            const std::string& pad = values->at("WPad").str;
            EXPECT_EQ(pad.size(), 200000u);
            EXPECT_EQ(pad.find_first_not_of(pad[0]), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace qb
