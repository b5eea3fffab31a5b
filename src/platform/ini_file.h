#pragma once
// The settings file: plain "[section]" and "key=value" lines in UTF-8. Section and key
// names match without regard to case; a missing file, section or key gives the caller's
// default. Writes change the copy in memory; UpdateFile replaces the file on disk in one
// step, so a crash or a full disk never leaves it cut short.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

class IniFile {
public:
    // Reads the file when it exists; a missing or unreadable file reads as empty.
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;
    // Decimal, or hexadecimal after "$" or "0x"; an unreadable value gives def.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    // True when the value reads as a non-zero integer.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The whole text as it would be written.
    std::string Text() const;
    // Replaces the file with Text(); raises FileError when it cannot be written, in which
    // case the file on disk is the one that was there before. A file that already holds
    // exactly that text is left alone, so that an unchanged file costs no write and no flush.
    void UpdateFile();

private:
    struct Line {
        std::string key;    // empty for lines that are not key lines (comments, blanks)
        std::string value;  // the raw line when key is empty
    };
    struct Section {
        std::string name;  // empty for lines before the first section line
        std::vector<Line> lines;
    };

    void parse(std::string_view text);
    const Line* find(std::string_view section, std::string_view key) const;
    Section& sectionFor(std::string_view section);

    std::string path_;
    std::optional<std::string> stored_;  // the file's bytes as last read or written
    std::vector<Section> sections_;
};

}  // namespace zorvane
