#include "core/CachingRegistry.h"

#include "core/IniFile.h"
#include "core/UserStore.h"

namespace {

const char* const kSection = "Software\\Orvelin\\Forms";

// A stored value, or nothing when there is none or it is no number.
std::optional<int> StoredValue(const TIniFile& store, const std::string& key) {
  if (!store.ValueExists(kSection, key)) return std::nullopt;
  const std::string text = store.ReadString(kSection, key, "");
  // Two different defaults agree only when the text is a number.
  const int value = TIniFile::ParseInteger(text, 0);
  if (value != TIniFile::ParseInteger(text, 1)) return std::nullopt;
  return value;
}

void Load(const TIniFile& store, const std::string& key, std::optional<int>& into) {
  if (const std::optional<int> value = StoredValue(store, key)) into = value;
}

class TRestoringFlag {
 public:
  // A restore inside a restore must not end the outer one's protection.
  explicit TRestoringFlag(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~TRestoringFlag() { flag_ = before_; }
  TRestoringFlag(const TRestoringFlag&) = delete;
  TRestoringFlag& operator=(const TRestoringFlag&) = delete;

 private:
  bool& flag_;
  bool before_;
};

}  // namespace

TCachingRegistry::TCachingRegistry() {
  // Made first, the store outlives this object, so the destructor can
  // still flush it.
  userstore::Store();
}

TCachingRegistry::~TCachingRegistry() {
  try {
    userstore::Flush();
  } catch (...) {
    // The process is ending; positions not written are simply not kept.
  }
}

TCachingRegistry& TCachingRegistry::Instance() {
  static TCachingRegistry registry;
  return registry;
}

void TCachingRegistry::Save(const std::string& className, const TFormGeometry& geometry) {
  if (restoring_) return;
  TIniFile& store = userstore::Store();
  const auto write = [&](const char* suffix, const std::optional<int>& value) {
    if (value) store.WriteInteger(kSection, className + suffix, *value);
  };
  write("_width", geometry.width);
  write("_height", geometry.height);
  write("_top", geometry.top);
  write("_left", geometry.left);
}

void TCachingRegistry::Restore(const std::string& className, TFormGeometry& geometry, bool withPlace,
                               const ApplyGeometry& apply) {
  const TRestoringFlag flag(restoring_);
  const TIniFile& store = userstore::Store();
  Load(store, className + "_width", geometry.width);
  Load(store, className + "_height", geometry.height);
  if (withPlace) {
    Load(store, className + "_top", geometry.top);
    Load(store, className + "_left", geometry.left);
  }
  if (apply) apply(geometry);
}

void SaveFormPosition(const std::string& className, const TFormGeometry& geometry) {
  TCachingRegistry::Instance().Save(className, geometry);
}

void RestoreFormPosition(const std::string& className, TFormGeometry& geometry,
                         const TCachingRegistry::ApplyGeometry& apply) {
  TCachingRegistry::Instance().Restore(className, geometry, true, apply);
}

void RestoreViewSize(const std::string& className, TFormGeometry& geometry,
                     const TCachingRegistry::ApplyGeometry& apply) {
  TCachingRegistry::Instance().Restore(className, geometry, false, apply);
}
