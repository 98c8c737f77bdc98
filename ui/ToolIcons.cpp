#include "ui/ToolIcons.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kInk(0x30, 0x30, 0x40);
const QColor kPerson(0x3a, 0x6e, 0xa5);
const QColor kPaper(0xfa, 0xfa, 0xf0);
const QColor kAccent(0x2e, 0x8b, 0x57);

void Person(QPainter& p, QPointF at, double scale, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QPointF(at.x(), at.y() - 5 * scale), 3.2 * scale, 3.2 * scale);
  QPainterPath body;
  body.moveTo(at.x() - 6 * scale, at.y() + 7 * scale);
  body.cubicTo(at.x() - 6 * scale, at.y() - 1 * scale, at.x() + 6 * scale, at.y() - 1 * scale, at.x() + 6 * scale,
               at.y() + 7 * scale);
  body.closeSubpath();
  p.drawPath(body);
}

void Magnifier(QPainter& p, QPointF centre, double r) {
  p.setBrush(QColor(0xdd, 0xee, 0xff));
  p.setPen(QPen(kInk, 2));
  p.drawEllipse(centre, r, r);
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + QPointF(r * 0.7, r * 0.7), centre + QPointF(r * 1.6, r * 1.6));
}

void Page(QPainter& p, QRectF r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(r);
  for (double y = r.top() + 3; y < r.bottom() - 1; y += 3) p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void Node(QPainter& p, QPointF c) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPerson);
  p.drawRect(QRectF(c.x() - 3, c.y() - 2.5, 6, 5));
}

void Draw(QPainter& p, TToolIcon kind) {
  switch (kind) {
    case TToolIcon::NewPerson:
      Person(p, {10, 12}, 1.1, kPerson);
      p.setPen(QPen(kAccent, 3));
      p.drawLine(QPointF(19, 13), QPointF(19, 21));
      p.drawLine(QPointF(15, 17), QPointF(23, 17));
      break;
    case TToolIcon::QuickSearch:
      Magnifier(p, {10, 10}, 6);
      break;
    case TToolIcon::ExtendedSearch:
      Page(p, QRectF(2.5, 2.5, 13, 17));
      Magnifier(p, {14, 13}, 5);
      break;
    case TToolIcon::Selection:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kPaper);
      p.drawRect(QRectF(3.5, 2.5, 17, 19));
      for (int i = 0; i < 3; ++i) {
        const double y = 7 + i * 5;
        p.setPen(QPen(kAccent, 2));
        p.drawPolyline(QPolygonF({QPointF(6, y), QPointF(8, y + 2), QPointF(11, y - 2)}));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(13, y), QPointF(18, y));
      }
      break;
    case TToolIcon::Relationship:
      p.setPen(QPen(kInk, 1.5, Qt::DashLine));
      p.drawLine(QPointF(7, 9), QPointF(17, 9));
      Person(p, {6, 13}, 0.8, kPerson);
      Person(p, {18, 13}, 0.8, QColor(0xb0, 0x50, 0x70));
      break;
    case TToolIcon::Sources:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0x8b, 0x45, 0x13));
      p.drawRoundedRect(QRectF(4.5, 3.5, 15, 17), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(7.5, 6.5, 9, 4));
      break;
    case TToolIcon::Favourites: {
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 4.0 : 9.5;
        const double a = -kPi / 2 + i * kPi / 5;
        star << QPointF(12 + r * std::cos(a), 12.5 + r * std::sin(a));
      }
      p.setPen(QPen(QColor(0xa0, 0x70, 0x00), 1));
      p.setBrush(QColor(0xff, 0xc8, 0x20));
      p.drawPolygon(star);
      break;
    }
    case TToolIcon::Duplicates:
      Person(p, {9, 12}, 1.0, QColor(0x9a, 0xb8, 0xd8));
      Person(p, {15, 13}, 1.0, kPerson);
      break;
    case TToolIcon::Cut:
      p.setPen(QPen(kInk, 2));
      p.drawLine(QPointF(7, 3), QPointF(15, 16));
      p.drawLine(QPointF(17, 3), QPointF(9, 16));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(7.5, 18.5), 3, 3);
      p.drawEllipse(QPointF(16.5, 18.5), 3, 3);
      break;
    case TToolIcon::Copy:
      Page(p, QRectF(3.5, 3.5, 11, 13));
      Page(p, QRectF(9.5, 8.5, 11, 13));
      break;
    case TToolIcon::Paste:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0xc8, 0x96, 0x50));
      p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 2, 2);
      p.setBrush(QColor(0x90, 0x90, 0x90));
      p.drawRect(QRectF(7.5, 2.5, 6, 4));
      Page(p, QRectF(10.5, 10.5, 10, 11));
      break;
    case TToolIcon::PersonData:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kPaper);
      p.drawRoundedRect(QRectF(1.5, 4.5, 21, 15), 2, 2);
      Person(p, {7.5, 12.5}, 0.7, kPerson);
      p.drawLine(QPointF(13, 9), QPointF(20, 9));
      p.drawLine(QPointF(13, 12.5), QPointF(20, 12.5));
      p.drawLine(QPointF(13, 16), QPointF(18, 16));
      break;
    case TToolIcon::AncestorTree:
      p.setPen(QPen(kInk, 1));
      p.drawLine(QPointF(12, 19), QPointF(12, 12));
      p.drawLine(QPointF(6, 12), QPointF(18, 12));
      p.drawLine(QPointF(6, 12), QPointF(6, 6));
      p.drawLine(QPointF(18, 12), QPointF(18, 6));
      Node(p, {12, 19.5});
      Node(p, {6, 5});
      Node(p, {18, 5});
      break;
    case TToolIcon::DescendantTree:
      p.setPen(QPen(kInk, 1));
      p.drawLine(QPointF(12, 5), QPointF(12, 12));
      p.drawLine(QPointF(5, 12), QPointF(19, 12));
      for (double x : {5.0, 12.0, 19.0}) p.drawLine(QPointF(x, 12), QPointF(x, 18));
      Node(p, {12, 4.5});
      for (double x : {5.0, 12.0, 19.0}) Node(p, {x, 19});
      break;
    case TToolIcon::Graphic:
      p.setPen(QPen(kInk, 1));
      p.drawLine(QPointF(12, 8), QPointF(6, 16));
      p.drawLine(QPointF(12, 8), QPointF(18, 16));
      p.setBrush(QColor(0xff, 0xcd, 0x9b));
      p.drawRoundedRect(QRectF(7.5, 3.5, 9, 6), 1.5, 1.5);
      p.setBrush(QColor(0x9b, 0xcd, 0xff));
      p.drawRoundedRect(QRectF(1.5, 14.5, 9, 6), 1.5, 1.5);
      p.setBrush(QColor(0xff, 0x9f, 0x9f));
      p.drawRoundedRect(QRectF(13.5, 14.5, 9, 6), 1.5, 1.5);
      break;
  }
}

}  // namespace

QIcon ToolIcon(TToolIcon kind) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(24 * scale, 24 * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Draw(p, kind);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
