// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An INI file's text with the keys of one section indexed, read and updated
// the way the files that QSettings wrote before are laid out.
//
// The text is parsed in one pass and kept whole: comments, lines that are no
// setting, other sections and blank lines come back as they were, and only
// the lines of the keys set are changed.  Section and key names are compared
// without regard to case (ASCII).  A key found under several spellings reads
// the value of the program's own spelling (section and key as given), else
// that of the first spelling in character order ("VALORS/val1" before
// "valors/val1"); setting it keeps only the program's spelling.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace trx {

class IniDocument {
public:
    // `section` and the keys later given are the program's own spellings.
    IniDocument(std::string text, std::string_view section);

    std::optional<std::string> value(std::string_view key) const;
    // The line of the program's spelling replaces the first spelling found
    // in the program's section, or goes at the end of that section, which
    // is added at the end of the text when missing.  The other spellings'
    // lines go.
    void set(std::string_view key, std::string_view value);
    // The text with the keys set, whole or handed in pieces to `out` (which
    // spares a copy of a large file).
    std::string text() const;
    void writeTo(const std::function<void(std::string_view)>& out) const;

private:
    struct Line {
        std::size_t begin;  // offsets in text_, the end after the line break
        std::size_t end;
    };
    struct Spelling {
        Line line;
        std::string path;  // "section/key" as spelled in the file
        std::string value;
        bool inOwnSection;  // the section spelled as the program does
    };
    struct Key {
        std::vector<Spelling> spellings;  // in file order
        std::optional<std::string> newValue;
        std::string name;  // the program's spelling, once set
    };

    void parse();
    std::size_t nextHeader(std::size_t at) const;
    void indexKey(std::string_view section, std::string_view line, Line where, bool inOwnSection);
    std::string lineOf(const Key& key) const;

    std::string text_;
    std::string section_;
    std::string lineBreak_ = "\n";
    std::unordered_map<std::string, Key> keys_;  // by the lower-case name
    std::vector<std::string> setOrder_;          // the lower-case names, as first set
    std::optional<std::size_t> ownSectionEnd_;   // where new keys go
};

// A value as QSettings writes it: quoted when it holds , ; or = or begins or
// ends with a blank, with \ " and control characters escaped, and a leading
// '@' doubled.
std::string escapedIniValue(std::string_view value);
// The text of a value as QSettings reads it; an unquoted comma list comes
// back joined with ",".
std::string unescapedIniValue(std::string_view stored);

}  // namespace trx
