#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>

#include "platform/posix/file_profile_store.h"
#include "tests/support/row_name.h"
#include "tests/support/scratch_folder.h"

namespace kolvar {
namespace {

constexpr const char* kCompany = "Test Company";
constexpr const char* kSection = "Settings";

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path;
}

// Each test gets a configuration directory of its own.
class Store : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(home_.path().empty());
        const char* previous = std::getenv("XDG_CONFIG_HOME");
        previous_ = previous != nullptr ? std::optional<std::string>(previous) : std::nullopt;
        setenv("XDG_CONFIG_HOME", home_.path().c_str(), 1);
    }
    void TearDown() override {
        if (previous_) {
            setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }
    fs::path Path() const { return store.FilePath(); }

    test::ScratchFolder home_;
    std::optional<std::string> previous_;
    FileProfileStore store{kCompany, "kolvar"};
};

TEST_F(Store, LivesUnderTheConfigurationDirectoryByCompanyAndApplication) {
    EXPECT_EQ(Path(), home_.path() / "Test Company" / "kolvar.conf");
}

struct RoundTripRow {
    int value;
    const char* stored;
};

void PrintTo(const RoundTripRow& row, std::ostream* out) {
    *out << row.value;
}

class StoreRoundTrip : public Store, public testing::WithParamInterface<RoundTripRow> {};

TEST_P(StoreRoundTrip, WritesUnsigned32BitDecimalsAndReadsBackTwosComplement) {
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Digit 1", GetParam().value));
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit 1", 12345), GetParam().value);
    EXPECT_EQ(ReadFile(Path()), std::string("[Settings]\nDigit 1=") + GetParam().stored + "\n");
}

INSTANTIATE_TEST_SUITE_P(Values, StoreRoundTrip,
                         testing::Values(RoundTripRow{-2, "4294967294"},
                                         RoundTripRow{-1, "4294967295"}, RoundTripRow{0, "0"},
                                         RoundTripRow{9, "9"}, RoundTripRow{INT_MIN, "2147483648"},
                                         RoundTripRow{INT_MAX, "2147483647"}),
                         test::RowName());

TEST_F(Store, KeysWithSpacesStayApartFromTheirLookAlikes) {
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Digit 1", 4));
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Digit 2", 5));
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit 1", 0), 4);
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit 2", 0), 5);
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit1", -7), -7);
    EXPECT_EQ(store.GetProfileInt("Other", "Digit 1", -7), -7);
}

TEST_F(Store, MissingKeysAndAMissingFileGiveTheDefaultWithoutWritingAnything) {
    ASSERT_TRUE(fs::create_directories(Path().parent_path()));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_FALSE(fs::exists(Path()));
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Power", 6));
    EXPECT_EQ(store.GetProfileInt(kSection, "Overshoot", -2), -2);
}

struct StoredTextRow {
    const char* text;
    std::optional<int> value;
};

void PrintTo(const StoredTextRow& row, std::ostream* out) {
    *out << '"' << row.text << '"';
}

class StoredText : public Store, public testing::WithParamInterface<StoredTextRow> {};

TEST_P(StoredText, ReadsOnlyUnsignedDecimalsWithin32Bits) {
    WriteFile(Path(), std::string("[Settings]\nPower=") + GetParam().text + "\n");
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 1234), GetParam().value.value_or(1234));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredText,
    testing::Values(StoredTextRow{"7", 7}, StoredTextRow{"4294967294", -2},
                    StoredTextRow{"4294967295", -1}, StoredTextRow{"4294967296", std::nullopt},
                    StoredTextRow{"99999999999999999999", std::nullopt},
                    StoredTextRow{"-2", std::nullopt}, StoredTextRow{"+2", std::nullopt},
                    StoredTextRow{"", std::nullopt}, StoredTextRow{"abc", std::nullopt},
                    StoredTextRow{"0x10", std::nullopt}, StoredTextRow{"1, 2", std::nullopt},
                    StoredTextRow{"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)", std::nullopt}),
    test::RowName());

TEST_F(Store, AFileItDoesNotUnderstandGivesDefaultsAndStaysAsItWas) {
    std::string garbage;
    for (int index = 0; index < 4096; ++index) {
        garbage.push_back(static_cast<char>(index * 37 % 256));
    }
    WriteFile(Path(), garbage);
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_FALSE(store.WriteProfileInt(kSection, "Power", 5));
    EXPECT_EQ(ReadFile(Path()), garbage);
}

// A file as a user's editor may leave it: read as far as it is text, and on a save only the
// program's own values change.
struct HandEditedRow {
    const char* name;
    std::string_view before;
    int digit1;  // as read, 0 being the default
    bool saved;
    std::string_view after;  // after saving Digit 1 = 7 and Power = 4
};

class HandEdited : public Store, public testing::WithParamInterface<HandEditedRow> {};

TEST_P(HandEdited, IsReadAsFarAsItIsTextAndKeptOnSave) {
    const HandEditedRow& row = GetParam();
    WriteFile(Path(), row.before);
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit 1", 0), row.digit1);
    store.BeginSave();
    store.WriteProfileInt(kSection, "Digit 1", 7);
    store.WriteProfileInt(kSection, "Power", 4);
    testing::internal::CaptureStderr();
    EXPECT_EQ(store.EndSave(), row.saved);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFile(Path()), row.after);
    EXPECT_EQ(reported.empty(), row.saved) << reported;
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Files, HandEdited,
    testing::Values(
        HandEditedRow{"ByteOrderMark", "\xEF\xBB\xBF[Settings]\nDigit 1=4\n", 4, true,
                      "\xEF\xBB\xBF[Settings]\nDigit 1=7\nPower=4\n"},
        HandEditedRow{"Crlf", "[Settings]\r\nDigit 1=4\r\n", 4, true,
                      "[Settings]\r\nDigit 1=7\r\nPower=4\r\n"},
        HandEditedRow{"StrayLine", "[Settings]\nstray words\n  Digit 1 = 4 \n", 4, true,
                      "[Settings]\nstray words\nDigit 1=7\nPower=4\n"},
        HandEditedRow{"Comment", "; mine\n[Settings]\n# Digit 1=9\nDigit 1=4\n\n; next\n[Next]\n",
                      4, true,
                      "; mine\n[Settings]\n# Digit 1=9\nDigit 1=7\nPower=4\n\n; next\n[Next]\n"},
        HandEditedRow{"OtherSection", "[Other]\nDigit 1=9\n[Settings]\nDigit 1=4", 4, true,
                      "[Other]\nDigit 1=9\n[Settings]\nDigit 1=7\nPower=4\n"},
        HandEditedRow{"DuplicateKey", "[Settings]\nDigit 1=4\nDigit 1=9\n", 4, true,
                      "[Settings]\nDigit 1=7\nDigit 1=9\nPower=4\n"},
        HandEditedRow{"RepeatedSection", "[Settings]\nPower=1\n[Other]\n[Settings]\nDigit 1=4\n", 4,
                      true, "[Settings]\nPower=4\n[Other]\n[Settings]\nDigit 1=7\n"},
        HandEditedRow{"NulByte", "[Settings]\nDigit 1=4\0\n"sv, 0, false,
                      "[Settings]\nDigit 1=4\0\n"sv},
        HandEditedRow{"InvalidUtf8", "[Settings]\nDigit 1=4\xFF\n", 0, false,
                      "[Settings]\nDigit 1=4\xFF\n"}),
    test::RowName());

// An immutable folder takes no new file and an immutable file cannot be replaced, even by root.
bool SetImmutable(const fs::path& path, bool immutable) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    int flags = 0;
    bool done = descriptor >= 0 && ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(descriptor);
    return done;
}

// One step of a save that fails: the file beside the old one cannot be made (the folder is
// immutable), written (a file size limit), or renamed over the old one (that is immutable).
struct InterruptedRow {
    const char* name;
    bool folderImmutable;
    bool fileImmutable;
    rlim_t sizeLimit;  // 0: none
};

class InterruptedSave : public Store, public testing::WithParamInterface<InterruptedRow> {};

TEST_P(InterruptedSave, LeavesThePreviousFileWholeAndSaysWhyInOneLine) {
    const InterruptedRow& row = GetParam();
    // Longer than the size limit, which the captured error line must stay under.
    const std::string before = "; " + std::string(300, 'x') + "\n[Settings]\nPower=1\n";
    WriteFile(Path(), before);
    const fs::path folder = Path().parent_path();
    const fs::path immutable = row.folderImmutable ? folder : row.fileImmutable ? Path() : "";
    if (!immutable.empty() && !SetImmutable(immutable, true)) {
        GTEST_SKIP() << "cannot make " << immutable << " immutable, which needs "
                     << "CAP_LINUX_IMMUTABLE and a file system with the immutable attribute";
    }
    rlimit previousLimit{};
    getrlimit(RLIMIT_FSIZE, &previousLimit);
    const rlimit limit{row.sizeLimit != 0 ? row.sizeLimit : previousLimit.rlim_cur,
                       previousLimit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    testing::internal::CaptureStderr();
    setrlimit(RLIMIT_FSIZE, &limit);
    store.BeginSave();
    store.WriteProfileInt(kSection, "Power", 2);
    store.WriteProfileInt(kSection, "Digit 1", 9);
    const bool saved = store.EndSave();
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, SIG_DFL);
    SetImmutable(immutable, false);
    const std::string reported = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(Path()), before);
    std::set<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        files.insert(entry.path().filename().string());
    }
    EXPECT_EQ(files, std::set<std::string>{"kolvar.conf"});
    const std::string start = "kolvar: cannot save settings to " + store.FilePath() + ": ";
    EXPECT_TRUE(reported.starts_with(start) && reported.size() > start.size() + 1 &&
                reported.find('\n') == reported.size() - 1)
        << reported;
}

INSTANTIATE_TEST_SUITE_P(Steps, InterruptedSave,
                         testing::Values(InterruptedRow{"Create", true, false, 0},
                                         InterruptedRow{"Write", false, false, 200},
                                         InterruptedRow{"Rename", false, true, 0}),
                         test::RowName());

TEST_F(Store, AFileThatCannotBeReadGivesDefaultsAndStaysAsItWas) {
    ASSERT_TRUE(fs::create_directories(Path()));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_FALSE(store.WriteProfileInt(kSection, "Power", 5));
    EXPECT_TRUE(fs::is_directory(Path()));
}

TEST_F(Store, ADirectoryThatCannotBeCreatedCostsOnlyTheValues) {
    const fs::path companyDirectory = Path().parent_path();
    WriteFile(companyDirectory, "keep");
    EXPECT_FALSE(store.WriteProfileInt(kSection, "Power", 5));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_EQ(ReadFile(companyDirectory), "keep");
}

TEST_F(Store, AWriteReplacesTheFileRatherThanRewritingIt) {
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Power", 1));
    const fs::path link = home_.path() / "before.conf";
    ASSERT_EQ(::link(Path().c_str(), link.c_str()), 0);
    const std::string before = ReadFile(link);
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Power", 2));
    EXPECT_EQ(ReadFile(link), before);
    EXPECT_NE(ReadFile(Path()), before);
}

TEST_F(Store, ApplicationNamesKeepTheirValuesApart) {
    FileProfileStore other(kCompany, "renamed");
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Power", 4));
    EXPECT_EQ(other.GetProfileInt(kSection, "Power", 3), 3);
    ASSERT_TRUE(other.WriteProfileInt(kSection, "Power", 8));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 4);
    EXPECT_EQ(other.GetProfileInt(kSection, "Power", 3), 8);
}

}  // namespace
}  // namespace kolvar
