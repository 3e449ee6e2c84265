// The display's shell call as tests reach it: through the recording shell,
// so that no test ever starts the real file browser.
#include "video_display/platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulated_host/platform.h"
#include "simulated_host/recording_shell.h"

namespace {

using Tamsel::Platform::ExecuteShell;

TEST(ExecuteShellTest, FileBrowserRequestReachesTheStandInUnchanged) {
    SimulatedHost::RecordingShell shell;
    const char* parameters = "/select, C:\\My  Pictures\\a b.jpg";
    EXPECT_TRUE(ExecuteShell("open", "Explorer.exe", parameters, 1));
#if defined(_WIN32)
    // The browser's command line, blanks and all.
    EXPECT_EQ(shell.opened(), std::vector<std::string>{parameters});
#else
    // The desktop's opener is given the folder to open.
    EXPECT_EQ(shell.opened(), std::vector<std::string>{"C:\\My  Pictures"});
#endif
}

TEST(ExecuteShellTest, OpenerThatCannotRunIsAFailure) {
    SimulatedHost::RecordingShell shell(SimulatedHost::programFolder() + "/no_such_opener");
    EXPECT_FALSE(ExecuteShell("open", "Explorer.exe", "/select, C:\\a.jpg", 1));
    EXPECT_TRUE(shell.opened().empty());
}

}  // namespace
