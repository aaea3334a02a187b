// The program started where it cannot show its window or keep its settings: one clear line on
// standard error, an ordinary exit status, and nothing written where it should not be.

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "signal_readiness.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct StartRow {
    const char* name;
    std::vector<std::pair<const char*, const char*>> variables;  // a null value removes one
    uid_t user;  // 0: the test's own; another needs root
    bool runs;   // shows its window until asked to end
    int status;
    const char* line;  // "{home}" stands for the user's home in the password database
};

std::string ExpectedLine(const StartRow& row) {
    std::string line = row.line;
    if (const passwd* entry = getpwuid(row.user); entry != nullptr) {
        if (const std::size_t home = line.find("{home}"); home != std::string::npos) {
            line.replace(home, 6, entry->pw_dir);
        }
    }
    return line;
}

bool OnPath(const std::string& program) {
    std::istringstream folders(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (access((folder + '/' + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

// Why the row cannot be run here, if it cannot.
std::string Unrunnable(const StartRow& row) {
    if (row.user == 0) {
        return fs::exists("/tmp/.X11-unix/X99") ? "a display :99 exists here" : "";
    }
    if (geteuid() != 0) {
        return "running the program as another user needs root";
    }
    if (!OnPath("setpriv")) {
        return "setpriv (util-linux) is not installed";
    }
    const passwd* entry = getpwuid(row.user);
    if ((entry != nullptr) !=
        (std::string_view(row.line).find("{home}") != std::string_view::npos)) {
        return "the password database does not have the user this row needs";
    }
    return entry != nullptr && fs::exists(entry->pw_dir)
               ? "the user's home exists, so the program could write there"
               : "";
}

// The lines of the text that begin as the program's own do.
std::vector<std::string> OwnLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (line.starts_with("kolvar: ")) {
            lines.push_back(line);
        }
    }
    return lines;
}

class Start : public testing::TestWithParam<StartRow> {};

TEST_P(Start, SaysWhatIsMissingInOneLineAndWritesNothing) {
    const StartRow& row = GetParam();
    if (const std::string reason = Unrunnable(row); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    const test::ScratchFolder configHome;
    ASSERT_FALSE(configHome.path().empty());
    std::vector<test::ChildProcess::Variable> variables = {
        {"XDG_CONFIG_HOME", configHome.path().string()}};
    for (const auto& [name, value] : row.variables) {
        std::erase_if(variables, [name](const auto& variable) { return variable.first == name; });
        variables.emplace_back(name,
                               value != nullptr ? std::optional<std::string>(value) : std::nullopt);
    }
    const std::string id = std::to_string(row.user);
    test::ChildProcess kolvar(
        row.user == 0 ? std::vector<std::string>{KOLVAR_EXECUTABLE}
                      : std::vector<std::string>{"setpriv", "--reuid=" + id, "--regid=" + id,
                                                 "--clear-groups", KOLVAR_EXECUTABLE},
        variables);
    ASSERT_TRUE(kolvar.Started());
    if (row.runs) {
        ASSERT_TRUE(WaitUntilCatches(kolvar.Pid(), SIGTERM)) << "kolvar never set up its signals";
        std::this_thread::sleep_for(300ms);  // let the main window come up
        kolvar.Signal(SIGTERM);
    }
    const std::optional<test::ChildProcess::Ending> ending = kolvar.Wait(10s);
    ASSERT_TRUE(ending);

    EXPECT_TRUE(ending->exited);
    EXPECT_EQ(ending->status, row.status);
    const std::string& errors = kolvar.Errors();
    EXPECT_EQ(OwnLines(errors), std::vector<std::string>{ExpectedLine(row)}) << errors;
    if (!row.runs) {
        EXPECT_EQ(errors, ExpectedLine(row) + '\n');  // and nothing of the toolkit's
    }
    EXPECT_TRUE(fs::is_empty(configHome.path()));
    if (const passwd* entry = getpwuid(row.user); row.user != 0 && entry != nullptr) {
        EXPECT_FALSE(fs::exists(entry->pw_dir));
    }
}

constexpr const char* kSavedInHome =
    "kolvar: cannot save settings to {home}/.config/Local AppWizard-Generated "
    "Applications/kolvar.conf: Permission denied";

INSTANTIATE_TEST_SUITE_P(
    Environments, Start,
    testing::Values(
        StartRow{"NoDisplay",
                 {{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"QT_QPA_PLATFORM", nullptr}},
                 0,
                 false,
                 1,
                 "kolvar: no display to show the window on (set DISPLAY or WAYLAND_DISPLAY)"},
        StartRow{"UnreachableDisplay",
                 {{"DISPLAY", ":99"}, {"WAYLAND_DISPLAY", nullptr}, {"QT_QPA_PLATFORM", nullptr}},
                 0,
                 false,
                 1,
                 "kolvar: cannot reach the display :99 to show the window on"},
        // nobody's home in the password database does not exist and cannot be made
        StartRow{"EmptyHomeTakesThePasswordEntry",
                 {{"HOME", ""}, {"XDG_CONFIG_HOME", nullptr}, {"QT_QPA_PLATFORM", "offscreen"}},
                 65534,
                 true,
                 0,
                 kSavedInHome},
        StartRow{
            "NoHomeAtAll",
            {{"HOME", nullptr}, {"XDG_CONFIG_HOME", nullptr}, {"QT_QPA_PLATFORM", "offscreen"}},
            12345,
            true,
            0,
            "kolvar: cannot save settings: no home folder (set HOME or XDG_CONFIG_HOME)"}),
    [](const testing::TestParamInfo<StartRow>& tested) { return tested.param.name; });

}  // namespace
}  // namespace kolvar
