#include "shared/protocol/senders.h"

#include "platform/core/virtual_loop.h"
#include "platform/messages/local_message_bus.h"
#include "platform/messages/socket_folder.h"
#include "platform/messages/socket_message_bus.h"
#include "shared/protocol/captions.h"
#include "shared/protocol/commands.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qb::protocol {
namespace {

struct Got {
    std::string window;
    MessageKind kind;
    std::uint32_t w;
    std::int32_t l;
    std::string text;
    bool operator==(const Got&) const = default;
};

struct SendersTest : ::testing::Test {
    VirtualLoop loop;
    LocalMessageBus bus{loop};
    std::vector<Got> got;
    WindowHandle open(const std::string& caption, std::int32_t result = 0) {
        return bus.registerWindow(caption, [this, caption, result](const WindowMessage& m) {
            got.push_back({caption, m.kind, m.wParam, m.lParam, m.text});
            return result;
        });
    }
};

TEST_F(SendersTest, AMissingReceiverTakesNothingNowOrLater) {
    EXPECT_FALSE(postTo(bus, caption::Preview, preview_cmd::End));
    EXPECT_EQ(sendTo(bus, caption::Scintara, scintara_cmd::Number, 5), std::nullopt);
    EXPECT_FALSE(copyDataTo(bus, caption::Singalo, 1, "/v/a.mp4"));
    EXPECT_FALSE(postWithText(bus, caption::Singalo, 1, "/v/a.mp4", singalo_cmd::StartAnnouncedVideo, 0));
    EXPECT_FALSE(previewTitle(bus, {3, 17}));
    EXPECT_FALSE(postReport(bus, report_cmd::Closed, report_cmd::EndReached));
    EXPECT_FALSE(wakeFirstInstance(bus));
    open(caption::Preview);
    open(caption::Singalo);
    loop.advance(1000);
    EXPECT_TRUE(got.empty());
}

TEST_F(SendersTest, CopyDataComesRightBeforeItsCommand) {
    open(caption::Preview);
    open(caption::Singalo);
    ASSERT_TRUE(postTo(bus, caption::Preview, preview_cmd::Stop));
    ASSERT_TRUE(previewPath(bus, 77, "/home/dj/Downloads/Neu.mp3"));
    ASSERT_TRUE(previewTitle(bus, {3, 17}));
    ASSERT_TRUE(postWithText(bus, caption::Singalo, 77, "/v/Clip.mp4", singalo_cmd::StartAnnouncedVideo, 4700));
    EXPECT_FALSE(previewTitle(bus, {3, 70000}));  // does not fit: not sent at all
    loop.runUntilIdle();
    // The copy data sends overtake posts that were still waiting, which is why
    // a text always travels right before the command that uses it.
    const std::vector<Got> expected = {
        {caption::Preview, MessageKind::CopyData, 77, 0, "/home/dj/Downloads/Neu.mp3"},
        {caption::Singalo, MessageKind::CopyData, 77, 0, "/v/Clip.mp4"},
        {caption::Preview, MessageKind::PlayerCmd, preview_cmd::Stop, 0, ""},
        {caption::Preview, MessageKind::PlayerCmd, preview_cmd::PlayTitle, 65536 * 100, ""},
        {caption::Preview, MessageKind::PlayerCmd, preview_cmd::PlayTitle, 65536 * 3 + 17, ""},
        {caption::Singalo, MessageKind::PlayerCmd, singalo_cmd::StartAnnouncedVideo, 4700, ""},
    };
    EXPECT_EQ(got, expected);
}

TEST_F(SendersTest, SynchronousCasesReturnTheReceiversResult) {
    open(caption::InfoOrvelia, 1);
    open(caption::Scintara, 33);
    EXPECT_TRUE(wakeFirstInstance(bus));
    EXPECT_EQ(sendScintaraNumber(bus, 42), 33);
    ASSERT_EQ(got.size(), 2u);  // ran at once, without the loop
    EXPECT_EQ(got[0], (Got{caption::InfoOrvelia, MessageKind::PlayerCmd, info_cmd::ToFront, 0, ""}));
    EXPECT_EQ(got[1], (Got{caption::Scintara, MessageKind::PlayerCmd, scintara_cmd::Number, 42, ""}));
}

TEST_F(SendersTest, EveryVideoLineIsAnnouncedSoTheLastOneStays) {
    const CompanionFile file{{"/v/erst.mp4", "/v/dann.mp4"}, 1200};
    EXPECT_FALSE(announceVideos(bus, 5, file));  // no Singalo: nothing, no video
    open(caption::Singalo);
    EXPECT_FALSE(announceVideos(bus, 5, CompanionFile{}));
    EXPECT_TRUE(announceVideos(bus, 5, file));
    EXPECT_EQ(got, (std::vector<Got>{{caption::Singalo, MessageKind::CopyData, 5, 0, "/v/erst.mp4"},
                                     {caption::Singalo, MessageKind::CopyData, 5, 0, "/v/dann.mp4"}}));
}

TEST_F(SendersTest, ReportsGoToTheFirstPlayerFoundInItsOrder) {
    EXPECT_EQ(findReportTarget(bus), 0u);
    const WindowHandle lumbrato = open(caption::Lumbrato);
    EXPECT_EQ(findReportTarget(bus), lumbrato);
    const WindowHandle marquesta = open(caption::Marquesta);
    EXPECT_EQ(findReportTarget(bus), marquesta);
    const WindowHandle valdoro = open(caption::Valdoro);
    EXPECT_EQ(findReportTarget(bus), valdoro);
    open(caption::Singalo);
    ASSERT_TRUE(postReport(bus, report_cmd::Length, 10000));
    loop.runUntilIdle();
    bus.unregisterWindow(valdoro);
    bus.unregisterWindow(bus.findWindow(caption::Singalo));
    ASSERT_TRUE(postReport(bus, report_cmd::Closed, report_cmd::EndReached));
    loop.runUntilIdle();
    EXPECT_EQ(got, (std::vector<Got>{{caption::Singalo, MessageKind::PlayerCmd, report_cmd::Length, 10000, ""},
                                     {caption::Marquesta, MessageKind::PlayerCmd, report_cmd::Closed, 1, ""}}));
}

TEST(HandleRange, OnlyHandlesFrom1To1999999999Count) {
    EXPECT_FALSE(handleInRange(0));
    EXPECT_TRUE(handleInRange(1));
    EXPECT_TRUE(handleInRange(1999999999));
    EXPECT_FALSE(handleInRange(2000000000));
    EXPECT_FALSE(handleInRange(4294967295u));
}

TEST(HandleRange, AnOutsideWindowWithAHandleOutOfRangeGetsNothing) {
    // An outside program may name its socket as it likes.
    SocketMessageBus bus;
    ASSERT_TRUE(messages::prepareSocketFolder(bus.folder(), true));
    const int padlink = messages::listenSocket(bus.folder() + "/Padlink.3000000000");
    const int scintara = messages::listenSocket(bus.folder() + "/Scintara.2000000000");
    ASSERT_GE(padlink, 0);
    ASSERT_GE(scintara, 0);
    EXPECT_EQ(bus.findWindow(caption::Padlink), 3000000000u);  // it is there...
    EXPECT_EQ(findInRange(bus, caption::Padlink), 0u);       // ...but does not count
    EXPECT_FALSE(postToInRange(bus, caption::Padlink, padlink_cmd::Started, 0));
    EXPECT_EQ(sendScintaraNumber(bus, 7), std::nullopt);
    bus.flush(100);
    // Nothing but the look-up's connection reached it: no frame.
    for (int fd : {padlink, scintara}) {
        const int conn = ::accept4(fd, nullptr, nullptr, SOCK_NONBLOCK);
        if (conn >= 0) {
            char c;
            EXPECT_LT(::recv(conn, &c, 1, MSG_DONTWAIT), 1);
            ::close(conn);
        }
        ::close(fd);
    }
    ::unlink((bus.folder() + "/Padlink.3000000000").c_str());
    ::unlink((bus.folder() + "/Scintara.2000000000").c_str());
}

}  // namespace
}  // namespace qb::protocol
