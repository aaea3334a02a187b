#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

// A stored integer's text: the value's 32 bits as an unsigned decimal, -2 as 4294967294.
std::string FormatProfileInt(int value);

// The value of a stored text, read back as two's complement; nothing unless the text is an
// unsigned decimal of at most 4294967295 (no sign, no blanks, no list).
std::optional<int> ParseProfileInt(std::string_view text);

// The text of a settings file: "[section]" headers, each followed by "key=value" lines. Files
// are edited by hand, so whatever else a line holds (a comment, a stray word, a line end of
// another system) is read past and written back byte for byte: rewriting one value leaves the
// rest of the file alone. Of keys given twice, in one section or in two of the same name, the
// first counts.
class ProfileText {
public:
    // Nothing only when the bytes are not text at all (a NUL byte, invalid UTF-8): such a file
    // is not ours to rewrite.
    static std::optional<ProfileText> Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // A missing key goes to the section's first header, after the last line there that is
    // neither blank nor a comment; a missing section goes at the end.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    std::string ToString() const;

private:
    struct Line {
        std::string text;  // as read, line end included
        std::string key;   // empty: not an entry
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;  // the header first, except in the first section
    };

    Section* Find(std::string_view section);
    void AddLine(std::string_view text);
    Section& AddSection(std::string_view name);
    void InsertEntry(std::vector<Line>& lines, std::vector<Line>::iterator where,
                     std::string_view key, std::string_view value);
    void EndLineBefore(std::vector<Line>& lines, std::vector<Line>::iterator where) const;
    std::string NewLineEnd() const;

    std::string byteOrderMark_;
    // The first section has no header: what comes before the first "[section]".
    std::vector<Section> sections_{Section{}};
};

}  // namespace kolvar
