// The socket transport between real processes: the test process on one side,
// qb_message_peer (a separate program with its own Qt loop) on the other.
#include "platform/messages/socket_message_bus.h"

#include "platform/messages/socket_folder.h"
#include "platform/messages/tests/peer_process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace qb {
namespace {

using testing::PeerProcess;
using testing::pumpUntil;

std::string line(unsigned kind, bool sync, std::uint32_t w, std::int32_t l, const std::string& hexText = "-") {
    return std::to_string(kind) + " " + (sync ? "1" : "0") + " " + std::to_string(w) + " " + std::to_string(l) +
           " " + hexText;
}

std::string hex(const std::string& s) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out.empty() ? "-" : out;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// The socket files of the folder, whatever their state.
std::vector<std::string> socketPaths(const std::string& folder, const std::string& caption) {
    std::vector<std::string> out;
    for (const auto& e : messages::listSockets(folder))
        if (e.caption == caption) out.push_back(e.path);
    return out;
}

TEST(SocketBus, ABurstOfPostsArrivesInOrderWhileTheReceiverIsSlow) {
    PeerProcess peer({"listen", "Preview", "3"});  // every handler sleeps 3 ms
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus bus;
    const WindowHandle to = bus.findWindow("Preview");
    ASSERT_NE(to, 0u);
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(bus.postMessage(to, static_cast<std::uint32_t>(i), -i));
    // The receiver needs three seconds for them; the posts did not wait for it.
    EXPECT_LT(peer.messages().size(), 1000u);
    ASSERT_TRUE(peer.waitMessages(1000, 60000));
    const auto& got = peer.messages();
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(got[static_cast<std::size_t>(i)], line(1, false, static_cast<std::uint32_t>(i), -i)) << i;
}

TEST(SocketBus, PostingToAStoppedReceiverNeverBlocksAndLosesNothing) {
    PeerProcess peer({"listen", "Singalo"});
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus bus;
    const WindowHandle to = bus.findWindow("Singalo");
    ASSERT_NE(to, 0u);
    peer.kill(SIGSTOP);  // takes nothing from its socket from now on
    const int n = 40000;  // far more than a socket buffer holds
    for (int i = 0; i < n; ++i) ASSERT_TRUE(bus.postMessage(to, 7, i));
    EXPECT_GT(bus.pendingBytes(), 0u);
    peer.kill(SIGCONT);
    ASSERT_TRUE(peer.waitMessages(static_cast<std::size_t>(n), 120000));  // our loop writes the rest
    EXPECT_EQ(bus.pendingBytes(), 0u);
    const auto& got = peer.messages();
    for (int i = 0; i < n; ++i) ASSERT_EQ(got[static_cast<std::size_t>(i)], line(1, false, 7, i)) << i;
}

TEST(SocketBus, ASendReturnsTheResultOfTheReceiversHandler) {
    PeerProcess peer({"listen", "Info Orvelia", "200"});
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus bus;
    const WindowHandle to = bus.findWindow("Info Orvelia");
    ASSERT_NE(to, 0u);
    ASSERT_TRUE(bus.postMessage(to, 5, 1));
    EXPECT_EQ(bus.sendMessage(to, 99, 5), 16);   // 3 * 5 + 1, computed over there
    EXPECT_EQ(bus.sendMessage(to, 99, -7), -20);
    ASSERT_TRUE(peer.waitMessages(3));
    EXPECT_EQ(peer.messages()[0], line(1, false, 5, 1));  // the earlier post ran first
    EXPECT_EQ(peer.messages()[1], line(1, true, 99, 5));
    EXPECT_EQ(peer.messages()[2], line(1, true, 99, -7));
}

TEST(SocketBus, CopyDataArrivesCutBeforeTheCommandThatFollows) {
    PeerProcess peer({"listen", "Singalo", "20"});
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus bus;
    const WindowHandle to = bus.findWindow("Singalo");
    ASSERT_NE(to, 0u);
    std::string umlauts;
    for (int i = 0; i < 150; ++i) umlauts += "ä";  // 300 bytes
    const std::string odd = "a" + umlauts;           // 301 bytes: the cut falls inside an "ä"
    ASSERT_TRUE(bus.postMessage(to, 8, 0));
    ASSERT_TRUE(bus.sendCopyData(to, 4711, umlauts));
    ASSERT_TRUE(bus.postMessage(to, 41, 500));
    ASSERT_TRUE(bus.sendCopyData(to, 4711, odd));
    ASSERT_TRUE(bus.postMessage(to, 41, 0));
    ASSERT_TRUE(bus.sendCopyData(to, 4711, ""));
    ASSERT_TRUE(peer.waitMessages(6));
    const std::vector<std::string> expected = {
        line(1, false, 8, 0),
        line(2, true, 4711, 0, hex(umlauts.substr(0, 254))),
        line(1, false, 41, 500),
        line(2, true, 4711, 0, hex(odd.substr(0, 253))),
        line(1, false, 41, 0),
        line(2, true, 4711, 0, "-"),
    };
    EXPECT_EQ(peer.messages(), expected);
}

TEST(SocketBus, ADeadWindowIsNotFoundAndItsSocketIsRemovedByTheNextOne) {
    SocketMessageBus bus;
    PeerProcess peer({"listen", "Kinolux"});
    ASSERT_NE(peer.waitReady(), 0u);
    ASSERT_NE(bus.findWindow("Kinolux"), 0u);
    const auto paths = socketPaths(bus.folder(), "Kinolux");
    ASSERT_EQ(paths.size(), 1u);
    peer.kill(SIGKILL);
    ASSERT_TRUE(peer.waitFinished());
    EXPECT_TRUE(exists(paths[0]));  // nobody cleaned up after it
    EXPECT_EQ(bus.findWindow("Kinolux"), 0u);
    EXPECT_FALSE(bus.postMessage(bus.findWindow("Kinolux"), 3, 0));
    const WindowHandle mine = bus.registerWindow("Orvelia", [](const WindowMessage&) { return 0; });
    ASSERT_NE(mine, 0u);
    EXPECT_FALSE(exists(paths[0]));
    EXPECT_EQ(socketPaths(bus.folder(), "Orvelia").size(), 1u);
}

TEST(SocketBus, TheNewestOfTwoWindowsWithOneCaptionIsFound) {
    PeerProcess first({"listen", "Info Orvelia"});
    const unsigned h1 = first.waitReady();
    ASSERT_NE(h1, 0u);
    PeerProcess second({"listen", "Info Orvelia"});
    const unsigned h2 = second.waitReady();
    ASSERT_NE(h2, 0u);
    PeerProcess other({"listen", "Orvelia"});  // a caption that ends the same is another window
    ASSERT_NE(other.waitReady(), 0u);
    SocketMessageBus bus;
    EXPECT_EQ(bus.findWindow("Info Orvelia"), h2);
    EXPECT_EQ(bus.findWindow("Info"), 0u);
    second.kill(SIGKILL);
    ASSERT_TRUE(second.waitFinished());
    EXPECT_EQ(bus.findWindow("Info Orvelia"), h1);  // the dead newer one does not count
}

TEST(SocketBus, TheFolderIsPrivate) {
    SocketMessageBus bus;
    ASSERT_NE(bus.registerWindow("Preview", [](const WindowMessage&) { return 0; }), 0u);
    struct stat st {};
    ASSERT_EQ(::stat(bus.folder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(st.st_uid, ::geteuid());
    EXPECT_EQ(bus.folder(), std::string(std::getenv("XDG_RUNTIME_DIR")) + "/quillbrook");
}

TEST(SocketBus, PostsKeptAtTheEndAreStillDelivered) {
    // The peer posts far more than a socket holds and ends at once; the test
    // reads nothing until it has ended its posting.
    std::vector<std::pair<std::uint32_t, std::int32_t>> got;
    SocketMessageBus bus;
    const WindowHandle mine = bus.registerWindow("Orvelia", [&](const WindowMessage& m) {
        got.emplace_back(m.wParam, m.lParam);
        return 0;
    });
    ASSERT_NE(mine, 0u);
    const int n = 30000;
    PeerProcess peer({"post", "Orvelia", QString::number(n)});
    const std::string posted = peer.waitLineBlocking("POSTED ");
    ASSERT_FALSE(posted.empty());
    EXPECT_GT(std::stoul(posted.substr(7)), 0u);  // some frames were still waiting in the sender
    ASSERT_TRUE(pumpUntil([&] { return !got.empty() && got.back().first == 3; }, 30000));
    ASSERT_TRUE(peer.waitFinished());
    EXPECT_EQ(peer.exitCode(), 0);
    ASSERT_EQ(got.size(), static_cast<std::size_t>(n) + 1);
    for (int i = 0; i < n; ++i) ASSERT_EQ(got[static_cast<std::size_t>(i)], std::make_pair(100000u + i, i)) << i;
}

TEST(SocketBus, GarbageDropsOnlyThatConnection) {
    PeerProcess peer({"listen", "Preview"});
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus bus;
    const WindowHandle to = bus.findWindow("Preview");
    ASSERT_NE(to, 0u);
    const auto paths = socketPaths(bus.folder(), "Preview");
    ASSERT_EQ(paths.size(), 1u);

    const std::string badFrames[] = {
        std::string("XXXXXXXXXXXXXXXXXXXXXXXX"),
        std::string("QBM1\x01\0\0\0\0\0\0\0\x0d\0\0\0\0\0\0\0\x10\0\0\0", 24) + std::string(16, 'x'),  // n = 16
        std::string("QBM1\x02\0\0\0\x01\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 24),                          // copy data, n = 0
        std::string("QBM1\x01\0\0\0\0\0\0\0\x0d\0\0\0\0\0\0\0\0\0\0\x80", 24),                      // n huge
    };
    for (const auto& bad : badFrames) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr {};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, paths[0].c_str(), sizeof addr.sun_path - 1);
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ASSERT_EQ(::write(fd, bad.data(), bad.size()), static_cast<ssize_t>(bad.size()));
        char c;
        EXPECT_EQ(::read(fd, &c, 1), 0);  // the receiver hangs up on it
        ::close(fd);
    }
    EXPECT_EQ(bus.sendMessage(to, 13, 2), 7);  // still answering
    ASSERT_TRUE(peer.waitMessages(1));
    EXPECT_EQ(peer.messages().size(), 1u);
    EXPECT_EQ(peer.messages()[0], line(1, true, 13, 2));
}

TEST(SocketBus, MessagesToOwnWindowsSkipTheSocket) {
    SocketMessageBus bus;
    std::vector<std::uint32_t> got;
    const WindowHandle mine = bus.registerWindow("Kinolux", [&](const WindowMessage& m) {
        got.push_back(m.wParam);
        return static_cast<std::int32_t>(m.wParam) + 1;
    });
    ASSERT_EQ(bus.findWindow("Kinolux"), mine);
    EXPECT_TRUE(bus.postMessage(mine, 44, 0));
    EXPECT_TRUE(got.empty());  // a post waits for the loop
    EXPECT_EQ(bus.sendMessage(mine, 46, 64), 47);  // a send cannot wait for ourselves
    ASSERT_TRUE(pumpUntil([&] { return got.size() == 2; }, 5000));
    EXPECT_EQ(got, (std::vector<std::uint32_t>{46, 44}));
    bus.unregisterWindow(mine);
    EXPECT_EQ(bus.findWindow("Kinolux"), 0u);
    EXPECT_TRUE(socketPaths(bus.folder(), "Kinolux").empty());
    EXPECT_FALSE(bus.postMessage(mine, 44, 0));
}

TEST(SocketBus, AMissingWindowIsReportedAndNothingIsKept) {
    SocketMessageBus bus;
    EXPECT_EQ(bus.findWindow("Scintara"), 0u);
    EXPECT_FALSE(bus.postMessage(0, 1000, 5));
    EXPECT_FALSE(bus.postMessage(1234567, 1000, 5));
    EXPECT_EQ(bus.sendMessage(1234567, 1000, 5), 0);
    EXPECT_FALSE(bus.sendCopyData(1234567, 1, "x"));
    EXPECT_EQ(bus.pendingBytes(), 0u);
    // A receiver that starts later does not get them either.
    PeerProcess peer({"listen", "Scintara"});
    ASSERT_NE(peer.waitReady(), 0u);
    EXPECT_EQ(bus.sendMessage(bus.findWindow("Scintara"), 1000, 0), 1);
    ASSERT_TRUE(peer.waitMessages(1));
    EXPECT_EQ(peer.messages(), std::vector<std::string>{line(1, true, 1000, 0)});
}

TEST(SocketBus, ASendToAWindowThatDiesUnansweredReturnsZero) {
    PeerProcess peer({"listen", "Padlink", "60000"});  // never answers in time
    ASSERT_NE(peer.waitReady(), 0u);
    SocketMessageBus::Options opt;
    opt.sendTimeoutMs = 300;
    SocketMessageBus bus(opt);
    const WindowHandle to = bus.findWindow("Padlink");
    ASSERT_NE(to, 0u);
    EXPECT_EQ(bus.sendMessage(to, 5, 9), 0);  // gave up
    peer.kill(SIGKILL);
    ASSERT_TRUE(peer.waitFinished());
    EXPECT_EQ(bus.sendMessage(to, 5, 9), 0);
    EXPECT_FALSE(bus.postMessage(to, 5, 9));
    EXPECT_EQ(bus.findWindow("Padlink"), 0u);
}

}  // namespace
}  // namespace qb
