// A button that shows one picture at its top-left corner, one to one, clipped
// to its rectangle. Pictures are looked up by integer identifier.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButton(QWidget* parent = nullptr);

    // Loads picture id as the button's only picture, releasing the one loaded
    // before; zoomed by zoom tenths, its size in the layout grows with it. On
    // failure the button is left without a picture and paints nothing.
    // Nothing is repainted here.
    bool LoadBitmaps(int id, int zoom = 10);

    // Shows picture in place of the loaded one, keeping its identifier.
    void SetPicture(const QPixmap& picture);

    // Resizes the button to its picture's size in the layout.
    void SizeToContent();

    bool HasPicture() const { return !m_picture.isNull(); }
    const QPixmap& Picture() const { return m_picture; }
    // The identifier of the picture shown, 0 when there is none.
    int PictureId() const { return m_pictureId; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateOpacity();

    QPixmap m_picture;
    int m_pictureId = 0;
};

// The picture with this identifier as a pixmap for the screens' scale,
// decoded once per run; a null pixmap when there is none. Between whole
// device pixel ratios a picture whose size is whole in device pixels is
// resampled smoothly to that size once, and then copied pixel for pixel.
QPixmap CachedPicture(int id);
// The picture zoomed by zoom tenths, at the device pixels it is shown at:
// drawn at that size where there is such a picture, else resampled smoothly
// down from the next larger one, once.
QPixmap CachedPicture(int id, int zoom);
