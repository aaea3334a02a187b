#pragma once

// The folder under the user's configuration folder where the program keeps its settings, as its
// documentation names it: written out here, once for every test, rather than taken from the
// program.
namespace kolvar::test {

inline constexpr const char* kCompanyKey = "Local AppWizard-Generated Applications";

}  // namespace kolvar::test
