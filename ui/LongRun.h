// A long run: work on the user-interface thread that lets pending events run
// (keyword build, later imports and exports). While one is active the main
// window refuses the commands that would close or replace the database under
// it; the run itself is told to stop through its own window.
#pragma once

inline constexpr const char* kLongRunBusyText = "Bitte warten Sie, bis der laufende Vorgang beendet ist.";

// Marks a long run for as long as it lives; runs may nest.
class TLongRun {
 public:
  TLongRun();
  ~TLongRun();
  TLongRun(const TLongRun&) = delete;
  TLongRun& operator=(const TLongRun&) = delete;

  static bool Active();
};

// True, after the warning kLongRunBusyText, while a long run is active:
// the command asking must not go on.
bool RefuseWhileLongRun();
