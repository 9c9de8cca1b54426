#include "toolkit/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ui {
namespace {

QPixmap draw(Picture p, int size)
{
    QPixmap px(size, size);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(size / 16.0, size / 16.0);
    auto pen = [&](const QColor& c, double w) { g.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); };
    const QColor green(0x1e, 0x8e, 0x3e), blue(0x1f, 0x5f, 0xbf), red(0xc6, 0x28, 0x28), dark(0x40, 0x40, 0x40),
        amber(0xe0, 0x9a, 0x10);
    switch (p) {
    case Picture::New:
        pen(green, 2.6);
        g.drawLine(QPointF(8, 3), QPointF(8, 13));
        g.drawLine(QPointF(3, 8), QPointF(13, 8));
        break;
    case Picture::Alter: {
        pen(dark, 1);
        g.setBrush(amber);
        QPainterPath pencil;
        pencil.moveTo(3, 13);
        pencil.lineTo(4, 10);
        pencil.lineTo(11, 3);
        pencil.lineTo(13, 5);
        pencil.lineTo(6, 12);
        pencil.closeSubpath();
        g.drawPath(pencil);
        break;
    }
    case Picture::Save:
        pen(blue.darker(130), 1);
        g.setBrush(blue);
        g.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 1, 1);
        g.setBrush(Qt::white);
        g.drawRect(QRectF(5, 3, 6, 4));
        g.drawRect(QRectF(4.5, 9.5, 7, 4));
        break;
    case Picture::Cancel:
    case Picture::Close:
        pen(red, 2.6);
        g.drawLine(QPointF(4, 4), QPointF(12, 12));
        g.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case Picture::Delete:
        pen(dark, 1);
        g.setBrush(red);
        g.drawRect(QRectF(4.5, 5, 7, 9));
        g.drawRect(QRectF(3, 3, 10, 2));
        pen(Qt::white, 1);
        g.drawLine(QPointF(6.5, 7), QPointF(6.5, 12));
        g.drawLine(QPointF(9.5, 7), QPointF(9.5, 12));
        break;
    case Picture::Search:
        pen(dark, 2);
        g.setBrush(QColor(0xd8, 0xe8, 0xff));
        g.drawEllipse(QPointF(6.5, 6.5), 4, 4);
        pen(dark, 2.6);
        g.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
        break;
    case Picture::Filter: {
        pen(dark, 1);
        g.setBrush(blue);
        QPainterPath f;
        f.moveTo(2, 3);
        f.lineTo(14, 3);
        f.lineTo(9.5, 8.5);
        f.lineTo(9.5, 14);
        f.lineTo(6.5, 12);
        f.lineTo(6.5, 8.5);
        f.closeSubpath();
        g.drawPath(f);
        break;
    }
    case Picture::Report:
        pen(dark, 1);
        g.setBrush(Qt::white);
        g.drawRect(QRectF(3.5, 1.5, 9, 13));
        pen(blue, 1);
        for (double y = 4.5; y < 13; y += 2.5) g.drawLine(QPointF(5.5, y), QPointF(10.5, y));
        break;
    case Picture::About:
        pen(blue.darker(120), 1);
        g.setBrush(blue);
        g.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        pen(Qt::white, 2);
        g.drawPoint(QPointF(8, 4.8));
        g.drawLine(QPointF(8, 7.5), QPointF(8, 11.5));
        break;
    case Picture::Settings:
        pen(dark, 2.2);
        for (int i = 0; i < 8; ++i) {
            g.save();
            g.translate(8, 8);
            g.rotate(i * 45);
            g.drawLine(QPointF(0, 4), QPointF(0, 6.5));
            g.restore();
        }
        g.setBrush(QColor(0xb0, 0xb0, 0xb0));
        pen(dark, 1.4);
        g.drawEllipse(QPointF(8, 8), 4, 4);
        g.setBrush(Qt::white);
        g.drawEllipse(QPointF(8, 8), 1.6, 1.6);
        break;
    case Picture::Backup:
        pen(dark, 1);
        g.setBrush(QColor(0xf0, 0xc0, 0x40));
        g.drawEllipse(QRectF(2.5, 1.5, 11, 4));
        g.drawRect(QRectF(2.5, 3.5, 11, 8));
        g.drawEllipse(QRectF(2.5, 9.5, 11, 4));
        pen(green, 2);
        g.drawLine(QPointF(8, 6), QPointF(8, 12));
        g.drawLine(QPointF(5.5, 9.5), QPointF(8, 12));
        g.drawLine(QPointF(10.5, 9.5), QPointF(8, 12));
        break;
    }
    return px;
}

} // namespace

QIcon icon(Picture p)
{
    QIcon i;
    i.addPixmap(draw(p, 16));
    i.addPixmap(draw(p, 32));
    return i;
}

} // namespace ui
