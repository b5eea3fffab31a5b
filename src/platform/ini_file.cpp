#include "platform/ini_file.h"

#include <algorithm>

#include "platform/byte_reader.h"
#include "platform/file_io.h"
#include "platform/text_util.h"

namespace zorvane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::optional<std::string> readText(const std::string& path) {
    std::vector<std::uint8_t> data;
    try {
        data = ReadWholeFile(path);
    } catch (const FileError&) {
        return std::nullopt;  // no settings yet: every key takes its default
    }
    const auto bytes = ByteReader(data).bytes(0, data.size());
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)), stored_(readText(path_)) { parse(stored_.value_or("")); }

void IniFile::parse(std::string_view text) {
    if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    sections_.push_back({});
    for (std::string_view raw : SplitLines(text)) {
        const std::string_view line = TrimSpaces(raw);
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string_view::npos) {
            sections_.push_back({std::string(TrimSpaces(line.substr(1, line.find(']') - 1))), {}});
            continue;
        }
        const std::size_t eq = line.find('=');
        const bool isKey = eq != std::string_view::npos && eq > 0 && line.front() != ';';
        if (isKey)
            sections_.back().lines.push_back(
                {std::string(TrimSpaces(line.substr(0, eq))), std::string(TrimSpaces(line.substr(eq + 1)))});
        else
            sections_.back().lines.push_back({{}, std::string(raw)});
    }
}

const IniFile::Line* IniFile::find(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (s.name.empty() || !EqualsIgnoreCase(s.name, section)) continue;
        for (const Line& l : s.lines)
            if (!l.key.empty() && EqualsIgnoreCase(l.key, key)) return &l;
    }
    return nullptr;
}

IniFile::Section& IniFile::sectionFor(std::string_view section) {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return !s.name.empty() && EqualsIgnoreCase(s.name, section); });
    if (it != sections_.end()) return *it;
    sections_.push_back({std::string(section), {}});
    return sections_.back();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, const std::string& def) const {
    const Line* line = find(section, key);
    return line ? line->value : def;
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    const Line* line = find(section, key);
    if (!line) return def;
    return ParseIniInteger(line->value).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    // A line break inside a value would split it into lines of its own on the next read.
    std::string clean(value);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    for (Section& s : sections_) {
        if (s.name.empty() || !EqualsIgnoreCase(s.name, section)) continue;
        for (Line& l : s.lines)
            if (!l.key.empty() && EqualsIgnoreCase(l.key, key)) {
                l.value = clean;
                return;
            }
    }
    Section& target = sectionFor(section);
    // Keep a trailing blank line of the section after the new key.
    auto pos = target.lines.end();
    while (pos != target.lines.begin() && std::prev(pos)->key.empty() && TrimSpaces(std::prev(pos)->value).empty())
        --pos;
    target.lines.insert(pos, {std::string(key), clean});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string IniFile::Text() const {
    std::string out;
    for (const Section& s : sections_) {
        if (!s.name.empty()) out += "[" + s.name + "]\n";
        for (const Line& l : s.lines) out += l.key.empty() ? l.value + "\n" : l.key + "=" + l.value + "\n";
    }
    return out;
}

void IniFile::UpdateFile() {
    std::string text = Text();
    if (stored_ == text) return;
    WriteFileReplacing(path_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    stored_ = std::move(text);
}

}  // namespace zorvane
