#include "ui/FormPosition.h"

#include <QWidget>

#include "core/CachingRegistry.h"

namespace {

std::string ClassNameOf(const QWidget* widget) { return widget->metaObject()->className(); }

TFormGeometry GeometryOf(const QWidget* widget) {
  return {widget->width(), widget->height(), widget->y(), widget->x()};
}

void Apply(QWidget* widget, const TFormGeometry& g) {
  widget->resize(g.width.value_or(widget->width()), g.height.value_or(widget->height()));
  widget->move(g.left.value_or(widget->x()), g.top.value_or(widget->y()));
}

void Restore(QWidget* widget, bool withPlace) {
  if (!widget) return;
  TFormGeometry geometry = GeometryOf(widget);
  const auto apply = [widget](const TFormGeometry& g) { Apply(widget, g); };
  if (withPlace)
    RestoreFormPosition(ClassNameOf(widget), geometry, apply);
  else
    RestoreViewSize(ClassNameOf(widget), geometry, apply);
}

}  // namespace

void SaveFormPosition(QWidget* widget) {
  if (widget) SaveFormPosition(ClassNameOf(widget), GeometryOf(widget));
}

void RestoreFormPosition(QWidget* widget) { Restore(widget, true); }

void RestoreViewSize(QWidget* widget) { Restore(widget, false); }
