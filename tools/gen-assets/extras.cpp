#include "extras.h"

#include "cells.h"
#include "palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <span>

namespace {

using namespace pal;

constexpr int kButtonW = 81, kButtonH = 29;

// The words start right of the faces and keep clear of the button's edges.
constexpr int kWordLeft = 35, kWordEdge = 3;

// The faces a word is tried in, in order: the toolbar's own bold sans, then,
// for a word too long for its button, the narrow cut at falling sizes.
// Chinese and Japanese letters have no narrow cut; small, they are clearer
// in the regular weight.
struct WordFace {
    const char* family;
    int pixels;
    bool bold;
};
constexpr WordFace kWordFaces[] = {
    {"Nimbus Sans", 13, true},        {"Nimbus Sans Narrow", 13, true},
    {"Nimbus Sans Narrow", 12, true}, {"Nimbus Sans Narrow", 11, true},
    {"Nimbus Sans Narrow", 10, true}, {"Nimbus Sans Narrow", 9, true},
    {"Nimbus Sans Narrow", 8, true}};
constexpr WordFace kCjkWordFaces[] = {{"Nimbus Sans", 13, true},
                                      {"Nimbus Sans", 12, true},
                                      {"Nimbus Sans", 11, false},
                                      {"Nimbus Sans", 10, false},
                                      {"Nimbus Sans", 9, false}};

// The coverage of a word drawn in one face, one button wide.
QImage WordMask(const QString& text, const WordFace& face, const QString& cjkFamily, int k) {
    const int w = k * kButtonW, h = k * kButtonH;
    QImage mask(w, h, QImage::Format_Grayscale8);
    mask.fill(0);
    QFont font(QString::fromLatin1(face.family));
    if (!cjkFamily.isEmpty()) font.setFamilies({font.family(), cjkFamily});
    font.setBold(face.bold);
    font.setPixelSize(face.pixels * k);
    font.setHintingPreference(QFont::PreferFullHinting);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, w, h), Qt::AlignVCenter | Qt::AlignLeft, text);
    return mask;
}

// True when every pixel the word inks lies inside its room on the button.
bool WordFits(const QImage& mask, int k) {
    const QRect room(0, kWordEdge * k, (kButtonW - kWordLeft - kWordEdge) * k,
                     (kButtonH - 2 * kWordEdge) * k);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) >= 80 && !room.contains(x, y)) return false;
    return true;
}

// Black bold text: pixels covered more than half become black, a thin
// fringe dark grey, so the letters stay crisp on the grey ground. A word
// that fits no face is drawn in the last and overruns its button, which the
// checks of the strip report.
void Word(QImage& image, int left, const QString& text, const QString& cjkFamily, int k) {
    QImage mask;
    const std::span<const WordFace> faces =
        cjkFamily.isEmpty() ? std::span<const WordFace>(kWordFaces) : kCjkWordFaces;
    for (const WordFace& face : faces) {
        mask = WordMask(text, face, cjkFamily, k);
        if (WordFits(mask, k)) break;
    }
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x + left < image.width() && x < mask.width(); ++x) {
            const int cover = qGray(mask.pixel(x, y));
            if (cover >= 150)
                image.setPixel(left + x, y, uint(Black));
            else if (cover >= 80)
                image.setPixel(left + x, y, uint(DarkGrey));
        }
    }
}

void QuestionMark(QImage& image, int left, int top, int k) {
    if (k == 1) {
        static const char* rows[] = {".BBBB.", "BB..BB", "....BB", "...BB.", "..BB..",
                                     "..BB..", "......", "..BB..", "..BB.."};
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 6; ++c)
                if (rows[r][c] == 'B') image.setPixel(left + c, top + r, uint(DarkBlue));
        return;
    }
    // Larger, the mark is the bold letter itself, 9k pixels high.
    QImage mask(6 * k, 9 * k, QImage::Format_Grayscale8);
    mask.fill(0);
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setBold(true);
    font.setPixelSize(12 * k);
    QPainterPath mark;
    mark.addText(0, 0, font, QStringLiteral("?"));
    const QRectF box = mark.boundingRect();
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(3 * k - box.center().x(), 0);
    painter.scale(1, 9 * k / box.height());
    painter.translate(0, -box.top());
    painter.fillPath(mark, Qt::white);
    painter.end();
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) >= 128) image.setPixel(left + x, top + y, uint(DarkBlue));
}

} // namespace

QImage DrawToolbar(int k, const PictureLanguage& language) {
    QImage image = Blank16(5 * k * kButtonW, k * kButtonH, LightGrey);
    auto face = [&](int x, int y, int d, int fill, int shade, Mood mood) {
        DrawFaceBall(image, k * x, k * y, k * d, fill, shade, mood, k);
    };
    for (int i = 0; i < 5; ++i) {
        const int x = i * kButtonW;
        switch (i) {
        case 0:
            face(x + 4, 2, 25, Yellow, DarkYellow, Mood::Smile);
            break;
        case 1:
            face(x + 4, 2, 25, Green, DarkGreen, Mood::Frown);
            break;
        case 2:
            face(x + 2, 1, 20, Green, DarkGreen, Mood::Frown);
            face(x + 11, 8, 20, Yellow, DarkYellow, Mood::Smile);
            break;
        case 3:
            face(x + 2, 4, 23, Yellow, DarkYellow, Mood::Puzzled);
            QuestionMark(image, k * (x + 24), k, k);
            break;
        case 4:
            face(x + 4, 2, 25, Yellow, DarkYellow, Mood::Cool);
            break;
        }
        Word(image, k * (x + kWordLeft), language.words.at(i), language.cjkFamily, k);
    }
    return image;
}

QImage DrawIcon(int k) {
    // The icon keeps a 17th, transparent entry: its mask.
    QVector<QRgb> table = Table16();
    table.push_back(qRgba(0, 0, 0, 0));
    QImage image(32 * k, 32 * k, QImage::Format_Indexed8);
    image.setColorTable(table);
    image.fill(Transparent);
    DrawFaceBall(image, 0, 0, 32 * k, Yellow, DarkYellow, Mood::Smile, k);
    return image;
}

namespace {

// The face of the icon as a vector drawing on a 256 × 256 canvas.
void PaintFace(QPainter& p) {
    QRadialGradient body(QPointF(96, 84), 190);
    body.setColorAt(0, QColor(255, 255, 170));
    body.setColorAt(0.45, QColor(255, 230, 0));
    body.setColorAt(1, QColor(200, 150, 0));
    p.setPen(QPen(Qt::black, 10));
    p.setBrush(body);
    p.drawEllipse(QRectF(8, 8, 240, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(78, 70, 26, 42));
    p.drawEllipse(QRectF(152, 70, 26, 42));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(82, 75, 10, 12));
    p.drawEllipse(QRectF(156, 75, 10, 12));
    QPainterPath smile;
    smile.moveTo(64, 150);
    smile.cubicTo(90, 206, 166, 206, 192, 150);
    p.setPen(QPen(Qt::black, 14, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
}

} // namespace

QImage DrawDesktopIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    PaintFace(p);
    return image;
}

QString IconSvg() {
    return QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n"
        "  <defs>\n"
        "    <radialGradient id=\"body\" cx=\"96\" cy=\"84\" r=\"190\" "
        "gradientUnits=\"userSpaceOnUse\">\n"
        "      <stop offset=\"0\" stop-color=\"#ffffaa\"/>\n"
        "      <stop offset=\"0.45\" stop-color=\"#ffe600\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#c89600\"/>\n"
        "    </radialGradient>\n"
        "  </defs>\n"
        "  <circle cx=\"128\" cy=\"128\" r=\"120\" fill=\"url(#body)\" stroke=\"#000\" "
        "stroke-width=\"10\"/>\n"
        "  <ellipse cx=\"91\" cy=\"91\" rx=\"13\" ry=\"21\"/>\n"
        "  <ellipse cx=\"165\" cy=\"91\" rx=\"13\" ry=\"21\"/>\n"
        "  <ellipse cx=\"87\" cy=\"81\" rx=\"5\" ry=\"6\" fill=\"#fff\"/>\n"
        "  <ellipse cx=\"161\" cy=\"81\" rx=\"5\" ry=\"6\" fill=\"#fff\"/>\n"
        "  <path d=\"M64 150 C90 206 166 206 192 150\" fill=\"none\" stroke=\"#000\" "
        "stroke-width=\"14\" stroke-linecap=\"round\"/>\n"
        "</svg>\n");
}

QImage DrawDecoration(int k) {
    // A golden cup on a podium, with the seven balls around it.
    QImage image(144 * k, 95 * k, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    QLinearGradient sky(0, 0, 0, 95);
    sky.setColorAt(0, QColor(20, 30, 90));
    sky.setColorAt(1, QColor(70, 110, 190));
    p.fillRect(image.rect(), sky);
    // Rays behind the cup.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        QPainterPath ray;
        const double a0 = M_PI * (i / 6.0), a1 = a0 + M_PI / 14;
        ray.moveTo(72, 40);
        ray.lineTo(72 + 120 * std::cos(a0), 40 + 120 * std::sin(a0));
        ray.lineTo(72 + 120 * std::cos(a1), 40 + 120 * std::sin(a1));
        ray.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawPath(ray);
    }
    QLinearGradient gold(50, 0, 94, 0);
    gold.setColorAt(0, QColor(150, 100, 10));
    gold.setColorAt(0.35, QColor(255, 235, 120));
    gold.setColorAt(0.6, QColor(240, 190, 40));
    gold.setColorAt(1, QColor(140, 90, 0));
    p.setPen(QPen(QColor(90, 55, 0), 1.2));
    // Handles.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 150, 30), 4));
    p.drawArc(QRectF(42, 18, 20, 22), 90 * 16, 180 * 16);
    p.drawArc(QRectF(82, 18, 20, 22), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(90, 55, 0), 1.2));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(50, 14);
    cup.lineTo(94, 14);
    cup.cubicTo(94, 40, 84, 50, 76, 52);
    cup.lineTo(76, 60);
    cup.lineTo(68, 60);
    cup.lineTo(68, 52);
    cup.cubicTo(60, 50, 50, 40, 50, 14);
    p.drawPath(cup);
    p.drawRect(QRectF(60, 60, 24, 5));
    p.setBrush(QColor(60, 40, 20));
    p.drawRect(QRectF(54, 65, 36, 10));
    p.setPen(QPen(QColor(255, 230, 130), 1));
    p.drawLine(QPointF(58, 70), QPointF(86, 70));
    // A star on the cup.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = (i % 2) ? 3.0 : 7.0;
        const QPointF pt(72 + rr * std::cos(a), 30 + rr * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230));
    p.drawPath(star);
    // The balls, on the ground in front.
    const QColor colours[] = {QColor(128, 0, 0),   QColor(255, 0, 255), QColor(255, 0, 0),
                              QColor(255, 255, 0), QColor(0, 255, 0),   QColor(0, 255, 255),
                              QColor(0, 0, 255)};
    const QPointF spots[] = {{14, 80}, {32, 84},  {112, 84}, {130, 80},
                             {24, 64}, {120, 64}, {100, 86}};
    for (int i = 0; i < 7; ++i) {
        const QPointF c = spots[i];
        QRadialGradient shine(c - QPointF(3, 3), 10);
        shine.setColorAt(0, Qt::white);
        shine.setColorAt(0.3, colours[i]);
        shine.setColorAt(1, colours[i].darker(220));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(shine);
        p.drawEllipse(c, 8, 8);
    }
    p.end();
    return Quantise256(image);
}
