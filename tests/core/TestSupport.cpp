#include "tests/core/TestSupport.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "core/Clock.h"
#include "core/Configuration.h"
#include "core/DisplaySettings.h"
#include "core/Paths.h"
#include "core/UserStore.h"
#include "db/Schema.h"

TTempDir::TTempDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "orvelin-test-XXXXXX").string();
  if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  path_ = templ + "/";
}

TTempDir::~TTempDir() {
  std::error_code ec;
  // Give back rights a test took away, so that everything can be removed.
  for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec))
    std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

void TTempDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(File(name), std::ios::binary);
  out << bytes;
}

std::string TTempDir::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void CoreTest::SetUp() {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  ::setenv("XDG_CONFIG_HOME", (dir.Path() + "config").c_str(), 1);
  userstore::Reset();
  ResetDisplaySettings();
  SetHost(&host);
  SetPrompter(&prompter);
  // 2026-12-11 10:00:00 UTC
  SetClock([] { return TClock::from_time_t(1796983200); });
}

void CoreTest::TearDown() {
  Config.reset();
  SetClock({});
  SetHost(nullptr);
  SetPrompter(nullptr);
  userstore::Reset();
  ResetDisplaySettings();
}

std::string CoreTest::WriteProject(const std::string& text, const std::string& name) const {
  std::string crlf;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) crlf += line + "\r\n";
  dir.Write(name, crlf);
  // A project file stands beside the tables of its database.
  const std::string dbPath = ExtractFilePath(dir.File(name));
  if (!FileExists(dbPath + "Person.DB")) CreateDatabaseFiles(dbPath, dbPath + "nowhere/");
  return dir.File(name);
}

bool RunWithPermissions(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
