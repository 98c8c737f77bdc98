// Shared by the source files of the person data view: the loading guard,
// the error guard of its commands and small builders of its controls.
// Not for other windows.
#pragma once

#include <exception>

#include "core/Prompter.h"
#include "ui/PersonStdControls.h"
#include "ui/PersonStdView.h"

class QLabel;

// While one exists, change signals of the controls are not taken as edits.
class TLoadingGuard {
 public:
  explicit TLoadingGuard(TPersonStdView* view) : view_(view) { ++view_->loading_; }
  ~TLoadingGuard() { --view_->loading_; }
  TLoadingGuard(const TLoadingGuard&) = delete;
  TLoadingGuard& operator=(const TLoadingGuard&) = delete;

 private:
  TPersonStdView* view_;
};

template <class F>
bool TPersonStdView::Guarded(F&& f) {
  try {
    f();
    return true;
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
  }
  return false;
}

namespace pview {

// Maximum characters kept when saving, by field.
std::string Cut(const QString& text, int width);

TListCombo* Combo(QWidget* parent, const char* name, THelperList list, bool startWithUpper);
TREdit* Edit(QWidget* parent, const char* name, bool startWithUpper = false);
TRDatum* Datum(QWidget* parent, const char* name);
// Births and deaths offer "Um", marriages "Ungefähr" for code 3.
TRDatumZusatz* Zusatz(QWidget* parent, const char* name, bool marriage = false);
TRCheckBox* Check(QWidget* parent, const char* name, const QString& text);
QLabel* LabelFor(QWidget* parent, const QString& text, QWidget* buddy = nullptr);
// A field that shows but never takes input, whatever the view's mode.
void MarkAlwaysReadOnly(QWidget* w);

// The view's question boxes.
bool Confirm(const std::string& text);
bool WarnYesNo(const std::string& text);

}  // namespace pview
