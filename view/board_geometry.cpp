#include "view/board_geometry.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kSquare = 32;
const CBoardGeometry kRegular;

// The nearest multiple of step, the smaller one on a tie.
int Snap(int length, int step) {
    return step * ((2 * length + step - 1) / (2 * step));
}

// For each device pixel along one side, the pixel of the double-size picture
// it shows: the margins, squares and seams of the regular layout, each
// stretched onto its counterpart of the fitted one.
std::vector<int> Map(int margin, int pitch, int end, int regularMargin, int regularPitch,
                     int regularEnd, qreal ratio) {
    // Piece boundaries in layout pixels: margin, then square and seam in
    // turn, the last square followed by the end margin.
    std::vector<int> from = {0}, to = {0};
    auto piece = [&](int regular, int fitted) {
        from.push_back(from.back() + regular);
        to.push_back(to.back() + fitted);
    };
    piece(regularMargin, margin);
    for (int i = 0; i < 9; ++i) {
        piece(kSquare, kSquare);
        if (i < 8) piece(regularPitch - kSquare, pitch - kSquare);
    }
    piece(regularEnd, end);
    std::vector<int> map;
    const int pixels = int(std::lround(to.back() * ratio));
    for (int d = 0, k = 0; d < pixels; ++d) {
        const double at = (d + 0.5) / ratio;
        while (k + 2 < int(to.size()) && at >= to[size_t(k) + 1]) ++k;
        const double u = (at - to[size_t(k)]) / (to[size_t(k) + 1] - to[size_t(k)]);
        const double source = from[size_t(k)] + u * (from[size_t(k) + 1] - from[size_t(k)]);
        map.push_back(int(2 * source));
    }
    return map;
}

} // namespace

CBoardGeometry CBoardGeometry::For(qreal ratio) {
    int step = 1;
    while (step <= 8 && std::fabs(step * ratio - std::round(step * ratio)) > 1e-6) ++step;
    if (step == 1 || step > 8) return kRegular;
    CBoardGeometry g;
    g.step = step;
    g.left = Snap(kRegular.left, step);
    g.top = Snap(kRegular.top, step);
    g.pitchX = Snap(kRegular.pitchX, step);
    g.pitchY = Snap(kRegular.pitchY, step);
    g.right = Snap(kRegular.right, step);
    g.bottom = Snap(kRegular.bottom, step);
    return g;
}

QSize CBoardGeometry::Size() const {
    return {left + 8 * pitchX + kSquare + right, top + 8 * pitchY + kSquare + bottom};
}

QPoint CBoardGeometry::Offset(int cx, int cy) const {
    const QSize board = Size();
    return {(cx - board.width()) / 2 / step * step, (cy - board.height()) / 2 / step * step};
}

QImage FitBoardPicture(const QImage& picture2x, const CBoardGeometry& g, qreal ratio) {
    if (picture2x.isNull()) return {};
    const QImage source = picture2x.convertToFormat(QImage::Format_RGB32);
    const std::vector<int> xs =
        Map(g.left, g.pitchX, g.right, kRegular.left, kRegular.pitchX, kRegular.right, ratio);
    const std::vector<int> ys =
        Map(g.top, g.pitchY, g.bottom, kRegular.top, kRegular.pitchY, kRegular.bottom, ratio);
    QImage fitted(int(xs.size()), int(ys.size()), QImage::Format_RGB32);
    for (int y = 0; y < fitted.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(ys[size_t(y)]));
        QRgb* out = reinterpret_cast<QRgb*>(fitted.scanLine(y));
        for (int x = 0; x < fitted.width(); ++x) out[x] = in[xs[size_t(x)]];
    }
    fitted.setDevicePixelRatio(ratio);
    return fitted;
}
