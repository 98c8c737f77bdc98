#include <gtest/gtest.h>

#include "core/ChangeLog.h"
#include "tests/core/TestSupport.h"

class ChangeLogTest : public CoreTest {};

TEST_F(ChangeLogTest, AppendsSessionsAndChanges) {
  dir.Write("dbLog.txt", "alt\r\n");
  TChangeLog log;
  log.Open(dir.File("dbLog.txt"));
  log.Write("Person eingefügt: [Müller, Anna]");
  log.Write("Łódź");
  log.Close();
  log.Write("nach dem Schliessen");
  EXPECT_EQ(dir.Read("dbLog.txt"),
            "alt\r\n11.12.2026 10:00:00 Neue Session\r\n"
            "11.12.2026 10:00:00 Person eingef\xFCgt: [M\xFCller, Anna]\r\n"
            "11.12.2026 10:00:00 &#321;\xF3" "d&#378;\r\n");
}

TEST_F(ChangeLogTest, ClearEmptiesAndKeepsLogging) {
  TChangeLog log;
  log.Open(dir.File("dbLog.txt"));
  log.Write("eins");
  log.Clear();
  EXPECT_EQ(dir.Read("dbLog.txt"), "");
  log.Write("zwei");
  log.Close();
  EXPECT_EQ(dir.Read("dbLog.txt"), "11.12.2026 10:00:00 zwei\r\n");
}
