// Keeps a window's size and place across runs in the per-user store, keyed
// by its Qt class name (see core/CachingRegistry.h). Width and height are
// the widget's own size, top and left its position as pos() reports it, all
// in pixels; a class with nothing stored keeps the geometry it has.
#pragma once

class QWidget;

void SaveFormPosition(QWidget* widget);
void RestoreFormPosition(QWidget* widget);
// Size only: the view manager decides where a view window stands.
void RestoreViewSize(QWidget* widget);
