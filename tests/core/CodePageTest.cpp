#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "core/Errors.h"
#include "core/TextFile.h"
#include "tests/core/TestSupport.h"

class TextFileTest : public CoreTest {};

TEST_F(TextFileTest, SplitsEveryKindOfLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST_F(TextFileTest, WritesCodePage1252WithCrLfAndFallsBackToUtf8) {
  WriteTextLines(dir.File("a.lst"), {"Zürich", "Bern"});
  EXPECT_EQ(dir.Read("a.lst"), "Z\xFCrich\r\nBern\r\n");
  WriteTextLines(dir.File("b.lst"), {"Łódź"});
  EXPECT_EQ(dir.Read("b.lst"), "\xEF\xBB\xBF\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n");
  EXPECT_EQ(ReadTextLines(dir.File("b.lst")), std::vector<std::string>{"Łódź"});
}

TEST_F(TextFileTest, AtomicWriteLeavesNoTemporaryFileAndKeepsTheMode) {
  dir.Write("x.txt", "old");
  ::chmod(dir.File("x.txt").c_str(), 0600);
  WriteFileBytesAtomic(dir.File("x.txt"), "new");
  EXPECT_EQ(dir.Read("x.txt"), "new");
  struct stat st {};
  ::stat(dir.File("x.txt").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.txt.tmp~")));
}

TEST_F(TextFileTest, WriteIntoMissingDirectoryFails) {
  EXPECT_THROW(WriteFileBytesAtomic(dir.File("nowhere/x.txt"), "new"), EInOutError);
}
