// TAhnenView: the base of every window that shows one person (person data
// view, ancestor and descendant trees, ancestor graphic). It owns the person
// it shows; the view manager places it in the main window's MDI area and
// hands persons to it. TSuchenDlg is the base of every window that lists
// persons to pick from. These two are how windows exchange persons.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "db/Person.h"

class TAhnenView : public QWidget {
  Q_OBJECT

 public:
  explicit TAhnenView(QWidget* parent = nullptr);
  ~TAhnenView() override;

  // Reports the activation to the view manager; an override calls this one.
  virtual void FormActivate();
  // Reports the deactivation to the view manager; an override calls this one.
  virtual void FormDeactivate();
  // "Ahnenview: " + the person's list caption; subclasses use their own prefix.
  virtual void UpdateCaption();
  // A newly read copy of the shown person; the caller owns it. Empty when none.
  virtual std::unique_ptr<TPerson> GetPerson() = 0;
  // Takes the person and shows it.
  virtual void setPerson(std::unique_ptr<TPerson> person) = 0;
  // Makes every data control read-only or editable; nothing when unchanged.
  virtual void SetReadOnly(bool readOnly);
  bool ReadOnly() const { return readOnly_; }
  // The shown person's id, 0 when none.
  virtual int GetPersonId() const;

  // The main window's "&Person" commands on the active view; they do
  // nothing in views that have no such command.
  virtual void DeleteCommand() {}
  virtual void DeleteMarriageCommand() {}
  // True when a marriage is chosen that DeleteMarriageCommand would delete
  // (the marriages page is shown with a marriage selected).
  virtual bool CanDeleteMarriage() const { return false; }

  // Changes made elsewhere that the shown person's pages must follow:
  // a marriage of the person was deleted; its children or links changed.
  virtual void DropMarriage(int marriageId) {}
  virtual void RefreshChildren() {}
  virtual void RefreshLinks() {}

  // The view kind (TViewKind) the view manager created this view as; -1
  // for a view made elsewhere.
  int ViewKind() const { return viewKind_; }
  void SetViewKind(int kind) { viewKind_ = kind; }

 protected:
  // The caption prefix of UpdateCaption.
  virtual QString CaptionPrefix() const { return QStringLiteral("Ahnenview: "); }
  const TPerson* Person() const { return person_.get(); }
  std::unique_ptr<TPerson> person_;
  bool readOnly_ = false;

 private:
  int viewKind_ = -1;
};

class TSuchenDlg : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  // The focused marked person, newly read; empty when nothing is marked.
  virtual std::unique_ptr<TPerson> GetSelectedPerson() = 0;
  // Every marked person, newly read, in list order.
  virtual std::vector<std::unique_ptr<TPerson>> GetSelectedPersons() = 0;
};
