// The selection as the view loads it when made and saves it when destroyed.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "picture/picture_view.h"
#include "platform/application.h"
#include "platform/testing.h"

namespace kolvar {
namespace {

constexpr const char* kCompany = "Local AppWizard-Generated Applications";

// A view whose selection the test can change, as the menu would.
class ChangeableView : public CPictureView {
public:
    BandCode& code() { return bandCode_; }
};

class SettingsPersistence : public testing::Test {
protected:
    // The application object as the program makes it, under another executable's name.
    static std::unique_ptr<CWinApp> StartApp(const std::string& name) {
        auto app = std::make_unique<CWinApp>(name);
        app->SetRegistryKey(kCompany);
        return app;
    }

    static void WriteStore(const char* appName, std::string_view text) {
        ASSERT_TRUE(ReplaceStoredText(kCompany, appName, text));
    }

    static std::string ReadStore(const char* appName) { return StoredText(kCompany, appName); }

    BandCode LoadedByView(const char* appName) {
        auto app = StartApp(appName);
        CPictureView view;
        return view.bandCode();
    }

    const SettingsSandbox settings;
};

TEST_F(SettingsPersistence, FirstRunShowsDefaultsAndWritesAllSixKeys) {
    EXPECT_EQ(LoadedByView("kolvar"), (BandCode{0, 1, 2, 5, 3, -2}));
    const auto nextRun = StartApp("kolvar");
    const int kAbsent = 1000;
    EXPECT_EQ(nextRun->GetProfileInt("Settings", "Extended", kAbsent), 0);
    EXPECT_EQ(nextRun->GetProfileInt("Settings", "Digit 1", kAbsent), 1);
    EXPECT_EQ(nextRun->GetProfileInt("Settings", "Digit 2", kAbsent), 2);
    EXPECT_EQ(nextRun->GetProfileInt("Settings", "Digit 3", kAbsent), 5);
    EXPECT_EQ(nextRun->GetProfileInt("Settings", "Power", kAbsent), 3);
    EXPECT_EQ(nextRun->GetProfileInt("Settings", "Overshoot", kAbsent), -2);
    EXPECT_NE(ReadStore("kolvar").find("4294967294"), std::string::npos);
}

TEST_F(SettingsPersistence, GoldToleranceIsStoredUnsignedAndReadBackAsGold) {
    {
        auto app = StartApp("kolvar");
        app->WriteProfileInt("Settings", "Overshoot", -1);
    }
    EXPECT_NE(ReadStore("kolvar").find("4294967295"), std::string::npos);
    EXPECT_EQ(LoadedByView("kolvar").overshoot, -1);
}

TEST_F(SettingsPersistence, AnyNonZeroExtendedMeansFiveBands) {
    WriteStore("kolvar", "[Settings]\nExtended=7\n");
    const BandCode loaded = LoadedByView("kolvar");
    EXPECT_EQ(loaded.extended, 7);
    EXPECT_EQ(BandCount(loaded), 5);
}

TEST_F(SettingsPersistence, UnusableValuesFallBackKeyByKey) {
    WriteStore("kolvar",
               "[Settings]\nExtended=1\nDigit 1=12\nDigit 2=abc\nDigit 3=9\n"
               "Power=4294967290\nOvershoot=4294967295\n");
    // 12 and -6 are numbers but no colours; "abc" is no number.
    EXPECT_EQ(LoadedByView("kolvar"), (BandCode{1, 1, 2, 9, 3, -1}));
}

TEST_F(SettingsPersistence, CodesTheMenuDoesNotOfferAreKept) {
    WriteStore("kolvar", "[Settings]\nDigit 1=0\nOvershoot=3\n");
    const BandCode loaded = LoadedByView("kolvar");
    EXPECT_EQ(loaded.digit1, 0);
    EXPECT_EQ(loaded.overshoot, 3);
}

TEST_F(SettingsPersistence, ExecutablesOfDifferentNamesKeepTheirOwnValues) {
    {
        auto app = StartApp("kolvar");
        ChangeableView view;
        view.code() = BandCode{1, 9, 9, 9, 9, 9};
    }
    EXPECT_EQ(LoadedByView("kolvar-copy"), BandCode{});
    EXPECT_EQ(LoadedByView("kolvar"), (BandCode{1, 9, 9, 9, 9, 9}));
    EXPECT_FALSE(ReadStore("kolvar").empty());
    EXPECT_FALSE(ReadStore("kolvar-copy").empty());
}

}  // namespace
}  // namespace kolvar
