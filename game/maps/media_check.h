// Start-up without a media folder: the game has no built-in artwork, so it says where it
// looked and ends instead of showing a blank window.
#pragma once
#include <string>

#include "runtime/values/text_value.h"

namespace game {

// Ends the program (exit status 1) with a message naming the folder searched when the first
// settings file cannot be opened. The message goes to standard error, to the log and, when
// the window is open, onto the screen until a key is pressed or 10 seconds pass.
void RequireMediaFolder(const TextValue& settings_file_Str);

// Ends the program (exit status 1) with a message that start-up cannot go on: to standard
// error, to the log and, when the window is open, onto the screen as above.
[[noreturn]] void StopAtStartUp(const std::string& message);

// The message shown for a missing settings file.
std::string MissingMediaMessage(const std::string& settings_file);

}  // namespace game
