// One opening of a project file for an ovtool command: a quiet host for the
// opening's log, the project opened on construction and closed again when
// the command ends, however it ends.
#pragma once

#include <string>

#include "core/Host.h"
#include "core/Project.h"

class TToolSession {
 public:
  explicit TToolSession(const std::string& projectFile) {
    SetHost(&host_);
    try {
      OpenProject(projectFile);
    } catch (...) {
      SetHost(nullptr);
      throw;
    }
  }
  ~TToolSession() {
    try {
      CloseProject();
    } catch (...) {
      // The command's own failure, if any, is the one worth reporting.
    }
    SetHost(nullptr);
  }
  TToolSession(const TToolSession&) = delete;
  TToolSession& operator=(const TToolSession&) = delete;

  const TPlainHost& Host() const { return host_; }

 private:
  TPlainHost host_{false};
};
