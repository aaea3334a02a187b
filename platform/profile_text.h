#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

// The text of a settings file: "[section]" headers, each followed by "key=value" lines. Blank
// lines and comments (";" or "#") are kept as they are, so that rewriting one value leaves the
// rest of the file alone.
class ProfileText {
public:
    // Nothing when the text has lines of any other kind: a file we do not understand is not
    // ours to rewrite.
    static std::optional<ProfileText> Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    std::string ToString() const;

private:
    struct Line {
        std::string key;  // empty: a blank line or comment, kept in text
        std::string value;
        std::string text;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    Section* Find(std::string_view section);
    const Section* Find(std::string_view section) const;
    bool AddLine(std::string_view line);

    // The first section has no header: what comes before the first "[section]".
    std::vector<Section> sections_{Section{}};
};

}  // namespace kolvar
