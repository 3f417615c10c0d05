// Window, sound, wait and folder operations over the Desktop interface.

#include "platform/System.h"
#include "platform/Window.h"
#include "platform/virtual/VirtualProgram.h"

#include "tests/common/TestFolder.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace scorlet {
namespace {

TEST(WindowOps, VisibleWithCaptionNeedsBothBits)
{
    using namespace WindowStyle;
    EXPECT_TRUE(IsVisibleWithCaption(Caption | Visible));
    EXPECT_TRUE(IsVisibleWithCaption(Border | Visible)) << "either caption bit counts";
    EXPECT_FALSE(IsVisibleWithCaption(Caption));
    EXPECT_FALSE(IsVisibleWithCaption(Popup | Visible));
}

// Moving, minimising, restoring and top-most are in the Desktop contract; here what it leaves open.
TEST(WindowOps, ZeroHandleIsIgnoredAndAMinimisedWindowStaysVisible)
{
    VirtualDesktop desktop;
    auto program = desktop.startProgram("ScorletS");
    MakeTopmost(*program, 0);
    MinimizeWindow(*program, 0);
    RestoreWindow(*program, 0);
    EXPECT_FALSE(IsVisibleWithCaption(*program, 0));

    const WindowHandle w = desktop.createWindow({"table", {10, 20, 210, 170}});
    MinimizeWindow(*program, w);
    EXPECT_TRUE(program->windowStyle(w) & WindowStyle::Minimize);
    EXPECT_TRUE(IsVisibleWithCaption(*program, w)) << "a minimised window is still visible";
}

TEST(Sounds, EmptyNameIsSilentAndChimeDependsOnPlatform)
{
    VirtualDesktop desktop;
    auto program = desktop.startProgram("ScorletS");
    PlaySystemSound(*program, "");
    EXPECT_TRUE(desktop.sounds().empty());
    PlaySystemSound(*program, "SystemAsterisk");
    AlertChime(*program);
    desktop.config().platformId = PlatformId::Windows9x;
    AlertChime(*program);
    ASSERT_EQ(desktop.sounds().size(), 3u);
    EXPECT_EQ(desktop.sounds()[0].alias, "SystemAsterisk");
    EXPECT_EQ(desktop.sounds()[1].alias, "SystemExclamation");
    EXPECT_EQ(desktop.sounds()[2].alias, "") << "a plain beep";
}

TEST(Waits, LastTheirTimeAcrossTheWrapOfTheTickCountAndStopEarly)
{
    VirtualDesktopConfig config;
    config.startTick = 0xFFFFFF00u; // 256 ms before the count wraps
    VirtualDesktop desktop(config);
    auto program = desktop.startProgram("ScorletS");
    const uint32_t start = program->tickCount();
    WaitSeconds(*program, 1.0);
    EXPECT_LT(program->tickCount(), 0x1000u) << "the count has wrapped";
    EXPECT_GT(TicksSince(*program, start), 1000u);
    EXPECT_LT(TicksSince(*program, start), 1010u);

    const uint32_t again = program->tickCount();
    PauseWithEvents(*program, 0);
    PauseWithEvents(*program, -3);
    EXPECT_LT(TicksSince(*program, again), 10u) << "zero and negative pauses only handle events";

    // A stop condition ends the wait once it holds.
    bool quit = false;
    desktop.schedule(desktop.now() + 1500, [&] { quit = true; });
    const uint32_t waitStart = program->tickCount();
    WaitSeconds(*program, 10, [&] { return quit; });
    EXPECT_GE(TicksSince(*program, waitStart), 1500u);
    EXPECT_LT(TicksSince(*program, waitStart), 1600u);
}

TEST(Folders, GoToAppFolderMakesTheProgramFolderCurrent)
{
    const auto here = std::filesystem::current_path();
    const auto folder = scorlet::testing::TestFolder("app folder");
    VirtualDesktop desktop;
    auto program = desktop.startProgram("ScorletS", folder.string());
    EXPECT_TRUE(GoToAppFolder(*program));
    EXPECT_EQ(std::filesystem::current_path(), folder);
    auto lost = desktop.startProgram("Other", (folder / "no such folder").string());
    EXPECT_FALSE(GoToAppFolder(*lost));
    std::filesystem::current_path(here);
}

} // namespace
} // namespace scorlet
