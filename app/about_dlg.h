// The About box: name and version, one epigraph per opening, a cue.
#pragma once

#include <QDialog>
#include <string>

class CCuePlayer;
class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kEpigraphId = 1003;

    // The opening cue sounds on cues.
    explicit CAboutDlg(CCuePlayer& cues, QWidget* parent = nullptr);

    std::string m_epigraph;
    QLabel* m_epigraphLabel = nullptr;

private:
    void BuildControls();
};
