// How the GEDCOM export reports while it runs: the record being written, the
// message list, the progress bar and the user's wish to stop. The window
// implements it, ovtool prints, tests record; calls come from the export's thread.
#pragma once

#include <string>

class IGedExportProgress {
 public:
  virtual ~IGedExportProgress() = default;

  // The record being processed ("Person: Hans /Meier/", "Familie: F3"), or
  // empty at the end.
  virtual void SetEntryText(const std::string& text) = 0;
  // One line for the message list.
  virtual void AddMessage(const std::string& text) = 0;
  // The progress bar's new position, 0 to 100: one step per record written,
  // back to 0 after 100, and 0 at the end.
  virtual void ProgressStep(int position) = 0;
  // Asked now and then, after pending messages ran; true stops the export
  // and leaves no file behind.
  virtual bool CancelRequested() { return false; }
};
