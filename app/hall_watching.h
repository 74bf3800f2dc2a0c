// What the hall of fame and the main window offer around recorded games: a
// double-click on a line (or Return on it) watches that line's game, a
// right-click offers "Watch this game" and "Save this game as…", and a file
// given on the command line or dropped on the window is watched. While
// watching, the message pane shows the watcher's texts.
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "app/watcher.h"

class CGame;
class CScoreBar;
class QLabel;
class QWidget;

class CHallWatching : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; the records are looked for in gamesFolder,
    // and the games watched sound on cues.
    CHallWatching(QWidget* window, CGame& game, CFieldWnd& field, CScoreBar& panel, QLabel* pane,
                  CCuePlayer* cues, std::string gamesFolder);

    CWatcher& Watcher() { return m_watcher; }

    // Watches the game of hall-of-fame line `line`, or says there is none.
    void WatchLine(int line);
    // Asks where to, then writes the game of line `line` there.
    void SaveLine(int line);
    // The path of the record of a line, empty when it has none.
    std::string RecordOfLine(int line) const;

private:
    void OfferLineMenu(const QPoint& where);
    void Show(const QString& text);

    QWidget* m_window;
    CGame& m_game;
    CScoreBar& m_panel;
    QLabel* m_pane;
    QString m_idleText;
    std::string m_gamesFolder;
    CWatcher m_watcher;
};
