#include "ui/FileChooser.h"

#include <QFileDialog>

namespace {
std::function<std::optional<QString>(const FileRequest&)>& Override() {
  static std::function<std::optional<QString>(const FileRequest&)> chooser;
  return chooser;
}
}  // namespace

std::optional<QString> ChooseOpenFile(QWidget* parent, const FileRequest& request) {
  if (Override()) return Override()(request);
  QFileDialog dialog(parent, request.title, QString(), request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

void SetFileChooser(std::function<std::optional<QString>(const FileRequest&)> chooser) {
  Override() = std::move(chooser);
}
