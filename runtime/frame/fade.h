// The cross-fade between pictures, played as frames of its own.
#pragma once
#include <string_view>

// Cross-fades from the current screen to a picture over 1500 ms; it becomes the background.
// A headless run skips to the end.
void FadeToImage(std::string_view file);
