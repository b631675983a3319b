// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_document.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace trx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower;
}

bool sameIgnoringCase(std::string_view left, std::string_view right)
{
    return left.size() == right.size() && lowerCase(left) == lowerCase(right);
}

std::size_t skipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

void chopBlanks(std::string& text, std::size_t keep)
{
    while (text.size() > keep && isBlank(text.back()))
        text.pop_back();
}

// A UTF-16 code unit from a \x or octal escape, as UTF-8.
void appendCodeUnit(std::string& out, unsigned unit)
{
    unit &= 0xFFFF;
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

int digitValue(char ch, int base)
{
    const int lower = std::tolower(static_cast<unsigned char>(ch));
    const int value = std::isdigit(lower) ? lower - '0' : (lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 99);
    return value < base ? value : -1;
}

// The escape after a backslash at `at`, appended to `out`; where the text
// goes on.  Unknown escapes are dropped, as QSettings does.
std::size_t unescapeOne(std::string_view stored, std::size_t at, std::string& out)
{
    static constexpr std::string_view kCodes = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    if (at >= stored.size())
        return at;
    const char ch = stored[at++];
    for (std::size_t i = 0; i < kCodes.size(); i += 2) {
        if (kCodes[i] == ch) {
            out += kCodes[i + 1];
            return at;
        }
    }
    const int base = ch == 'x' ? 16 : 8;
    if (base == 8 && digitValue(ch, 8) < 0)
        return at;
    if (base == 8)
        --at;
    if (at >= stored.size() || digitValue(stored[at], base) < 0)
        return at;
    unsigned unit = 0;
    for (; at < stored.size() && digitValue(stored[at], base) >= 0; ++at)
        unit = (unit * static_cast<unsigned>(base) + static_cast<unsigned>(digitValue(stored[at], base))) & 0xFFFF;
    appendCodeUnit(out, unit);
    return at;
}

std::string hexEscape(unsigned char ch)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "\\x";
    if (ch >= 16)
        text += kDigits[ch / 16];
    return text + kDigits[ch % 16];
}

}  // namespace

std::string escapedIniValue(std::string_view value)
{
    static constexpr std::string_view kNamed = "\aa\bb\ff\nn\rr\tt\vv";
    std::string out = !value.empty() && value.front() == '@' ? "@" : "";
    bool quoted = false;
    bool afterNumericEscape = false;  // a hex digit next would join the escape
    for (const char ch : value) {
        const auto byte = static_cast<unsigned char>(ch);
        quoted = quoted || ch == ';' || ch == ',' || ch == '=';
        if (afterNumericEscape && digitValue(ch, 16) >= 0) {
            out += hexEscape(byte);
            continue;
        }
        afterNumericEscape = false;
        const std::size_t named = kNamed.find(ch);
        if (ch == '\0') {
            out += "\\0";
            afterNumericEscape = true;
        } else if (named != std::string_view::npos && named % 2 == 0) {
            out += '\\';
            out += kNamed[named + 1];
        } else if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte <= 0x1F) {
            out += hexEscape(byte);
            afterNumericEscape = true;
        } else {
            out += ch;
        }
    }
    if (quoted || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        return '"' + out + '"';
    return out;
}

// Quotes protect , ; and blanks; an unquoted ';' begins a comment; an
// unquoted ',' separates the items of a list, whose blanks around it go.
std::string unescapedIniValue(std::string_view stored)
{
    std::vector<std::string> items(1);
    bool inQuotes = false;
    bool itemQuoted = false;      // a quoted item keeps its trailing blanks
    std::size_t unchoppable = 0;  // escaped and quoted text is never chopped
    for (std::size_t at = skipBlanks(stored, 0); at < stored.size();) {
        const char ch = stored[at++];
        std::string& item = items.back();
        if (ch == '\\') {
            at = unescapeOne(stored, at, item);
            unchoppable = item.size();
        } else if (ch == '"') {
            inQuotes = !inQuotes;
            itemQuoted = true;
            unchoppable = item.size();
            at = inQuotes ? at : skipBlanks(stored, at);
        } else if (!inQuotes && ch == ';') {
            break;
        } else if (!inQuotes && ch == ',') {
            if (!itemQuoted)
                chopBlanks(item, unchoppable);
            items.emplace_back();
            itemQuoted = false;
            unchoppable = 0;
            at = skipBlanks(stored, at);
        } else {
            item += ch;
        }
    }
    if (!itemQuoted)
        chopBlanks(items.back(), unchoppable);
    std::string joined = items.front();
    for (std::size_t i = 1; i < items.size(); ++i)
        joined += ',' + items[i];
    // QSettings doubles a leading '@', which marks its own typed values.
    if (joined.compare(0, 2, "@@") == 0)
        joined.erase(0, 1);
    return joined;
}

IniDocument::IniDocument(std::string text, std::string_view section) : text_(std::move(text)), section_(section)
{
    const std::size_t firstBreak = text_.find('\n');
    if (firstBreak != std::string::npos && firstBreak > 0 && text_[firstBreak - 1] == '\r')
        lineBreak_ = "\r\n";
    parse();
}

// The start of the next line at or after `at` that begins with a '['
// (after blanks), found without walking the lines in between.
std::size_t IniDocument::nextHeader(std::size_t at) const
{
    for (std::size_t bracket = text_.find('[', at); bracket != std::string::npos;
         bracket = text_.find('[', bracket + 1)) {
        std::size_t lineStart = bracket;
        while (lineStart > at && isBlank(text_[lineStart - 1]))
            --lineStart;
        if (lineStart == at || text_[lineStart - 1] == '\n')
            return lineStart;
    }
    return std::string::npos;
}

// One pass; outside the program's section only the next header matters.
void IniDocument::parse()
{
    std::size_t at = text_.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0 ? kByteOrderMark.size() : 0;
    bool inSection = false;
    bool inOwnSection = false;
    std::string_view sectionName;
    while (at < text_.size() && (inSection || (at = nextHeader(at)) != std::string::npos)) {
        const std::size_t lineBreak = text_.find('\n', at);
        const Line where{at, lineBreak == std::string::npos ? text_.size() : lineBreak + 1};
        std::string_view line(text_.data() + at, where.end - at);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        line = trimmed(line);
        const bool isKey =
            !line.empty() && line.front() != '[' && line.front() != ';' && line.find('=') != std::string_view::npos;
        if (!line.empty() && line.front() == '[') {
            // A header without its ']' leaves the section as it was, as QSettings does.
            const std::size_t close = line.find(']');
            if (close != std::string_view::npos) {
                sectionName = trimmed(line.substr(1, close - 1));
                inSection = sameIgnoringCase(sectionName, section_);
                inOwnSection = sectionName == section_;
                if (inOwnSection)
                    ownSectionEnd_ = where.end;
            }
        } else if (inSection && isKey) {
            indexKey(sectionName, line, where, inOwnSection);
            if (inOwnSection)
                ownSectionEnd_ = where.end;
        }
        at = where.end;
    }
}

void IniDocument::indexKey(std::string_view section, std::string_view line, Line where, bool inOwnSection)
{
    const std::size_t equals = line.find('=');
    const std::string_view name = trimmed(line.substr(0, equals));
    keys_[lowerCase(name)].spellings.push_back(
        {where, std::string(section) + '/' + std::string(name), std::string(line.substr(equals + 1)), inOwnSection});
}

std::optional<std::string> IniDocument::value(std::string_view key) const
{
    const auto found = keys_.find(lowerCase(key));
    if (found == keys_.end())
        return std::nullopt;
    if (found->second.newValue)
        return found->second.newValue;
    const std::vector<Spelling>& spellings = found->second.spellings;
    const std::string own = section_ + '/' + std::string(key);
    const auto exact =
        std::find_if(spellings.rbegin(), spellings.rend(), [&](const Spelling& s) { return s.path == own; });
    if (exact != spellings.rend())
        return unescapedIniValue(exact->value);
    return unescapedIniValue(
        std::min_element(spellings.begin(), spellings.end(), [](const Spelling& a, const Spelling& b) {
            return a.path < b.path;
        })->value);
}

void IniDocument::set(std::string_view key, std::string_view value)
{
    const std::string lower = lowerCase(key);
    Key& entry = keys_[lower];
    if (!entry.newValue)
        setOrder_.push_back(lower);
    entry.newValue = std::string(value);
    entry.name = std::string(key);
}

std::string IniDocument::lineOf(const Key& key) const
{
    return key.name + '=' + escapedIniValue(*key.newValue) + lineBreak_;
}

std::string IniDocument::text() const
{
    std::string out;
    out.reserve(text_.size() + 64);
    writeTo([&out](std::string_view piece) { out += piece; });
    return out;
}

void IniDocument::writeTo(const std::function<void(std::string_view)>& out) const
{
    struct Edit {
        Line replaced;
        std::string by;
    };
    std::vector<Edit> edits;
    std::string newLines;  // the keys that the program's section lacks
    for (const std::string& name : setOrder_) {
        const Key& key = keys_.at(name);
        const auto inPlace =
            std::find_if(key.spellings.begin(), key.spellings.end(), [](const Spelling& s) { return s.inOwnSection; });
        for (auto spelling = key.spellings.begin(); spelling != key.spellings.end(); ++spelling)
            edits.push_back({spelling->line, spelling == inPlace ? lineOf(key) : std::string()});
        if (inPlace == key.spellings.end())
            newLines += lineOf(key);
    }
    const bool endsLine = text_.empty() || text_.back() == '\n';
    if (ownSectionEnd_ && !newLines.empty()) {
        const bool breakFirst = !endsLine && *ownSectionEnd_ == text_.size();
        edits.push_back({{*ownSectionEnd_, *ownSectionEnd_}, (breakFirst ? lineBreak_ : "") + newLines});
    }
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return std::tie(a.replaced.begin, a.replaced.end) < std::tie(b.replaced.begin, b.replaced.end);
    });
    const std::string_view whole = text_;
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        out(whole.substr(copied, edit.replaced.begin - copied));
        out(edit.by);
        copied = edit.replaced.end;
    }
    out(whole.substr(copied));
    if (!ownSectionEnd_ && !newLines.empty())
        out((endsLine ? "" : lineBreak_) + (text_.empty() ? "" : lineBreak_) + '[' + section_ + ']' + lineBreak_ +
            newLines);
}

}  // namespace trx
