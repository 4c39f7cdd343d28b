// Headless play: the program runs without a person and without a clock. Frames are presented
// (or not) and return at once, time advances by exactly one frame interval per frame, and the
// keys come from a script read once per frame. Tests, tools and CI use it to play the real
// program at full speed and get the same result every run.
//
// The key script is a text of commands, one per line ("#" starts a comment). Frames are
// counted from the first frame presented; each command moves the script's cursor on:
//   wait N           N frames with no key down
//   hold KEYS N      KEYS held for N frames (KEYS: names joined by "+", e.g. Space or B+Up)
//   press KEYS       KEYS held for one frame, then one frame with no key
//   tap KEYS         KEYS go down and up again just before the next frame, so no read
//                    finds them held (a press shorter than a frame); that frame has no key
//   end              the program ends here as if the window were closed (error 0)
//   pad off|on       the virtual game pad is unplugged, or plugged in again, from this
//                    frame on (no frame passes)
//   picture FILE     the logical screen of the frame shown at this point goes to FILE, a
//                    binary PPM (no frame passes); whole pictures need --pictures
// The mouse, in pixels of the logical screen (320 x 240 once the game has switched), starts
// at (100, 100):
//   mouse X Y        the pointer moves to (X, Y) from this frame on (no frame passes)
//   click left|right the button held for one frame, then one frame with none
//   drag X Y N       the left button held for N frames while the pointer goes in a straight
//                    line to (X, Y), then one frame with none
//   wheel N          the wheel turns one step a frame for |N| frames (up when N is positive),
//                    then one frame rests
// Key names: Esc, Enter, Space, Tab, Backspace, Up, Down, Left, Right, PageUp, PageDown, Home,
// End, LShift, RShift, LCtrl, RCtrl, LAlt, RAlt, F1 .. F12, A .. Z, 0 .. 9, or a key code
// number (1 .. 255). The controls of a virtual game pad, attached when the script first
// names one: PadUp, PadRight, PadDown, PadLeft, PadA, PadB, PadX, PadY, PadL, PadR,
// PadSelect, PadStart, PadGuide.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct HeadlessOptions {
    std::string script;             // the script's text
    uint32_t seed = 0;              // random seed after start-up
    int key_wait_limit = 3600;      // frames a key wait may take before it fails
    long max_frames = 1000000;      // frames before the run fails as runaway
    std::string summary_path;       // where the summary goes; empty: standard output
    bool write_summary = true;      // false when the game reports on its own
    bool answer_key_waits = false;  // key waits end at once, as if a key were pressed
    // false: everything is drawn through OpenGL as usual but fills one pixel only (a scissor
    // box), for runs where nobody looks at the pictures and the software renderer's filling
    // would be most of the time.
    bool fill_pixels = true;
    // false: nothing is drawn at all (the state changes still go to OpenGL), for runs whose
    // play never depends on a pixel: the replay check, and headless play without --pictures.
    bool draws = true;
    // true: the frames go to a real window as they would without headless play (drawn only
    // where they changed, presented), on the virtual clock; for tests that compare what is
    // shown without waiting for real time.
    bool present = false;
};

// Parses a key script; false with a message naming the line on a bad command or key name.
bool ParseKeyScript(const std::string& text, std::string* error);

// Switches the runtime to headless play before EngineInit. False (with the reason) when the
// script does not parse.
bool StartHeadless(const HeadlessOptions& options, std::string* error);
bool HeadlessActive();
const HeadlessOptions& HeadlessSettings();

// The virtual clock in milliseconds, and moving it on (sleeps and frame waits).
double HeadlessNowMs();
void HeadlessAdvanceMs(double ms);
// The frame interval the frame wait uses, so key waits let time pass at the same rate.
void HeadlessSetFrameInterval(double ms);

// Called once per frame boundary: the frame count goes up and the keys of the new frame
// take effect. Ends the program at the script's "end", fails it past the frame limit.
void HeadlessNextFrame();
long HeadlessFrame();

// The files the script wants the current frame's picture in (none on most frames).
std::vector<std::string> HeadlessPicturesOfFrame();

// The keys held in the current frame, 0x80 for a held key, indexed by key code.
const uint8_t* HeadlessKeys();
// The keys tapped (down and up again) just before the current frame, marked the same way.
const uint8_t* HeadlessTaps();

// The scripted mouse of the current frame: pointer in logical-screen pixels, buttons held,
// wheel step turned in this frame (-1, 0, 1).
struct HeadlessMouse {
    int x = 100, y = 100;
    bool left = false, right = false;
    int wheel = 0;
};
HeadlessMouse HeadlessMouseState();

// Where headless play stands: clock, frame count, script position, keys, pad and mouse. A run
// that plays several checks puts it back before each (the options and the script stay).
struct HeadlessPoint {
    double now_ms = 0;
    long frame = -1;
    size_t segment = 0;
    std::array<uint8_t, 256> keys{};
    std::array<uint8_t, 256> taps{};
    uint32_t pad = 0;
    bool pad_attached = false;
    HeadlessMouse mouse;
    double frame_interval_ms = 0;
};
HeadlessPoint HeadlessWhere();
void HeadlessGoBack(const HeadlessPoint& point);

// The key wait of headless play: frames pass until the script holds a key; past the limit
// the program stops with a runtime error and a log line saying so.
void HeadlessWaitForKey();
// One frame of the virtual clock passes inside a wait (the next frame's keys take effect).
void HeadlessWaitFrame();

// The game adds its own lines to the summary written when the program ends ("map=3").
void SetHeadlessSummary(std::function<std::string()> game_lines);

// Writes the summary: frames, error number and lines of the end report, then the game's
// lines. Run by the end routine, as its first shutdown step.
void WriteHeadlessSummary(double error_number, double line, double current_line);
