// The private profile file: one text file of [SECTION] lines and key=value
// lines that holds the settings, the window placement and the hall of fame.
//
// Reading: section and key names match without regard to ASCII case; blanks
// around names and values are dropped, and so is one pair of double quotes
// around a value; the first of duplicate keys wins; a missing file, section or
// key yields the default. A file is read and parsed once per load.
//
// Writing is an edit: under a lock shared by every copy of the program, the
// file is read once, any number of keys are changed in place (or appended to
// their section, or in a new section), every other byte is kept, and the whole
// new file is written once beside the old one, flushed, renamed over it and
// the directory flushed. Whenever the program dies, the file on disk is the
// old one or the new one, whole.
//
// A file over the size cap, or holding NUL bytes, is not a profile we wrote:
// it is renamed aside (to NAME.damaged, NAME.damaged-2, ...), a fresh profile
// holding what could be read of it takes its place, and standard error says
// so once. The writer never writes a file over the cap, so what it writes is
// read back whole.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The program's own file: the executable's file name without directory and
// extension, plus ".INI", directly in $XDG_CONFIG_HOME (by default ~/.config).
std::string DefaultProfilePath(const std::string& executablePath);

// The path of the running executable, or empty when it cannot be found.
std::string CurrentExecutablePath();

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

// One profile file, named by its path. Without a path there is none: reads
// yield the defaults and edits fail.
class CProfile {
public:
    CProfile() = default;
    explicit CProfile(std::string path) : m_path(std::move(path)) {}

    bool None() const { return m_path.empty(); }
    const std::string& Path() const { return m_path; }

    // The file as it is now (defaults only when there is none). A damaged
    // file is set aside first, as described above.
    CProfileFile Read() const;

    // One edit: lock, read, change, write, unlock. False when the file could
    // not be locked within a few seconds, read or written; failure then says
    // why as "PATH: REASON" and the file stays as it was. A read-only file, a
    // dangling symbolic link, a directory or anything but a regular file is
    // never replaced. Through a symbolic link the file it names is changed.
    bool Edit(const std::function<void(CProfileFile&)>& change,
              std::string* failure = nullptr) const;

    // An edit of what is saved at exit, without a dialog: a failure is told on
    // standard error as "PROGRAM: the WHAT could not be saved: PATH: REASON".
    bool EditOrTell(const char* what, const std::function<void(CProfileFile&)>& change) const;

    // Whether an edit could write the file now, as far as can be told without
    // writing; why not in "PATH: REASON" form.
    bool Writable(std::string* why = nullptr) const;

private:
    std::string m_path;
};
