#include "platform/win32/registry_profile_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <span>
#include <string>
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

    void PutNumber(const char* name, DWORD value) {
        const std::wstring wide(name, name + std::strlen(name));
        Put(wide.c_str(), REG_DWORD, &value, sizeof value);
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

constexpr wchar_t kMutexName[] = L"Local\\kolvar settings Test Company/registry-test";

// Another copy of the program, holding the settings mutex until it is told to let go.
class OtherCopy {
public:
    OtherCopy()
        : thread_([this] {
              HANDLE mutex = CreateMutexW(nullptr, TRUE, kMutexName);
              held_.set_value();
              releasing_.get_future().wait();
              ReleaseMutex(mutex);
              CloseHandle(mutex);
          }) {
        held_.get_future().wait();
    }
    ~OtherCopy() {
        LetGo();
        thread_.join();
    }
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;

    void LetGo() {
        if (!released_) {
            released_ = true;
            releasing_.set_value();
        }
    }

private:
    std::promise<void> held_;
    std::promise<void> releasing_;
    bool released_ = false;
    std::thread thread_;
};

// What reaches a debugger through OutputDebugString, which hands it over as an exception first.
class DebuggerOutput {
public:
    DebuggerOutput() : handler_(AddVectoredExceptionHandler(1, &Note)) { Heard().clear(); }
    ~DebuggerOutput() { RemoveVectoredExceptionHandler(handler_); }
    DebuggerOutput(const DebuggerOutput&) = delete;
    DebuggerOutput& operator=(const DebuggerOutput&) = delete;

    static std::string& Heard() {
        static std::string heard;
        return heard;
    }

private:
    static LONG CALLBACK Note(EXCEPTION_POINTERS* exception) {
        const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
        if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2) {
            Heard() += reinterpret_cast<const char*>(record.ExceptionInformation[1]);
        }
        return EXCEPTION_CONTINUE_SEARCH;
    }

    void* handler_;
};

// Another copy of the program holds the mutex while it saves; this save writes nothing until it
// has the mutex, and then all six values at once: a third copy waiting for the mutex behind it
// finds all six or none.
TEST_F(RegistryValues, ASaveWaitsForTheMutexAndThenWritesItsValuesTogether) {
    OtherCopy otherCopy;
    auto saved = std::async(std::launch::async, [this] {
        store_.BeginSave();
        for (const char* key : kSixKeys) {
            store_.WriteProfileInt("Settings", key, 6);
        }
        return store_.EndSave();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    auto foundByThirdCopy = std::async(std::launch::async, [this] {
        HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
        WaitForSingleObject(mutex, INFINITE);
        int found = 0;
        for (const char* key : kSixKeys) {
            found += Get(key).type != REG_NONE ? 1 : 0;
        }
        ReleaseMutex(mutex);
        CloseHandle(mutex);
        return found;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    int writtenMeanwhile = 0;
    for (const char* key : kSixKeys) {
        writtenMeanwhile += Get(key).type != REG_NONE ? 1 : 0;
    }
    otherCopy.LetGo();
    EXPECT_TRUE(saved.get());
    EXPECT_EQ(writtenMeanwhile, 0);
    EXPECT_EQ(foundByThirdCopy.get(), 6);
    for (const char* key : kSixKeys) {
        EXPECT_EQ(Get(key).value, 6U) << key;
    }
}

// At the end of the session the system does not wait for long: a copy that keeps the mutex
// (hung, say) delays a save by a second, after which it writes all the same and tells a
// debugger. The other copy lets go after a few seconds, which a save must not wait for.
TEST_F(RegistryValues, ASaveWaitsAtMostASecondForTheMutexThenWritesAndTellsTheDebugger) {
    const DebuggerOutput debugger;
    OtherCopy otherCopy;
    auto saved = std::async(std::launch::async, [this] {
        store_.BeginSave();
        store_.WriteProfileInt("Settings", "Power", 4);
        return store_.EndSave();
    });
    const bool savedWhileHeld =
        saved.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    otherCopy.LetGo();
    EXPECT_TRUE(savedWhileHeld);
    EXPECT_TRUE(saved.get());
    EXPECT_EQ(Get("Power").value, 4U);
    EXPECT_NE(DebuggerOutput::Heard().find("registry-test: another copy is saving the settings"),
              std::string::npos)
        << DebuggerOutput::Heard();
}

// A copy that ended while it held the mutex (killed in the middle of a save, say) leaves it
// abandoned: the next save has it all the same, and lets go of it, so that the save after that,
// by another copy, has it at once rather than after a second of waiting.
TEST_F(RegistryValues, TwoSavesAfterACopyEndedHoldingTheMutexWaitForNothing) {
    const DebuggerOutput debugger;
    HANDLE abandoned = nullptr;
    std::thread([&abandoned] { abandoned = CreateMutexW(nullptr, TRUE, kMutexName); }).join();
    store_.BeginSave();
    store_.WriteProfileInt("Settings", "Power", 1);
    EXPECT_TRUE(store_.EndSave());
    auto byAnotherCopy = std::async(std::launch::async, [this] {
        store_.BeginSave();
        store_.WriteProfileInt("Settings", "Power", 2);
        return store_.EndSave();
    });
    EXPECT_TRUE(byAnotherCopy.get());
    EXPECT_EQ(Get("Power").value, 2U);
    EXPECT_EQ(DebuggerOutput::Heard(), "");
    CloseHandle(abandoned);
}

// A start while another copy saves waits for that save and then reads its six values, never half
// of the old selection and half of the new.
TEST_F(RegistryValues, AStartDuringASaveWaitsForItAndReadsItsValuesWhole) {
    for (const char* key : kSixKeys) {
        PutNumber(key, 5);
    }
    OtherCopy otherCopy;
    for (const char* key : std::span(kSixKeys).first(3)) {
        PutNumber(key, 6);
    }
    const RegistryProfileStore starting{"Test Company", "registry-test"};
    auto read = std::async(std::launch::async, [&starting] {
        std::string values;
        for (const char* key : kSixKeys) {
            values += std::to_string(starting.GetProfileInt("Settings", key, 0));
        }
        return values;
    });
    const bool readWhileSaving =
        read.wait_for(std::chrono::milliseconds(200)) == std::future_status::ready;
    for (const char* key : std::span(kSixKeys).last(3)) {
        PutNumber(key, 6);
    }
    otherCopy.LetGo();
    EXPECT_FALSE(readWhileSaving);
    EXPECT_EQ(read.get(), "666666");
}

// The mutex's name taken by an object of another kind: the copy saves and reads all the same,
// and tells the debugger that it could not wait.
TEST_F(RegistryValues, ACopyThatCannotHaveTheMutexSavesAndReadsAndTellsTheDebugger) {
    const DebuggerOutput debugger;
    HANDLE squatter = CreateEventW(nullptr, TRUE, FALSE, kMutexName);
    store_.BeginSave();
    store_.WriteProfileInt("Settings", "Power", 4);
    EXPECT_TRUE(store_.EndSave());
    const RegistryProfileStore starting{"Test Company", "registry-test"};
    EXPECT_EQ(starting.GetProfileInt("Settings", "Power", 0), 4);
    CloseHandle(squatter);
    const std::string& heard = DebuggerOutput::Heard();
    EXPECT_NE(heard.find("registry-test: cannot wait for other copies' saves ("), std::string::npos)
        << heard;
    EXPECT_NE(heard.find("); saving without waiting for them"), std::string::npos) << heard;
    EXPECT_NE(heard.find("); reading them without waiting for them"), std::string::npos) << heard;
}

}  // namespace
}  // namespace kolvar
