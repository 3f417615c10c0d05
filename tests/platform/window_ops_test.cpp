// Window, sound, wait and folder operations over the Desktop interface.

#include "platform/System.h"
#include "platform/Window.h"
#include "platform/virtual/VirtualProgram.h"

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

TEST(WindowOps, ZeroHandleIsIgnoredAndStatesTakeEffect)
{
    VirtualDesktop desktop;
    auto program = desktop.startProgram("ScorletS");
    MakeTopmost(*program, 0);
    MinimizeWindow(*program, 0);
    RestoreWindow(*program, 0);
    EXPECT_FALSE(IsVisibleWithCaption(*program, 0));

    const Rect where{10, 20, 210, 170};
    const WindowHandle w = desktop.createWindow({"table", where});
    const WindowHandle other = desktop.createWindow({"lobby", {0, 0, 100, 100}});
    MakeTopmost(*program, w);
    desktop.createWindow({"newer", {0, 0, 50, 50}});
    EXPECT_EQ(program->firstWindow(), w) << "top-most stays above windows opened later";
    MinimizeWindow(*program, w);
    Rect r;
    program->windowRect(w, r);
    EXPECT_EQ(r.left, MinimizedPosition);
    EXPECT_TRUE(program->windowStyle(w) & WindowStyle::Minimize);
    EXPECT_TRUE(IsVisibleWithCaption(*program, w)) << "a minimised window is still visible";
    RestoreWindow(*program, w);
    program->windowRect(w, r);
    EXPECT_EQ(r, where);
    MakeNotTopmost(*program, w);
    EXPECT_FALSE(program->isTopmost(w));
    EXPECT_TRUE(program->isTopmost(w) == false && program->isWindow(other));
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

TEST(Waits, LastTheirTimeAcrossTheWrapOfTheTickCount)
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
}

TEST(Waits, StopEarlyEndsTheWaitOnceTheConditionHolds)
{
    VirtualDesktop desktop;
    auto program = desktop.startProgram("ScorletS");
    bool quit = false;
    desktop.schedule(desktop.now() + 1500, [&] { quit = true; });
    const uint32_t start = program->tickCount();
    WaitSeconds(*program, 10, [&] { return quit; });
    EXPECT_GE(TicksSince(*program, start), 1500u);
    EXPECT_LT(TicksSince(*program, start), 1600u);
}

TEST(Folders, GoToAppFolderMakesTheProgramFolderCurrent)
{
    const auto here = std::filesystem::current_path();
    const auto folder = here / "app folder";
    std::filesystem::create_directories(folder);
    VirtualDesktop desktop;
    auto program = desktop.startProgram("ScorletS", folder.string());
    EXPECT_TRUE(GoToAppFolder(*program));
    EXPECT_EQ(std::filesystem::current_path(), folder);
    auto lost = desktop.startProgram("Other", (here / "no such folder").string());
    EXPECT_FALSE(GoToAppFolder(*lost));
    std::filesystem::current_path(here);
}

} // namespace
} // namespace scorlet
