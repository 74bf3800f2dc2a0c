#include "platform/bitmap_button.h"

#include "platform/resources.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <cmath>

namespace {

QImage FitToScreen(const QImage& image) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (image.isNull() || ratio == image.devicePixelRatio()) return image;
    const QSizeF size = image.deviceIndependentSize() * ratio;
    if (size != size.toSize() || std::floor(ratio) == ratio) return image;
    QImage source = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    source.setDevicePixelRatio(1);
    QImage fitted = source.scaled(size.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}

} // namespace

QPixmap CachedPicture(int id) {
    // Cells change pictures on every move; decoding a PNG each time would cost
    // more than the rest of a turn together.
    static QHash<int, QPixmap> cache;
    auto it = cache.constFind(id);
    if (it != cache.constEnd()) return *it;
    QPixmap picture = QPixmap::fromImage(FitToScreen(LoadPicture(id)));
    cache.insert(id, picture);
    return picture;
}

QPixmap CachedPicture(int id, int zoom) {
    if (zoom == 10) return CachedPicture(id);
    static QHash<QPair<int, int>, QPixmap> cache;
    auto it = cache.constFind({id, zoom});
    if (it != cache.constEnd()) return *it;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImage image = LoadPicture(id, PictureScaleFor(ratio, zoom));
    const QSize shown = (image.deviceIndependentSize() * ratio * zoom / 10).toSize();
    if (!image.isNull() && image.size() != shown)
        image = image.convertToFormat(QImage::Format_RGB32)
                    .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    QPixmap picture = QPixmap::fromImage(image);
    cache.insert({id, zoom}, picture);
    return picture;
}

void CBitmapButton::SetPicture(const QPixmap& picture) {
    m_picture = picture;
    UpdateOpacity();
}

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    UpdateOpacity();
}

bool CBitmapButton::LoadBitmaps(int id, int zoom) {
    m_picture = CachedPicture(id, zoom);
    m_pictureId = m_picture.isNull() ? 0 : id;
    UpdateOpacity();
    return m_pictureId != 0;
}

void CBitmapButton::SizeToContent() {
    if (!m_picture.isNull()) resize(m_picture.deviceIndependentSize().toSize());
}

// A picture that covers the whole button hides what lies behind it, so a
// repaint need not draw the parent first; without one the parent shows.
void CBitmapButton::UpdateOpacity() {
    const QSize size = m_picture.deviceIndependentSize().toSize();
    const bool covers = !m_picture.isNull() && !m_picture.hasAlphaChannel() &&
                        size.width() >= width() && size.height() >= height();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void CBitmapButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    UpdateOpacity();
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    // Between the scales the pictures are drawn for, they are resampled
    // smoothly; at their own scale they are copied pixel for pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          m_picture.devicePixelRatio() != devicePixelRatioF());
    painter.drawPixmap(0, 0, m_picture);
}
