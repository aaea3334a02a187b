// Two copies of the program on one settings file. Each loads the file at its start and writes
// its selection at its end, so the one that ends last decides what the file holds. Each save
// replaces the file in one step, so even when both end at once the file holds one copy's
// selection whole, never some keys of one and some of the other.

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/profile_text.h"
#include "tests/support/child_process.h"
#include "tests/support/company_key.h"
#include "tests/support/scratch_folder.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::array<const char*, 6> kKeys = {"Extended", "Digit 1", "Digit 2",
                                              "Digit 3",  "Power",   "Overshoot"};
constexpr auto kPatience = 60s;

// The six values as the file holds them: unsigned decimals, -1 as 4294967295.
using Selection = std::array<std::string, 6>;
const Selection kFirst = {"1", "4", "7", "0", "4294967295", "5"};
const Selection kSecond = {"0", "9", "1", "3", "8", "4294967294"};

std::string StoreText(const Selection& selection) {
    std::string text = "[Settings]\n";
    for (std::size_t index = 0; index < kKeys.size(); ++index) {
        text += std::string(kKeys[index]) + '=' + selection[index] + '\n';
    }
    return text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

using Program = test::ChildProcess;
// The program's own way out: an exit status of 0.
const Program::Ending kExitedWell{true, 0};

class ConcurrentRuns : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(configHome_.path().empty());
        storeDir_ = configHome_.path() / test::kCompanyKey;
        fs::create_directories(storeDir_);
        store_ = storeDir_ / (executable_.stem().string() + ".conf");
        watch_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        ASSERT_GE(watch_, 0);
        // Opens are watched too, only so that the kernel does not merge one read's close with
        // the next one's, as it does with identical events in a row.
        ASSERT_GE(inotify_add_watch(watch_, storeDir_.c_str(), IN_OPEN | IN_CLOSE_NOWRITE), 0);
    }
    void TearDown() override {
        if (watch_ >= 0) {
            close(watch_);
        }
    }

    void WriteStore(const Selection& selection) {
        std::ofstream(store_, std::ios::binary | std::ios::trunc) << StoreText(selection);
    }

    // The program reads the file once as its view is made; after that read it holds its
    // selection and the file may change under it.
    bool WaitForLoad() {
        bool loaded = false;
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        alignas(inotify_event) char buffer[4096];
        while (!loaded) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            const ssize_t length = read(watch_, buffer, sizeof buffer);
            if (length <= 0) {
                std::this_thread::sleep_for(2ms);
                continue;
            }
            for (ssize_t offset = 0; offset < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
                if ((event->mask & IN_CLOSE_NOWRITE) != 0 && event->len > 0 &&
                    store_.filename() == event->name) {
                    loaded = true;
                }
                offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return true;
    }

    // Reads by copies that have ended since do not count for the next one.
    void ForgetEarlierReads() {
        alignas(inotify_event) char buffer[4096];
        while (read(watch_, buffer, sizeof buffer) > 0) {
        }
    }

    std::unique_ptr<Program> StartWith(const Selection& selection) {
        WriteStore(selection);
        ForgetEarlierReads();
        auto program = std::make_unique<Program>(
            std::vector<std::string>{executable_.string()},
            std::vector<Program::Variable>{{"XDG_CONFIG_HOME", configHome_.path().string()},
                                           {"QT_QPA_PLATFORM", "offscreen"}});
        EXPECT_TRUE(program->Started()) << "cannot start " << executable_;
        EXPECT_TRUE(WaitForLoad()) << "the program did not read its settings";
        return program;
    }

    // Every key of the file, in the file's own reading, or nothing if it does not parse.
    std::optional<Selection> Stored() const {
        const std::optional<ProfileText> text = ProfileText::Parse(ReadFile(store_));
        if (!text) {
            return std::nullopt;
        }
        Selection stored;
        for (std::size_t index = 0; index < kKeys.size(); ++index) {
            stored[index] = text->Value("Settings", kKeys[index]).value_or("(missing)");
        }
        return stored;
    }

    const fs::path executable_ = KOLVAR_EXECUTABLE;
    const test::ScratchFolder configHome_;
    fs::path storeDir_;
    fs::path store_;
    int watch_ = -1;
};

TEST_F(ConcurrentRuns, TheCopyThatEndsLastDecidesWhatTheFileHolds) {
    for (const bool firstEndsFirst : {true, false}) {
        SCOPED_TRACE(firstEndsFirst ? "first copy ends first" : "second copy ends first");
        std::unique_ptr<Program> first = StartWith(kFirst);
        std::unique_ptr<Program> second = StartWith(kSecond);
        ASSERT_FALSE(HasFailure());
        Program& earlier = firstEndsFirst ? *first : *second;
        Program& later = firstEndsFirst ? *second : *first;

        earlier.Signal(SIGTERM);
        EXPECT_EQ(earlier.Wait(kPatience), kExitedWell);
        EXPECT_EQ(Stored(), firstEndsFirst ? kFirst : kSecond);
        later.Signal(SIGTERM);
        EXPECT_EQ(later.Wait(kPatience), kExitedWell);
        EXPECT_EQ(Stored(), firstEndsFirst ? kSecond : kFirst);
    }
}

TEST_F(ConcurrentRuns, EndingTogetherLeavesOneWholeSelection) {
    constexpr int kRounds = 3;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::unique_ptr<Program> first = StartWith(kFirst);
        std::unique_ptr<Program> second = StartWith(kSecond);
        ASSERT_FALSE(HasFailure());

        first->Signal(SIGTERM);
        second->Signal(SIGTERM);
        EXPECT_EQ(first->Wait(kPatience), kExitedWell);
        EXPECT_EQ(second->Wait(kPatience), kExitedWell);
        const std::optional<Selection> stored = Stored();
        EXPECT_TRUE(stored == kFirst || stored == kSecond) << "the file holds:\n"
                                                           << ReadFile(store_);
    }
}

}  // namespace
}  // namespace kolvar
