// The name entry at the end of a game: a combo box offering the names of the
// hall of fame, prefilled with the last name, and OK or Escape.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CHiscoreList;
class CNameDlg;

// Runs the dialog while it is shown: on screen, or from queued answers. It
// ends the dialog by returning CNameDlg::IDOK after an accepted OnOK, or
// CNameDlg::IDCANCEL for Escape.
// It also shows the message box that tells the player the result was lost,
// with failure, "PATH: REASON", in it.
class CNameDlgHost {
public:
    virtual ~CNameDlgHost() = default;
    virtual int RunModal(CNameDlg& dlg) = 0;
    virtual void ShowSaveFailure(const std::string& failure) = 0;
};

class CNameDlg {
public:
    static constexpr int IDOK = 1;
    static constexpr int IDCANCEL = 2;
    static constexpr std::size_t kMaxChars = 15;

    // Without a host the dialog ends at once, as with Escape.
    explicit CNameDlg(CHiscoreList* list, CNameDlgHost* host = nullptr);

    // Fills the dialog, lets the host run it, then g_lastName := m_name.
    int DoModal();

    // Offers every name of slots 0 to 19 once (exact comparison), never the
    // live entry's marker, and "-unknown-"; sorted without regard to ASCII
    // case, names equal but for case in byte order. Then shows g_lastName.
    void OnInitDialog();

    // The player types into the field; no selected item any more.
    void SetFieldText(const std::string& text);

    // OK: a field of at most 15 characters becomes m_name and true is
    // returned; a longer one is refused with MaxCharsMessage(), the dialog
    // stays open and m_name keeps its value.
    bool OnOK();

    static std::string MaxCharsMessage();
    // What the player is told when the result could not be stored.
    static std::string SaveFailedMessage(const std::string& failure);

    // The name the dialog ended with.
    const std::string& Name() const { return m_name; }
    // The combo box: its items in sorted order, the selected one (-1: none)
    // and the text of its edit field.
    const std::vector<std::string>& Items() const { return m_items; }
    int CurSel() const { return m_curSel; }
    const std::string& FieldText() const { return m_field; }

private:
    void ShowName();

    std::string m_name;
    CHiscoreList* m_list;
    std::vector<std::string> m_items;
    int m_curSel = -1;
    std::string m_field;
    CNameDlgHost* m_host;
};

// Answers the dialog from a queue, first in, first out: "name TEXT" types TEXT
// and presses OK, "ok" presses OK, "escape" ends it. A refused OK takes the
// next answer; with none left the dialog ends as with Escape. Answers not
// taken wait for the next dialog.
class CQueuedNameAnswers : public CNameDlgHost {
public:
    enum class Kind { Name, Ok, Escape };
    struct Answer {
        Kind kind;
        std::string text;
    };

    // Each line the dialog shows: `dialog "FIELD"` when it opens, and
    // `message "TEXT"` for a refused OK or a message box.
    explicit CQueuedNameAnswers(std::function<void(const std::string&)> report = nullptr);

    void Push(Answer answer);
    std::size_t Pending() const { return m_answers.size(); }

    int RunModal(CNameDlg& dlg) override;
    void ShowSaveFailure(const std::string& failure) override;

private:
    void ShowMessage(const std::string& text);

    std::deque<Answer> m_answers;
    std::function<void(const std::string&)> m_report;
};
