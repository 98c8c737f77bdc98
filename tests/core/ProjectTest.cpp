#include <gtest/gtest.h>

#include "core/Configuration.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "core/Project.h"
#include "core/RecentFiles.h"
#include "core/UserStore.h"
#include "db/PersonSelection.h"
#include "tests/core/TestSupport.h"

class ProjectTest : public CoreTest {};

class RefusingHost : public TPlainHost {
 public:
  bool CloseChildWindows() override {
    ++asked;
    return !refuse;
  }
  ToolWindowStates ToolWindowVisibility() override { return {true, false, true, false}; }
  void WriteSearchSettings(TIniFile& ini) override { ini.WriteInteger("SchnelleSuche", "Suchfeld", 3); }
  bool refuse = true;
  int asked = 0;
};

TEST_F(ProjectTest, RefusedCloseKeepsTheDatabaseOpen) {
  RefusingHost refusing;
  SetHost(&refusing);
  const std::string path = WriteProject("[Allgemein]");
  OpenProject(path);
  ASSERT_TRUE(ProjectOpen());
  EXPECT_FALSE(CloseProject());
  EXPECT_TRUE(ProjectOpen());
  EXPECT_EQ(refusing.asked, 1);
  refusing.refuse = false;
  EXPECT_TRUE(CloseProject());
  EXPECT_FALSE(ProjectOpen());
  SetHost(&host);
  // Closing saved the dialog states both times.
  const TIniFile ini(path);
  EXPECT_TRUE(ini.ReadBool("Dialoge", "SuchenSimpleVisible", false));
  EXPECT_TRUE(ini.ReadBool("Dialoge", "FavoritenVisible", false));
  EXPECT_FALSE(ini.ReadBool("Dialoge", "QuellenVisible", true));
  EXPECT_EQ(ini.ReadInteger("SchnelleSuche", "Suchfeld", 0), 3);
}

TEST_F(ProjectTest, FailedOpeningLeavesNoDatabase) {
  EXPECT_THROW(OpenProject(dir.File("fehlt.ov")), EConfiguration);
  EXPECT_FALSE(ProjectOpen());
  EXPECT_TRUE(CloseProject());
}

TEST_F(ProjectTest, RecentFilesKeepFiveNewestFirst) {
  std::vector<std::string> paths;
  for (int i = 0; i < 7; ++i) paths.push_back(WriteProject("[Allgemein]", "db" + std::to_string(i) + ".ov"));
  TRecentFiles recent;
  for (const auto& p : paths) recent.Add(p);
  recent.Add(paths[3]);                 // moves to the top
  recent.Add(dir.File("fehlt.ov"));     // does not exist: not added
  EXPECT_EQ(recent.Files(), (std::vector<std::string>{paths[3], paths[6], paths[5], paths[4], paths[2]}));
  ASSERT_TRUE(recent.Store());

  userstore::Reset();
  const TIniFile store(userstore::FilePath());
  EXPECT_EQ(userstore::FilePath(), dir.Path() + "config/Orvelin/Orvelin.ini");
  EXPECT_EQ(store.ReadString("Software\\Orvelin\\FileHistory", "File1", ""), paths[3]);
  EXPECT_EQ(store.ReadString("Software\\Orvelin\\FileHistory", "File5", ""), paths[2]);
  TRecentFiles loaded;
  loaded.Load();
  EXPECT_EQ(loaded.Files(), recent.Files());
  EXPECT_EQ(loaded.MostRecent(), paths[3]);
}

TEST_F(ProjectTest, RecentEntryThatNoLongerExistsIsKept) {
  const std::string gone = WriteProject("[Allgemein]", "gone.ov");
  TRecentFiles recent;
  recent.Add(gone);
  ASSERT_TRUE(recent.Store());
  std::remove(gone.c_str());
  userstore::Reset();
  TRecentFiles loaded;
  loaded.Load();
  EXPECT_EQ(loaded.MostRecent(), gone);
}

TEST_F(ProjectTest, OpeningLoadsTheSelectionAndClosingForgetsIt) {
  const std::string path = WriteProject("[Allgemein]");
  dir.Write("selpers.lst", "3\r\n5\r\n");
  OpenProject(path);
  EXPECT_TRUE(IsSelected(3));
  EXPECT_TRUE(IsSelected(5));
  EXPECT_FALSE(IsSelected(4));
  ASSERT_TRUE(CloseProject());
  EXPECT_FALSE(IsSelected(3));
}
