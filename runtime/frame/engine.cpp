#include "runtime/frame/engine.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/audio/sound.h"
#include "runtime/base/errors.h"
#include "runtime/base/log.h"
#include "runtime/gfx/draw2d.h"
#include "runtime/gfx/fonts.h"
#include "runtime/gfx/frame_record.h"
#include "runtime/gfx/gl_engine.h"
#include "runtime/gfx/gl_state.h"
#include "runtime/gfx/screen.h"
#include "runtime/gfx/sprite_atlas.h"
#include "runtime/gfx/texture_io.h"
#include "runtime/headless/headless.h"
#include "runtime/input/input.h"
#include "runtime/input/key_codes.h"
#include "runtime/platform/clock.h"
#include "runtime/platform/folders.h"
#include "runtime/platform/memory.h"
#include "runtime/platform/pixel_format.h"
#include "runtime/platform/signals.h"
#include "runtime/platform/software_renderer.h"
#include "runtime/platform/switches.h"
#include "runtime/platform/window.h"
#include "runtime/values/line_file.h"
#include "runtime/values/media_lookup.h"
#include "runtime/values/random.h"
#include "runtime/values/save_folder.h"

namespace {
// The frame wait sleeps until this long before the due time and spins the rest on the clock
// (milliseconds): with the timer slack at 1 us a sleep here wakes within a few hundredths of
// a millisecond when the machine is quiet. The spin costs the processor its whole length in
// every frame (0.15 ms was about 0.9 % of a core at 60 frames a second), so it is kept short.
constexpr double kSpinMs = 0.05;

struct Engine {
    StartupSettings startup;
    bool started = false;
    bool paused = false;
    bool software_warned = false;
    double start_time = 0;      // clock at the end of start-up (TimerNow's zero)
    double previous_frame = 0;  // clock at the start of the frame before
    double current_frame = 0;   // clock at the start of this frame
    double due = 0;             // when the next frame is to be shown
    double interval = 1000.0 / 60.0;
    int screen_w = 0;
    int screen_h = 0;
    std::string title;
    std::string command_line;
} g_engine;

std::string GameFolder() {
    return g_engine.startup.folder.empty() ? FindDataFolder(PlatformProgramFolder())
                                           : g_engine.startup.folder;
}

// The clock the frame schedule runs on: the virtual one in headless play.
double Clock() {
    return HeadlessActive() ? HeadlessNowMs() : PlatformNowMs();
}

double IntervalFor(double fps) {
    const int whole = static_cast<int>(fps);
    return whole <= 0 ? 2.0 : 1000.0 / whole;
}

// The close button or Alt+F4: a normal end, whatever non-fatal error was recorded before.
void OnClose() {
    EndNormally();
}

void OnFocus(bool gained) {
    if (!g_engine.started || g_engine.startup.debug_build != 0) return;
    g_engine.paused = !gained;
    PlatformWindowSetTitle(gained ? g_engine.title : g_engine.title + " <pause>");
}

[[noreturn]] void FailStart(const std::string& why) {
    AppendLog(why);
    std::fprintf(stderr, "zolv: %s\n", why.c_str());
    std::fflush(stderr);
    DestroyLogicalScreen();
    PlatformWindowClose();
    std::_Exit(1);
}

// Opens the window and the logical screen; checks for a software renderer.
void CreateGLWindow(int width, int height, double fps) {
    g_engine.interval = IntervalFor(fps);
    std::string error;
    if (!PlatformWindowOpen(width, height, "Zolv", &error)) FailStart(error);
    if (!CreateLogicalScreen(width, height))
        FailStart("the OpenGL context offers no framebuffer objects");
    // Frames are drawn only where they change when the present can show parts of the screen;
    // ZOLV_WHOLE_FRAMES=1 draws every frame whole (to compare).
    const bool shown = !HeadlessActive() || HeadlessSettings().present;
    FrameRecordSwitch(PresentsParts() && shown && !Switches().whole_frames);
    FrameRecordSkipDraws(HeadlessActive() && !HeadlessSettings().draws);
    if (!g_engine.software_warned) {
        const SoftwareRenderer kind =
            ClassifyRenderer(PlatformRenderer(), PlatformGenericPixelFormat());
        if (kind != SoftwareRenderer::kNone) {
            g_engine.software_warned = true;
            // Mesa's software renderers are the normal case on machines without a GPU (and
            // under Xvfb): they are only logged.
            if (kind == SoftwareRenderer::kWarn && !HeadlessActive())
                PlatformMessageBox(kSoftwareWarningCaption, kSoftwareWarningText);
            AppendLog("OpenGL Software Emulation");
        }
    }
    ClearFrame();
    if (HeadlessActive() && !HeadlessSettings().fill_pixels) ConfineDrawingToOnePixel();
    g_engine.screen_w = width;
    g_engine.screen_h = height;
    g_engine.due = Clock();
}
// Frees the graphics: back on the screen first, then the sprites, targets and atlas pages.
void EndGraphics() {
    if (Gfx() && Gfx()->active_target >= 0) SelectTarget(-1);
    GfxDestroy();
    AtlasReset();
}
// The last shutdown step: releases input and closes the window.
void CloseEngine() {
    PlatformSetCurrentFolder(GameFolder());
    InputShutdown();
    DestroyLogicalScreen();
    PlatformWindowClose();
}

// Full-screen desktop or windowed; a refused full-screen switch stays windowed.
void SwitchDisplay(bool fullscreen) {
    if (PlatformSetFullscreen(fullscreen) || !fullscreen) return;
    AppendLog("No Fullscreen Mode available");
    PlatformSetFullscreen(false);
}
}  // namespace

StartupSettings& Startup() {
    return g_engine.startup;
}
bool EngineStarted() {
    return g_engine.started;
}
bool Paused() {
    return g_engine.paused;
}
const std::string& WindowTitle() {
    return g_engine.title;
}

void SetWindowTitle(const std::string& title) {
    g_engine.title = title;
    PlatformWindowSetTitle(title);
}

double NowMs() {
    return Clock();
}
double TimerNow() {
    return Clock() - g_engine.start_time;
}
void SleepMs(double ms) {
    if (HeadlessActive()) return HeadlessAdvanceMs(static_cast<int>(ms));
    PlatformSleepMs(static_cast<int>(ms));
}

int EngineInit(const std::string& command_line, int show_command, const std::string& title) {
    g_engine.command_line = command_line;
    DeleteLog();

    g_engine.started = true;
    PlatformKeepFreedMemory();
    SetEndReport(g_engine.startup.debug_build != 0);
    SetFinalShutdownStep(&CloseEngine);
    RunShutdownAtExit();
    AppendLog("Init GFX");
    PlatformCatchEndSignals();
    PlatformSetEventHandlers({&OnClose, &OnFocus, nullptr, &EndOnSignal, &ShowLastFrame});
    GfxCreate();
    AddShutdownStep(&EndGraphics);
    CreateGLWindow(g_engine.startup.width, g_engine.startup.height, g_engine.startup.fps);

    SetWindowTitle(title.empty() ? std::string("Zolv") : title);

    AppendLog("Init Input");
    InputCreate();

    AppendLog("Init Sound");
    SoundCreate();
    AddShutdownStep(&SoundShutdown);

    // Networking and the 3D engine are not part of this program; the stage is kept so the
    // log reads the same.
    AppendLog("Init Network");
    SeedRandom(HeadlessActive() ? HeadlessSettings().seed
                                : static_cast<uint32_t>(static_cast<uint64_t>(Clock())));

    AppendLog("Init Window");
    SwitchDisplay(g_engine.startup.fullscreen != 0);

    InputInitDevices(g_engine.startup.hide_mouse);
    SoundInitDevice();
    SetFont(0);

    StartSaveFolder(GameFolder());
    PlatformSetCurrentFolder(GameFolder());
    StartMediaLookup();
    AddShutdownStep(&FlushLineFile);

    ClearFrame();
    g_engine.start_time = g_engine.previous_frame = g_engine.current_frame = Clock();
    FrameWait();
    ResetViewport();
    g_engine.screen_w = PlatformLogicalWidth();
    g_engine.screen_h = PlatformLogicalHeight();

    LoadFont("", 0);
    const std::string loading = "Loading...";
    double char_w = 0, char_h = 0;
    FontCharSize(char_w, char_h);
    PrintText(loading, (g_engine.screen_w - double(loading.size()) * char_w) / 2,
              (g_engine.screen_h - char_h) / 2);
    ShowFrame();

    g_engine.paused = false;
    g_engine.start_time = g_engine.previous_frame = g_engine.current_frame = Clock();

    LoadFont(ResolveMediaName("smalfont.png").empty() ? "smalfont.bmp" : "smalfont.png", 0);
    SetFont(0);

    if (show_command == 0) PlatformWindowShow(false);
    InputMouseSetup(g_engine.startup.hide_mouse);

    AppendLog("Init Finalized");
    return 0;
}

namespace {
// The logical screen as drawn so far, to `file` as a binary PPM (rows from the top); logged
// when it cannot be written.
void WriteScreenPicture(const std::string& file) {
    const int w = PlatformLogicalWidth(), h = PlatformLogicalHeight();
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    BindLogicalScreen();
    ReadPixels(0, 0, w, h, PixelOrder::kRgb, rgb.data());
    FILE* out = std::fopen(file.c_str(), "wb");
    bool ok = out != nullptr;
    if (ok) {
        ok = std::fprintf(out, "P6\n%d %d\n255\n", w, h) > 0;
        const size_t row = static_cast<size_t>(w) * 3;
        for (int y = h - 1; ok && y >= 0; --y)
            ok = std::fwrite(rgb.data() + static_cast<size_t>(y) * row, 1, row, out) == row;
        ok = std::fclose(out) == 0 && ok;
    }
    if (!ok) AppendLog("picture not written: " + file);
}
}  // namespace

double AdvanceDueTime(double due, double interval, double now) {
    due += interval;
    while (due < now) due += interval;
    return due;
}

double FrameWait() {
    EndBatch();
    LeaveTarget();
    if (HeadlessActive() && !HeadlessSettings().present) {
        // Nobody looks: nothing is presented and the due time comes at once. The frame's
        // drawing is still finished, so the renderer frees what it used (without a present
        // nothing else flushes it, and a software renderer keeps every frame's work).
        for (const std::string& file : HeadlessPicturesOfFrame()) WriteScreenPicture(file);
        FinishUnshownFrame();
        const double t0 = Clock();
        HeadlessSetFrameInterval(g_engine.interval);
        if (g_engine.due > t0) HeadlessAdvanceMs(g_engine.due - t0);
        g_engine.due = AdvanceDueTime(g_engine.due, g_engine.interval, Clock());
        return Clock() - t0 + 1.0;
    }
    const FrameChanges changes = FrameRecordFinish();
    if (changes.whole)
        PresentScreen();
    else
        PresentScreenParts(changes.rects.data(), static_cast<int>(changes.rects.size()));
    FrameRecordBegin(PlatformLogicalWidth(), PlatformLogicalHeight());
    RecClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const double t0 = Clock();
    if (HeadlessActive()) {
        // Shown, but on the virtual clock: the due time comes at once.
        PlatformPumpAll();
        HeadlessSetFrameInterval(g_engine.interval);
        if (g_engine.due > t0) HeadlessAdvanceMs(g_engine.due - t0);
        g_engine.due = AdvanceDueTime(g_engine.due, g_engine.interval, Clock());
        return Clock() - t0 + 1.0;
    }
    // Events are pumped after each sleep, not on every turn of the spin: each pump asks the
    // window system (ShowFrame pumps them just before).
    for (;;) {
        const double now = Clock();
        if (g_engine.due - now <= kSpinMs) break;
        PlatformSleepUntilMs(g_engine.due - kSpinMs);
        PlatformPumpAll();
    }
    double now = Clock();
    while (now <= g_engine.due) now = Clock();
    g_engine.due = AdvanceDueTime(g_engine.due, g_engine.interval, now);
    return now - t0 + 1.0;
}

void ShowFrame(std::source_location where) {
    NoteLine(where);
    g_engine.previous_frame = g_engine.current_frame;
    g_engine.current_frame = Clock();

    while (g_engine.paused && !HeadlessActive()) {
        PlatformPumpAll();
        PlatformSleepMs(100);
    }

    if (HeadlessActive()) HeadlessNextFrame();
    InputNewFrame();
    const bool escape = EscapeEnds() && (KeyDown(kKeyEscExtended) || KeyDown(kKeyEsc));
    const bool alt = KeyDown(kKeyLeftAlt) || KeyDown(kKeyRightAlt);
    if (escape || (alt && KeyDown(kKeyF4))) EndNormally();

    PlatformPumpAll();
    FrameWait();

    // The next frame starts with blending off and alpha 1 (the engine's alpha too, which the
    // boxes and lines are drawn with).
    SetBlendAlpha(0);
    DrawBackground();
    ResetViewport();
}

FrameSchedule CurrentFrameSchedule() {
    const Engine& e = g_engine;
    return {e.start_time, e.previous_frame, e.current_frame, e.due, e.interval};
}
void RestoreFrameSchedule(const FrameSchedule& s) {
    g_engine.start_time = s.start_time;
    g_engine.previous_frame = s.previous_frame;
    g_engine.current_frame = s.current_frame;
    g_engine.due = s.due;
    g_engine.interval = s.interval;
}

void SetFrameLimit(double fps) {
    g_engine.interval = IntervalFor(fps);
}
double FrameInterval() {
    return g_engine.interval;
}
double NextFrameDue() {
    return g_engine.due;
}

void SetDisplayMode(int width, int height, int fullscreen) {
    FlushBatch();
    if (width <= 0) width = g_engine.screen_w;
    if (height <= 0) height = g_engine.screen_h;
    ResizeLogicalScreen(width, height);
    SwitchDisplay(fullscreen != 0);
    g_engine.screen_w = PlatformLogicalWidth();
    g_engine.screen_h = PlatformLogicalHeight();
    ResetViewport();
    InputMouseSetup(g_engine.startup.hide_mouse);
    for (int i = 0; i < 5; ++i) ShowFrame();
}

int ScreenWidth() {
    return g_engine.screen_w;
}
int ScreenHeight() {
    return g_engine.screen_h;
}
