// The hall of fame: the twenty best results and the list that shows them.
#pragma once

#include <string>
#include <vector>

#include "platform/profile.h"

// The name of the live entry, the current game's place in the table; a
// reserved name under which no result is ever stored.
extern const std::string g_youMarker;

// The name with which the last name dialog of this run ended; never stored.
extern std::string g_lastName;

// A list on screen, told of each change of the lines the table holds so that
// it shows exactly them; each hook may show nothing.
class CListView {
public:
    virtual ~CListView() = default;
    virtual void OnSetRedraw(bool /*on*/) {}
    virtual void OnCleared() {}
    virtual void OnLineAppended(const std::string& /*line*/) {}
    virtual void OnSelected(int /*line*/) {}
    virtual void OnRepaint() {}
};

// The table and its list. Slots 0 to 19 are the stored results, best first;
// slot 20 takes whatever ranks below them. An empty name marks a vacant slot.
// The list is kept here as lines and a selection, and shown by the view.
class CHiscoreList {
public:
    static constexpr int kStored = 20; // slots kept in the profile
    static constexpr int kSlots = 21;  // with the overflow slot

    // The results are kept in profile (none: only for as long as the table
    // lives). The view stays the caller's; none shows nothing.
    explicit CHiscoreList(CProfile profile = CProfile(), CListView* view = nullptr)
        : m_profile(std::move(profile)), m_view(view ? view : &m_noView) {}
    CHiscoreList(const CHiscoreList&) = delete;
    CHiscoreList& operator=(const CHiscoreList&) = delete;

    // Fills slots 0 to 19 from section HISCORES of the profile and shows them.
    void LoadTable();
    // Stores a result. Under the profile's lock the table is read again from
    // the file, which other copies of the program may have changed, the
    // result goes into it as InsertEntry puts it, and slots 0 to 19 are
    // written back in one write. The list then shows that table with the
    // result's line selected, and the result's slot (0 to 20) is returned.
    // When the table cannot be written, the list shows it without the result,
    // nothing selected, m_saveFailure says why and -1 is returned.
    int SaveResult(const std::string& name, unsigned score);
    // Whether SaveResult could store a result now, as far as can be told.
    bool CanSave() const;
    // Removes the first entry of slots 0 to 19 with exactly this name and
    // returns the slot it held, or 20 when there is none. No line selected.
    int RemoveEntry(const std::string& name);
    // Puts the entry above every entry of equal or lower score and returns its
    // slot (0 to 20); showLive also shows slot 20. The entry's line is selected.
    int InsertEntry(const std::string& name, unsigned score, bool showLive);

    // The list line of slot k: place, name filled out to 17 characters, score.
    std::string FormatLine(int slot) const;

    const std::string& Name(int slot) const { return m_names[slot]; }
    unsigned SlotScore(int slot) const { return m_scores[slot]; }
    // What the list shows: its lines in order and the selected one (-1: none).
    const std::vector<std::string>& Lines() const { return m_lines; }
    int Selected() const { return m_selected; }
    // Why the last SaveResult failed: "PATH: REASON".
    const std::string& SaveFailure() const { return m_saveFailure; }

private:
    // Slots 0 to 19 from the HISCORES keys; PLAYER0, SCORE0, ... back to them.
    void ReadTable(const CProfileFile& file);
    void WriteTable(CProfileFile& file) const;
    // Moves the entry up from slot 20 to its place and returns the slot.
    int Place(const std::string& name, unsigned score);
    void Clear();
    void Append(int slot);
    void Select(int line);
    // Rebuilds the list from slots 0 to 19, or 0 to 20 with withOverflow;
    // returns the line of slot `wanted`, -1 if it has none.
    int Rebuild(bool withOverflow, int wanted);

    std::string m_names[kSlots];
    unsigned m_scores[kSlots] = {};
    std::vector<std::string> m_lines;
    int m_selected = -1;
    std::string m_saveFailure;
    CProfile m_profile;
    CListView m_noView;
    CListView* m_view;
};
