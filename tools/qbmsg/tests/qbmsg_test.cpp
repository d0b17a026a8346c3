// qbmsg against a far side written from the frame table with plain sockets.
#include "tools/qbmsg/tests/raw_window.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace qb::testing {
namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out, err;
};

// ToolRun qbmsg; whileRunning plays the far side before the tool is waited for.
ToolRun qbmsg(const QStringList& args, const std::function<void()>& whileRunning = {}) {
    QProcess p;
    p.start(QStringLiteral(QBMSG_PATH), args);
    EXPECT_TRUE(p.waitForStarted(10000));
    if (whileRunning) whileRunning();
    EXPECT_TRUE(p.waitForFinished(20000));
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

std::string zeroFilled(const std::string& text) { return text + std::string(255 - text.size(), '\0'); }

TEST(Qbmsg, PostsReachAWindowAsFrames) {
    struct Case {
        QStringList args;
        RawFrame frame;
    };
    const Case cases[] = {
        {{"post", "Orvelia", "13"}, {1, 0, 13, 0, ""}},
        {{"post", "Preview", "1", "196625"}, {1, 0, 1, 196625, ""}},
        {{"post", "Info Orvelia", "4294967295", "-2147483648"}, {1, 0, 4294967295u, INT32_MIN, ""}},
        // codes by name, for the caption they are posted to
        {{"post", "Preview", "stop"}, {1, 0, 2, 0, ""}},
        {{"post", "Orvelia", "play"}, {1, 0, 13, 0, ""}},
        {{"post", "Kinolux", "volume", "64"}, {1, 0, 46, 64, ""}},
        {{"post", "Marquesta", "closed", "1"}, {1, 0, 43, 1, ""}},
        // MIDI: status + 256 * data1 + 65536 * data2
        {{"post", "Orvelia", "midi", "145", "100", "1"}, {1, 0, 145 + 256 * 100 + 65536, 0, ""}},
        {{"post", "Preview", "midi", "178", "96", "0", "-3"}, {1, 0, 178 + 256 * 96, -3, ""}},
    };
    unsigned handle = 1000;
    for (const auto& c : cases) {
        RawWindow window(c.args[1].toStdString(), ++handle);
        const ToolRun run = qbmsg(c.args);  // a post does not wait for the window to read
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(window.receive(), c.frame) << c.args.join(' ').toStdString();
    }
}

TEST(Qbmsg, NamesListsTheCodesOfEachCaption) {
    const ToolRun run = qbmsg({"names"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* part : {"Preview:", "Info Orvelia:", "Scintara:", "Lumbrato:", "stop", "1000"})
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
}

TEST(Qbmsg, SendPrintsTheAnswerAndCopyDataWaitsForIt) {
    RawWindow window("Scintara", 777);
    std::optional<RawFrame> got;
    ToolRun run = qbmsg({"send", "Scintara", "1000", "-42"}, [&] {
        got = window.receive();
        window.reply(-1234);
    });
    EXPECT_EQ(got, (RawFrame{1, 1, 1000, -42, ""}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "-1234\n");

    const std::string path = "/home/dj/Videos/Die Ärzte.mp4";
    run = qbmsg({"copydata", "Scintara", QString::fromStdString(path)}, [&] {
        got = window.receive();
        window.reply(1);
    });
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->kind, 2u);
    EXPECT_EQ(got->flags, 1u);
    EXPECT_EQ(got->payload, zeroFilled(path));
}

TEST(Qbmsg, AMissingOrDeadWindowGivesExitCode1) {
    for (const QStringList& args : {QStringList{"post", "Kinolux", "3"}, QStringList{"send", "Kinolux", "3"},
                                    QStringList{"copydata", "Kinolux", "/x.mp4"}}) {
        EXPECT_EQ(qbmsg(args).exitCode, 1) << args.join(' ').toStdString();
    }
    RawWindow dead("Kinolux", 4242);
    dead.die();  // the file stays, nobody listens
    EXPECT_EQ(qbmsg({"post", "Kinolux", "3"}).exitCode, 1);
    RawWindow other("Kinolux x", 4343);  // another caption does not count
    EXPECT_EQ(qbmsg({"post", "Kinolux", "3"}).exitCode, 1);
}

TEST(Qbmsg, WrongArgumentsShowTheUsage) {
    const QStringList cases[] = {
        {},
        {"post"},
        {"post", "Orvelia"},
        {"push", "Orvelia", "13"},
        {"post", "Orvelia", "13x"},
        {"post", "Orvelia", "-1"},
        {"post", "Orvelia", "4294967296"},
        {"post", "Orvelia", "13", "2147483648"},
        {"post", "Orvelia", "13", "0", "0"},
        {"copydata", "Singalo"},
        {"listen", "Singalo", "extra"},
        {"post", "Preview", "play-title"},
        {"post", "Singalo", "volume"},  // a Kinolux name, not a Singalo one
        {"post", "Orvelia", "midi", "145", "100"},
        {"post", "Orvelia", "midi", "256", "0", "0"},
        {"post", "Orvelia", "midi", "145", "100", "1", "0", "0"},
    };
    for (const auto& args : cases) {
        const ToolRun run = qbmsg(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_NE(run.err.find("Usage: qbmsg post <caption>"), std::string::npos);
    }
}

TEST(Qbmsg, ListenPrintsWhatRawCodeSends) {
    QProcess listener;
    listener.start(QStringLiteral(QBMSG_PATH), {"listen", "Info Orvelia"});
    ASSERT_TRUE(listener.waitForReadyRead(10000));
    const std::string first = listener.readLine().toStdString();
    ASSERT_EQ(first.rfind("listening ", 0), 0u) << first;
    const std::string handle = first.substr(10, first.find(' ', 10) - 10);
    const std::string path = socketFolder() + "/Info Orvelia." + handle;

    const int fd = rawConnect(path);
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(rawWriteAll(fd, rawEncode({1, 0, 13, 0, ""}) + rawEncode({1, 0, 145 + 256 * 100 + 65536, -5, ""})));
    ASSERT_TRUE(rawWriteAll(fd, rawEncode({1, 1, 99, 0, ""})));
    EXPECT_EQ(rawRead(fd, 4), std::string(4, '\0'));  // sends are answered with 0
    ASSERT_TRUE(rawWriteAll(fd, rawEncode({2, 1, 321, 0, zeroFilled("/a b\\c\nd.mp4")})));
    EXPECT_EQ(rawRead(fd, 4), std::string(4, '\0'));
    ASSERT_TRUE(rawWriteAll(fd, rawEncode({2, 0, 5, 0, zeroFilled("")})));

    // Garbage on another connection is refused without harm to the listener.
    const int bad = rawConnect(path);
    ASSERT_GE(bad, 0);
    ASSERT_TRUE(rawWriteAll(bad, "QBM1 this is not a frame at all"));
    EXPECT_EQ(rawRead(bad, 1), std::nullopt);
    ::close(bad);
    ASSERT_TRUE(rawWriteAll(fd, rawEncode({1, 1, 0, 0, ""})));
    EXPECT_EQ(rawRead(fd, 4), std::string(4, '\0'));
    ::close(fd);

    ::kill(static_cast<pid_t>(listener.processId()), SIGTERM);
    ASSERT_TRUE(listener.waitForFinished(10000));
    EXPECT_EQ(listener.exitCode(), 0);
    EXPECT_EQ(listener.readAllStandardOutput().toStdString(),
              "post 13 0\n"
              "post 91281 -5\n"
              "send 99 0\n"
              "copydata 321 /a b\\\\c\\x0ad.mp4\n"
              "copydata-post 5 \n"
              "send 0 0\n");
    struct stat st {};
    EXPECT_NE(::lstat(path.c_str(), &st), 0);  // the socket went with the listener
}

}  // namespace
}  // namespace qb::testing
