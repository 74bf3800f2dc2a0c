// The private profile file on disk: the settings, the window placement and
// the hall of fame in one text file (its text model in profile_text.h, where
// it lives in profile_location.h).
//
// A file is read and parsed once per load; a missing file yields the defaults.
// Writing is an edit: under a lock shared by every copy of the program, the
// file is read once, any number of keys are changed in place (or appended to
// their section, or in a new section), every other byte is kept, and the whole
// new file is written once beside the old one, flushed, renamed over it and
// the directory flushed. Whenever the program dies, the file on disk is the
// old one or the new one, whole.
//
// A file over the size cap, or holding NUL bytes, is not a profile we wrote:
// once a fresh profile holding what could be read of it has taken its place,
// it is kept aside (as NAME.damaged, NAME.damaged-2, ...) and standard error
// says so once; until then what can be read of it is read. A file that an
// edit would take over the cap is kept aside the same way, its fresh profile
// holding the program's own sections (SETTINGS, WINDOW, HISCORES) with the
// edit made. The writer never writes a file over the cap, so what it writes
// is read back whole.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "platform/profile_location.h"
#include "platform/profile_text.h"

// One profile file, named by its path. Without a path there is none: reads
// yield the defaults and edits fail.
class CProfile {
public:
    CProfile() = default;
    explicit CProfile(std::string path) : m_path(std::move(path)) {}

    bool None() const { return m_path.empty(); }
    const std::string& Path() const { return m_path; }

    // The file as it is now (defaults only when there is none). A damaged
    // file is set aside first where it can be, as described above.
    CProfileFile Read() const;

    // One edit: lock, read, change, write, unlock. False when the file could
    // not be locked within a few seconds, read or written; failure then says
    // why as "PATH: REASON" and the file stays as it was. A read-only file, a
    // dangling symbolic link, a directory or anything but a regular file is
    // never replaced. Through a symbolic link the file it names is changed
    // (and read) only where FileToChange follows it.
    bool Edit(const std::function<void(CProfileFile&)>& change,
              std::string* failure = nullptr) const;

    // An edit of what is saved at exit, without a dialog: a failure is told on
    // standard error as "PROGRAM: the WHAT could not be saved: PATH: REASON".
    // Without a file it fails silently: that was said once, at the start.
    bool EditOrTell(const char* what, const std::function<void(CProfileFile&)>& change) const;

    // Whether an edit could write the file now, as far as can be told without
    // writing; why not in "PATH: REASON" form.
    bool Writable(std::string* why = nullptr) const;

private:
    std::string m_path;
};
