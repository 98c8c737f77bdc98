#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/CachingRegistry.h"
#include "core/IniFile.h"
#include "core/UserStore.h"
#include "tests/core/TestSupport.h"

namespace {

const char* const kForms = "Software\\Orvelin\\Forms";

void ExpectGeometry(const TFormGeometry& g, std::optional<int> width, std::optional<int> height,
                    std::optional<int> top, std::optional<int> left) {
  EXPECT_EQ(g.width, width);
  EXPECT_EQ(g.height, height);
  EXPECT_EQ(g.top, top);
  EXPECT_EQ(g.left, left);
}

}  // namespace

class CachingRegistryTest : public CoreTest {};

TEST_F(CachingRegistryTest, SavesFourValuesNamedAfterTheWindowClass) {
  SaveFormPosition("TQuickSearch", {640, 480, 30, 50});
  const TIniFile& store = userstore::Store();
  EXPECT_EQ(store.ReadSection(kForms),
            (std::vector<std::string>{"TQuickSearch_width", "TQuickSearch_height", "TQuickSearch_top",
                                      "TQuickSearch_left"}));
  EXPECT_EQ(store.ReadInteger(kForms, "TQuickSearch_width", -1), 640);
  EXPECT_EQ(store.ReadInteger(kForms, "TQuickSearch_height", -1), 480);
  EXPECT_EQ(store.ReadInteger(kForms, "TQuickSearch_top", -1), 30);
  EXPECT_EQ(store.ReadInteger(kForms, "TQuickSearch_left", -1), 50);
}

TEST_F(CachingRegistryTest, RestoresWhatWasSavedInAnEarlierRun) {
  SaveFormPosition("TSources", {500, 400, -20, 1300});
  ASSERT_TRUE(userstore::Flush());
  userstore::Reset();
  TFormGeometry g{100, 100, 0, 0};
  RestoreFormPosition("TSources", g);
  ExpectGeometry(g, 500, 400, -20, 1300);
  // Each class has its own values.
  SaveFormPosition("TFavourites", {1, 2, 3, 4});
  TFormGeometry again{};
  RestoreFormPosition("TSources", again);
  ExpectGeometry(again, 500, 400, -20, 1300);
}

TEST_F(CachingRegistryTest, AClassWithoutStoredValuesKeepsItsGeometry) {
  SaveFormPosition("TOther", {1, 2, 3, 4});
  TFormGeometry designed{300, 200, 10, 20};
  RestoreFormPosition("TNeverSaved", designed);
  ExpectGeometry(designed, 300, 200, 10, 20);
  TFormGeometry unknown{};
  RestoreFormPosition("TNeverSaved", unknown);
  ExpectGeometry(unknown, std::nullopt, std::nullopt, std::nullopt, std::nullopt);
}

TEST_F(CachingRegistryTest, OnlyStoredNumbersAreTaken) {
  TIniFile& store = userstore::Store();
  store.WriteInteger(kForms, "TPartial_height", 250);
  store.WriteString(kForms, "TPartial_left", "links");
  TFormGeometry g{300, 200, 10, 20};
  RestoreFormPosition("TPartial", g);
  ExpectGeometry(g, 300, 250, 10, 20);
}

TEST_F(CachingRegistryTest, ViewSizeRestoresWidthAndHeightOnly) {
  SaveFormPosition("TPersonStdView", {700, 500, 40, 60});
  TFormGeometry g{300, 200, 10, 20};
  RestoreViewSize("TPersonStdView", g);
  ExpectGeometry(g, 700, 500, 10, 20);
}

TEST_F(CachingRegistryTest, SavingWhileARestoreRunsDoesNothing) {
  SaveFormPosition("TSearch", {640, 480, 30, 50});
  TFormGeometry g{};
  bool appliedWhileRestoring = false;
  RestoreFormPosition("TSearch", g, [&](const TFormGeometry& restored) {
    appliedWhileRestoring = TCachingRegistry::Instance().Restoring();
    ExpectGeometry(restored, 640, 480, 30, 50);
    // A resize caused by the restore reports a half-restored window.
    SaveFormPosition("TSearch", {640, 123, 0, 0});
  });
  EXPECT_TRUE(appliedWhileRestoring);
  EXPECT_FALSE(TCachingRegistry::Instance().Restoring());
  const TIniFile& store = userstore::Store();
  EXPECT_EQ(store.ReadInteger(kForms, "TSearch_height", -1), 480);
  EXPECT_EQ(store.ReadInteger(kForms, "TSearch_top", -1), 30);
}

TEST_F(CachingRegistryTest, AFailedRestoreStillClearsTheFlag) {
  TFormGeometry g{};
  EXPECT_THROW(RestoreViewSize("TTree", g, [](const TFormGeometry&) { throw std::runtime_error("resize failed"); }),
               std::runtime_error);
  EXPECT_FALSE(TCachingRegistry::Instance().Restoring());
  SaveFormPosition("TTree", {10, 20, 30, 40});
  EXPECT_EQ(userstore::Store().ReadInteger(kForms, "TTree_width", -1), 10);
}

TEST_F(CachingRegistryTest, SavesOnlyTheValuesGiven) {
  SaveFormPosition("TSel", {1, 2, 3, 4});
  SaveFormPosition("TSel", {std::nullopt, 9, std::nullopt, std::nullopt});
  TFormGeometry g{};
  RestoreFormPosition("TSel", g);
  ExpectGeometry(g, 1, 9, 3, 4);
}
