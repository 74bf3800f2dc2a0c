#include "view/board_geometry.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kSquare = 32;
const CBoardGeometry kRegular;

// The nearest multiple of step to length zoomed, the smaller one on a tie.
int Snap(int length, int zoom, int step) {
    const int tenths = length * zoom; // the zoomed length in tenths
    return step * ((2 * tenths + 10 * step - 1) / (20 * step));
}

// For each device pixel along one side, the pixel of the double-size picture
// it shows: the margins, squares and seams of the regular layout, each
// stretched onto its counterpart of the fitted one.
std::vector<int> Map(int margin, int pitch, int end, int square, int regularMargin,
                     int regularPitch, int regularEnd, qreal ratio, int scale) {
    // Piece boundaries in layout pixels: margin, then square and seam in
    // turn, the last square followed by the end margin.
    std::vector<int> from = {0}, to = {0};
    auto piece = [&](int regular, int fitted) {
        from.push_back(from.back() + regular);
        to.push_back(to.back() + fitted);
    };
    piece(regularMargin, margin);
    for (int i = 0; i < 9; ++i) {
        piece(kSquare, square);
        if (i < 8) piece(regularPitch - kSquare, pitch - square);
    }
    piece(regularEnd, end);
    std::vector<int> map;
    const int pixels = int(std::lround(to.back() * ratio));
    for (int d = 0, k = 0; d < pixels; ++d) {
        const double at = (d + 0.5) / ratio;
        while (k + 2 < int(to.size()) && at >= to[size_t(k) + 1]) ++k;
        const double u = (at - to[size_t(k)]) / (to[size_t(k) + 1] - to[size_t(k)]);
        const double source = from[size_t(k)] + u * (from[size_t(k) + 1] - from[size_t(k)]);
        map.push_back(int(scale * source));
    }
    return map;
}

} // namespace

CBoardGeometry CBoardGeometry::For(qreal ratio, int zoom) {
    int step = 1;
    while (step <= 8 && std::fabs(step * ratio - std::round(step * ratio)) > 1e-6) ++step;
    if (step > 8) step = 1;
    if (step == 1 && zoom == 10) return kRegular;
    CBoardGeometry g;
    g.step = step;
    g.zoom = zoom;
    g.square = kSquare * zoom / 10;
    g.left = Snap(kRegular.left, zoom, step);
    g.top = Snap(kRegular.top, zoom, step);
    g.pitchX = Snap(kRegular.pitchX, zoom, step);
    g.pitchY = Snap(kRegular.pitchY, zoom, step);
    g.right = Snap(kRegular.right, zoom, step);
    g.bottom = Snap(kRegular.bottom, zoom, step);
    return g;
}

QSize CBoardGeometry::Size() const {
    return {left + 8 * pitchX + square + right, top + 8 * pitchY + square + bottom};
}

QPoint CBoardGeometry::Offset(int cx, int cy) const {
    const QSize board = Size();
    return {(cx - board.width()) / 2 / step * step, (cy - board.height()) / 2 / step * step};
}

QImage FitBoardPicture(const QImage& picture, const CBoardGeometry& g, qreal ratio) {
    if (picture.isNull()) return {};
    const int scale = qRound(picture.devicePixelRatio());
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const std::vector<int> xs = Map(g.left, g.pitchX, g.right, g.square, kRegular.left,
                                    kRegular.pitchX, kRegular.right, ratio, scale);
    const std::vector<int> ys = Map(g.top, g.pitchY, g.bottom, g.square, kRegular.top,
                                    kRegular.pitchY, kRegular.bottom, ratio, scale);
    QImage fitted(int(xs.size()), int(ys.size()), QImage::Format_RGB32);
    for (int y = 0; y < fitted.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(ys[size_t(y)]));
        QRgb* out = reinterpret_cast<QRgb*>(fitted.scanLine(y));
        for (int x = 0; x < fitted.width(); ++x) out[x] = in[xs[size_t(x)]];
    }
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}
