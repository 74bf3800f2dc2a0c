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
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

bool CBitmapButton::LoadBitmaps(int id) {
    m_picture = CachedPicture(id);
    return !m_picture.isNull();
}

void CBitmapButton::SizeToContent() {
    if (!m_picture.isNull()) resize(m_picture.size());
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
