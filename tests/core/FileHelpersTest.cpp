#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/stat.h>

#include "core/Errors.h"
#include "core/FileHelpers.h"
#include "tests/core/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for one test and puts the old value back.
class TEnvOverride {
 public:
  TEnvOverride(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~TEnvOverride() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class FileHelpersTest : public CoreTest {
 protected:
  void MakeExecutable(const std::string& name) {
    dir.Write(name, "#!/bin/sh\n");
    fs::permissions(dir.File(name), fs::perms::owner_all);
  }
};

TEST_F(FileHelpersTest, TempFileNamesAreNewFilesInTheTemporaryDirectory) {
  TEnvOverride tmp("TMPDIR", dir.Path().c_str());
  const std::string a = TempFileName();
  const std::string b = TempFileName();
  EXPECT_NE(a, b);
  for (const std::string& name : {a, b}) {
    EXPECT_EQ(fs::path(name).parent_path(), fs::path(dir.Path()).parent_path()) << name;
    EXPECT_TRUE(fs::path(name).filename().string().starts_with("TMP")) << name;
    EXPECT_TRUE(fs::is_regular_file(name)) << name;
    EXPECT_EQ(fs::file_size(name), 0u);
  }
}

TEST_F(FileHelpersTest, TempFileNameFallsBackToTmpForAMissingTmpdir) {
  TEnvOverride tmp("TMPDIR", dir.File("missing").c_str());
  const std::string name = TempFileName();
  EXPECT_EQ(fs::path(name).parent_path(), fs::path("/tmp"));
  EXPECT_TRUE(fs::is_regular_file(name));
  fs::remove(name);
}

TEST_F(FileHelpersTest, BackupFileNameCarriesTheTimeInHex) {
  // 2026-12-11 10:00 UTC is 1796983200 s = 2079841666.67 units of 864 ms.
  EXPECT_EQ(BackupFileName("/db/Person."), "/db/Person.bak007BF7DD83");
}

TEST_F(FileHelpersTest, RemovableFlagIsReadFromTheDiskOfAPartition) {
  const std::string sys = dir.Path() + "sys";
  fs::create_directories(sys + "/devices/usb/sdb/sdb1");
  fs::create_directories(sys + "/devices/sata/sda/sda1");
  fs::create_directories(sys + "/dev/block");
  dir.Write("sys/devices/usb/sdb/removable", "1\n");
  dir.Write("sys/devices/usb/sdb/sdb1/partition", "1\n");
  dir.Write("sys/devices/sata/sda/removable", "0\n");
  dir.Write("sys/devices/sata/sda/sda1/partition", "1\n");
  fs::create_directory_symlink("../../devices/usb/sdb/sdb1", sys + "/dev/block/8:17");
  fs::create_directory_symlink("../../devices/usb/sdb", sys + "/dev/block/8:16");
  fs::create_directory_symlink("../../devices/sata/sda/sda1", sys + "/dev/block/8:1");
  EXPECT_TRUE(IsRemovableBlockDevice(8, 17, sys));
  EXPECT_TRUE(IsRemovableBlockDevice(8, 16, sys));
  EXPECT_FALSE(IsRemovableBlockDevice(8, 1, sys));
  EXPECT_FALSE(IsRemovableBlockDevice(0, 42, sys));  // no such device: unknown
}

TEST_F(FileHelpersTest, DriveQueriesAnswerForMissingFilesByTheirDirectory) {
  const std::string missing = dir.File("not/yet/written.zip");
  EXPECT_EQ(IsExchangeableDrive(missing), IsExchangeableDrive(dir.Path()));
  EXPECT_FALSE(IsExchangeableDrive(""));
  const auto space = fs::space(dir.Path());
  const std::int64_t free = FreeDiskSpace(missing);
  EXPECT_GE(free, 0);
  EXPECT_LE(free, static_cast<std::int64_t>(space.capacity) - 8192);
  EXPECT_EQ(FreeDiskSpace(""), 0);
}

TEST_F(FileHelpersTest, CopyFileNoOverwriteCopiesBytesAndTime) {
  dir.Write("src.db", std::string("abc\0def", 7));
  const auto when = fs::file_time_type::clock::now() - std::chrono::hours(48);
  fs::last_write_time(dir.File("src.db"), when);
  ASSERT_TRUE(CopyFileNoOverwrite(dir.File("src.db"), dir.File("dst.db")));
  EXPECT_EQ(dir.Read("dst.db"), std::string("abc\0def", 7));
  EXPECT_EQ(fs::last_write_time(dir.File("dst.db")), when);
}

TEST_F(FileHelpersTest, CopyFileNoOverwriteRefusesAndLeavesNoTrace) {
  dir.Write("src.db", "new");
  dir.Write("dst.db", "old");
  EXPECT_FALSE(CopyFileNoOverwrite(dir.File("src.db"), dir.File("dst.db")));
  EXPECT_EQ(dir.Read("dst.db"), "old");
  EXPECT_FALSE(CopyFileNoOverwrite(dir.File("missing.db"), dir.File("other.db")));
  EXPECT_FALSE(fs::exists(dir.File("other.db")));
  EXPECT_FALSE(CopyFileNoOverwrite(dir.File("src.db"), dir.File("nodir/dst.db")));
  EXPECT_FALSE(CopyFileNoOverwrite(dir.Path(), dir.File("copy-of-dir")));
  EXPECT_FALSE(fs::exists(dir.File("copy-of-dir")));
}

TEST_F(FileHelpersTest, MasksMatchFileNamesIgnoringCase) {
  for (const char* name : {"Person.DB", "person.px", "PERSON", "Person2.DB", "Ehe.DB"}) dir.Write(name, name);
  fs::create_directory(dir.File("Person.dir"));
  EXPECT_EQ(FilesMatching(dir.File("Person.*")),
            (std::vector<std::string>{dir.File("PERSON"), dir.File("Person.DB"), dir.File("person.px")}));
  EXPECT_EQ(FilesMatching(dir.File("*.db")),
            (std::vector<std::string>{dir.File("Ehe.DB"), dir.File("Person.DB"), dir.File("Person2.DB")}));
  EXPECT_TRUE(FilesMatching(dir.File("missing/*.*")).empty());
}

TEST_F(FileHelpersTest, DeleteFilesRemovesOnlyMatchingFiles) {
  for (const char* name : {"Person.DB", "Person.PX", "Ehe.DB"}) dir.Write(name, "x");
  fs::create_directory(dir.File("Person.old"));
  DeleteFiles(dir.File("Person.*"));
  EXPECT_FALSE(fs::exists(dir.File("Person.DB")));
  EXPECT_FALSE(fs::exists(dir.File("Person.PX")));
  EXPECT_TRUE(fs::exists(dir.File("Ehe.DB")));
  EXPECT_TRUE(fs::is_directory(dir.File("Person.old")));
  EXPECT_NO_THROW(DeleteFiles(dir.File("missing/*.*")));
}

TEST_F(FileHelpersTest, CopyFilesKeepsNamesAndSkipsExistingTargets) {
  fs::create_directory(dir.File("backup"));
  dir.Write("Person.DB", "people");
  dir.Write("Person.PX", "index");
  dir.Write("Ehe.DB", "marriages");
  dir.Write("backup/Person.PX", "older index");
  EXPECT_EQ(CopyFiles(dir.File("Person.*"), dir.File("backup")), 1);
  EXPECT_EQ(dir.Read("backup/Person.DB"), "people");
  EXPECT_EQ(dir.Read("backup/Person.PX"), "older index");
  EXPECT_FALSE(fs::exists(dir.File("backup/Ehe.DB")));
}

TEST_F(FileHelpersTest, EnsureFileExistsAsksBeforeCreating) {
  dir.Write("there.txt", "keep");
  EXPECT_TRUE(EnsureFileExists(dir.File("there.txt")));
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(dir.Read("there.txt"), "keep");

  const std::string path = dir.File("Orte.lst");
  prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
  EXPECT_FALSE(EnsureFileExists(path));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(EnsureFileExists(path));
  EXPECT_TRUE(fs::is_regular_file(path));
  EXPECT_EQ(fs::file_size(path), 0u);
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].text,
            "Die Datei \"" + path + "\" wurde nicht gefunden!\n\nSie wird nun neu erstellt.");
  EXPECT_EQ(prompter.asked[0].kind, PromptKind::Confirmation);
  EXPECT_EQ(prompter.asked[0].buttons, PromptButtons::YesCancel);
}

TEST_F(FileHelpersTest, EnsureFileExistsReportsAFileThatCannotBeCreated) {
  prompter.answers = {PromptAnswer::Yes};
  EXPECT_THROW(EnsureFileExists(dir.File("nodir/Orte.lst")), EInOutError);
}

TEST_F(FileHelpersTest, BrowserAvailableLooksForBrowserOrXdgOpen) {
  TEnvOverride path("PATH", dir.Path().c_str());
  {
    TEnvOverride browser("BROWSER", nullptr);
    EXPECT_FALSE(BrowserAvailable());
    MakeExecutable("xdg-open");
    EXPECT_TRUE(BrowserAvailable());
    fs::remove(dir.File("xdg-open"));
  }
  MakeExecutable("firefox");
  dir.Write("notexec", "");
  struct Case {
    const char* browser;
    bool available;
  } cases[] = {
      {"firefox", true},
      {"firefox %s", true},
      {"missing:firefox", true},
      {"missing", false},
      {"notexec", false},
      {"", false},
  };
  for (const Case& c : cases) {
    TEnvOverride browser("BROWSER", c.browser);
    EXPECT_EQ(BrowserAvailable(), c.available) << c.browser;
  }
  TEnvOverride browser("BROWSER", dir.File("firefox").c_str());
  EXPECT_TRUE(BrowserAvailable());
}

}  // namespace
