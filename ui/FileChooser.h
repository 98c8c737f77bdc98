// File and folder choices of the windows go through here, so that tests
// (which have no native dialogs offscreen) can answer them like the
// prompter. Every request names its kind, so one test chooser serves all.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

enum class FileRequestKind { Open, Save, Directory };

struct FileRequest {
  QString title;
  QString filter;     // Qt form: "Orvelin-Datenbank (*.ov)"
  QString defaultSuffix;
  bool mustExist = true;  // open: the file must exist; save: its directory must
  FileRequestKind kind = FileRequestKind::Open;
  QString directory;      // where the dialog starts; empty for its own choice
  QString fileName;       // the name proposed
};

// The chosen path, or nothing when the user cancelled.
std::optional<QString> ChooseOpenFile(QWidget* parent, const FileRequest& request);
// Asks before overwriting an existing file.
std::optional<QString> ChooseSaveFile(QWidget* parent, const FileRequest& request);
// An existing directory.
std::optional<QString> ChooseDirectory(QWidget* parent, const FileRequest& request);

// Replaces the dialogs (tests); an empty function restores them.
void SetFileChooser(std::function<std::optional<QString>(const FileRequest&)> chooser);
