// Writes the logical screen to a PNG file.
#pragma once
#include <string>

// RGB, top row first; false when the file cannot be written.
bool SaveScreenPng(const std::string& path);
