#include "ui/DBLogDlg.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "core/Paths.h"
#include "core/Prompter.h"
#include "core/TextFile.h"
#include "ui/QtText.h"

TDBLogView::TDBLogView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DBLogView"));
  setWindowTitle(QStringLiteral("Protokoll der Datenänderungen"));
  setAttribute(Qt::WA_DeleteOnClose);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("LogText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* clear = new QPushButton(QStringLiteral("Protokoll löschen"), this);
  clear->setObjectName(QStringLiteral("LoeschenBtn"));
  auto* close = new QPushButton(QStringLiteral("Schliessen"), this);
  close->setObjectName(QStringLiteral("SchliessenBtn"));
  connect(clear, &QPushButton::clicked, this, [this] {
    try {
      ClearLog();
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    }
  });
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);
  Reload();
}

void TDBLogView::ShowFile() {
  const std::string path = Config ? Config->ChangeLogPath() : std::string();
  QStringList lines;
  if (!path.empty() && FileExists(path))
    for (const std::string& line : ReadTextLines(path)) lines << ToQ(line);
  text_->setPlainText(lines.join('\n'));
  // The newest lines are at the end.
  text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void TDBLogView::Reload() {
  // Without logging the file is not held open, and viewing it must not
  // start a session in it.
  if (!Config || !Config->LogDBAktionen) {
    ShowFile();
    return;
  }
  Config->CloseChangeLog();
  ShowFile();
  Config->OpenChangeLog();
}

void TDBLogView::ClearLog() {
  if (!Config) return;
  if (!Config->LogDBAktionen) {
    if (FileExists(Config->ChangeLogPath())) WriteFileBytesAtomic(Config->ChangeLogPath(), "");
    ShowFile();
    return;
  }
  Config->ClearChangeLog();
  Config->CloseChangeLog();
  ShowFile();
  Config->OpenChangeLog();
}
