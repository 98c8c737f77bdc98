// The pictures of the main window's tool bar, drawn at run time so that the
// program needs no image files. Each is a 24 x 24 pixel icon on a clear
// background; the same kind always gives the same picture.
#pragma once

#include <QIcon>

enum class TToolIcon {
  NewPerson,
  QuickSearch,
  ExtendedSearch,
  Selection,
  Relationship,
  Sources,
  Favourites,
  Duplicates,
  Cut,
  Copy,
  Paste,
  PersonData,
  AncestorTree,
  DescendantTree,
  Graphic,
};

QIcon ToolIcon(TToolIcon kind);
