#include "core/Media.h"

#include <vector>

#include "core/DisplaySettings.h"
#include "core/TextCase.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string UpperExtension(std::string_view fileName) {
  const auto nameStart = fileName.find_last_of("/\\");
  const std::string_view name = nameStart == std::string_view::npos ? fileName : fileName.substr(nameStart + 1);
  const auto dot = name.find_last_of('.');
  return dot == std::string_view::npos ? "" : AnsiUpperCase(name.substr(dot));
}

bool OneOf(const std::string& ext, std::initializer_list<const char*> list) {
  for (const char* e : list)
    if (ext == e) return true;
  return false;
}

// A mediaDir written on Windows keeps its backslashes.
bool WindowsForm(std::string_view dir) {
  return dir.find('/') == std::string_view::npos && dir.find('\\') != std::string_view::npos;
}

// An absolute path split into its root and its steps, "." and ".." resolved.
struct TSplitPath {
  std::string root;  // "/", a drive "C:", a share "\\server\share", or "\" (current drive)
  bool windows = false;
  std::vector<std::string> steps;
};

bool SplitAbsolute(std::string_view path, TSplitPath& out) {
  std::size_t pos = 0;
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // \\server\share: the share is part of the root.
    pos = 2;
    out.root = "\\\\";
    for (int part = 0; part < 2; ++part) {
      const auto end = path.find_first_of("/\\", pos);
      out.root += std::string(path.substr(pos, end - pos)) + (part == 0 ? "\\" : "");
      pos = end == std::string_view::npos ? path.size() : end;
      if (pos < path.size()) ++pos;
    }
    out.windows = true;
  } else if (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2])) {
    out.root = std::string(path.substr(0, 2));
    out.windows = true;
    pos = 3;
  } else if (!path.empty() && path[0] == '/') {
    out.root = "/";
    pos = 1;
  } else if (!path.empty() && path[0] == '\\') {
    out.root = "\\";
    out.windows = true;
    pos = 1;
  } else {
    return false;
  }
  while (pos < path.size()) {
    auto end = path.find_first_of("/\\", pos);
    if (end == std::string_view::npos) end = path.size();
    const std::string step(path.substr(pos, end - pos));
    if (step == "..") {
      if (!out.steps.empty()) out.steps.pop_back();
    } else if (!step.empty() && step != ".") {
      out.steps.push_back(step);
    }
    pos = end + 1;
  }
  return true;
}

// Windows names ignore letter case; POSIX names do not.
bool SameStep(const std::string& a, const std::string& b, bool windows) {
  return windows ? SameText(a, b) : a == b;
}

}  // namespace

std::string MediaKind(std::string_view fileName) {
  const std::string ext = UpperExtension(fileName);
  if (OneOf(ext, {".QTM", ".AVI", ".MPG"})) return "Video";
  if (ext == ".WAV") return "Ton";
  if (IsImageFile(fileName)) return "Bild";
  return "?";
}

bool IsImageFile(std::string_view fileName) {
  return OneOf(UpperExtension(fileName), {".BMP", ".GIF", ".JPG", ".JIF", ".DIB", ".RLE", ".TGA", ".PCX"});
}

bool IsAbsoluteMediaName(std::string_view name) {
  return (!name.empty() && IsSeparator(name.front())) || name.find(":\\") != std::string_view::npos;
}

std::string MediaFullPath(std::string_view name) {
  if (name.empty() || IsAbsoluteMediaName(name)) return std::string(name);
  std::string dir = DisplaySettings().mediaDir;
  const char sep = WindowsForm(dir) ? '\\' : '/';
  if (!dir.empty() && !IsSeparator(dir.back())) dir += sep;
  std::string relative(name);
  for (char& c : relative)
    if (IsSeparator(c)) c = sep;
  return dir + relative;
}

std::string MediaRelativePath(std::string_view path) {
  TSplitPath base, file;
  if (!SplitAbsolute(DisplaySettings().mediaDir, base) || !SplitAbsolute(path, file)) return std::string(path);
  if (base.windows != file.windows || !SameStep(base.root, file.root, base.windows)) return std::string(path);
  std::size_t common = 0;
  while (common < base.steps.size() && common < file.steps.size() &&
         SameStep(base.steps[common], file.steps[common], base.windows))
    ++common;
  const char sep = base.windows ? '\\' : '/';
  std::string relative;
  for (std::size_t i = common; i < base.steps.size(); ++i) relative += std::string("..") + sep;
  for (std::size_t i = common; i < file.steps.size(); ++i) {
    relative += file.steps[i];
    if (i + 1 < file.steps.size()) relative += sep;
  }
  return relative;
}
