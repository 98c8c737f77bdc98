#include <gtest/gtest.h>

#include "core/DisplaySettings.h"
#include "core/Media.h"
#include "tests/core/TestSupport.h"

namespace {

class MediaTest : public CoreTest {};

TEST_F(MediaTest, KindByExtensionIgnoringCase) {
  struct Case {
    const char* name;
    const char* kind;
  } cases[] = {
      {"film.qtm", "Video"},   {"film.AVI", "Video"},   {"film.Mpg", "Video"},    {"ton.wav", "Ton"},
      {"a.bmp", "Bild"},       {"a.GIF", "Bild"},       {"a.jpg", "Bild"},        {"a.jif", "Bild"},
      {"a.dib", "Bild"},       {"a.rle", "Bild"},       {"a.tga", "Bild"},        {"a.PCX", "Bild"},
      {"a.jpeg", "?"},         {"a.png", "?"},          {"jpg", "?"},             {"", "?"},
      {"a.jpg.txt", "?"},      {"Bilder\\a.JPG", "Bild"},
      {"alt.jpg/datei", "?"},  {"Alte.Bilder\\foto", "?"},  // a dot in the directory is no extension
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MediaKind(c.name), c.kind);
    EXPECT_EQ(IsImageFile(c.name), std::string(c.kind) == "Bild");
  }
}

TEST_F(MediaTest, FullPathJoinsRelativeNamesToTheMediaDirectory) {
  DisplaySettings().mediaDir = "/home/anna/db/media/";
  struct Case {
    const char* name;
    const char* full;
  } cases[] = {
      {"", ""},
      {"a.jpg", "/home/anna/db/media/a.jpg"},
      {"Bilder\\Hochzeit\\a.jpg", "/home/anna/db/media/Bilder/Hochzeit/a.jpg"},
      {"Bilder/a.jpg", "/home/anna/db/media/Bilder/a.jpg"},
      {"/srv/bilder/a.jpg", "/srv/bilder/a.jpg"},
      {"C:\\Bilder\\a.jpg", "C:\\Bilder\\a.jpg"},
      {"\\\\server\\bilder\\a.jpg", "\\\\server\\bilder\\a.jpg"},
      {"\\Bilder\\a.jpg", "\\Bilder\\a.jpg"},
  };
  for (const Case& c : cases) EXPECT_EQ(MediaFullPath(c.name), c.full) << c.name;

  DisplaySettings().mediaDir = "/home/anna/media";
  EXPECT_EQ(MediaFullPath("a.jpg"), "/home/anna/media/a.jpg");
  // A media directory written on Windows keeps its own separator.
  DisplaySettings().mediaDir = "D:\\Ahnen\\Media\\";
  EXPECT_EQ(MediaFullPath("Bilder/a.jpg"), "D:\\Ahnen\\Media\\Bilder\\a.jpg");
}

TEST_F(MediaTest, RelativePathStepsOutOfTheMediaDirectory) {
  DisplaySettings().mediaDir = "/home/anna/db/media/";
  struct Case {
    const char* path;
    const char* relative;
  } cases[] = {
      {"/home/anna/db/media/a.jpg", "a.jpg"},
      {"/home/anna/db/media/Bilder/a.jpg", "Bilder/a.jpg"},
      {"/home/anna/db/fotos/a.jpg", "../fotos/a.jpg"},
      {"/home/anna/db/mediathek/a.jpg", "../mediathek/a.jpg"},  // a common prefix is no common directory
      {"/srv/a.jpg", "../../../../srv/a.jpg"},
      {"/home/anna/db/media/../fotos/./a.jpg", "../fotos/a.jpg"},
      {"/home/anna/db/Media/a.jpg", "../Media/a.jpg"},  // names differ by case here
      {"C:\\Bilder\\a.jpg", "C:\\Bilder\\a.jpg"},       // another root
      {"Bilder/a.jpg", "Bilder/a.jpg"},                 // already relative
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(MediaRelativePath(c.path), c.relative);
  }
  // What the person view stores resolves to the file it was given.
  EXPECT_EQ(MediaFullPath(MediaRelativePath("/home/anna/db/media/Bilder/a.jpg")),
            "/home/anna/db/media/Bilder/a.jpg");
  EXPECT_EQ(MediaFullPath(MediaRelativePath("/home/anna/db/fotos/a.jpg")), "/home/anna/db/media/../fotos/a.jpg");
}

TEST_F(MediaTest, RelativePathUnderAWindowsMediaDirectory) {
  DisplaySettings().mediaDir = "C:\\Daten\\Media\\";
  struct Case {
    const char* path;
    const char* relative;
  } cases[] = {
      {"c:\\daten\\media\\a.jpg", "a.jpg"},  // drive and names ignore case
      {"C:\\Daten\\Media\\Bilder\\a.jpg", "Bilder\\a.jpg"},
      {"C:\\Daten\\b.jpg", "..\\b.jpg"},
      {"D:\\Daten\\Media\\a.jpg", "D:\\Daten\\Media\\a.jpg"},
      {"\\\\server\\share\\a.jpg", "\\\\server\\share\\a.jpg"},
      {"/home/anna/a.jpg", "/home/anna/a.jpg"},
  };
  for (const Case& c : cases) EXPECT_EQ(MediaRelativePath(c.path), c.relative) << c.path;
}

TEST_F(MediaTest, WithoutMediaDirectoryPathsStayAsGiven) {
  DisplaySettings().mediaDir = "";
  EXPECT_EQ(MediaRelativePath("/home/anna/a.jpg"), "/home/anna/a.jpg");
  EXPECT_EQ(MediaFullPath("Bilder\\a.jpg"), "Bilder/a.jpg");
}

}  // namespace
