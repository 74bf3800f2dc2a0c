// The text model of the profile file: one text of [SECTION] lines and
// key=value lines, parsed once, and the changes made to it.
//
// Reading: section and key names match without regard to ASCII case; blanks
// around names and values are dropped, and so is one pair of double quotes
// around a value; the first of duplicate keys wins; a missing section or key
// yields the default. Writing changes keys in place (or appends them to their
// section, or to a new section) and keeps every other byte.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The text of a profile file, parsed once, and the changes made to it.
class CProfileFile {
public:
    static constexpr std::size_t kMaxSize = std::size_t{1} << 20;

    explicit CProfileFile(std::string text = std::string());

    // An optional minus sign and the decimal digits that follow it (none: 0),
    // taken modulo 2^32, so that what WriteInt wrote of any 32-bit value,
    // signed or unsigned, reads back as that value.
    unsigned GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue = std::string()) const;

    // Signed decimal text.
    void WriteInt(const std::string& section, const std::string& key, int value);
    // Line breaks and NUL bytes in the value are written as blanks, so that no
    // value can break the file into other lines; a value that reading would
    // change (outer blanks, outer quotes) is written in quotes.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // The file with every change made.
    std::string Text() const;
    // Only the sections and keys that reading can find: a fresh file made of
    // what could be read from a damaged one.
    std::string Readable() const;
    // Only the sections of these names, as reading finds them, with every
    // change made: a fresh file of what the program itself writes.
    std::string Fresh(const std::vector<std::string>& sections) const;

private:
    struct CLine {
        std::size_t begin = 0; // first byte of the line
        std::size_t end = 0;   // end of its text, before "\r\n" or "\n"
        std::size_t next = 0;  // first byte of the next line
        std::string section;   // folded name of the section it stands in
    };
    struct CChange {
        std::string section, key, value;
    };

    void Parse();
    // Readable(), of the sections with these folded names only, or of all.
    std::string ReadableOf(const std::vector<std::string>* only) const;
    const std::string* Find(const std::string& section, const std::string& key) const;

    std::string m_text;
    std::vector<CLine> m_lines;
    // Folded "SECTION\nKEY": the value read, and the line it stands on.
    std::unordered_map<std::string, std::pair<std::string, std::size_t>> m_keys;
    // Folded section: the last line of its first appearance that is not blank.
    std::unordered_map<std::string, std::size_t> m_sectionEnds;
    // Changes in the order made, the latest value of a key in place of earlier ones.
    std::vector<CChange> m_changes;
    std::unordered_map<std::string, std::size_t> m_changeAt;
};
