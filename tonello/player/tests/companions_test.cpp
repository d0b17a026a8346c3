// The companions: the preview and the MIDI companion started after one
// second, the menu items that start them, and the single instance.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/core/text.h"
#include "platform/system/system_processes.h"
#include "platform/testing/temp_home.h"
#include "tonello/player/tests/tonello_harness.h"

namespace qb::tonello::testing {
namespace {

namespace fs = std::filesystem;
using Start = RecordingProcesses::Start;

TEST(TonelloCompanions, StartOneSecondAfterStartUpOnlyWithASecondCardOrAController) {
    struct Case { int wave, midi; std::vector<std::string> started; };
    const Case cases[] = {
        {1, 0, {}},
        {2, 0, {"Tonello_Preview"}},
        {1, 1, {"Tonello_Preview", "Padlink"}},
        {0, 2, {"Tonello_Preview", "Padlink"}},
    };
    for (const Case& c : cases) {
        Machine m;
        Tonello t(m, c.wave, c.midi);
        ASSERT_TRUE(t.program.start());
        m.loop.advance(999);
        EXPECT_TRUE(t.recorded.starts.empty());
        m.loop.advance(1);
        m.loop.advance(5000);
        std::vector<std::string> started;
        for (const Start& s : t.recorded.starts) started.push_back(s.program);
        EXPECT_EQ(started, c.started) << c.wave << " outputs, " << c.midi << " inputs";
    }
}

TEST(TonelloCompanions, EachStartBlocksFor250Ms) {
    Machine m;
    Tonello t(m, 1, 1);
    ASSERT_TRUE(t.program.start());
    m.loop.advance(1000);
    // The timer fired at 1000 and the two starts blocked the thread 2 × 250 ms.
    EXPECT_EQ(t.recorded.starts.size(), 2u);
    EXPECT_EQ(m.loop.monotonicMs(), 1500);
}

TEST(TonelloCompanions, MenuItemsStartWhatIsNotRunning) {
    Machine m;
    Tonello t(m);
    ASSERT_TRUE(t.program.start());
    TMPlayForm& f = t.form();

    f.StartpreviewItem.click();
    ASSERT_EQ(t.recorded.starts.size(), 1u);
    EXPECT_EQ(t.recorded.starts[0].program, "Tonello_Preview");

    // A running preview is not started again.
    m.messages.registerWindow("Preview", [](const WindowMessage&) { return 0; });
    f.StartpreviewItem.click();
    EXPECT_EQ(t.recorded.starts.size(), 1u);

    f.StartMidiItem.click();
    ASSERT_EQ(t.recorded.starts.size(), 2u);
    EXPECT_EQ(t.recorded.starts[1].program, "Padlink");

    // A running Padlink is told to start anew (5), and told when Tonello
    // comes to the front (8 with 1).
    std::vector<std::pair<std::uint32_t, std::int32_t>> got;
    m.messages.registerWindow("Padlink", [&](const WindowMessage& msg) {
        got.emplace_back(msg.wParam, msg.lParam);
        return 0;
    });
    f.StartMidiItem.click();
    f.onActivate();
    m.loop.advance(10);
    EXPECT_EQ(t.recorded.starts.size(), 2u);
    EXPECT_EQ(got, (std::vector<std::pair<std::uint32_t, std::int32_t>>{{5, 0}, {8, 1}}));
}

TEST(TonelloCompanions, StartPreviewRunsTheProgramBesideTonello) {
    const std::string own = qb::testing::makeTempDir("bin");
    const std::string marker = own + "/started.txt";
    {
        std::ofstream script(own + "/Tonello_Preview");
        script << "#!/bin/sh\necho \"$#\" > '" << marker << "'\n";
    }
    fs::permissions(own + "/Tonello_Preview", fs::perms::owner_all);
    Machine m;
    Tonello t(m, 1, 0, std::make_unique<SystemProcesses>(own));
    ASSERT_TRUE(t.program.start());
    m.loop.advance(3000);
    EXPECT_FALSE(fs::exists(marker));  // one output, no controller: not by itself
    t.form().StartpreviewItem.click();
    for (int i = 0; i < 500 && !fs::exists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::string content;
    ASSERT_TRUE(text::readFile(marker, content));
    EXPECT_EQ(content, "0\n");
}

class RequestLog : public ViewListener {
public:
    void controlChanged(Control&, unsigned) override {}
    void controlRemoved(Control&) override {}
    void menuChanged(MenuItem&) override {}
    void menuRemoved(MenuItem&) override {}
    void request(Control& c, ViewRequest r) override {
        if (r == ViewRequest::BringToFront) fronted.push_back(c.name());
    }
    void popup(PopupMenu&, Control*, int, int) override {}
    std::vector<std::string> fronted;
};

TEST(TonelloSingleInstance, ASecondTonelloBringsTheFirstToTheFrontAndEnds) {
    Machine m;
    Tonello first(m);
    ASSERT_TRUE(first.program.start());
    RequestLog log;
    first.form().setViewListener(&log);

    Tonello second(m);
    EXPECT_FALSE(second.program.start());
    EXPECT_EQ(log.fronted, (std::vector<std::string>{"MPlayForm"}));
    // The second made no other window, opened no sound and asked nothing.
    EXPECT_EQ(second.program.AboutBox, nullptr);
    EXPECT_FALSE(second.form().visible());
    EXPECT_FALSE(second.outputView->isOpen(-1));
    EXPECT_TRUE(second.dialogs.calls().empty());
    first.form().setViewListener(nullptr);
}

// The real program, twice, over the real window messages.
TEST(TonelloSingleInstance, RealProgramsSecondEndsWithZeroAndSigtermSavesTheSettings) {
    const QString bin = QString::fromUtf8(qgetenv("QB_BIN_DIR")) + "/Tonello";
    ASSERT_TRUE(fs::exists(bin.toStdString())) << bin.toStdString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("PATH", "/usr/bin:/bin");  // no companions to be found

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(bin, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    const fs::path sockets = fs::path(qgetenv("XDG_RUNTIME_DIR").toStdString()) / "quillbrook";
    const auto infoWindowExists = [&] {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(sockets, ec))
            if (e.path().filename().string().rfind("Info Orvelia.", 0) == 0) return true;
        return false;
    };
    for (int i = 0; i < 1000 && !infoWindowExists(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(infoWindowExists());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(bin, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    const std::string reg = qgetenv("XDG_CONFIG_HOME").toStdString() + "/Quillbrook/Orvelia.reg";
    EXPECT_FALSE(fs::exists(reg));
    first.terminate();  // SIGTERM, as at the end of a desktop session
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitCode(), 0);
    std::string content;
    ASSERT_TRUE(text::readFile(reg, content));
    EXPECT_NE(content.find("\"Width\"=dword:00000320"), std::string::npos);
    EXPECT_FALSE(infoWindowExists());
}

}  // namespace
}  // namespace qb::tonello::testing
