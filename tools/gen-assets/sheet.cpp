#include "sheet.h"

#include "engine/identifiers.h"

#include <QFont>
#include <QPainter>
#include <vector>

namespace {

constexpr int kScale = 4, kGap = 16, kLabel = 26;

struct Section {
    QString title;
    std::vector<int> ids;
    int columns;
};

} // namespace

QImage DrawSheet(const std::map<int, QImage>& pictures) {
    std::vector<int> round, other;
    for (int s = 0; s < 4; ++s)
        for (int c = 0; c < 8; ++c)
            round.push_back(PictureId::Cell(c, s, true)),
                other.push_back(PictureId::Cell(c, s, false));
    const std::vector<Section> sections = {
        {QStringLiteral("Round balls: colours across, states down"), round, 8},
        {QStringLiteral("Non-round balls"), other, 8},
        {QStringLiteral("Icon, toolbar, decoration, tile"),
         {PictureId::kIcon, PictureId::kToolbar, PictureId::kDecoration, PictureId::kTile},
         4},
        {QStringLiteral("Board: playing, paused, stopped"),
         {PictureId::kBoard, PictureId::kBoardPaused, PictureId::kBoardStopped},
         3},
    };
    // First pass measures, second pass draws.
    QImage sheet;
    for (int pass = 0; pass < 2; ++pass) {
        QPainter painter;
        if (pass == 1) {
            painter.begin(&sheet);
            painter.setRenderHint(QPainter::TextAntialiasing);
        }
        QFont font(QStringLiteral("Nimbus Sans"));
        font.setPixelSize(18);
        font.setBold(true);
        int y = kGap, width = 0;
        for (const Section& section : sections) {
            if (pass == 1) {
                painter.setPen(Qt::white);
                painter.setFont(font);
                painter.drawText(kGap, y + 20, section.title);
            }
            y += kLabel + 8;
            int x = kGap, rowHeight = 0, column = 0;
            for (int id : section.ids) {
                const QImage& picture = pictures.at(id);
                const QSize size = picture.size() * kScale;
                if (column == section.columns)
                    x = kGap, y += rowHeight + kGap, rowHeight = 0, column = 0;
                if (pass == 1) {
                    painter.setPen(QColor(255, 230, 120));
                    painter.drawText(x, y + 18, QString::number(id));
                    painter.drawImage(QRect(QPoint(x, y + kLabel), size),
                                      picture.convertToFormat(QImage::Format_ARGB32));
                }
                x += size.width() + kGap;
                width = std::max(width, x);
                rowHeight = std::max(rowHeight, size.height() + kLabel);
                ++column;
            }
            y += rowHeight + 2 * kGap;
        }
        if (pass == 0) {
            sheet = QImage(width, y, QImage::Format_RGB32);
            sheet.fill(QColor(40, 44, 52));
        }
    }
    return sheet;
}
