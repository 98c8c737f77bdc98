// File choices of the windows go through here, so that tests (which have no
// native dialogs offscreen) can answer them like the prompter.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

struct FileRequest {
  QString title;
  QString filter;     // Qt form: "Orvelin-Datenbank (*.ov)"
  QString defaultSuffix;
  bool mustExist = true;
};

// The chosen path, or nothing when the user cancelled.
std::optional<QString> ChooseOpenFile(QWidget* parent, const FileRequest& request);

// Replaces the dialog (tests); an empty function restores it.
void SetFileChooser(std::function<std::optional<QString>(const FileRequest&)> chooser);
