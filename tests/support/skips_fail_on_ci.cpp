// Linked into every GoogleTest program. On CI (CI=true) all that the tests need is installed, so
// a test that skips there has lost what it was meant to show: its skip becomes a failure that
// names what was missing. Elsewhere a skip stays a skip.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace kolvar::test {
namespace {

bool OnCi() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::string_view(ci) == "true";
}

std::string SkipReasons(const testing::TestResult& result) {
    std::string reasons;
    for (int index = 0; index < result.total_part_count(); ++index) {
        if (const testing::TestPartResult& part = result.GetTestPartResult(index); part.skipped()) {
            reasons += reasons.empty() ? "" : "; ";
            reasons += part.message();
        }
    }
    return reasons;
}

// Its OnTestEnd comes before the result printer's, which then reports the test as failed. (A
// failure cannot be added from OnTestPartResult: GoogleTest holds its lock while calling it.)
class SkipsFailOnCi : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& test) override {
        if (test.result()->Skipped()) {
            ADD_FAILURE() << "CI=true, where every test must run, but this one skipped: "
                          << SkipReasons(*test.result());
        }
    }
};

[[maybe_unused]] const bool kInstalled = [] {
    if (OnCi()) {
        testing::UnitTest::GetInstance()->listeners().Append(new SkipsFailOnCi);
    }
    return true;
}();

}  // namespace
}  // namespace kolvar::test
