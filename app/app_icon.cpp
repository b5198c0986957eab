#include "app/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <vector>

namespace appicon {
namespace {

// Drawn on a grid of 64 units; sizes the desktop asks for are multiples or near enough.
constexpr double kGrid = 64.0;

struct Tile {
    QRectF rect{3, 3, 58, 58};
    double radius = 11;
    QColor fill{0x1f, 0x3a, 0x5f};
};

struct Line {
    std::vector<QPointF> points;
    QColor color;
    double width;
};

const Tile kTile;

// Thick strokes and few corners: at 16 pixels each line is still about one and a half pixels.
const std::vector<Line> kLines = {
    {{{10, 27}, {17, 27}, {17, 13}, {27, 13}, {27, 27}, {37, 27}, {37, 13}, {47, 13}, {47, 27}, {54, 27}},
     QColor(0xff, 0xd2, 0x4a), 6},
    {{{10, 51}, {20, 51}, {25, 38}, {39, 38}, {44, 51}, {54, 51}}, QColor(0x7f, 0xe0, 0xa0), 6},
};

}  // namespace

QImage image(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTile.fill);
    painter.drawRoundedRect(kTile.rect, kTile.radius, kTile.radius);
    painter.setBrush(Qt::NoBrush);
    for (const Line& line : kLines) {
        painter.setPen(QPen(line.color, line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF(QList<QPointF>(line.points.begin(), line.points.end())));
    }
    return picture;
}

QString svg()
{
    QString text = QStringLiteral(
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                       "viewBox=\"0 0 64 64\">\n"
                       "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
                       .arg(kTile.rect.x())
                       .arg(kTile.rect.y())
                       .arg(kTile.rect.width())
                       .arg(kTile.rect.height())
                       .arg(kTile.radius)
                       .arg(kTile.fill.name());
    for (const Line& line : kLines) {
        QStringList points;
        for (const QPointF& point : line.points)
            points << QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
        text += QStringLiteral("  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                               "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n")
                    .arg(points.join(u' '), line.color.name())
                    .arg(line.width);
    }
    return text + QStringLiteral("</svg>\n");
}

QIcon icon()
{
    QIcon drawn;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        drawn.addPixmap(QPixmap::fromImage(image(size)));
    return drawn;
}

}  // namespace appicon
