// kolvar.exe as Explorer reads it: the version's texts in the file's properties.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace kolvar {
namespace {

struct Translation {
    WORD language;
    WORD codePage;
};

// The file's version information as GetFileVersionInfo gives it; empty where it has none.
std::vector<BYTE> VersionInformation(const wchar_t* path) {
    const DWORD size = GetFileVersionInfoSizeW(path, nullptr);
    std::vector<BYTE> information(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, information.data())) {
        information.clear();
    }
    return information;
}

std::wstring Hex(WORD value) {
    const wchar_t digits[] = L"0123456789abcdef";
    std::wstring hex;
    for (int shift = 12; shift >= 0; shift -= 4) {
        hex += digits[value >> shift & 0xF];
    }
    return hex;
}

// A value of the string table that the translation names, as Explorer looks it up.
std::wstring VersionText(std::vector<BYTE>& information, Translation translation,
                         const wchar_t* name) {
    const std::wstring path = L"\\StringFileInfo\\" + Hex(translation.language) +
                              Hex(translation.codePage) + L"\\" + name;
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(information.data(), path.c_str(), &text, &length) || text == nullptr) {
        return L"<no " + path + L">";
    }
    return std::wstring(static_cast<const wchar_t*>(text), length > 0 ? length - 1 : 0);
}

// Explorer takes the languages from the Translation list and each one's texts from the string
// table of that language and code page: Russian and English, in Unicode.
TEST(ProgramFile, NamesItsVersionInEachLanguageOfItsTranslations) {
    std::vector<BYTE> information = VersionInformation(KOLVAR_PROGRAM_FILE);
    ASSERT_FALSE(information.empty());
    void* list = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(information.data(), L"\\VarFileInfo\\Translation", &list, &size));
    const auto* translations = static_cast<const Translation*>(list);
    ASSERT_EQ(size, 2 * sizeof(Translation));
    const Translation russian = translations[0];
    const Translation english = translations[1];
    EXPECT_EQ(russian.language, 0x0419);
    EXPECT_EQ(english.language, 0x0409);
    for (const Translation translation : {russian, english}) {
        EXPECT_EQ(translation.codePage, 1200) << "Unicode";
        EXPECT_EQ(VersionText(information, translation, L"ProductName"), L"Kolvar");
        EXPECT_EQ(VersionText(information, translation, L"FileVersion"), L"1.0.0");
        EXPECT_EQ(VersionText(information, translation, L"OriginalFilename"), L"kolvar.exe");
        EXPECT_NE(VersionText(information, translation, L"LegalCopyright").find(L"MIT"),
                  std::wstring::npos);
    }
    EXPECT_EQ(VersionText(information, russian, L"FileDescription"),
              L"Цветная маркировка резистора");
    EXPECT_EQ(VersionText(information, english, L"FileDescription"),
              L"Resistor colour code calculator");
}

}  // namespace
}  // namespace kolvar
