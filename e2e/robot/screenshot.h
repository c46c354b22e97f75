// Saves what the screen shows as a bitmap file, so a demo can show each step it played.
#pragma once

#include <string>

namespace robot {

// Writes the whole screen (the Wine desktop) as a 24-bit BMP; a failure to save is a failed step.
void SaveScreenshot(const std::string& path);

}  // namespace robot
