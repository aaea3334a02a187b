#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/profile_store.h"
#include "platform/profile_value.h"

namespace kolvar {
namespace {

constexpr const char* kCompany = "Test Company";
constexpr const char* kSection = "Settings";

QString ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Each test gets a configuration directory of its own.
class Store : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        const char* previous = std::getenv("XDG_CONFIG_HOME");
        previous_ = previous != nullptr ? std::optional<std::string>(previous) : std::nullopt;
        setenv("XDG_CONFIG_HOME", home_.path().toUtf8().constData(), 1);
    }
    void TearDown() override {
        if (previous_) {
            setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }
    QString Path() const { return QString::fromStdString(store.FilePath()); }

    QTemporaryDir home_;
    std::optional<std::string> previous_;
    ProfileStore store{kCompany, "kolvar"};
};

TEST_F(Store, LivesUnderTheConfigurationDirectoryByCompanyAndApplication) {
    EXPECT_EQ(Path(), home_.path() + "/Test Company/kolvar.conf");
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
    EXPECT_EQ(ReadFile(Path()), QString("[Settings]\nDigit 1=") + GetParam().stored + "\n");
}

INSTANTIATE_TEST_SUITE_P(Values, StoreRoundTrip,
                         testing::Values(RoundTripRow{-2, "4294967294"},
                                         RoundTripRow{-1, "4294967295"}, RoundTripRow{0, "0"},
                                         RoundTripRow{9, "9"}, RoundTripRow{INT_MIN, "2147483648"},
                                         RoundTripRow{INT_MAX, "2147483647"}));

TEST_F(Store, KeysWithSpacesStayApartFromTheirLookAlikes) {
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Digit 1", 4));
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Digit 2", 5));
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit 1", 0), 4);
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit 2", 0), 5);
    EXPECT_EQ(store.GetProfileInt(kSection, "Digit1", -7), -7);
    EXPECT_EQ(store.GetProfileInt("Other", "Digit 1", -7), -7);
}

TEST_F(Store, MissingKeysAndAMissingFileGiveTheDefaultWithoutWritingAnything) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(Path()).absolutePath()));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_FALSE(QFileInfo::exists(Path()));
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
    WriteFile(Path(), QByteArray("[Settings]\nPower=") + GetParam().text + "\n");
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
                    StoredTextRow{"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)", std::nullopt}));

TEST_F(Store, AFileItDoesNotUnderstandGivesDefaultsAndStaysAsItWas) {
    QByteArray garbage;
    for (int index = 0; index < 4096; ++index) {
        garbage.append(static_cast<char>(index * 37 % 256));
    }
    WriteFile(Path(), garbage);
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_FALSE(store.WriteProfileInt(kSection, "Power", 5));
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

TEST_F(Store, AFileThatCannotBeReadGivesDefaultsAndStaysAsItWas) {
    ASSERT_TRUE(QDir().mkpath(Path()));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_FALSE(store.WriteProfileInt(kSection, "Power", 5));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
}

TEST_F(Store, ADirectoryThatCannotBeCreatedCostsOnlyTheValues) {
    const QString companyDirectory = QFileInfo(Path()).absolutePath();
    WriteFile(companyDirectory, "keep");
    EXPECT_FALSE(store.WriteProfileInt(kSection, "Power", 5));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 3);
    EXPECT_EQ(ReadFile(companyDirectory), "keep");
}

TEST_F(Store, AWriteReplacesTheFileRatherThanRewritingIt) {
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Power", 1));
    const QString link = home_.path() + "/before.conf";
    ASSERT_EQ(::link(Path().toUtf8().constData(), link.toUtf8().constData()), 0);
    const QString before = ReadFile(link);
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Power", 2));
    EXPECT_EQ(ReadFile(link), before);
    EXPECT_NE(ReadFile(Path()), before);
}

TEST_F(Store, ApplicationNamesKeepTheirValuesApart) {
    ProfileStore other(kCompany, "renamed");
    ASSERT_TRUE(store.WriteProfileInt(kSection, "Power", 4));
    EXPECT_EQ(other.GetProfileInt(kSection, "Power", 3), 3);
    ASSERT_TRUE(other.WriteProfileInt(kSection, "Power", 8));
    EXPECT_EQ(store.GetProfileInt(kSection, "Power", 3), 4);
    EXPECT_EQ(other.GetProfileInt(kSection, "Power", 3), 8);
}

TEST(ProfileValue, FormatsAndParsesTheSame32Bits) {
    for (const int value : {0, 1, -1, -2, INT_MIN, INT_MAX}) {
        EXPECT_EQ(ParseProfileInt(FormatProfileInt(value)), value);
    }
    EXPECT_EQ(FormatProfileInt(-2), "4294967294");
}

}  // namespace
}  // namespace kolvar
