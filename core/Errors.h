// The program's exceptions. Each carries the German message the user sees;
// windows and ovtool catch them once at their own level and show the text.
#pragma once

#include <stdexcept>
#include <string>

class EOrvelin : public std::runtime_error {
 public:
  explicit EOrvelin(const std::string& message);
};

// A project file that cannot be opened or a database that cannot be set up.
class EConfiguration : public EOrvelin {
 public:
  using EOrvelin::EOrvelin;
};

// A text that should be a number or a date and is not.
class EConvertError : public EOrvelin {
 public:
  using EOrvelin::EOrvelin;
};

// A bad index or a refused operation on one of the object lists.
class EListError : public EOrvelin {
 public:
  using EOrvelin::EOrvelin;
};

// A file that cannot be read, written, created or copied.
class EInOutError : public EOrvelin {
 public:
  using EOrvelin::EOrvelin;
};
