#include "app/hall_watching.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>

#include "app/game.h"
#include "record/record_file.h"
#include "record/record_store.h"
#include "score/score_bar.h"

CHallWatching::CHallWatching(QWidget* window, CGame& game, CFieldWnd& field, CScoreBar& panel,
                             QLabel* pane, CCuePlayer* cues, std::string gamesFolder)
    : QObject(window), m_window(window), m_game(game), m_panel(panel), m_pane(pane),
      m_idleText(pane->text()), m_gamesFolder(std::move(gamesFolder)),
      m_watcher(field, panel, cues, [this](const QString& text) { Show(text); }) {
    CHiscoreListBox* list = panel.m_list;
    connect(list, &QListWidget::itemActivated, this,
            [this, list](QListWidgetItem* item) { WatchLine(list->row(item)); });
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &CHallWatching::OfferLineMenu);
}

std::string CHallWatching::RecordOfLine(int line) const {
    if (m_gamesFolder.empty() || m_game.Frame().Running()) return {};
    return CRecordStore(m_gamesFolder).RecordOf(CGameRecorder::HallLines(m_game.Hall()), line);
}

void CHallWatching::WatchLine(int line) {
    if (m_game.Frame().Running()) {
        Show(tr("Stop the game to watch a recorded one."));
        return;
    }
    const std::string path = RecordOfLine(line);
    if (path.empty())
        Show(tr("There is no recorded game for this line of the hall of fame."));
    else
        m_watcher.WatchFile(QString::fromStdString(path));
}

void CHallWatching::SaveLine(int line) {
    CGameRecord record;
    std::string error;
    if (!ReadRecordFile(RecordOfLine(line), record, error)) {
        Show(tr("The game could not be saved: %1").arg(QString::fromStdString(error)));
        return;
    }
    // A name may hold a slash, which would name a folder in the suggestion.
    const QString name =
        QString::fromStdString(record.name).replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString suggested = QDir::home().filePath(QStringLiteral("%1-%2%3").arg(
        name, QString::number(record.score), QString::fromLatin1(kRecordSuffix)));
    QString path =
        QFileDialog::getSaveFileName(m_window, tr("Save this game as"), suggested,
                                     tr("Recorded games (*%1)").arg(QLatin1String(kRecordSuffix)));
    if (path.isEmpty()) return;
    if (!path.endsWith(QLatin1String(kRecordSuffix))) path += QLatin1String(kRecordSuffix);
    if (!WriteRecordFile(path.toStdString(), record, error))
        Show(tr("The game could not be saved: %1").arg(QString::fromStdString(error)));
}

void CHallWatching::OfferLineMenu(const QPoint& where) {
    CHiscoreListBox* list = m_panel.m_list;
    QListWidgetItem* item = list->itemAt(where);
    if (!item) return;
    const int line = list->row(item);
    if (RecordOfLine(line).empty()) return;
    QMenu menu(list);
    connect(menu.addAction(tr("Watch this game")), &QAction::triggered, this,
            [this, line] { WatchLine(line); });
    connect(menu.addAction(tr("Save this game as…")), &QAction::triggered, this,
            [this, line] { SaveLine(line); });
    menu.exec(list->viewport()->mapToGlobal(where));
}

// The pane gives up its width to the window: a long text is cut, never widens it.
void CHallWatching::Show(const QString& text) {
    m_pane->setMinimumWidth(1);
    m_pane->setText(text.isEmpty() ? m_idleText : text);
}
