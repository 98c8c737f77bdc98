// The input controls, driven through their widgets: date entry and display,
// qualifier list, capitals, completion and the read-only modes.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "core/Prompter.h"
#include "ui/QtText.h"
#include "ui/RComboBox.h"
#include "ui/RControls.h"
#include "ui/RDatum.h"
#include "ui/RDatumZusatz.h"
#include "ui/REdit.h"

namespace {

const char* const kInvalidDateText =
    "Es wurde ein ungültiger Datumswert eingegeben!\n\n"
    "Das gültige Format ist tt.mm.jjjj, wobei\n"
    "tt zwischen 00 und 31, mm zwischen 00 und 12 und\n"
    "jjjj zwischen 0000 und 9999 liegen muss.";

// A window holding the control under test and a field after it, so that Tab
// really leaves the control.
class TFormWindow : public QWidget {
 public:
  explicit TFormWindow(QWidget* control) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(control);
    next = new QLineEdit(this);
    next->setObjectName(QStringLiteral("next"));
    layout->addWidget(next);
  }
  QLineEdit* next;
};

// Shows and activates the window with the focus on the field after the
// control, so that each test decides when the control gets the focus.
bool ShowActive(TFormWindow& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  if (!QTest::qWaitForWindowActive(&window)) return false;
  window.next->setFocus(Qt::OtherFocusReason);
  return window.next->hasFocus();
}

// Types text key by key; letters beyond ASCII go as their own key events,
// which QTest::keyClicks cannot make.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClicks(widget, QString(c));
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
  }
}

// Keys as text: '<' Backspace, '#' Delete, '*' select all, anything else is
// typed as it stands.
void TypeKeys(QWidget* widget, const QString& keys) {
  for (const QChar c : keys) {
    if (c == '<') {
      QTest::keyClick(widget, Qt::Key_Backspace);
    } else if (c == '#') {
      QTest::keyClick(widget, Qt::Key_Delete);
    } else if (c == '*') {
      QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    } else {
      TypeText(widget, QString(c));
    }
  }
}

}  // namespace

class QuibCompTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    prompter_ = TScriptedPrompter();
    SetPrompter(&prompter_);
  }
  void cleanup() { SetPrompter(nullptr); }

  void datumDisplay_data();
  void datumDisplay();
  void datumEntryForm_data();
  void datumEntryForm();
  void datumTyped_data();
  void datumTyped();
  void datumRefused_data();
  void datumRefused();
  void datumNotifications();
  void datumUneditedLeave();
  void datumSetWhileEntering();
  void datumApplyEntry();
  void datumReadOnly();

  void zusatzEntries();
  void zusatzCode_data();
  void zusatzCode();

  void startWithUpper_data();
  void startWithUpper();
  void completion_data();
  void completion();
  void completionPausedAfterDeletion();
  void completionKeepsCursorInside();

  void comboReadOnly_data();
  void comboReadOnly();
  void checkBoxReadOnly_data();
  void checkBoxReadOnly();
  void radioButtonReadOnly_data();
  void radioButtonReadOnly();
  void buttonReadOnly();

 private:
  TScriptedPrompter prompter_;
};

void QuibCompTest::datumDisplay_data() {
  QTest::addColumn<QString>("datum");
  QTest::addColumn<QString>("stored");
  QTest::addColumn<QString>("shown");
  QTest::newRow("full date") << "1900.01.05" << "1900.01.05" << "05.01.1900";
  QTest::newRow("month and year") << "1900.03.00" << "1900.03.00" << QString::fromUtf8("Mär 1900");
  QTest::newRow("year only") << "1900.00.00" << "1900.00.00" << "1900";
  QTest::newRow("no date") << "0000.00.00" << "0000.00.00" << "";
  QTest::newRow("empty") << "" << "" << "";
  QTest::newRow("day without month") << "1900.00.05" << "1900.00.05" << "05.00.1900";
  QTest::newRow("month without year") << "0000.05.00" << "0000.05.00" << "Mai 0000";
  QTest::newRow("cut to ten") << "1900.12.31 12:00" << "1900.12.31" << "31.12.1900";
  QTest::newRow("short text") << "1900" << "1900" << "1900";
}

void QuibCompTest::datumDisplay() {
  QFETCH(QString, datum);
  QFETCH(QString, stored);
  QFETCH(QString, shown);
  TRDatum control;
  control.SetDatum(FromQ(datum));
  QCOMPARE(ToQ(control.Datum()), stored);
  QCOMPARE(control.text(), shown);
  QVERIFY(control.inputMask().isEmpty());
}

void QuibCompTest::datumEntryForm_data() {
  QTest::addColumn<QString>("datum");
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("shownAfter");
  QTest::newRow("full date") << "1900.01.05" << "05.01.1900" << "05.01.1900";
  QTest::newRow("month and year") << "1900.03.00" << "00.03.1900" << QString::fromUtf8("Mär 1900");
  QTest::newRow("empty") << "" << "00.00.0000" << "";
}

void QuibCompTest::datumEntryForm() {
  QFETCH(QString, datum);
  QFETCH(QString, entry);
  QFETCH(QString, shownAfter);
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  control->SetDatum(FromQ(datum));
  control->setFocus(Qt::TabFocusReason);
  QVERIFY(control->hasFocus());
  QVERIFY(control->InEntryMode());
  QCOMPARE(control->displayText(), entry);
  QVERIFY(!control->inputMask().isEmpty());
  QTest::keyClick(control, Qt::Key_Tab);
  QVERIFY(window.next->hasFocus());
  QVERIFY(!control->InEntryMode());
  QVERIFY(control->inputMask().isEmpty());
  QCOMPARE(control->text(), shownAfter);
  QCOMPARE(ToQ(control->Datum()), datum);
}

void QuibCompTest::datumTyped_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("after");
  QTest::addColumn<QString>("shown");
  QTest::newRow("31 February is taken") << "" << "31021900" << "1900.02.31" << "31.02.1900";
  QTest::newRow("over an old date") << "1900.01.05" << "24121850" << "1850.12.24" << "24.12.1850";
  QTest::newRow("month and year") << "" << "00031900" << "1900.03.00" << QString::fromUtf8("Mär 1900");
  QTest::newRow("only day and month typed") << "" << "3102" << "0000.02.31" << "31.02.0000";
  QTest::newRow("blanks enter zeros") << "1900.01.05" << "        " << "0000.00.00" << "";
  QTest::newRow("backspaces enter zeros") << "1900.01.05" << "<<<<<<<<" << "0000.00.00" << "";
  // Backspace enters a zero and moves on like a typed digit.
  QTest::newRow("blank and backspace between digits") << "1900.01.05" << "1 <2" << "1900.02.10" << "10.02.1900";
  QTest::newRow("all cleared to blanks") << "1900.01.05" << "*#" << "0000.00.00" << "";
  QTest::newRow("one blank becomes zero") << "1900.01.25" << "#" << "1900.01.05" << "05.01.1900";
  QTest::newRow("letters refused by the mask") << "1900.01.05" << "x1" << "1900.01.15" << "15.01.1900";
}

void QuibCompTest::datumTyped() {
  QFETCH(QString, before);
  QFETCH(QString, keys);
  QFETCH(QString, after);
  QFETCH(QString, shown);
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  control->SetDatum(FromQ(before));
  control->setFocus(Qt::TabFocusReason);
  QVERIFY(control->hasFocus());
  TypeKeys(control, keys);
  QTest::keyClick(control, Qt::Key_Tab);
  QVERIFY(prompter_.asked.empty());
  QVERIFY(window.next->hasFocus());
  QCOMPARE(ToQ(control->Datum()), after);
  QCOMPARE(control->text(), shown);
}

void QuibCompTest::datumRefused_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("entryAfter");
  QTest::newRow("day 32") << "32011900" << "32.01.1900";
  QTest::newRow("month 13") << "01131900" << "01.13.1900";
  QTest::newRow("all nines") << "99999999" << "99.99.9999";
  QTest::newRow("blank after a four") << "4 " << "40.01.1900";
}

void QuibCompTest::datumRefused() {
  QFETCH(QString, keys);
  QFETCH(QString, entryAfter);
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  control->SetDatum("1900.01.05");
  QSignalSpy changed(control, &TRDatum::DatumChanged);
  control->setFocus(Qt::TabFocusReason);
  TypeKeys(control, keys);
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(prompter_.asked.size(), size_t(1));
  QCOMPARE(ToQ(prompter_.asked[0].text), QString::fromUtf8(kInvalidDateText));
  QVERIFY(prompter_.asked[0].kind == PromptKind::Error);
  QVERIFY(prompter_.asked[0].buttons == PromptButtons::Ok);
  QCOMPARE(control->Datum(), std::string("1900.01.05"));
  QVERIFY(control->hasFocus());
  QCOMPARE(QApplication::focusWidget(), control);
  QVERIFY(control->InEntryMode());
  QCOMPARE(control->displayText(), entryAfter);
  QCOMPARE(changed.count(), 0);

  // Corrected, the entry is taken and the focus moves on.
  TypeKeys(control, "*01021900");
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(prompter_.asked.size(), size_t(1));
  QVERIFY(window.next->hasFocus());
  QCOMPARE(control->Datum(), std::string("1900.02.01"));
  QCOMPARE(changed.count(), 1);
}

void QuibCompTest::datumNotifications() {
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  QSignalSpy textChanged(control, &QLineEdit::textChanged);
  QSignalSpy textEdited(control, &QLineEdit::textEdited);
  QSignalSpy datumChanged(control, &TRDatum::DatumChanged);

  control->SetDatum("1900.01.05");
  QCOMPARE(control->text(), QString("05.01.1900"));
  control->SetDatum("1900.03.00");
  QCOMPARE(control->text(), QString::fromUtf8("Mär 1900"));
  control->setFocus(Qt::TabFocusReason);
  QCOMPARE(control->displayText(), QString("00.03.1900"));
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(control->text(), QString::fromUtf8("Mär 1900"));
  QCOMPARE(textChanged.count(), 0);
  QCOMPARE(textEdited.count(), 0);
  QCOMPARE(datumChanged.count(), 0);

  control->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(control, "06");
  QCOMPARE(textEdited.count(), 2);
  QCOMPARE(textChanged.count(), 2);
  QCOMPARE(control->Datum(), std::string("1900.03.00"));  // not yet taken
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(control->Datum(), std::string("1900.03.06"));
  QCOMPARE(datumChanged.count(), 1);
  QCOMPARE(textChanged.count(), 2);

  // The same date typed again changes nothing.
  control->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(control, "06");
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(control->Datum(), std::string("1900.03.06"));
  QCOMPARE(datumChanged.count(), 1);
}

void QuibCompTest::datumUneditedLeave() {
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  QSignalSpy datumChanged(control, &TRDatum::DatumChanged);
  // An empty date stays empty when the user only passes through.
  control->setFocus(Qt::TabFocusReason);
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(control->Datum(), std::string());
  // A faulty date from the tables is not blamed on the user passing through.
  control->SetDatum("1900.13.01");
  control->setFocus(Qt::TabFocusReason);
  QTest::keyClick(control, Qt::Key_Tab);
  QVERIFY(prompter_.asked.empty());
  QVERIFY(window.next->hasFocus());
  QCOMPARE(control->Datum(), std::string("1900.13.01"));
  QCOMPARE(datumChanged.count(), 0);
}

void QuibCompTest::datumSetWhileEntering() {
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  control->SetDatum("1900.01.05");
  control->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(control, "0202");
  control->SetDatum("1950.06.07");
  QCOMPARE(control->displayText(), QString("07.06.1950"));
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(control->Datum(), std::string("1950.06.07"));
  QCOMPARE(control->text(), QString("07.06.1950"));
}

void QuibCompTest::datumApplyEntry() {
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  control->SetDatum("1900.01.05");
  QSignalSpy datumChanged(control, &TRDatum::DatumChanged);
  control->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(control, "0303");
  QVERIFY(control->ApplyEntry());
  QCOMPARE(control->Datum(), std::string("1900.03.03"));
  QCOMPARE(datumChanged.count(), 1);
  QVERIFY(control->hasFocus());
  QVERIFY(control->InEntryMode());
  TypeKeys(control, "*40");
  QVERIFY(!control->ApplyEntry());
  QCOMPARE(prompter_.asked.size(), size_t(1));
  QCOMPARE(control->Datum(), std::string("1900.03.03"));
}

void QuibCompTest::datumReadOnly() {
  auto* control = new TRDatum;
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  control->SetDatum("1900.01.05");
  control->SetReadOnly(true);
  control->setFocus(Qt::TabFocusReason);
  QVERIFY(control->hasFocus());
  QVERIFY(!control->InEntryMode());
  QVERIFY(control->inputMask().isEmpty());
  QCOMPARE(control->text(), QString("05.01.1900"));
  TypeKeys(control, "12 <");
  QCOMPARE(control->text(), QString("05.01.1900"));
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(control->Datum(), std::string("1900.01.05"));
  QVERIFY(prompter_.asked.empty());
  control->SetDatum("1950.06.07");
  QCOMPARE(control->text(), QString("07.06.1950"));

  // Turning read-only while typing drops what was typed.
  control->SetReadOnly(false);
  control->setFocus(Qt::TabFocusReason);
  QVERIFY(control->InEntryMode());
  QTest::keyClicks(control, "0101");
  control->SetReadOnly(true);
  QVERIFY(!control->InEntryMode());
  QCOMPARE(control->text(), QString("07.06.1950"));
  QTest::keyClick(control, Qt::Key_Tab);
  QCOMPARE(control->Datum(), std::string("1950.06.07"));
}

void QuibCompTest::zusatzEntries() {
  TRDatumZusatz control;
  QStringList entries;
  for (int i = 0; i < control.count(); ++i) entries << control.itemText(i);
  QCOMPARE(entries, QStringList({"Exakt", "Vor", "Nach", "Um", QString::fromUtf8("Geschätzt"),
                                 "Sortieren&Ignorieren"}));
  QVERIFY(!control.isEditable());
  QCOMPARE(control.Zusatz(), 0);
}

void QuibCompTest::zusatzCode_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<int>("shown");
  QTest::addColumn<QString>("text");
  QTest::newRow("exact") << 0 << 0 << "Exakt";
  QTest::newRow("about") << 3 << 3 << "Um";
  QTest::newRow("estimated") << 4 << 4 << QString::fromUtf8("Geschätzt");
  QTest::newRow("sorting only") << 5 << 5 << "Sortieren&Ignorieren";
  QTest::newRow("one too high") << 6 << 0 << "Exakt";
  QTest::newRow("negative") << -1 << 0 << "Exakt";
}

void QuibCompTest::zusatzCode() {
  QFETCH(int, code);
  QFETCH(int, shown);
  QFETCH(QString, text);
  TRDatumZusatz control;
  control.SetZusatz(2);
  control.SetZusatz(code);
  QCOMPARE(control.Zusatz(), shown);
  QCOMPARE(control.currentIndex(), shown);
  QCOMPARE(control.currentText(), text);
}

void QuibCompTest::startWithUpper_data() {
  QTest::addColumn<bool>("combo");
  QTest::addColumn<bool>("on");
  QTest::addColumn<QString>("preset");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");
  QTest::newRow("edit: first letter") << false << true << "" << "anna" << "Anna";
  QTest::newRow("edit: umlaut as typed") << false << true << "" << QString::fromUtf8("ärger")
                                         << QString::fromUtf8("ärger");
  QTest::newRow("edit: digit first") << false << true << "" << "1a" << "1a";
  QTest::newRow("edit: field not empty") << false << true << "x" << "a" << "xa";
  QTest::newRow("edit: off") << false << false << "" << "anna" << "anna";
  QTest::newRow("combo: first letter") << true << true << "" << QString::fromUtf8("müller")
                                       << QString::fromUtf8("Müller");
  QTest::newRow("combo: off") << true << false << "" << "zug" << "zug";
}

void QuibCompTest::startWithUpper() {
  QFETCH(bool, combo);
  QFETCH(bool, on);
  QFETCH(QString, preset);
  QFETCH(QString, typed);
  QFETCH(QString, expected);
  QWidget* control = nullptr;
  QLineEdit* field = nullptr;
  if (combo) {
    auto* box = new TRComboBox;
    box->SetStartWithUpper(on);
    QCOMPARE(box->StartWithUpper(), on);
    control = box;
    field = box->lineEdit();
  } else {
    auto* edit = new TREdit;
    edit->SetStartWithUpper(on);
    control = field = edit;
  }
  TFormWindow window(control);
  QVERIFY(ShowActive(window));
  control->setFocus();
  field->setText(preset);
  TypeText(control, typed);
  QCOMPARE(field->text(), expected);
}

void QuibCompTest::completion_data() {
  QTest::addColumn<QStringList>("items");
  QTest::addColumn<QString>("preset");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<QString>("selected");
  const QStringList places{"Bern", "Basel"};
  QTest::newRow("first match") << places << "" << "b" << "Bern" << "ern";
  QTest::newRow("typed on") << places << "" << "ba" << "Basel" << "sel";
  QTest::newRow("after semicolon") << places << QString::fromUtf8("Zürich; ") << "ba"
                                   << QString::fromUtf8("Zürich; Basel") << "sel";
  QTest::newRow("whole text typed") << places << "" << QString::fromUtf8("Zürich; ba")
                                    << QString::fromUtf8("Zürich; Basel") << "sel";
  QTest::newRow("after comma") << places << "" << "Bern, ba" << "Bern, Basel" << "sel";
  QTest::newRow("comma after semicolon") << places << "Bern; Zug, " << "ba" << "Bern; Zug, Basel" << "sel";
  QTest::newRow("comma before semicolon") << places << "Basel, Zug; " << "b" << "Basel, Zug; Bern" << "ern";
  QTest::newRow("blanks skipped") << places << "Bern;   " << "ba" << "Bern;   Basel" << "sel";
  QTest::newRow("same value again") << places << "Bern; " << "be" << "Bern; Bern" << "rn";
  QTest::newRow("case of the item") << places << "" << "BASEL" << "Basel" << "";
  QTest::newRow("umlauts") << QStringList{QString::fromUtf8("Österreich"), "Ostfriesland"} << ""
                           << QString::fromUtf8("ös") << QString::fromUtf8("Österreich") << "terreich";
  QTest::newRow("no match") << places << "" << "zu" << "zu" << "";
  QTest::newRow("empty list") << QStringList() << "" << "ba" << "ba" << "";
}

void QuibCompTest::completion() {
  QFETCH(QStringList, items);
  QFETCH(QString, preset);
  QFETCH(QString, typed);
  QFETCH(QString, expected);
  QFETCH(QString, selected);
  auto* box = new TRComboBox;
  box->addItems(items);
  TFormWindow window(box);
  QVERIFY(ShowActive(window));
  box->setFocus();
  box->setEditText(preset);
  TypeText(box, typed);
  QCOMPARE(box->currentText(), expected);
  QCOMPARE(box->lineEdit()->selectedText(), selected);
  QCOMPARE(box->lineEdit()->cursorPosition(), expected.size());
  QCOMPARE(box->count(), items.size());
}

void QuibCompTest::completionPausedAfterDeletion() {
  auto* box = new TRComboBox;
  box->addItems({"Bern", "Basel"});
  TFormWindow window(box);
  QVERIFY(ShowActive(window));
  box->setFocus();
  box->setEditText(QString());
  QTest::keyClicks(box, "ba");
  QCOMPARE(box->currentText(), QString("Basel"));
  // Backspace takes the completed tail away and it stays away.
  QTest::keyClick(box, Qt::Key_Backspace);
  QCOMPARE(box->currentText(), QString("Ba"));
  QVERIFY(!box->lineEdit()->hasSelectedText());
  QTest::keyClick(box, Qt::Key_Backspace);
  QCOMPARE(box->currentText(), QString("B"));
  // The next typed letter completes again.
  QTest::keyClicks(box, "as");
  QCOMPARE(box->currentText(), QString("Basel"));
  QCOMPARE(box->lineEdit()->selectedText(), QString("el"));
  // So does Delete.
  QTest::keyClick(box, Qt::Key_Delete);
  QCOMPARE(box->currentText(), QString("Bas"));
  QVERIFY(!box->lineEdit()->hasSelectedText());
}

void QuibCompTest::completionKeepsCursorInside() {
  auto* box = new TRComboBox;
  box->addItems({"Bern", "Basel"});
  TFormWindow window(box);
  QVERIFY(ShowActive(window));
  box->setFocus();
  box->setEditText("Bern; Basel");
  box->lineEdit()->setCursorPosition(2);
  QTest::keyClicks(box, "x");
  QCOMPARE(box->currentText(), QString("Bexrn; Basel"));
  QCOMPARE(box->lineEdit()->cursorPosition(), 3);
  QVERIFY(!box->lineEdit()->hasSelectedText());
}

void QuibCompTest::comboReadOnly_data() {
  QTest::addColumn<bool>("editable");
  QTest::addColumn<bool>("readOnly");
  QTest::newRow("editable, read-only") << true << true;
  QTest::newRow("editable, writable") << true << false;
  QTest::newRow("list, read-only") << false << true;
  QTest::newRow("list, writable") << false << false;
}

void QuibCompTest::comboReadOnly() {
  QFETCH(bool, editable);
  QFETCH(bool, readOnly);
  TRComboBox* box = editable ? new TRComboBox : new TRDatumZusatz;
  if (editable) box->addItems({"Bern", "Basel", "Chur"});
  TFormWindow window(box);
  QVERIFY(ShowActive(window));
  box->SetReadOnly(readOnly);
  QCOMPARE(box->ReadOnly(), readOnly);
  box->setFocus();
  box->setCurrentIndex(0);
  const QString first = box->itemText(0);

  QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(box->currentIndex(), readOnly ? 0 : 1);
  box->setCurrentIndex(0);

  QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &wheel);
  QCOMPARE(box->currentIndex(), readOnly ? 0 : 1);
  box->setCurrentIndex(0);

  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
  QCOMPARE(box->view()->isVisible(), !readOnly);
  box->hidePopup();
  box->showPopup();
  QCOMPARE(box->view()->isVisible(), !readOnly);
  box->hidePopup();
  QVERIFY(!box->view()->isVisible());

  if (editable) {
    QTest::keyClicks(box, "x");
    QCOMPARE(box->currentText(), readOnly ? first : first + "x");
    box->setEditText(first);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->currentText(), readOnly ? first : first.chopped(1));
    box->setEditText(first);
    QGuiApplication::clipboard()->setText("Zug");
    box->lineEdit()->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->currentText(), readOnly ? first : QString("Zug"));
    box->setEditText(first);
    box->lineEdit()->selectAll();
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->currentText(), readOnly ? first : QString("Zug"));
    // Code still sets the value.
    box->setEditText("Sitten");
    QCOMPARE(box->currentText(), QString("Sitten"));
  }
  box->setCurrentIndex(2);
  QCOMPARE(box->currentIndex(), 2);
  QCOMPARE(box->currentText(), box->itemText(2));
}

void QuibCompTest::checkBoxReadOnly_data() {
  QTest::addColumn<bool>("readOnly");
  QTest::newRow("read-only") << true;
  QTest::newRow("writable") << false;
}

void QuibCompTest::checkBoxReadOnly() {
  QFETCH(bool, readOnly);
  auto* box = new TRCheckBox("&Ledig");
  TFormWindow window(box);
  QVERIFY(ShowActive(window));
  box->SetReadOnly(readOnly);
  QSignalSpy clicked(box, &QAbstractButton::clicked);
  QSignalSpy toggled(box, &QAbstractButton::toggled);

  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  QCOMPARE(box->isChecked(), !readOnly);
  box->setChecked(false);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Space);
  QCOMPARE(box->isChecked(), !readOnly);
  QCOMPARE(clicked.count(), readOnly ? 0 : 2);

  // Code still sets the value.
  box->setChecked(true);
  QVERIFY(box->isChecked());
  QVERIFY(toggled.count() > 0);
  // Tab still leaves a read-only box.
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_Tab);
  QVERIFY(window.next->hasFocus());

  // The mnemonic presses the box at once (the click follows on a timer,
  // which this test does not wait for).
  QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
  QCOMPARE(box->isDown(), !readOnly);
}

void QuibCompTest::radioButtonReadOnly_data() {
  QTest::addColumn<bool>("readOnly");
  QTest::newRow("read-only") << true;
  QTest::newRow("writable") << false;
}

void QuibCompTest::radioButtonReadOnly() {
  QFETCH(bool, readOnly);
  auto* group = new QWidget;
  auto* male = new TRRadioButton("&männlich", group);
  auto* female = new TRRadioButton("&weiblich", group);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(male);
  layout->addWidget(female);
  TFormWindow window(group);
  QVERIFY(ShowActive(window));
  male->setChecked(true);
  male->SetReadOnly(readOnly);
  female->SetReadOnly(readOnly);

  QTest::mouseClick(female, Qt::LeftButton, {}, QPoint(8, female->height() / 2));
  QCOMPARE(female->isChecked(), !readOnly);
  QCOMPARE(male->isChecked(), readOnly);
  male->setChecked(true);
  female->setFocus();
  QTest::keyClick(female, Qt::Key_Space);
  QCOMPARE(female->isChecked(), !readOnly);
  male->setChecked(true);

  // Code still chooses.
  female->setChecked(true);
  QVERIFY(female->isChecked());
  QVERIFY(!male->isChecked());
}

void QuibCompTest::buttonReadOnly() {
  auto* button = new TRButton("&Neu");
  TFormWindow window(button);
  QVERIFY(ShowActive(window));
  QVERIFY(button->isVisible());
  button->SetReadOnly(true);
  QVERIFY(button->ReadOnly());
  QVERIFY(button->isHidden());
  button->SetReadOnly(false);
  QVERIFY(button->isVisible());
  // A button the window hid stays hidden while nothing changes the mode.
  button->hide();
  button->SetReadOnly(false);
  QVERIFY(button->isHidden());
}

QTEST_MAIN(QuibCompTest)
#include "QuibCompTest.moc"
