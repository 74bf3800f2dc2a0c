#include "platform/dialog_frame.h"

#include <QCursor>
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
        // A window manager may minimise the game with its dialog whichever of
        // the two the player minimised. The pointer tells them apart: on the
        // dialog or its title bar, the dialog was meant, and it comes back
        // with the game; elsewhere the game was, and the game's own window
        // brings both back. A minimised window's frame is not known: room is
        // left for a title bar.
        QWidget* owner = m_dialog->parentWidget() ? m_dialog->parentWidget()->window() : nullptr;
        const QRect frame = m_dialog->geometry().marginsAdded(QMargins(8, 40, 8, 8));
        if (owner && owner->isMinimized() && !frame.contains(QCursor::pos())) return false;
        // Brought back, a dialog brings its owner back as it was, maximised
        // or not.
        QTimer::singleShot(0, m_dialog, [dialog = m_dialog] {
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
