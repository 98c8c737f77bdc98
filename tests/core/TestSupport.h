// Shared fixture of the core tests: a temporary directory per test, the
// per-user store inside it, a recording host and a scripted prompter, a
// fixed clock (2026-12-11 10:00:00 UTC) and no open database.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/Host.h"
#include "core/Prompter.h"

class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  // The directory, ending in '/'.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes a project file with the given text (CR LF added per line).
  std::string WriteProject(const std::string& text, const std::string& name = "Test.ov") const;

  TTempDir dir;
  TPlainHost host;
  TScriptedPrompter prompter;
};

// Runs check where file permissions apply: as root (which ignores them) in a
// child process that has become the unprivileged user "nobody", else here.
// The directories check uses must be readable for others.
bool RunWithPermissions(const std::function<bool()>& check);
