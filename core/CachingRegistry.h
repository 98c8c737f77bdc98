// Window positions kept per window class in the per-user store (section
// "Software\Orvelin\Forms", values <ClassName>_width, _height, _top, _left,
// in pixels as the window reports them). Restoring sets only the values that
// are stored; while a restore runs, saves are ignored so that the resizes it
// causes do not write half-restored values back. Values reach the file when
// the store is flushed, at the latest when the process ends.
#pragma once

#include <functional>
#include <optional>
#include <string>

struct TFormGeometry {
  std::optional<int> width;
  std::optional<int> height;
  std::optional<int> top;
  std::optional<int> left;
};

// The one store of window positions of the process, made on first use.
class TCachingRegistry {
 public:
  using ApplyGeometry = std::function<void(const TFormGeometry&)>;

  static TCachingRegistry& Instance();
  ~TCachingRegistry();
  TCachingRegistry(const TCachingRegistry&) = delete;
  TCachingRegistry& operator=(const TCachingRegistry&) = delete;

  bool Restoring() const { return restoring_; }
  // Writes the values present, unless a restore runs.
  void Save(const std::string& className, const TFormGeometry& geometry);
  // Sets the stored values into geometry and hands it to apply (when given),
  // both while the restoring flag is set.
  void Restore(const std::string& className, TFormGeometry& geometry, bool withPlace,
               const ApplyGeometry& apply);

 private:
  TCachingRegistry();
  bool restoring_ = false;
};

void SaveFormPosition(const std::string& className, const TFormGeometry& geometry);
// Width, height, top and left.
void RestoreFormPosition(const std::string& className, TFormGeometry& geometry,
                         const TCachingRegistry::ApplyGeometry& apply = {});
// Width and height only: the view manager places view windows.
void RestoreViewSize(const std::string& className, TFormGeometry& geometry,
                     const TCachingRegistry::ApplyGeometry& apply = {});
