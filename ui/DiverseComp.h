// One row of the free-entry page of the person data view: a caption label
// and a one-line edit placed in the page's scroll area, with the free-form
// entry it shows (not owned; none for a row that has no stored entry yet).
// Row n stands 45 pixels below row n - 1. The list owns its rows.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollArea;
class QWidget;
class TDiverses;

class TDiverseComp {
 public:
  // Creates the label and the edit inside the scroll area's widget.
  TDiverseComp(QScrollArea* area, int row, const std::string& caption);
  // Removes the label and the edit.
  ~TDiverseComp();
  TDiverseComp(const TDiverseComp&) = delete;
  TDiverseComp& operator=(const TDiverseComp&) = delete;

  QScrollArea* Area() const { return area_; }
  int Row() const { return row_; }
  void SetRow(int row);
  std::string Caption() const;
  QLabel* Label() const { return label_; }
  QLineEdit* Edit() const { return edit_; }

  TDiverses* Record = nullptr;
  bool Changed = false;

 private:
  QScrollArea* area_;
  int row_;
  QLabel* label_;
  QLineEdit* edit_;
};

class TDiverseCompList {
 public:
  void Insert(std::unique_ptr<TDiverseComp> row) { rows_.push_back(std::move(row)); }
  TDiverseComp& operator[](std::size_t index) const { return *rows_.at(index); }
  void atPut(std::size_t index, std::unique_ptr<TDiverseComp> row) { rows_.at(index) = std::move(row); }
  // Removes the row and moves the rows below it up.
  void Remove(std::size_t index);
  std::size_t Count() const { return rows_.size(); }
  void Clear() { rows_.clear(); }
  bool AnyChanged() const;

 private:
  std::vector<std::unique_ptr<TDiverseComp>> rows_;
};
