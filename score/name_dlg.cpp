#include "score/name_dlg.h"

#include <algorithm>
#include <utility>

#include "score/hiscore_list.h"
#include "score/text_length.h"

namespace {
const char kUnknown[] = "-unknown-";

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters without regard to case; other bytes, UTF-8 included, by value.
int CompareFolded(const std::string& a, const std::string& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(Fold(a[i]));
        unsigned char y = static_cast<unsigned char>(Fold(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWithFolded(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           CompareFolded(text.substr(0, prefix.size()), prefix) == 0;
}
} // namespace

CNameDlg::CNameDlg(CHiscoreList* list, CNameDlgHost* host) : m_list(list), m_host(host) {}

int CNameDlg::DoModal() {
    OnInitDialog();
    int result = m_host ? m_host->RunModal(*this) : IDCANCEL;
    g_lastName = m_name;
    return result;
}

void CNameDlg::OnInitDialog() {
    m_items.clear();
    bool unknownStored = false;
    for (int i = 0; i < CHiscoreList::kStored; ++i) {
        const std::string& name = m_list->Name(i);
        unknownStored = unknownStored || name == kUnknown;
        bool earlier = false;
        for (int j = 0; j < i && !earlier; ++j) earlier = m_list->Name(j) == name;
        if (earlier || name == g_youMarker) continue;
        m_items.push_back(name);
    }
    if (!unknownStored) m_items.push_back(kUnknown);
    std::sort(m_items.begin(), m_items.end(), [](const std::string& a, const std::string& b) {
        int folded = CompareFolded(a, b);
        return folded != 0 ? folded < 0 : a < b;
    });
    m_name = g_lastName;
    ShowName();
}

void CNameDlg::ShowName() {
    m_curSel = -1;
    m_field = m_name;
    if (m_name.empty()) return;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (StartsWithFolded(m_items[i], m_name)) {
            m_curSel = static_cast<int>(i);
            m_field = m_items[i];
            return;
        }
    }
}

void CNameDlg::SetFieldText(const std::string& text) {
    m_field = text;
    m_curSel = -1;
}

bool CNameDlg::OnOK() {
    if (TextLength(m_field) > kMaxChars) return false;
    m_name = m_field;
    return true;
}

std::string CNameDlg::MaxCharsMessage() {
    std::string text = "Please enter no more than %1 characters.";
    text.replace(text.find("%1"), 2, std::to_string(kMaxChars));
    return text;
}

std::string CNameDlg::SaveFailedMessage(const std::string& failure) {
    return "Your result could not be saved in the hall of fame: " + failure;
}

CQueuedNameAnswers::CQueuedNameAnswers(std::function<void(const std::string&)> report)
    : m_report(std::move(report)) {}

void CQueuedNameAnswers::Push(Answer answer) {
    m_answers.push_back(std::move(answer));
}

int CQueuedNameAnswers::RunModal(CNameDlg& dlg) {
    if (m_report) m_report("dialog \"" + dlg.FieldText() + "\"");
    while (!m_answers.empty()) {
        Answer answer = std::move(m_answers.front());
        m_answers.pop_front();
        if (answer.kind == Kind::Escape) return CNameDlg::IDCANCEL;
        if (answer.kind == Kind::Name) dlg.SetFieldText(answer.text);
        if (dlg.OnOK()) return CNameDlg::IDOK;
        ShowMessage(CNameDlg::MaxCharsMessage());
    }
    return CNameDlg::IDCANCEL;
}

void CQueuedNameAnswers::ShowSaveFailure(const std::string& failure) {
    ShowMessage(CNameDlg::SaveFailedMessage(failure));
}

void CQueuedNameAnswers::ShowMessage(const std::string& text) {
    if (m_report) m_report("message \"" + text + "\"");
}
