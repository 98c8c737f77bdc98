// Fixture of the database tests: a new, empty database in the test's
// directory, opened through its project file like the program does, so
// that Config (with the change log) and AhnenDB both exist.
#pragma once

#include "db/AhnenDB.h"
#include "tests/core/TestSupport.h"

class DbTest : public CoreTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Closes and opens the database again.
  void Reopen();
  // The change log's lines after the session line(s).
  std::vector<std::string> ChangeLines() const;

  TAhnenDB& db() { return *AhnenDB; }
  std::string project;
};
