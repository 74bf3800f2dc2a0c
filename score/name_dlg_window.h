// The name dialog on screen: a caption without a close box, the prompt, a
// combo box of the known names and OK. What it offers, shows and accepts is
// CNameDlg's; this window only shows it and takes the player's answer.
#pragma once

#include "score/name_dlg.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

class CNameDlgWindow : public CNameDlgHost {
public:
    explicit CNameDlgWindow(QWidget* owner = nullptr) : m_owner(owner) {}

    void SetOwner(QWidget* owner) { m_owner = owner; }
    int RunModal(CNameDlg& dlg) override;
    // A warning box over the main window, in the player's language.
    void ShowSaveFailure(const std::string& failure) override;

    // The dialog while it is shown (tests answer it through this).
    QDialog* Current() const { return m_current; }

    static QString Caption() {
        return QCoreApplication::translate("CNameDlg", "Marbix registration");
    }

private:
    QPointer<QWidget> m_owner;
    QPointer<QDialog> m_current;
};
