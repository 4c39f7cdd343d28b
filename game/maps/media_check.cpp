#include "game/maps/media_check.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "runtime/base/errors.h"
#include "runtime/base/log.h"
#include "runtime/frame/engine.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/fonts.h"
#include "runtime/input/input.h"
#include "runtime/values/line_file.h"

namespace game {

namespace {

// How long the message stays up without a key, in milliseconds.
constexpr double kMessageTimeMs = 10000;
// Built-in font slot for the message (the game's own font is still unloaded here).
constexpr int kMessageFont = 0;

std::string FolderSearched(const std::string& settings_file) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(settings_file).parent_path();
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    return (error ? folder : absolute).lexically_normal().string();
}

bool AnyKeyDown() {
    for (int code = 1; code < 256; ++code)
        if (KeyDown(code)) return true;
    return false;
}

// Shown with the runtime's built-in font on whatever screen is up, until a key or the time
// runs out. ShowFrame pumps events, so closing the window still ends the program.
void ShowLines(const std::vector<std::string>& lines) {
    if (!EngineStarted()) return;
    LoadFont("", kMessageFont);
    const double until = TimerNow() + kMessageTimeMs;
    do {
        SetBlendAlpha(0);
        FillBox(0, 0, ScreenWidth(), ScreenHeight(), 0x101010);
        double w = 8, h = 8;
        FontCharSize(w, h);
        double y = h;
        for (const std::string& line : lines) {
            PrintText(line.c_str(), w, y);
            y += h * 2;
        }
        ShowFrame();
    } while (!AnyKeyDown() && TimerNow() < until);
}

void ShowMessage(const std::string& folder) {
    ShowLines(
        {"The game's media folder was not found.", "Looked in:", folder, "Press a key to quit."});
}

// The message in lines of at most `width` characters, broken between words.
std::vector<std::string> Wrapped(const std::string& message, size_t width) {
    std::vector<std::string> lines(1);
    size_t at = 0;
    while (at < message.size()) {
        size_t end = message.find(' ', at);
        if (end == std::string::npos) end = message.size();
        const std::string word = message.substr(at, end - at);
        if (!lines.back().empty() && lines.back().size() + 1 + word.size() > width)
            lines.emplace_back();
        if (!lines.back().empty()) lines.back() += ' ';
        lines.back() += word;
        at = end + 1;
    }
    return lines;
}

}  // namespace

void StopAtStartUp(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    AppendLog(message);
    std::vector<std::string> lines = Wrapped(message, 36);
    lines.push_back("Press a key to quit.");
    ShowLines(lines);
    SetErrorNumber(kErrorFile);
    EndProgram();
}

std::string MissingMediaMessage(const std::string& settings_file) {
    return "Media folder not found: \"" + FolderSearched(settings_file) + "\" has no \"" +
           std::filesystem::path(settings_file).filename().string() +
           "\". Run the game from the folder that holds its Media folder.";
}

void RequireMediaFolder(const TextValue& settings_file_Str) {
    // Start from an empty cache, so a missing file reads "NO_FILE" and not "NO_DATA".
    FlushLineFile();
    if (ReadFileLine(settings_file_Str, 1) != "NO_FILE") return;
    const std::string message = MissingMediaMessage(settings_file_Str.str());
    std::fprintf(stderr, "%s\n", message.c_str());
    AppendLog(message);
    ShowMessage(FolderSearched(settings_file_Str.str()));
    SetErrorNumber(kErrorFile);
    EndProgram();
}

}  // namespace game
