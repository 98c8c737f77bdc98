// TRDatumZusatz: the qualifier of a date as a drop-down list of the six
// qualifier entries; the selected index is the qualifier code. A code out of
// range shows as 0 ("Exakt"). Read-only like every TRComboBox.
#pragma once

#include "ui/RComboBox.h"

// A choice by the user emits QComboBox::activated; SetZusatz emits only
// currentIndexChanged.
class TRDatumZusatz : public TRComboBox {
  Q_OBJECT

 public:
  explicit TRDatumZusatz(QWidget* parent = nullptr);

  int Zusatz() const;
  void SetZusatz(int code);
};
