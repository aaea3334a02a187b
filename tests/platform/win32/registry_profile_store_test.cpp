#include "platform/win32/registry_profile_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <thread>

#include "platform/testing.h"
#include "platform/win32/windows_api.h"

namespace kolvar {
namespace {

constexpr const char* kSixKeys[] = {"Extended", "Digit 1", "Digit 2",
                                    "Digit 3",  "Power",   "Overshoot"};

struct Stored {
    DWORD type = REG_NONE;
    DWORD size = 0;
    DWORD value = 0;
};

class RegistryValues : public testing::Test {
protected:
    void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), name, type, data, size),
                  ERROR_SUCCESS);
    }

    Stored Get(const char* name) const {
        Stored stored;
        BYTE data[16] = {};
        stored.size = sizeof data;
        const std::wstring value(name, name + std::strlen(name));
        if (RegGetValueW(HKEY_CURRENT_USER, path_.c_str(), value.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                         &stored.type, data, &stored.size) != 0) {
            return {};
        }
        std::memcpy(&stored.value, data, sizeof stored.value);
        return stored;
    }

    const SettingsSandbox sandbox_;
    RegistryProfileStore store_{"Test Company", "registry-test"};
    std::wstring path_ = store_.KeyPath("Settings");
};

TEST_F(RegistryValues, AMissingValueGivesTheDefault) {
    EXPECT_EQ(store_.GetProfileInt("Settings", "Power", 42), 42);
}

TEST_F(RegistryValues, AValueOfAnotherTypeOrSizeCountsAsMissingAndTheNextSaveRewritesIt) {
    const wchar_t text[] = L"7";
    const ULONGLONG wide = 7;
    const WORD narrow = 7;
    Put(L"Digit 1", REG_SZ, text, sizeof text);
    Put(L"Digit 2", REG_QWORD, &wide, sizeof wide);
    Put(L"Digit 3", REG_DWORD, &narrow, sizeof narrow);
    store_.BeginSave();
    for (const char* key : {"Digit 1", "Digit 2", "Digit 3"}) {
        EXPECT_EQ(store_.GetProfileInt("Settings", key, -5), -5) << key;
        store_.WriteProfileInt("Settings", key, -3);
    }
    ASSERT_TRUE(store_.EndSave());
    for (const char* key : {"Digit 1", "Digit 2", "Digit 3"}) {
        const Stored stored = Get(key);
        EXPECT_EQ(stored.type, DWORD{REG_DWORD}) << key;
        EXPECT_EQ(stored.size, 4U) << key;
        EXPECT_EQ(stored.value, 0xFFFFFFFDU) << key;
    }
}

// Another copy of the program holds the mutex while it saves; this save writes nothing until it
// has the mutex, and then all six values.
TEST_F(RegistryValues, ASaveWaitsForTheMutexAndThenWritesItsValuesTogether) {
    std::promise<void> held;
    std::promise<void> release;
    std::thread otherCopy([&held, releasing = release.get_future()] {
        HANDLE mutex =
            CreateMutexW(nullptr, TRUE, L"Local\\kolvar settings Test Company/registry-test");
        held.set_value();
        releasing.wait();
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    });
    held.get_future().wait();
    auto saved = std::async(std::launch::async, [this] {
        store_.BeginSave();
        for (const char* key : kSixKeys) {
            store_.WriteProfileInt("Settings", key, 6);
        }
        return store_.EndSave();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int writtenMeanwhile = 0;
    for (const char* key : kSixKeys) {
        writtenMeanwhile += Get(key).type != REG_NONE ? 1 : 0;
    }
    release.set_value();
    otherCopy.join();
    EXPECT_TRUE(saved.get());
    EXPECT_EQ(writtenMeanwhile, 0);
    for (const char* key : kSixKeys) {
        EXPECT_EQ(Get(key).value, 6U) << key;
    }
}

}  // namespace
}  // namespace kolvar
