#include "platform/bitmap_button.h"

#include "platform/resources.h"

#include <QHash>
#include <QPainter>

QPixmap CachedPicture(int id) {
    // Cells change pictures on every move; decoding a PNG each time would cost
    // more than the rest of a turn together.
    static QHash<int, QPixmap> cache;
    auto it = cache.constFind(id);
    if (it != cache.constEnd()) return *it;
    QPixmap picture = QPixmap::fromImage(LoadPicture(id));
    cache.insert(id, picture);
    return picture;
}

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    UpdateOpacity();
}

bool CBitmapButton::LoadBitmaps(int id) {
    m_picture = CachedPicture(id);
    m_pictureId = m_picture.isNull() ? 0 : id;
    UpdateOpacity();
    return m_pictureId != 0;
}

void CBitmapButton::SizeToContent() {
    if (!m_picture.isNull()) resize(m_picture.size());
}

// A picture that covers the whole button hides what lies behind it, so a
// repaint need not draw the parent first; without one the parent shows.
void CBitmapButton::UpdateOpacity() {
    const bool covers = !m_picture.isNull() && !m_picture.hasAlphaChannel() &&
                        m_picture.width() >= width() && m_picture.height() >= height();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void CBitmapButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    UpdateOpacity();
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
