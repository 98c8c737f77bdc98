#include "core/DisplaySettings.h"

TDisplaySettings& DisplaySettings() {
  static TDisplaySettings settings;
  return settings;
}

void ResetDisplaySettings() { DisplaySettings() = TDisplaySettings{}; }
