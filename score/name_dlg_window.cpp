#include "score/name_dlg_window.h"

#include "engine/identifiers.h"
#include "platform/bitmap_button.h"
#include "platform/dialog_frame.h"
#include "platform/dialog_units.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

namespace {

// The field does not scroll sideways: typing stops when the text would no
// longer fit.
class CFitValidator : public QValidator {
public:
    explicit CFitValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& text, int&) const override {
        const QMargins margins = m_edit->textMargins();
        const int room = m_edit->width() - margins.left() - margins.right() - 8;
        return m_edit->fontMetrics().horizontalAdvance(text) <= room ? Acceptable : Invalid;
    }

private:
    QLineEdit* m_edit;
};

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

class CNameDialog : public QDialog {
public:
    CNameDialog(CNameDlg& dlg, QWidget* owner) : QDialog(owner), m_dlg(dlg) {
        setObjectName(QStringLiteral("nameDialog"));
        setWindowTitle(CNameDlgWindow::Caption());
        SetDialogFrame(this, false);
        setFont(SansDialogFont(8));
        const CDialogUnits du(font());
        // Wide enough for the whole caption beside the icon and buttons that
        // a window manager may draw all the same.
        QFont caption = font();
        caption.setBold(true);
        const int captionWidth = QFontMetrics(caption).horizontalAdvance(windowTitle()) + 9 * 16;
        setFixedSize(std::max(du.X(127), captionWidth), du.Y(66));

        m_combo = new QComboBox(this);
        m_combo->setObjectName(QStringLiteral("name"));
        m_combo->setEditable(true);
        m_combo->setInsertPolicy(QComboBox::NoInsert);
        // The field takes exactly what is typed: no completion from the items.
        m_combo->setCompleter(nullptr);
        m_combo->setGeometry(du.Rect(10, 20, 110, 12));
        m_combo->setMaxVisibleItems(6);
        m_combo->lineEdit()->setAlignment(Qt::AlignRight);
        for (const std::string& item : dlg.Items()) m_combo->addItem(QString::fromStdString(item));
        m_combo->setCurrentIndex(dlg.CurSel());
        m_combo->setEditText(QString::fromStdString(dlg.FieldText()));
        m_combo->lineEdit()->setValidator(new CFitValidator(m_combo->lineEdit()));
        m_combo->lineEdit()->selectAll();

        auto* ok = new QPushButton(QCoreApplication::translate("CNameDlg", "&OK"), this);
        ok->setObjectName(QStringLiteral("ok"));
        ok->setAutoDefault(false);
        ok->setGeometry(du.Rect(10, 45, 50, 14));
        connect(ok, &QPushButton::clicked, this, &CNameDialog::Confirm);

        auto* icon = new QLabel(this);
        icon->setPixmap(CachedPicture(PictureId::kIcon));
        icon->setGeometry(du.Rect(100, 40, 21, 20));
        auto* prompt =
            new QLabel(QCoreApplication::translate("CNameDlg", "Please, enter your name :"), this);
        prompt->setGeometry(du.Rect(10, 5, 80, 8));
        prompt->resize(std::max(prompt->width(), prompt->sizeHint().width()), prompt->height());
        m_combo->setFocus();
    }

    void Confirm() {
        m_dlg.SetFieldText(m_combo->currentText().toStdString());
        if (m_dlg.OnOK()) {
            done(CNameDlg::IDOK);
            return;
        }
        QMessageBox box(
            QMessageBox::Warning, QStringLiteral("Marbix"),
            QCoreApplication::translate("CNameDlg", "Please enter no more than %1 characters.")
                .arg(CNameDlg::kMaxChars),
            QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("maxChars"));
        box.exec();
        m_combo->setFocus();
    }

protected:
    // Enter confirms like OK; the OK button is no default button.
    void keyPressEvent(QKeyEvent* event) override {
        if (IsEnter(event)) {
            Confirm();
            return;
        }
        QDialog::keyPressEvent(event);
    }
    void reject() override { done(CNameDlg::IDCANCEL); }

private:
    CNameDlg& m_dlg;
    QComboBox* m_combo;
};

} // namespace

int CNameDlgWindow::RunModal(CNameDlg& dlg) {
    CNameDialog dialog(dlg, m_owner);
    m_current = &dialog;
    const int result = dialog.exec();
    m_current = nullptr;
    return result == CNameDlg::IDOK ? CNameDlg::IDOK : CNameDlg::IDCANCEL;
}

void CNameDlgWindow::ShowSaveFailure(const std::string& failure) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Marbix"),
                    QCoreApplication::translate(
                        "CNameDlg", "Your result could not be saved in the hall of fame: %1")
                        .arg(QString::fromStdString(failure)),
                    QMessageBox::Ok, m_owner);
    box.setObjectName(QStringLiteral("saveFailed"));
    box.exec();
}
