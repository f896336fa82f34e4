// Every icon is a small drawing on a 24 x 24 grid in one style: a dark ink
// outline 1.5 wide with round joins, filled with a few soft colours. The same
// drawing is rendered once at 1x and once at 2x, so no image files or icon
// themes are involved.
#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace zefrin {

namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kInk(0x33, 0x33, 0x33);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBlue(0x3a, 0x7b, 0xd5);
const QColor kLightBlue(0xcf, 0xe2, 0xf8);
const QColor kGreen(0x2e, 0xa0, 0x43);
const QColor kRed(0xd7, 0x3a, 0x3a);
const QColor kYellow(0xf2, 0xc2, 0x30);
const QColor kAmber(0xe8, 0xb0, 0x40);
const QColor kLightAmber(0xf8, 0xd8, 0x80);
const QColor kPink(0xf0, 0x8f, 0xa0);
const QColor kBrown(0xa0, 0x68, 0x3a);
const QColor kSteel(0xb8, 0xb8, 0xb8);

QIcon render(const Drawing& draw) {
  QIcon icon;
  for (const int scale : {1, 2}) {
    QPixmap pixmap(24 * scale, 24 * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QPen ink(qreal width = 1.5, const QColor& colour = kInk) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Ink outline around a coloured fill.
void outlined(QPainter& p, const QColor& fill, qreal width = 1.5) {
  p.setPen(ink(width));
  p.setBrush(fill);
}

void stroked(QPainter& p, const QColor& colour = kInk, qreal width = 1.5) {
  p.setPen(ink(width, colour));
  p.setBrush(Qt::NoBrush);
}

// Marching ants: the look of every selection outline.
void dashed(QPainter& p, qreal width = 1.5) {
  QPen pen(kInk, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
  pen.setDashPattern({2.0, 1.5});
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
}

QPolygonF polygon(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

// Tools held at an angle: draws in a frame turned 45 degrees about `centre`,
// whose x axis runs from the lower left (the working end) to the upper right.
void diagonal(QPainter& p, QPointF centre, qreal scale, const Drawing& draw) {
  p.save();
  p.translate(centre);
  p.rotate(-45);
  p.scale(scale, scale);
  draw(p);
  p.restore();
}

// A sheet of paper with a folded corner, its left and top edges at `x`, `y`.
void page(QPainter& p, qreal x = 4.5, qreal y = 2.5, qreal w = 15, qreal h = 19) {
  outlined(p, kPaper);
  const qreal fold = 5;
  p.drawPolygon(polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}}));
  p.drawPolyline(polygon({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}}));
}

void pencil(QPainter& p, QPointF centre, qreal scale) {
  diagonal(p, centre, scale, [](QPainter& q) {
    outlined(q, QColor(0xf3, 0xd9, 0xa4));
    q.drawPolygon(polygon({{-10, 0}, {-5, -2.7}, {-5, 2.7}}));
    q.setPen(Qt::NoPen);
    q.setBrush(kInk);
    q.drawPolygon(polygon({{-10, 0}, {-8, -1.1}, {-8, 1.1}}));
    outlined(q, kYellow);
    q.drawRect(QRectF(-5, -2.7, 12, 5.4));
    outlined(q, kPink);
    q.drawRoundedRect(QRectF(7, -2.7, 3.5, 5.4), 1, 1);
  });
}

void brush(QPainter& p, QPointF centre, qreal scale, const QColor& paint) {
  diagonal(p, centre, scale, [paint](QPainter& q) {
    outlined(q, kBrown);
    q.drawRoundedRect(QRectF(1.5, -1.6, 9.5, 3.2), 1.6, 1.6);
    outlined(q, kSteel);
    q.drawRect(QRectF(-3, -2.4, 4.5, 4.8));
    outlined(q, paint);
    QPainterPath tip;
    tip.moveTo(-3, -2.4);
    tip.cubicTo(-7, -2.6, -9, -1, -11, 0);
    tip.cubicTo(-9, 1, -7, 2.6, -3, 2.4);
    tip.closeSubpath();
    q.drawPath(tip);
  });
}

void eraser(QPainter& p, QPointF centre, qreal scale) {
  diagonal(p, centre, scale, [](QPainter& q) {
    outlined(q, kPink);
    q.drawRoundedRect(QRectF(-9, -4, 8, 8), 1.2, 1.2);
    outlined(q, kBlue);
    q.drawRoundedRect(QRectF(-1, -4, 10, 8), 1.2, 1.2);
  });
}

void dashedRect(QPainter& p, const QRectF& r) {
  dashed(p);
  p.drawRect(r);
}

// An arc of `circle` from `startDeg` over `spanDeg` (anticlockwise when
// positive), with an arrow head at its end.
void curvedArrow(QPainter& p, const QRectF& circle, int startDeg, int spanDeg, const QColor& colour, qreal width) {
  QPainterPath arc;
  arc.arcMoveTo(circle, startDeg);
  arc.arcTo(circle, startDeg, spanDeg);
  stroked(p, colour, width);
  p.drawPath(arc);
  // The head points along the tangent at the arc's end.
  const QPointF end = arc.currentPosition();
  const qreal angle = arc.angleAtPercent(1.0);  // degrees, anticlockwise from the x axis
  const qreal rad = angle * M_PI / 180.0;
  const QPointF dir(std::cos(rad), -std::sin(rad));
  const QPointF normal(-dir.y(), dir.x());
  const qreal size = width * 2.2;
  p.setPen(ink(1.0, colour));
  p.setBrush(colour);
  p.drawPolygon(polygon({end + dir * size, end + normal * size * 0.9, end - normal * size * 0.9}));
}

// ---- main toolbar ----

void drawNew(QPainter& p) {
  page(p);
  // A little green plus: something new.
  stroked(p, kGreen, 2.2);
  p.drawLine(QPointF(16.5, 14), QPointF(16.5, 21));
  p.drawLine(QPointF(13, 17.5), QPointF(20, 17.5));
}

void drawOpen(QPainter& p) {
  outlined(p, kAmber);
  p.drawPolygon(polygon({{2.5, 5}, {8.5, 5}, {10.5, 7}, {19.5, 7}, {19.5, 19.5}, {2.5, 19.5}}));
  outlined(p, kLightAmber);
  p.drawPolygon(polygon({{6, 10.5}, {22, 10.5}, {19.5, 19.5}, {2.5, 19.5}}));
}

void drawSave(QPainter& p) {
  outlined(p, kBlue);
  p.drawPolygon(polygon({{3.5, 3.5}, {17.5, 3.5}, {20.5, 6.5}, {20.5, 20.5}, {3.5, 20.5}}));
  outlined(p, kSteel, 1.2);
  p.drawRect(QRectF(7.5, 3.5, 9, 6));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawRect(QRectF(13, 4.8, 2, 3.4));
  outlined(p, kPaper, 1.2);
  p.drawRect(QRectF(6.5, 13, 11, 7.5));
}

void drawGo(QPainter& p) {
  p.setPen(ink(1.5, kGreen.darker(140)));
  p.setBrush(kGreen);
  p.drawPolygon(polygon({{6.5, 3.5}, {20.5, 12}, {6.5, 20.5}}));
}

void drawBreak(QPainter& p) {
  p.setPen(ink(1.5, kRed.darker(140)));
  p.setBrush(kRed);
  p.drawRoundedRect(QRectF(4.5, 4.5, 15, 15), 2, 2);
}

void drawClearUp(QPainter& p) {
  page(p, 2.5, 2.5, 13, 17);
  eraser(p, QPointF(15, 16), 0.75);
}

void drawMakeBrush(QPainter& p) {
  dashedRect(p, QRectF(2.5, 2.5, 12, 12));
  brush(p, QPointF(14.5, 13.5), 0.8, kBlue);
}

void drawUndo(QPainter& p) {
  curvedArrow(p, QRectF(5, 6, 14, 13), -60, 230, kBlue, 2.2);
}

void drawClearAll(QPainter& p) {
  page(p);
  stroked(p, kRed, 2.4);
  p.drawLine(QPointF(8, 10), QPointF(16, 18));
  p.drawLine(QPointF(16, 10), QPointF(8, 18));
}

void drawLastSelection(QPainter& p) {
  dashedRect(p, QRectF(2.5, 2.5, 15, 13));
  // A dot with a circling arrow: the previous one again.
  p.setPen(ink(1.2));
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(17, 17), 5.5, 5.5);
  curvedArrow(p, QRectF(13.8, 13.8, 6.4, 6.4), 0, 270, kBlue, 1.5);
}

void drawSelectAll(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kLightBlue);
  p.drawRect(QRectF(3, 3, 18, 18));
  dashedRect(p, QRectF(3, 3, 18, 18));
  outlined(p, kPaper, 1.0);
  for (const QPointF corner : {QPointF(3, 3), QPointF(21, 3), QPointF(3, 21), QPointF(21, 21)}) {
    p.drawRect(QRectF(corner - QPointF(1.8, 1.8), QSizeF(3.6, 3.6)));
  }
}

void drawShapeSettings(QPainter& p) {
  outlined(p, kLightBlue);
  p.drawEllipse(QPointF(9, 9), 6.5, 6.5);
  outlined(p, QColor(0xf6, 0xb2, 0x6b));
  p.drawPolygon(polygon({{15, 8}, {21.5, 20.5}, {8.5, 20.5}}));
}

void drawColourSettings(QPainter& p) {
  outlined(p, QColor(0xf3, 0xe3, 0xc3));
  QPainterPath palette;
  palette.addEllipse(QRectF(2.5, 3.5, 19, 17));
  QPainterPath thumb;
  thumb.addEllipse(QPointF(15, 15.5), 2.2, 2.2);
  p.drawPath(palette.subtracted(thumb));
  p.setPen(ink(1.0));
  const std::pair<QPointF, QColor> blobs[] = {
      {{7.5, 9}, kRed}, {{12, 7}, kYellow}, {{16.5, 9}, kGreen}, {{7.5, 14.5}, kBlue}};
  for (const auto& [at, colour] : blobs) {
    p.setBrush(colour);
    p.drawEllipse(at, 2, 2);
  }
}

void drawSizes(QPainter& p) {
  diagonal(p, QPointF(12, 12), 1.0, [](QPainter& q) {
    outlined(q, kYellow);
    q.drawRect(QRectF(-12, -4, 24, 8));
    q.setPen(ink(1.1));
    for (int i = 0; i < 7; ++i) {
      const qreal x = -9 + i * 3;
      q.drawLine(QPointF(x, -4), QPointF(x, i % 2 == 0 ? 0 : -1.8));
    }
  });
}

void drawPattern(QPainter& p) {
  outlined(p, kPaper);
  p.drawRect(QRectF(2.5, 2.5, 19, 19));
  p.save();
  p.setClipRect(QRectF(3.2, 3.2, 17.6, 17.6));
  stroked(p, kBlue, 1.3);
  for (int i = -2; i < 4; ++i) p.drawLine(QPointF(2 + i * 6, 22), QPointF(22 + i * 6, 2));
  stroked(p, kRed, 1.3);
  for (int i = -2; i < 4; ++i) p.drawLine(QPointF(2 + i * 6, 2), QPointF(22 + i * 6, 22));
  p.restore();
}

void drawRotate(QPainter& p) {
  p.save();
  p.translate(12, 13);
  p.rotate(-20);
  outlined(p, kLightBlue);
  p.drawRect(QRectF(-4.5, -4.5, 9, 9));
  p.restore();
  curvedArrow(p, QRectF(2.5, 3, 19, 19), 200, -260, kGreen, 1.8);
}

void drawTile(QPainter& p) {
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 2; ++col) {
      const QRectF cell(2.5 + col * 10, 2.5 + row * 10, 9, 9);
      outlined(p, kLightBlue, 1.2);
      p.drawRect(cell);
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawEllipse(cell.center() + QPointF(-0.8, -0.8), 2.2, 2.2);
      p.setBrush(kAmber);
      p.drawRect(QRectF(cell.center() + QPointF(0.5, 0.5), QSizeF(2.6, 2.6)));
    }
  }
}

void drawInvert(QPainter& p) {
  const QRectF disc(3, 3, 18, 18);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawEllipse(disc);
  p.setBrush(kInk);
  p.drawPie(disc, 90 * 16, 180 * 16);
  stroked(p);
  p.drawEllipse(disc);
}

// A four-pointed star with concave sides.
void sparkle(QPainter& p, QPointF c, qreal r, const QColor& colour) {
  QPainterPath star;
  const qreal k = r * 0.22;
  star.moveTo(c + QPointF(0, -r));
  star.quadTo(c + QPointF(k, -k), c + QPointF(r, 0));
  star.quadTo(c + QPointF(k, k), c + QPointF(0, r));
  star.quadTo(c + QPointF(-k, k), c + QPointF(-r, 0));
  star.quadTo(c + QPointF(-k, -k), c + QPointF(0, -r));
  p.setPen(ink(1.2));
  p.setBrush(colour);
  p.drawPath(star);
}

void drawEffects(QPainter& p) {
  sparkle(p, QPointF(10, 13), 9, kYellow);
  sparkle(p, QPointF(18.5, 5.5), 4, QColor(0x9b, 0x6b, 0xdb));
}

void drawText(QPainter& p) {
  // A serif-less capital A, drawn as lines so it does not depend on fonts.
  stroked(p, kInk, 2.6);
  p.drawPolyline(polygon({{4.5, 20.5}, {12, 3.5}, {19.5, 20.5}}));
  p.drawLine(QPointF(7.5, 14.5), QPointF(16.5, 14.5));
}

void drawShowPaintBar(QPainter& p) {
  outlined(p, QColor(0xe4, 0xe4, 0xe4), 1.2);
  p.drawRoundedRect(QRectF(2, 16.5, 20, 5.5), 1.2, 1.2);
  p.setPen(ink(0.9));
  for (const qreal x : {8.5, 15.5}) p.drawLine(QPointF(x, 17.5), QPointF(x, 21));
  brush(p, QPointF(13.5, 9.5), 0.75, kRed);
}

void drawHelp(QPainter& p) {
  p.setPen(ink(1.5, kBlue.darker(130)));
  p.setBrush(kBlue);
  p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
  QPainterPath hook;
  hook.moveTo(8.8, 9.5);
  hook.cubicTo(8.8, 5.5, 15.2, 5.5, 15.2, 9.5);
  hook.cubicTo(15.2, 12, 12, 12, 12, 14.5);
  stroked(p, kPaper, 2.3);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(12, 17.8), 1.4, 1.4);
}

// ---- selection kinds ----

void drawRectangular(QPainter& p) { dashedRect(p, QRectF(3.5, 5.5, 17, 13)); }

void drawShapeSelection(QPainter& p) {
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const qreal a = (22.5 + 45 * i) * M_PI / 180.0;
    octagon << QPointF(12 + 9.2 * std::cos(a), 12 + 9.2 * std::sin(a));
  }
  dashed(p);
  p.drawPolygon(octagon);
}

void drawFreehand(QPainter& p) {
  QPainterPath loop;
  loop.moveTo(5, 13);
  loop.cubicTo(2, 5, 14, 1, 19, 6);
  loop.cubicTo(23, 10, 19, 17, 13, 16);
  loop.cubicTo(9, 15.5, 7, 18, 9, 21);
  dashed(p);
  p.drawPath(loop);
}

void drawLineSelection(QPainter& p) {
  dashed(p);
  p.drawPolyline(polygon({{3, 19}, {8, 6}, {14, 15}, {21, 4}}));
}

void drawColourSelection(QPainter& p) {
  QPainterPath drop;
  drop.moveTo(12, 2.5);
  drop.cubicTo(14, 7, 19, 11, 19, 15);
  drop.arcTo(QRectF(5, 8, 14, 14), 0, -180);
  drop.cubicTo(5, 11, 10, 7, 12, 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawPath(drop);
  dashed(p);
  p.drawPath(drop);
}

// ---- paint toolbar ----

void drawPen(QPainter& p) { pencil(p, QPointF(12, 12), 1.0); }

void drawBrush(QPainter& p) {
  brush(p, QPointF(14, 10), 0.9, kBlue);
  QPainterPath stroke;
  stroke.moveTo(2.5, 21);
  stroke.cubicTo(4, 17, 6, 22, 8, 18);
  stroked(p, kBlue, 2.2);
  p.drawPath(stroke);
}

void node(QPainter& p, QPointF at) {
  p.setPen(ink(1.0));
  p.setBrush(kPaper);
  p.drawRect(QRectF(at - QPointF(1.8, 1.8), QSizeF(3.6, 3.6)));
}

void drawLine(QPainter& p) {
  stroked(p, kInk, 2.0);
  p.drawLine(QPointF(4, 20), QPointF(20, 4));
  node(p, QPointF(4, 20));
  node(p, QPointF(20, 4));
}

void drawBezigon(QPainter& p) {
  QPainterPath outline;
  outline.moveTo(4, 18);
  outline.quadTo(4, 5, 12, 5);
  outline.quadTo(20, 5, 20, 12);
  outline.quadTo(14, 14, 18, 20);
  outline.closeSubpath();
  outlined(p, kLightBlue, 1.8);
  p.drawPath(outline);
  for (const QPointF at : {QPointF(4, 18), QPointF(12, 5), QPointF(20, 12), QPointF(18, 20)}) node(p, at);
}

void drawBezier(QPainter& p) {
  stroked(p, kSteel, 1.0);
  p.drawLine(QPointF(3, 20), QPointF(6, 4));
  p.drawLine(QPointF(21, 4), QPointF(18, 20));
  QPainterPath curve;
  curve.moveTo(3, 20);
  curve.cubicTo(6, 4, 18, 20, 21, 4);
  stroked(p, kInk, 2.0);
  p.drawPath(curve);
  p.setPen(ink(1.0));
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(6, 4), 1.7, 1.7);
  p.drawEllipse(QPointF(18, 20), 1.7, 1.7);
  node(p, QPointF(3, 20));
  node(p, QPointF(21, 4));
}

void drawSpray(QPainter& p) {
  outlined(p, kRed);
  p.drawRoundedRect(QRectF(9.5, 9, 9, 13), 2, 2);
  outlined(p, kSteel);
  p.drawRect(QRectF(11.5, 6, 5, 3));
  outlined(p, kInk, 1.0);
  p.drawRect(QRectF(12.5, 3.5, 3, 2.5));
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  for (const QPointF dot : {QPointF(8.5, 2.5), QPointF(6, 4.5), QPointF(8.5, 6.5), QPointF(3.5, 3), QPointF(4, 6.5),
                            QPointF(2.5, 9), QPointF(6, 9)}) {
    p.drawEllipse(dot, 1.0, 1.0);
  }
}

void colourSwatch(QPainter& p, const QColor& colour) {
  outlined(p, colour);
  p.drawRoundedRect(QRectF(2.5, 2.5, 14, 14), 2, 2);
}

void drawPaintColour(QPainter& p) {
  colourSwatch(p, kRed);
  pencil(p, QPointF(16, 16), 0.6);
}

void drawEraserColour(QPainter& p) {
  colourSwatch(p, kPaper);
  eraser(p, QPointF(16.5, 16.5), 0.6);
}

void drawEyedropper(QPainter& p) {
  diagonal(p, QPointF(12, 12), 1.0, [](QPainter& q) {
    outlined(q, kLightBlue);
    q.drawPolygon(polygon({{-11, 0}, {-8, -1.8}, {2, -1.8}, {2, 1.8}, {-8, 1.8}}));
    outlined(q, kSteel);
    q.drawRect(QRectF(2, -3, 2.5, 6));
    outlined(q, kInk);
    q.drawRoundedRect(QRectF(4.5, -3.2, 7, 6.4), 3, 3);
  });
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(4, 21), 1.6, 1.6);
}

void drawEraser(QPainter& p) { eraser(p, QPointF(12, 12), 1.0); }

void drawFill(QPainter& p) {
  p.save();
  p.translate(9.5, 13.5);
  p.rotate(-30);
  p.scale(0.9, 0.9);
  outlined(p, kSteel);
  p.drawPolygon(polygon({{-6, -5}, {6, -5}, {5, 7}, {-5, 7}}));
  outlined(p, kLightBlue);
  p.drawEllipse(QPointF(0, -5), 6, 1.8);
  stroked(p, kInk, 1.3);
  p.drawArc(QRectF(-5, -11, 10, 10), 0, 180 * 16);
  p.restore();
  // Paint pouring from the rim.
  QPainterPath pour;
  pour.moveTo(14.5, 9);
  pour.cubicTo(18.5, 9.5, 19.5, 13, 19.5, 17);
  pour.arcTo(QRectF(17.5, 15.5, 4, 4), 0, -180);
  pour.cubicTo(17.5, 14, 17, 11.5, 14.5, 11);
  p.setPen(ink(1.0, kBlue.darker(130)));
  p.setBrush(kBlue);
  p.drawPath(pour);
}

void drawZoom(QPainter& p) {
  outlined(p, kBrown);
  p.setPen(ink(4.0, kBrown));
  p.drawLine(QPointF(15, 15), QPointF(20.5, 20.5));
  outlined(p, kLightBlue, 2.0);
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
}

void drawLasso(QPainter& p) {
  QPen rope(kBrown, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(rope);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(4, 3, 17, 10));
  QPainterPath tail;
  tail.moveTo(8, 12);
  tail.cubicTo(6, 16, 11, 17, 9, 20);
  tail.lineTo(7, 22);
  p.drawPath(tail);
}

void drawWidth(QPainter& p, int16_t width, bool eraserMark) {
  // 1, 2, 4, 10 and 30 pixels become clearly different strokes within the icon.
  const qreal thickness = std::clamp(1.0 + 1.8 * std::log2(std::max<qreal>(width, 1)), 1.0, 10.0);
  const QColor colour = eraserMark ? kPink.darker(115) : kInk;
  p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(3, 15.5), QPointF(21, 15.5));
  if (eraserMark) {
    eraser(p, QPointF(17.5, 5.5), 0.45);
  } else {
    pencil(p, QPointF(17.5, 5.5), 0.45);
  }
}

const std::map<QString, void (*)(QPainter&)>& drawings() {
  static const std::map<QString, void (*)(QPainter&)> table{
      {"new", drawNew},
      {"open", drawOpen},
      {"save", drawSave},
      {"start", drawGo},
      {"clearup", drawClearUp},
      {"break", drawBreak},
      {"end", drawMakeBrush},
      {"undo", drawUndo},
      {"clean", drawClearAll},
      {"selector", drawLastSelection},
      {"selectorshape", drawRectangular},
      {"selectall", drawSelectAll},
      {"shape", drawShapeSettings},
      {"color", drawColourSettings},
      {"size", drawSizes},
      {"pattern", drawPattern},
      {"rotate", drawRotate},
      {"tile", drawTile},
      {"invertcolors", drawInvert},
      {"effects", drawEffects},
      {"text", drawText},
      {"paint", drawShowPaintBar},
      {"help", drawHelp},
      {"pen", drawPen},
      {"brush", drawBrush},
      {"line1", drawLine},
      {"line2", drawBezigon},
      {"bezye", drawBezier},
      {"spray", drawSpray},
      {"drop", [](QPainter& p) { drawWidth(p, 1, false); }},
      {"fcolor", drawPaintColour},
      {"pipetka", drawEyedropper},
      {"lastik", drawEraser},
      {"drop1", [](QPainter& p) { drawWidth(p, 1, true); }},
      {"scolor", drawEraserColour},
      {"fill", drawFill},
      {"mashtab", drawZoom},
      {"lasso", drawLasso},
  };
  return table;
}

}  // namespace

QIcon toolbarIcon(QStringView key) {
  const auto& table = drawings();
  const auto found = table.find(key.toString());
  if (found == table.end()) return {};
  return render(found->second);
}

QIcon selectionKindIcon(int16_t kind) {
  static constexpr void (*kinds[])(QPainter&) = {drawRectangular, drawShapeSelection, drawFreehand,
                                                 drawLineSelection, drawColourSelection};
  if (kind < 1 || kind > 5) return {};
  return render(kinds[kind - 1]);
}

QIcon lineWidthIcon(int16_t width, bool eraser) {
  return render([width, eraser](QPainter& p) { drawWidth(p, width, eraser); });
}

}  // namespace zefrin
