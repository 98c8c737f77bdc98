#include "ui/FileChooser.h"

#include <QFileDialog>

namespace {
std::function<std::optional<QString>(const FileRequest&)>& Override() {
  static std::function<std::optional<QString>(const FileRequest&)> chooser;
  return chooser;
}

std::optional<QString> Run(QWidget* parent, FileRequest request, FileRequestKind kind) {
  request.kind = kind;
  if (Override()) return Override()(request);
  QFileDialog dialog(parent, request.title, request.directory, request.filter);
  switch (kind) {
    case FileRequestKind::Open:
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
      break;
    case FileRequestKind::Save:
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setFileMode(QFileDialog::AnyFile);
      break;
    case FileRequestKind::Directory:
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(QFileDialog::Directory);
      dialog.setOption(QFileDialog::ShowDirsOnly);
      break;
  }
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}
}  // namespace

std::optional<QString> ChooseOpenFile(QWidget* parent, const FileRequest& request) {
  return Run(parent, request, FileRequestKind::Open);
}

std::optional<QString> ChooseSaveFile(QWidget* parent, const FileRequest& request) {
  return Run(parent, request, FileRequestKind::Save);
}

std::optional<QString> ChooseDirectory(QWidget* parent, const FileRequest& request) {
  return Run(parent, request, FileRequestKind::Directory);
}

void SetFileChooser(std::function<std::optional<QString>(const FileRequest&)> chooser) {
  Override() = std::move(chooser);
}
