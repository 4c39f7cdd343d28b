// Where the drawing and font loaders find a media name on disk.
#pragma once
#include <string>
#include <string_view>

// The path to open for a media name, or "" when there is none.
std::string ResolveMediaPath(std::string_view name);
