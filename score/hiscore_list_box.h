// The hall of fame on screen: a list box showing exactly the lines and the
// selection that the table (CHiscoreList) holds.
#pragma once

#include "score/hiscore_list.h"

#include <QListWidget>

class CHiscoreListBox : public QListWidget, public CListView {
    Q_OBJECT
public:
    explicit CHiscoreListBox(QWidget* parent = nullptr);

    void OnSetRedraw(bool on) override;
    void OnCleared() override;
    void OnLineAppended(const std::string& line) override;
    void OnSelected(int line) override;
    void OnRepaint() override;
};
