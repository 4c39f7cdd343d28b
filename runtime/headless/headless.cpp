#include "runtime/headless/headless.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <utility>
#include <vector>

#include "runtime/base/log.h"
#include "runtime/base/program_end.h"
#include "runtime/platform/files.h"
#include "runtime/platform/gamepad.h"
#include "runtime/platform/window.h"

namespace {

struct Segment {
    long from = 0;  // first frame
    long to = 0;    // one past the last frame
    std::vector<int> codes;
    bool tap = false;  // down and up before the frame `from`, never held
};

// Script codes of the virtual pad's controls: kFirstPadCode + PadControl.
constexpr int kFirstPadCode = 300;
constexpr const char* kPadNames[] = {"PadUp",     "PadRight", "PadDown", "PadLeft", "PadA",
                                     "PadB",      "PadX",     "PadY",    "PadL",    "PadR",
                                     "PadSelect", "PadStart", "PadGuide"};
static_assert(sizeof kPadNames / sizeof kPadNames[0] == kPadControls);
// A stretch of the scripted mouse: during frames from .. to - 1 the pointer goes from
// (x0, y0) towards (x1, y1) with the buttons given held; from `to` on it rests at (x1, y1).
// The wheel turns `wheel` (one step up or down) in each of those frames.
struct MouseSegment {
    long from = 0, to = 0;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool left = false, right = false;
    int wheel = 0;
};

struct Script {
    std::vector<Segment> segments;
    std::vector<MouseSegment> mouse;
    long end_frame = -1;  // the frame of "end", or -1
    bool uses_pad = false;
    // "pad off" and "pad on": the frame from which the virtual pad is unplugged or plugged in
    // again, in script order.
    std::vector<std::pair<long, bool>> pad_plugs;
    // "picture FILE": the frame whose picture goes to FILE, in script order.
    std::vector<std::pair<long, std::string>> pictures;
};

struct Headless {
    bool active = false;
    HeadlessOptions options;
    Script script;
    double now_ms = 0;
    long frame = -1;  // no frame presented yet
    size_t segment = 0;
    std::array<uint8_t, 256> keys{};
    std::array<uint8_t, 256> taps{};
    uint32_t pad = 0;  // the virtual pad's controls held, one bit each
    bool pad_attached = false;
    HeadlessMouse mouse;
    std::function<std::string()> game_lines;
    double frame_interval_ms = 1000.0 / 60.0;  // as the frame wait last used it
} g_headless;

struct KeyName {
    const char* name;
    int code;
};
constexpr KeyName kKeyNames[] = {{"Esc", 1},    {"Backspace", 14}, {"Tab", 15},      {"Enter", 28},
                                 {"LCtrl", 29}, {"LShift", 42},    {"RShift", 54},   {"LAlt", 56},
                                 {"Space", 57}, {"F1", 59},        {"F2", 60},       {"F3", 61},
                                 {"F4", 62},    {"F5", 63},        {"F6", 64},       {"F7", 65},
                                 {"F8", 66},    {"F9", 67},        {"F10", 68},      {"F11", 87},
                                 {"F12", 88},   {"RCtrl", 157},    {"RAlt", 184},    {"Home", 199},
                                 {"Up", 200},   {"PageUp", 201},   {"Left", 203},    {"Right", 205},
                                 {"End", 207},  {"Down", 208},     {"PageDown", 209}};
// Letters and digits by their place on the keyboard's rows.
constexpr const char* kLetterRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr int kLetterRowStart[] = {16, 30, 44};

int KeyCodeFor(const std::string& name) {
    for (const KeyName& k : kKeyNames)
        if (name == k.name) return k.code;
    for (int c = 0; c < kPadControls; ++c)
        if (name == kPadNames[c]) return kFirstPadCode + c;
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if (c >= '1' && c <= '9') return 2 + (c - '1');
        if (c == '0') return 11;
        for (int row = 0; row < 3; ++row) {
            const std::string letters = kLetterRows[row];
            const size_t at = letters.find(c);
            if (at != std::string::npos) return kLetterRowStart[row] + static_cast<int>(at);
        }
    }
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos &&
        name.size() <= 3) {
        const int code = std::stoi(name);
        if (code >= 1 && code <= 255) return code;
    }
    return -1;
}

bool ParseKeys(const std::string& text, std::vector<int>* codes) {
    std::stringstream in(text);
    std::string name;
    while (std::getline(in, name, '+')) {
        const int code = KeyCodeFor(name);
        if (code < 0) return false;
        codes->push_back(code);
    }
    return !codes->empty();
}

bool ParseCount(const std::string& text, long* n) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    *n = std::stol(text);
    return true;
}

bool ParseCoordinate(const std::string& text, int* n) {
    const bool negative = !text.empty() && text[0] == '-';
    long v = 0;
    if (!ParseCount(negative ? text.substr(1) : text, &v) || v > 100000) return false;
    *n = static_cast<int>(negative ? -v : v);
    return true;
}

// The mouse commands; false when `command` is none of them or its words are wrong.
bool ParseMouse(const std::string& command, const std::string& a, const std::string& b,
                const std::string& c, long* cursor, int* x, int* y, Script* s, bool* known) {
    *known = true;
    MouseSegment m;
    m.from = *cursor;
    m.x0 = m.x1 = *x;
    m.y0 = m.y1 = *y;
    long n = 1;
    if (command == "mouse") {
        if (!c.empty() || !ParseCoordinate(a, &m.x1) || !ParseCoordinate(b, &m.y1)) return false;
        m.x0 = m.x1;
        m.y0 = m.y1;
        m.to = m.from;
    } else if (command == "click") {
        if (!b.empty() || (a != "left" && a != "right")) return false;
        m.left = a == "left";
        m.right = a == "right";
        m.to = m.from + 1;
        *cursor = m.to + 1;
    } else if (command == "drag") {
        if (!ParseCoordinate(a, &m.x1) || !ParseCoordinate(b, &m.y1) || !ParseCount(c, &n) ||
            n <= 0)
            return false;
        m.left = true;
        m.to = m.from + n;
        *cursor = m.to + 1;
    } else if (command == "wheel") {
        int steps = 0;
        if (!b.empty() || !ParseCoordinate(a, &steps) || steps == 0) return false;
        m.wheel = steps > 0 ? 1 : -1;
        m.to = m.from + (steps > 0 ? steps : -steps);
        *cursor = m.to + 1;
    } else {
        *known = false;
        return false;
    }
    *x = m.x1;
    *y = m.y1;
    s->mouse.push_back(m);
    return true;
}

bool Parse(const std::string& text, Script* script, std::string* error) {
    Script s;
    long cursor = 0;
    int mouse_x = 100, mouse_y = 100;
    std::stringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::stringstream words(line);
        std::string command, a, b, c, extra;
        words >> command >> a >> b >> c >> extra;
        if (command.empty()) continue;
        bool ok = extra.empty();
        bool mouse_command = false;
        if (ok && ParseMouse(command, a, b, c, &cursor, &mouse_x, &mouse_y, &s, &mouse_command))
            continue;
        if (mouse_command) ok = false;
        ok = ok && (c.empty() || mouse_command);
        long n = 1;
        Segment seg;
        if (command == "wait") {
            ok = ok && b.empty() && ParseCount(a, &n);
            cursor += n;
        } else if (command == "hold" || command == "press" || command == "tap") {
            ok = ok && ParseKeys(a, &seg.codes);
            if (command == "hold")
                ok = ok && ParseCount(b, &n) && n > 0;
            else
                ok = ok && b.empty();
            seg.tap = command == "tap";
            seg.from = cursor;
            seg.to = cursor + n;
            cursor = seg.to + (command == "press" ? 1 : 0);
            for (int code : seg.codes)
                if (code >= kFirstPadCode) s.uses_pad = true;
            if (ok) s.segments.push_back(seg);
        } else if (command == "pad") {
            ok = ok && b.empty() && (a == "off" || a == "on");
            s.pad_plugs.emplace_back(cursor, a == "on");
            s.uses_pad = true;
        } else if (command == "picture") {
            ok = ok && !a.empty() && b.empty();
            if (ok) s.pictures.emplace_back(cursor, a);
        } else if (command == "end") {
            ok = ok && a.empty();
            if (ok && s.end_frame < 0) s.end_frame = cursor;
        } else {
            ok = false;
        }
        if (!ok) {
            if (error) *error = "key script line " + std::to_string(number) + ": " + line;
            return false;
        }
    }
    *script = std::move(s);
    return true;
}

// Ends the run as a runtime error at the game's current line (not a line of the runtime).
[[noreturn]] void FailRun(const std::string& why) {
    AppendLog(why);
    std::fprintf(stderr, "zolv: %s\n", why.c_str());
    Errors().number = kErrorDataExhausted;
    Errors().line = Errors().current_line;
    EndProgram();
}

void LoadKeysOfFrame() {
    Headless& h = g_headless;
    h.keys.fill(0);
    h.taps.fill(0);
    h.pad = 0;
    const auto& segs = h.script.segments;
    while (h.segment < segs.size() && segs[h.segment].to <= h.frame) ++h.segment;
    for (size_t i = h.segment; i < segs.size() && segs[i].from <= h.frame; ++i) {
        if (h.frame >= segs[i].to) continue;
        for (int code : segs[i].codes) {
            if (code >= kFirstPadCode)
                h.pad |= 1u << static_cast<unsigned>(code - kFirstPadCode);
            else
                (segs[i].tap ? h.taps : h.keys)[static_cast<size_t>(code)] = 0x80;
        }
    }
    if (h.script.uses_pad) {
        bool plugged = true;
        for (const auto& [from, on] : h.script.pad_plugs)
            if (from <= h.frame) plugged = on;
        if (plugged && !h.pad_attached) {
            h.pad_attached = PlatformGamepadAttachVirtual();
            if (!h.pad_attached) FailRun("headless run: no virtual game pad");
        } else if (!plugged && h.pad_attached) {
            PlatformGamepadDetachVirtual();
            h.pad_attached = false;
        }
        // Controls of an unplugged pad are not there to hold.
        if (!plugged) h.pad = 0;
        // A tap of a pad control is held for the frame: pads are read as they are.
        PlatformGamepadSetVirtual(h.pad);
    }
    // The mouse: the last stretch begun gives the place, any stretch running its buttons.
    HeadlessMouse m;
    m.x = h.mouse.x;
    m.y = h.mouse.y;
    for (const MouseSegment& seg : h.script.mouse) {
        if (seg.from > h.frame) break;
        if (h.frame < seg.to) {
            const double t = static_cast<double>(h.frame - seg.from + 1) / (seg.to - seg.from);
            m.x = seg.x0 + static_cast<int>((seg.x1 - seg.x0) * t);
            m.y = seg.y0 + static_cast<int>((seg.y1 - seg.y0) * t);
            m.left = m.left || seg.left;
            m.right = m.right || seg.right;
            m.wheel += seg.wheel;
        } else {
            m.x = seg.x1;
            m.y = seg.y1;
        }
    }
    h.mouse = m;
}

}  // namespace

bool ParseKeyScript(const std::string& text, std::string* error) {
    Script unused;
    return Parse(text, &unused, error);
}

bool StartHeadless(const HeadlessOptions& options, std::string* error) {
    Headless h;
    if (!Parse(options.script, &h.script, error)) return false;
    h.active = true;
    h.options = options;
    g_headless = std::move(h);
    if (!options.present) PlatformUseHeadlessDrivers();
    // The summary goes out first of the end routine's steps, before files are flushed.
    AddShutdownStep([] {
        const ErrorState& e = Errors();
        WriteHeadlessSummary(e.number, e.line, e.current_line);
    });
    return true;
}

bool HeadlessActive() {
    return g_headless.active;
}
const HeadlessOptions& HeadlessSettings() {
    return g_headless.options;
}

double HeadlessNowMs() {
    return g_headless.now_ms;
}
void HeadlessAdvanceMs(double ms) {
    if (ms > 0) g_headless.now_ms += ms;
}
void HeadlessSetFrameInterval(double ms) {
    g_headless.frame_interval_ms = ms;
}

HeadlessPoint HeadlessWhere() {
    const Headless& h = g_headless;
    return {h.now_ms,       h.frame, h.segment,          h.keys, h.taps, h.pad,
            h.pad_attached, h.mouse, h.frame_interval_ms};
}
void HeadlessGoBack(const HeadlessPoint& p) {
    Headless& h = g_headless;
    h.now_ms = p.now_ms;
    h.frame = p.frame;
    h.segment = p.segment;
    h.keys = p.keys;
    h.taps = p.taps;
    h.pad = p.pad;
    h.pad_attached = p.pad_attached;
    h.mouse = p.mouse;
    h.frame_interval_ms = p.frame_interval_ms;
}

long HeadlessFrame() {
    return g_headless.frame;
}

void HeadlessNextFrame() {
    // Every headless loop (frames, key waits, fades) passes here, also those that pump no events.
    EndOnSignal();
    Headless& h = g_headless;
    ++h.frame;
    if (h.script.end_frame >= 0 && h.frame >= h.script.end_frame) {
        // The script's end is a normal end, as closing the window is.
        EndNormally();
    }
    if (h.frame > h.options.max_frames)
        FailRun("headless run passed " + std::to_string(h.options.max_frames) + " frames");
    LoadKeysOfFrame();
}

std::vector<std::string> HeadlessPicturesOfFrame() {
    std::vector<std::string> files;
    for (const auto& [frame, file] : g_headless.script.pictures)
        if (frame == g_headless.frame) files.push_back(file);
    return files;
}

const uint8_t* HeadlessKeys() {
    return g_headless.keys.data();
}
const uint8_t* HeadlessTaps() {
    return g_headless.taps.data();
}

HeadlessMouse HeadlessMouseState() {
    return g_headless.mouse;
}

void HeadlessWaitForKey() {
    Headless& h = g_headless;
    const long started = h.frame;
    if (h.options.answer_key_waits) {
        // The key is taken in the frame that follows, as a person's quickest press would be.
        HeadlessAdvanceMs(h.frame_interval_ms);
        HeadlessNextFrame();
        return;
    }
    for (;;) {
        for (size_t i = 0; i < h.keys.size(); ++i)
            if (h.keys[i] || h.taps[i]) return;
        if (h.pad) return;
        if (h.frame - started >= h.options.key_wait_limit)
            FailRun("key wait: no scripted key within " + std::to_string(h.options.key_wait_limit) +
                    " frames");
        // A key wait lets time pass a frame at a time.
        HeadlessAdvanceMs(h.frame_interval_ms);
        HeadlessNextFrame();
    }
}

void HeadlessWaitFrame() {
    HeadlessAdvanceMs(g_headless.frame_interval_ms);
    HeadlessNextFrame();
}

void SetHeadlessSummary(std::function<std::string()> game_lines) {
    g_headless.game_lines = std::move(game_lines);
}

void WriteHeadlessSummary(double error_number, double line, double current_line) {
    const Headless& h = g_headless;
    if (!h.active || !h.options.write_summary) return;
    std::string text = "frames=" + std::to_string(h.frame < 0 ? 0 : h.frame) + "\n" +
                       "error=" + std::to_string(static_cast<long>(error_number)) + "\n" +
                       "line=" + std::to_string(static_cast<long>(line)) + "\n" +
                       "current_line=" + std::to_string(static_cast<long>(current_line)) + "\n";
    if (h.game_lines) text += h.game_lines();
    FILE* out =
        h.options.summary_path.empty() ? stdout : PlatformOpenFile(h.options.summary_path, "w");
    if (!out) return;
    std::fwrite(text.data(), 1, text.size(), out);
    if (out != stdout) std::fclose(out);
}
