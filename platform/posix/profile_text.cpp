#include "platform/posix/profile_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace kolvar {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsComment(std::string_view content) {
    return !content.empty() && (content.front() == ';' || content.front() == '#');
}

bool IsHeader(std::string_view content) {
    return content.size() >= 2 && content.front() == '[' && content.back() == ']';
}

std::string_view LineEnd(std::string_view text) {
    if (text.ends_with("\r\n")) {
        return "\r\n";
    }
    return text.ends_with('\n') ? "\n" : "";
}

// The length of the UTF-8 sequence that starts with `lead`, or 0 when no sequence starts so.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (std::size_t index = 0; index < text.size();) {
        const auto lead = static_cast<unsigned char>(text[index]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0 || index + length > text.size()) {
            return false;
        }
        const auto second = static_cast<unsigned char>(length > 1 ? text[index + 1] : 0x80);
        const bool secondInRange =
            (lead != 0xE0 || second >= 0xA0) && (lead != 0xED || second < 0xA0) &&
            (lead != 0xF0 || second >= 0x90) && (lead != 0xF4 || second < 0x90);
        for (std::size_t next = 1; next < length; ++next) {
            if ((static_cast<unsigned char>(text[index + next]) & 0xC0) != 0x80) {
                return false;
            }
        }
        if (!secondInRange) {
            return false;
        }
        index += length;
    }
    return true;
}

// A section may be given more than once; the first of a key in any of them counts. The first
// section has no header and no name to look for.
template <class Sections>
auto FindEntry(Sections& sections, std::string_view section, std::string_view key) {
    for (auto candidate = sections.begin() + 1; candidate != sections.end(); ++candidate) {
        if (candidate->name != section) {
            continue;
        }
        auto& lines = candidate->lines;
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [key](const auto& entry) { return entry.key == key; });
        if (line != lines.end()) {
            return &*line;
        }
    }
    return static_cast<decltype(&sections.front().lines.front())>(nullptr);
}

}  // namespace

std::string FormatProfileInt(int value) {
    return std::to_string(static_cast<std::uint32_t>(value));
}

std::optional<int> ParseProfileInt(std::string_view text) {
    const bool digitsOnly = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    if (!digitsOnly) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<ProfileText> ProfileText::Parse(std::string_view text) {
    if (text.find('\0') != std::string_view::npos || !IsUtf8(text)) {
        return std::nullopt;
    }
    ProfileText parsed;
    if (text.starts_with(kByteOrderMark)) {
        parsed.byteOrderMark_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size() - 1) + 1;
        parsed.AddLine(text.substr(0, end));
        text.remove_prefix(end);
    }
    return parsed;
}

void ProfileText::AddLine(std::string_view text) {
    const std::string_view content = Trimmed(text);
    if (IsHeader(content)) {
        sections_.push_back({std::string(Trimmed(content.substr(1, content.size() - 2))),
                             {{std::string(text), {}, {}}}});
        return;
    }
    const std::size_t equals = content.find('=');
    const std::string_view key =
        equals != std::string_view::npos ? Trimmed(content.substr(0, equals)) : "";
    if (IsComment(content) || key.empty()) {
        sections_.back().lines.push_back({std::string(text), {}, {}});
        return;
    }
    sections_.back().lines.push_back(
        {std::string(text), std::string(key), std::string(Trimmed(content.substr(equals + 1)))});
}

std::optional<std::string> ProfileText::Value(std::string_view section,
                                              std::string_view key) const {
    const Line* line = FindEntry(sections_, section, key);
    return line != nullptr ? std::optional(line->value) : std::nullopt;
}

void ProfileText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (Line* line = FindEntry(sections_, section, key); line != nullptr) {
        if (line->value != value) {
            line->text = line->key + '=' + std::string(value) + std::string(LineEnd(line->text));
            line->value = value;
        }
        return;
    }
    Section* found = Find(section);
    std::vector<Line>& lines = (found != nullptr ? *found : AddSection(section)).lines;
    // After the last line that says something, the header at least: blanks and comments that
    // follow it are likely about the next section.
    const auto last = std::find_if(lines.rbegin(), lines.rend(), [](const Line& candidate) {
        const std::string_view content = Trimmed(candidate.text);
        return !content.empty() && !IsComment(content);
    });
    InsertEntry(lines, last.base(), key, value);
}

ProfileText::Section& ProfileText::AddSection(std::string_view name) {
    const std::string end = NewLineEnd();
    EndLineBefore(sections_.back().lines, sections_.back().lines.end());
    sections_.push_back({std::string(name), {{'[' + std::string(name) + ']' + end, {}, {}}}});
    return sections_.back();
}

void ProfileText::InsertEntry(std::vector<Line>& lines, std::vector<Line>::iterator where,
                              std::string_view key, std::string_view value) {
    const std::string end = NewLineEnd();
    EndLineBefore(lines, where);
    lines.insert(where, {std::string(key) + '=' + std::string(value) + end, std::string(key),
                         std::string(value)});
}

// The file's last line may have no line end; one added after it gives it one.
void ProfileText::EndLineBefore(std::vector<Line>& lines, std::vector<Line>::iterator where) const {
    if (where != lines.begin() && LineEnd(std::prev(where)->text).empty()) {
        std::prev(where)->text += NewLineEnd();
    }
}

// New lines end as the file's lines already do.
std::string ProfileText::NewLineEnd() const {
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            if (!LineEnd(line.text).empty()) {
                return std::string(LineEnd(line.text));
            }
        }
    }
    return "\n";
}

std::string ProfileText::ToString() const {
    std::string text = byteOrderMark_;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            text += line.text;
        }
    }
    return text;
}

// The first section has no header and no name to look for.
ProfileText::Section* ProfileText::Find(std::string_view section) {
    const auto found =
        std::find_if(sections_.begin() + 1, sections_.end(),
                     [section](const Section& candidate) { return candidate.name == section; });
    return found != sections_.end() ? &*found : nullptr;
}

}  // namespace kolvar
