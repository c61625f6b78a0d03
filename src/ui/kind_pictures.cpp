// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kind_pictures.h"

#include "model/catalogue.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <iterator>

namespace sw {
namespace {

const QColor kBody(232, 201, 143);
const QColor kLead(128, 128, 128);
const QColor kCopper(255, 185, 66);
const QColor kDark(64, 64, 64);

QPixmap Blank() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Leads(QPainter& p, int y = 8) {
    p.setPen(QPen(kLead, 1));
    p.drawLine(0, y, 15, y);
}

void Bands(QPainter& p, std::initializer_list<QColor> colours, int x, int top, int height) {
    for (const QColor& c : colours) {
        p.fillRect(x, top, 1, height, c);
        x += 2;
    }
}

void PaintText(QPainter& p) {
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 160));
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
}

void PaintCutTrack(QPainter& p) {
    p.fillRect(0, 4, 16, 8, kCopper);
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(4, 2, 12, 14);
    p.drawLine(12, 2, 4, 14);
}

void PaintSolderPad(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(8, 8), 6, 6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2, 2);
}

void PaintTrace(QPainter& p) {
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(2, 13, 7, 8);
    p.drawLine(7, 8, 14, 8);
}

void PaintJumper(QPainter& p) {
    p.setPen(QPen(QColor(160, 160, 160), 2));
    p.drawLine(2, 8, 14, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(kDark);
    p.drawEllipse(QPointF(2.5, 8), 2, 2);
    p.drawEllipse(QPointF(13.5, 8), 2, 2);
}

void PaintResistor(QPainter& p) {
    Leads(p);
    p.setPen(QPen(QColor(107, 82, 48), 1));
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(3.5, 5.5, 9, 5), 2, 2);
    Bands(p, {QColor(140, 98, 57), Qt::black, QColor(247, 148, 29)}, 6, 6, 4);
}

void PaintCapacitor(QPainter& p) {
    p.setPen(QPen(kLead, 1));
    p.drawLine(5, 14, 5, 16);
    p.drawLine(11, 14, 11, 16);
    p.setPen(QPen(QColor(150, 80, 0), 1));
    p.setBrush(QColor(230, 140, 20));
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
}

void PaintDiode(QPainter& p) {
    Leads(p);
    p.fillRect(4, 6, 8, 5, Qt::black);
    p.fillRect(9, 6, 2, 5, QColor(200, 200, 200));
}

void PaintLed(QPainter& p) {
    p.setPen(QPen(kLead, 1));
    p.drawLine(6, 12, 6, 16);
    p.drawLine(10, 12, 10, 16);
    p.setPen(QPen(QColor(150, 0, 0), 1));
    p.setBrush(QColor(255, 40, 40));
    p.drawEllipse(QRectF(3.5, 1.5, 9, 10));
}

void PaintElectrolyte(QPainter& p) {
    p.setPen(QPen(QColor(20, 20, 90), 1));
    p.setBrush(QColor(40, 60, 170));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(12, 4, 12, 12);
}

void PaintTransistor(QPainter& p) {
    p.setPen(QPen(kLead, 1));
    for (int x : {4, 8, 12})
        p.drawLine(x, 10, x, 16);
    QPainterPath body;
    body.moveTo(2, 10);
    body.lineTo(14, 10);
    body.arcTo(QRectF(2, 2, 12, 16), 0, 180);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(50, 50, 50));
    p.drawPath(body.simplified());
}

void PaintDilIc(QPainter& p) {
    p.setPen(QPen(kLead, 1));
    for (int x : {4, 7, 10, 13}) {
        p.drawLine(x, 1, x, 3);
        p.drawLine(x, 13, x, 15);
    }
    p.fillRect(2, 3, 13, 10, QColor(40, 40, 40));
    p.setBrush(QColor(120, 120, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(4.5, 8), 1.5, 1.5);
}

void PaintSilIc(QPainter& p) {
    p.setPen(QPen(kLead, 1));
    for (int x : {3, 6, 9, 12})
        p.drawLine(x, 12, x, 15);
    p.fillRect(1, 4, 14, 8, QColor(40, 40, 40));
}

void PaintTrimmer(QPainter& p) {
    p.setPen(QPen(QColor(20, 20, 90), 1));
    p.setBrush(QColor(60, 110, 220));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
    p.drawLine(8, 5, 8, 11);
}

void PaintPotentiometer(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setBrush(QColor(80, 80, 80));
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(8, 5, 8, 8);
}

void PaintTransformer(QPainter& p) {
    p.fillRect(1, 2, 14, 12, QColor(90, 90, 90));
    p.fillRect(4, 2, 8, 12, QColor(184, 115, 51));
    p.setPen(QPen(QColor(120, 70, 30), 1));
    for (int y = 4; y < 14; y += 3)
        p.drawLine(4, y, 11, y);
}

void PaintSwitch(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(5.5, 5.5, 5, 5));
}

void PaintWire(QPainter& p) {
    QPainterPath wire;
    wire.moveTo(1, 12);
    wire.cubicTo(5, 0, 10, 16, 15, 4);
    p.setPen(QPen(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wire);
}

void PaintAudioJack(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(1.5, 4.5, 9, 7));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(10.5, 6.5, 4, 3));
}

void PaintTubeSocket(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(230, 220, 200));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setBrush(Qt::black);
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4;
        p.drawEllipse(QPointF(8 + 5 * std::cos(a), 8 + 5 * std::sin(a)), 1, 1);
    }
}

void PaintRelay(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(40, 80, 160));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(QPen(Qt::white, 1));
    p.drawText(QRect(1, 2, 14, 12), Qt::AlignCenter, QStringLiteral("K"));
}

// The picture of each kind, in kind order.
constexpr void (*kKindPainters[])(QPainter&) = {
    PaintText,
    PaintCutTrack,
    PaintSolderPad,
    PaintTrace,
    PaintJumper,
    PaintResistor,
    PaintCapacitor,
    PaintDiode,
    PaintLed,
    PaintElectrolyte,
    PaintTransistor,
    PaintDilIc,
    PaintSilIc,
    PaintTrimmer,
    PaintPotentiometer,
    PaintTransformer,
    PaintSwitch,
    PaintWire,
    PaintAudioJack,
    PaintTubeSocket,
    PaintRelay,
};
static_assert(std::size(kKindPainters) == kKindCount, "every kind has a picture");

QPixmap Draw(int index) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    kKindPainters[index](p);
    return pixmap;
}

QPixmap DrawTask(TaskPicture picture) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPen outline(QColor(70, 70, 70), 1);
    switch (picture) {
    case TaskPicture::NewProject:
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}}));
        p.fillRect(5, 7, 7, 2, kCopper);
        p.fillRect(5, 10, 7, 2, kCopper);
        break;
    case TaskPicture::OpenProject:
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(250, 210, 90));
        p.drawPolygon(QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5},
                                 {1.5, 13.5}}));
        break;
    case TaskPicture::SaveProject:
        p.setPen(outline);
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.fillRect(4, 2, 8, 5, Qt::white);
        p.fillRect(5, 10, 6, 4, QColor(200, 200, 200));
        break;
    case TaskPicture::RenderImage:
        p.setPen(outline);
        p.setBrush(QColor(170, 220, 255));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 150, 60));
        p.drawPolygon(QPolygonF({{2, 13}, {7, 7}, {11, 13}}));
        p.setBrush(QColor(250, 200, 0));
        p.drawEllipse(QPointF(11, 6), 2, 2);
        break;
    case TaskPicture::RenderPnp:
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(4, 10, 8, 6);
        p.drawLine(8, 6, 12, 6);
        break;
    case TaskPicture::BoardProperties:
        p.fillRect(1, 3, 14, 10, QColor(246, 241, 195));
        p.setPen(outline);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 2.5, 15, 11));
        p.fillRect(2, 5, 12, 2, kCopper);
        p.fillRect(2, 9, 12, 2, kCopper);
        break;
    case TaskPicture::Undo: {
        QPainterPath arrow;
        arrow.moveTo(4, 6);
        arrow.cubicTo(8, 2, 15, 4, 13, 11);
        p.setPen(QPen(QColor(30, 90, 180), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 180));
        p.drawPolygon(QPolygonF({{1, 6}, {7, 2}, {7, 10}}));
        break;
    }
    case TaskPicture::CheckConnectivity:
        p.setPen(QPen(QColor(0, 140, 0), 2));
        p.drawLine(3, 8, 13, 8);
        p.setPen(outline);
        p.setBrush(kCopper);
        p.drawEllipse(QPointF(3, 8), 2.5, 2.5);
        p.drawEllipse(QPointF(13, 8), 2.5, 2.5);
        break;
    case TaskPicture::Tutorials:
        p.setPen(outline);
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.fillRect(5, 4, 6, 2, Qt::white);
        break;
    case TaskPicture::LayoutsOnline:
        p.setPen(QPen(QColor(20, 80, 160), 1));
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5.5, 1.5, 5, 13));
        p.drawLine(2, 8, 14, 8);
        break;
    }
    return pixmap;
}

}  // namespace

const QPixmap& KindPicture(int pictureIndex) {
    static const std::array<QPixmap, kKindCount> pictures = [] {
        std::array<QPixmap, kKindCount> all;
        for (int i = 0; i < kKindCount; ++i)
            all[size_t(i)] = Draw(i);
        return all;
    }();
    static const QPixmap none;
    if (pictureIndex < 0 || pictureIndex >= kKindCount)
        return none;
    return pictures[size_t(pictureIndex)];
}

QIcon KindIcon(int pictureIndex) {
    // One icon per kind, shared by every copy: a list of a hundred thousand
    // parts holds no pixmap of its own.
    static const std::array<QIcon, kKindCount> icons = [] {
        std::array<QIcon, kKindCount> all;
        for (int i = 0; i < kKindCount; ++i)
            all[size_t(i)] = QIcon(KindPicture(i));
        return all;
    }();
    if (pictureIndex < 0 || pictureIndex >= kKindCount)
        return QIcon(KindPicture(pictureIndex));
    return icons[size_t(pictureIndex)];
}

QIcon TaskIcon(TaskPicture picture) { return QIcon(DrawTask(picture)); }

}  // namespace sw
