#include "platform/messages/local_message_bus.h"

#include "platform/core/virtual_loop.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

struct Seen {
    MessageKind kind;
    std::uint32_t w;
    std::int32_t l;
    std::string text;
    bool sync;
    bool operator==(const Seen&) const = default;
};

struct LocalBusTest : ::testing::Test {
    VirtualLoop loop;
    LocalMessageBus bus{loop};
    std::vector<Seen> seen;
    MessageBus::Handler recorder(std::int32_t result = 0) {
        return [this, result](const WindowMessage& m) {
            seen.push_back({m.kind, m.wParam, m.lParam, m.text, m.synchronous});
            return result;
        };
    }
};

TEST_F(LocalBusTest, PostsWaitForTheLoopAndKeepTheirOrder) {
    const WindowHandle h = bus.registerWindow("Preview", recorder());
    ASSERT_NE(h, 0u);
    for (std::uint32_t i = 0; i < 100; ++i) EXPECT_TRUE(bus.postMessage(h, i, -static_cast<std::int32_t>(i)));
    EXPECT_TRUE(seen.empty());  // nothing runs inside postMessage
    loop.runUntilIdle();
    ASSERT_EQ(seen.size(), 100u);
    for (std::uint32_t i = 0; i < 100; ++i) EXPECT_EQ(seen[i], (Seen{MessageKind::PlayerCmd, i, -static_cast<std::int32_t>(i), "", false}));
}

TEST_F(LocalBusTest, SendsRunAtOnceAndReturnTheResult) {
    const WindowHandle h = bus.registerWindow("Info Orvelia", recorder(42));
    EXPECT_EQ(bus.sendMessage(h, 99, 0), 42);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].sync);
}

TEST_F(LocalBusTest, CopyDataIsCutLikeOnTheWireAndPrecedesTheCommand) {
    const WindowHandle h = bus.registerWindow("Singalo", recorder());
    std::string longText;
    for (int i = 0; i < 150; ++i) longText += "ö";
    EXPECT_TRUE(bus.postMessage(h, 8, 0));  // posted before: runs after the send
    EXPECT_TRUE(bus.sendCopyData(h, 7, longText));
    EXPECT_TRUE(bus.postMessage(h, 41, 500));
    EXPECT_TRUE(bus.sendCopyData(h, 7, ""));
    loop.runUntilIdle();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].kind, MessageKind::CopyData);
    EXPECT_EQ(seen[0].text, longText.substr(0, 254));
    EXPECT_EQ(seen[0].w, 7u);
    EXPECT_EQ(seen[1].kind, MessageKind::CopyData);
    EXPECT_EQ(seen[1].text, "");
    EXPECT_EQ(seen[2].w, 8u);
    EXPECT_EQ(seen[3].w, 41u);
}

TEST_F(LocalBusTest, MissingWindowsTakeNothing) {
    EXPECT_EQ(bus.findWindow("Kinolux"), 0u);
    EXPECT_FALSE(bus.postMessage(0, 3, 0));
    EXPECT_FALSE(bus.postMessage(12345, 3, 0));
    EXPECT_EQ(bus.sendMessage(12345, 3, 0), 0);
    EXPECT_FALSE(bus.sendCopyData(12345, 0, "x"));

    // A window that closes with posts on their way gets none of them, and a
    // later window of the same caption does not inherit them.
    const WindowHandle h = bus.registerWindow("Kinolux", recorder());
    EXPECT_TRUE(bus.postMessage(h, 44, 1000));
    bus.unregisterWindow(h);
    const WindowHandle again = bus.registerWindow("Kinolux", recorder());
    EXPECT_NE(again, h);
    loop.runUntilIdle();
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(bus.postMessage(h, 44, 1000));
}

TEST_F(LocalBusTest, FindsTheNewestWindowOfTheExactCaption) {
    const WindowHandle older = bus.registerWindow("Orvelia", recorder());
    const WindowHandle info = bus.registerWindow("Info Orvelia", recorder());
    const WindowHandle newer = bus.registerWindow("Orvelia", recorder());
    EXPECT_EQ(bus.findWindow("Orvelia"), newer);
    EXPECT_EQ(bus.findWindow("Info Orvelia"), info);
    EXPECT_EQ(bus.findWindow("orvelia"), 0u);
    EXPECT_EQ(bus.findWindow("Info"), 0u);
    bus.unregisterWindow(newer);
    EXPECT_EQ(bus.findWindow("Orvelia"), older);
}

TEST_F(LocalBusTest, AHandlerMayCloseItsWindowAndPostFurther) {
    WindowHandle self = 0;
    WindowHandle other = bus.registerWindow("Singalo", recorder());
    self = bus.registerWindow("Kinolux", [&](const WindowMessage& m) {
        bus.postMessage(other, 43, 3);
        if (m.wParam == 3) bus.unregisterWindow(self);
        return 0;
    });
    bus.postMessage(self, 3, 0);
    bus.postMessage(self, 3, 0);  // arrives after the close: dropped
    loop.runUntilIdle();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].w, 43u);
    EXPECT_EQ(bus.findWindow("Kinolux"), 0u);
}

}  // namespace
}  // namespace qb
