#include "platform/profile_text.h"

#include <algorithm>

namespace kolvar {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsKept(std::string_view line) {
    return line.empty() || line.front() == ';' || line.front() == '#';
}

bool IsHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The first section has no header and no name to look for.
template <class Sections>
auto FindSection(Sections& sections, std::string_view name) {
    const auto found =
        std::find_if(sections.begin() + 1, sections.end(),
                     [name](const auto& candidate) { return candidate.name == name; });
    return found != sections.end() ? &*found : nullptr;
}

}  // namespace

std::optional<ProfileText> ProfileText::Parse(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    ProfileText parsed;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        if (!parsed.AddLine(text.substr(0, end))) {
            return std::nullopt;
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return parsed;
}

bool ProfileText::AddLine(std::string_view raw) {
    const std::string_view line = Trimmed(raw);
    if (IsKept(line)) {
        sections_.back().lines.push_back({{}, {}, std::string(raw)});
        return true;
    }
    if (IsHeader(line)) {
        sections_.push_back({std::string(Trimmed(line.substr(1, line.size() - 2))), {}});
        return true;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)).empty()) {
        return false;
    }
    sections_.back().lines.push_back({std::string(Trimmed(line.substr(0, equals))),
                                      std::string(Trimmed(line.substr(equals + 1))),
                                      {}});
    return true;
}

std::optional<std::string> ProfileText::Value(std::string_view section,
                                              std::string_view key) const {
    const Section* found = Find(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto line = std::find_if(found->lines.begin(), found->lines.end(),
                                   [key](const Line& candidate) { return candidate.key == key; });
    return line != found->lines.end() ? std::optional(line->value) : std::nullopt;
}

void ProfileText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = Find(section);
    if (found == nullptr) {
        sections_.push_back({std::string(section), {}});
        found = &sections_.back();
    }
    const auto line = std::find_if(found->lines.begin(), found->lines.end(),
                                   [key](const Line& candidate) { return candidate.key == key; });
    if (line != found->lines.end()) {
        line->value = value;
    } else {
        found->lines.push_back({std::string(key), std::string(value), {}});
    }
}

std::string ProfileText::ToString() const {
    std::string text;
    for (const Section& section : sections_) {
        if (&section != &sections_.front()) {
            text += '[' + section.name + "]\n";
        }
        for (const Line& line : section.lines) {
            text += line.key.empty() ? line.text : line.key + '=' + line.value;
            text += '\n';
        }
    }
    return text;
}

ProfileText::Section* ProfileText::Find(std::string_view section) {
    return FindSection(sections_, section);
}

const ProfileText::Section* ProfileText::Find(std::string_view section) const {
    return FindSection(sections_, section);
}

}  // namespace kolvar
