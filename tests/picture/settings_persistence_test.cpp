// The selection as the view loads it when made and saves it when destroyed.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "picture/picture_view.h"
#include "platform/application.h"

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
    void SetUp() override {
        ASSERT_TRUE(configHome.isValid());
        previousConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previousConfigHome); }

    // The application object as the program makes it, under another executable's name.
    static std::unique_ptr<CWinApp> StartApp(const std::string& name) {
        auto app = std::make_unique<CWinApp>(name);
        app->SetRegistryKey(kCompany);
        return app;
    }

    QString StorePath(const char* appName) const {
        return configHome.path() + "/" + kCompany + "/" + appName + ".conf";
    }

    void WriteStore(const char* appName, const QByteArray& text) const {
        QDir().mkpath(configHome.path() + "/" + kCompany);
        QFile file(StorePath(appName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray ReadStore(const char* appName) const {
        QFile file(StorePath(appName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    BandCode LoadedByView(const char* appName) {
        auto app = StartApp(appName);
        CPictureView view;
        return view.bandCode();
    }

    QTemporaryDir configHome;
    QByteArray previousConfigHome;
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
    EXPECT_TRUE(ReadStore("kolvar").contains("4294967294"));
}

TEST_F(SettingsPersistence, GoldToleranceIsStoredUnsignedAndReadBackAsGold) {
    {
        auto app = StartApp("kolvar");
        app->WriteProfileInt("Settings", "Overshoot", -1);
    }
    EXPECT_TRUE(ReadStore("kolvar").contains("4294967295"));
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
    EXPECT_FALSE(ReadStore("kolvar").isEmpty());
    EXPECT_FALSE(ReadStore("kolvar-copy").isEmpty());
}

}  // namespace
}  // namespace kolvar
