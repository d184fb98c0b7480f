#pragma once

// The settings store lives in its own library; the board code and its callers keep using it
// under the board namespace.
#include "settings/settings_store.h"

namespace guivarna::board {
using settings::kMainWindowPlacement;
using settings::SettingsStore;
using settings::SplitPath;
using settings::WindowPlacement;
}  // namespace guivarna::board
