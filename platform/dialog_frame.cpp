#include "platform/dialog_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class CComeBack : public QObject {
public:
    explicit CComeBack(QWidget* dialog) : QObject(dialog), m_dialog(dialog) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_dialog || event->type() != QEvent::WindowStateChange ||
            !m_dialog->isMinimized())
            return false;
        // The game minimised by the player takes its dialog along; that is
        // left as it is, the game's own window brings both back.
        QWidget* owner = m_dialog->parentWidget() ? m_dialog->parentWidget()->window() : nullptr;
        if (owner && owner->isMinimized()) return false;
        QTimer::singleShot(0, m_dialog, [dialog = m_dialog, owner] {
            if (owner) owner->setWindowState(owner->windowState() & ~Qt::WindowMinimized);
            dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
            dialog->activateWindow();
        });
        return false;
    }

private:
    QWidget* m_dialog;
};

} // namespace

void SetDialogFrame(QWidget* dialog, bool closeBox) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags);
    dialog->installEventFilter(new CComeBack(dialog));
}
