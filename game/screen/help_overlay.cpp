#include "game/screen/help_overlay.h"

#include "game/flow/player_options.h"
#include "game/screen/extra_texts.h"
#include "game/screen/screen_helpers.h"
#include "game/state/game_state.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/input/input.h"
#include "runtime/input/key_codes.h"

namespace game {

namespace {

constexpr int kDirectionKeyBase = 152;

struct HelpEntry {
    // Controls, separated by spaces, joined by "+": ^ > v < the directions, A B X Y L R SL
    // ST the buttons (L is the settings' LL, R their RR), F1 the help key, * any key.
    const char* controls;
    const char* text_key;
    // The game pad's own combinations for the same, when they stand for no keys ("B+X").
    const char* pad = nullptr;
};

constexpr HelpEntry kTitleEntries[] = {{"*", "HELP_START_GAME"}, {"F1", "HELP_SHOW"}};
constexpr HelpEntry kMenuEntries[] = {{"^ v", "HELP_MENU_CHOOSE"}, {"< >", "HELP_MENU_CHANGE"},
                                      {"B", "HELP_MENU_TAKE"},     {"L+R", "HELP_MENU_EDITOR"},
                                      {"F2", "HELP_MENU_OPTIONS"}, {"F1", "HELP_SHOW"}};
constexpr HelpEntry kPlayEntries[] = {{"^ > v <", "HELP_PLAY_MOVE"},
                                      {"L R", "HELP_PLAY_TURN"},
                                      {"X Y", "HELP_PLAY_SPEED"},
                                      {"ST", "HELP_PLAY_VIEW"},
                                      {"SL", "HELP_PLAY_RESTART"},
                                      {"SL+ST", "HELP_PLAY_MENU"},
                                      {"U I H", "HELP_PLAY_AIDS", "B+X B+Y B+A"},
                                      {"F1", "HELP_SHOW"}};
constexpr HelpEntry kEditorEntries[] = {{"^ > v <", "HELP_EDIT_MOVE"}, {"A", "HELP_EDIT_CHOOSE"},
                                        {"X", "HELP_EDIT_TAKE"},       {"Y", "HELP_EDIT_PUT"},
                                        {"Y+ST", "HELP_EDIT_SAVE"},    {"B", "HELP_EDIT_SHIFT"},
                                        {"SL", "HELP_EDIT_OTHER"},     {"SL+ST", "HELP_PLAY_MENU"}};
// The editor's own keys (not in the key settings) and the mouse, on a second page.
constexpr HelpEntry kEditorMoreEntries[] = {
    {"U/I", "HELP_EDIT_UNDO"}, {"V", "HELP_EDIT_CHECK"},   {"K", "HELP_EDIT_STORE"},
    {"T", "HELP_EDIT_TEST"},   {"C/L", "HELP_EDIT_SHARE"}, {"MOUSE", "HELP_EDIT_MOUSE"},
    {"F1", "HELP_SHOW"}};

struct Button {
    const char* name;
    int place;  // in each set of the key settings
};
constexpr Button kButtons[] = {{"A", 0}, {"B", 1}, {"X", 2},  {"Y", 3},
                               {"L", 4}, {"R", 5}, {"SL", 6}, {"ST", 7}};

// The keys of one control: a direction key, or a button's key in both sets ("SPACE/LEFT
// SHIFT"); the control's own name for a button.
std::string ControlKeys(const std::string& control, std::string* button) {
    const std::string directions = "^>v<";
    if (control.size() == 1 && directions.find(control[0]) != std::string::npos) {
        const int d = static_cast<int>(directions.find(control[0]));
        return KeyName(CharAt(rotaz_Str, d) + kDirectionKeyBase);
    }
    if (control == "F1") return KeyName(kKeyF1);
    if (control == "*") return ExtraText("HELP_ANY_KEY");
    for (const Button& b : kButtons) {
        if (control != b.name) continue;
        *button = b.name;
        const std::string first = KeyName(static_cast<int>(pressioni(b.place)));
        const std::string second = KeyName(static_cast<int>(pressioni(b.place + 8)));
        return first == second ? first : first + "/" + second;
    }
    return control;
}

std::string KeysLine(const std::string& controls) {
    std::string names, keys;
    size_t at = 0;
    while (at <= controls.size()) {
        size_t end = controls.find_first_of(" +", at);
        if (end == std::string::npos) end = controls.size();
        const char joint = end < controls.size() ? controls[end] : 0;
        std::string button;
        keys += ControlKeys(controls.substr(at, end - at), &button);
        names += button;
        if (joint) {
            keys += joint == '+' ? " + " : "  ";
            if (!button.empty()) names += joint == '+' ? "+" : " ";
        }
        at = end + 1;
    }
    return names.empty() ? keys : names + " = " + keys;
}

template <size_t N>
std::vector<std::string> Lines(const char* heading, const HelpEntry (&entries)[N]) {
    std::vector<std::string> lines{ExtraText(heading)};
    for (const HelpEntry& e : entries) {
        // Undo, redo and hints are not offered to a player who switched them off.
        if (std::string(e.text_key) == "HELP_PLAY_AIDS" && !CurrentOptions().aids) continue;
        std::string keys = KeysLine(e.controls);
        if (e.pad) {
            std::string pad = e.pad;
            for (size_t at = pad.find(' '); at != std::string::npos; at = pad.find(' ', at + 2))
                pad.replace(at, 1, "  ");
            keys += "    PAD " + pad;
        }
        lines.push_back(keys);
        lines.push_back(ExtraText(e.text_key));
    }
    return lines;
}

constexpr int kPanelColour = 0x301810;
constexpr int kFrameColour = 0xC0C0C0;
constexpr int kLineHeight = 12;
constexpr int kCharWidth = 7;
constexpr double kCharScale = 0.5;
// At that scale the font's letters stand from 9 to 18 pixels below the y a text is drawn at.
constexpr int kLetterTop = 9;

}  // namespace

bool HelpAsked() {
    return KeyDown(kKeyF1) != 0;
}

std::vector<std::string> HelpLines(HelpScreen screen) {
    switch (screen) {
        case HelpScreen::kTitle:
            return Lines("HELP_HEADING_TITLE", kTitleEntries);
        case HelpScreen::kMenu:
            return Lines("HELP_HEADING_MENU", kMenuEntries);
        case HelpScreen::kPlay:
            return Lines("HELP_HEADING_PLAY", kPlayEntries);
        case HelpScreen::kEditorMore:
            return Lines("HELP_HEADING_EDITOR_MORE", kEditorMoreEntries);
        case HelpScreen::kEditor:
        default:
            return Lines("HELP_HEADING_EDITOR", kEditorEntries);
    }
}

void ShowHelp(HelpScreen screen) {
    std::vector<std::string> lines = HelpLines(screen);
    // The editor's help has a second page, shown by the key that closes the first.
    const bool more = screen == HelpScreen::kEditor;
    lines.push_back(ExtraText(more ? "HELP_NEXT_PAGE" : "HELP_CLOSE"));
    const int height = static_cast<int>(lines.size()) * kLineHeight + 6;
    const int top = (240 - height) / 2;
    SetBlendAlpha(0);
    FillBox(6, top - 1, 308, height + 2, kFrameColour);
    FillBox(7, top, 306, height, kPanelColour);
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool meaning = i % 2 == 0 && i > 0 && i + 1 < lines.size();
        // Headings and keys from the left edge, their meanings indented beneath them.
        const double x = i == 0 || i + 1 == lines.size() ? 888 : (meaning ? 40 : 12);
        const int letters_at = top + 3 + static_cast<int>(i) * kLineHeight;
        ScriveTESTO(TextValue(lines[i]), x, letters_at - kLetterTop, kCharWidth, kCharScale);
    }
    mostraschermo();
    WaitKeyPress();
    if (more) ShowHelp(HelpScreen::kEditorMore);
}

}  // namespace game
