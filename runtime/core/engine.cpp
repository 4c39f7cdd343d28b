#include "runtime/core/engine.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/core/draw2d.h"
#include "runtime/core/errors.h"
#include "runtime/core/fonts.h"
#include "runtime/core/gl_engine.h"
#include "runtime/core/headless.h"
#include "runtime/core/input.h"
#include "runtime/core/key_codes.h"
#include "runtime/core/log.h"
#include "runtime/core/platform/clock.h"
#include "runtime/core/platform/folders.h"
#include "runtime/core/platform/pixel_format.h"
#include "runtime/core/platform/window.h"
#include "runtime/core/software_renderer.h"
#include "runtime/core/sound.h"
#include "runtime/values/line_file.h"
#include "runtime/values/media_lookup.h"
#include "runtime/values/random.h"

namespace {
StartupSettings g_startup;
bool g_started = false;
bool g_paused = false;
bool g_software_warned = false;
double g_start_time = 0;
double g_previous_frame = 0;
double g_current_frame = 0;
double g_due = 0;
double g_interval = 1000.0 / 60.0;
int g_screen_w = 0;
int g_screen_h = 0;
std::string g_title;
std::string g_command_line;

std::string GameFolder() {
    return g_startup.folder.empty() ? PlatformProgramFolder() : g_startup.folder;
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
    if (!g_started || g_startup.debug_build != 0) return;
    g_paused = !gained;
    PlatformWindowSetTitle(gained ? g_title : g_title + " <pause>");
}

[[noreturn]] void FailStart(const std::string& why) {
    AppendLog(why);
    std::fprintf(stderr, "zolv: %s\n", why.c_str());
    std::fflush(stderr);
    PlatformWindowClose();
    std::_Exit(1);
}

// Opens the window and the logical screen; checks for a software renderer.
void CreateGLWindow(int width, int height, double fps) {
    g_interval = IntervalFor(fps);
    std::string error;
    if (!PlatformWindowOpen(width, height, "Zolv", &error)) FailStart(error);
    if (!g_software_warned) {
        const SoftwareRenderer kind =
            ClassifyRenderer(PlatformRenderer(), PlatformGenericPixelFormat());
        if (kind != SoftwareRenderer::kNone) {
            g_software_warned = true;
            // Mesa's software renderers are the normal case on machines without a GPU (and
            // under Xvfb): they are only logged.
            if (kind == SoftwareRenderer::kWarn && !HeadlessActive())
                PlatformMessageBox(kSoftwareWarningCaption, kSoftwareWarningText);
            AppendLog("OpenGL Software Emulation");
        }
    }
    ClearFrame();
    g_screen_w = width;
    g_screen_h = height;
    g_due = Clock();
}
// The last shutdown step: releases input and closes the window.
void CloseEngine() {
    PlatformSetCurrentFolder(GameFolder());
    InputShutdown();
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
    return g_startup;
}
bool EngineStarted() {
    return g_started;
}
bool Paused() {
    return g_paused;
}
const std::string& WindowTitle() {
    return g_title;
}

void SetWindowTitle(const std::string& title) {
    g_title = title;
    PlatformWindowSetTitle(title);
}

double NowMs() {
    return Clock();
}
double TimerNow() {
    return Clock() - g_start_time;
}
void SleepMs(double ms) {
    if (HeadlessActive()) return HeadlessAdvanceMs(static_cast<int>(ms));
    PlatformSleepMs(static_cast<int>(ms));
}

int EngineInit(const std::string& command_line, int show_command, const std::string& title) {
    g_command_line = command_line;
    DeleteLog();

    g_started = true;
    SetEndReport(g_startup.debug_build != 0);
    SetFinalShutdownStep(&CloseEngine);
    RunShutdownAtExit();
    AppendLog("Init GFX");
    PlatformSetEventHandlers({&OnClose, &OnFocus, nullptr});
    GfxCreate();
    AddShutdownStep(&GfxDestroy);
    CreateGLWindow(g_startup.width, g_startup.height, g_startup.fps);

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
    SwitchDisplay(g_startup.fullscreen != 0);

    InputInitDevices(g_startup.hide_mouse);
    SoundInitDevice();
    SetFont(0);

    PlatformSetCurrentFolder(GameFolder());
    StartMediaLookup();
    AddShutdownStep(&FlushLineFile);

    ClearFrame();
    g_start_time = g_previous_frame = g_current_frame = Clock();
    FrameWait();
    ResetViewport();
    g_screen_w = PlatformLogicalWidth();
    g_screen_h = PlatformLogicalHeight();

    LoadFont("", 0);
    const std::string loading = "Loading...";
    double char_w = 0, char_h = 0;
    FontCharSize(char_w, char_h);
    PrintText(loading, (g_screen_w - double(loading.size()) * char_w) / 2,
              (g_screen_h - char_h) / 2);
    ShowFrame();

    g_paused = false;
    g_start_time = g_previous_frame = g_current_frame = Clock();

    LoadFont(ResolveMediaName("smalfont.png").empty() ? "smalfont.bmp" : "smalfont.png", 0);
    SetFont(0);

    if (show_command == 0) PlatformWindowShow(false);
    InputMouseSetup(g_startup.hide_mouse);

    AppendLog("Init Finalized");
    return 0;
}

double AdvanceDueTime(double due, double interval, double now) {
    due += interval;
    while (due < now) due += interval;
    return due;
}

double FrameWait() {
    LeaveTarget();
    if (HeadlessActive()) {
        // Nobody looks: nothing is presented and the due time comes at once. The frame's
        // drawing is still finished, so the renderer frees what it used (without a present
        // nothing else flushes it, and a software renderer keeps every frame's work).
        glFinish();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const double t0 = Clock();
        HeadlessSetFrameInterval(g_interval);
        if (g_due > t0) HeadlessAdvanceMs(g_due - t0);
        g_due = AdvanceDueTime(g_due, g_interval, Clock());
        return Clock() - t0 + 1.0;
    }
    PlatformPresent();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const double t0 = Clock();
    for (;;) {
        if (PlatformPumpOne()) continue;
        const double now = Clock();
        const double remaining = g_due - now;
        // Sleep until about 1 ms before the due time, then spin: the sleep here wakes
        // within a fraction of a millisecond, so the spin stays short.
        if (remaining > 2.0) {
            PlatformSleepMs(static_cast<int>(remaining) - 1);
            continue;
        }
        if (g_due >= now) continue;
        break;
    }
    const double now = Clock();
    g_due = AdvanceDueTime(g_due, g_interval, now);
    return now - t0 + 1.0;
}

void ShowFrame(std::source_location where) {
    NoteLine(where);
    g_previous_frame = g_current_frame;
    g_current_frame = Clock();

    while (g_paused && !HeadlessActive()) {
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

    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
    DrawBackground();
    ResetViewport();
}

void SetFrameLimit(double fps) {
    g_interval = IntervalFor(fps);
}
double FrameInterval() {
    return g_interval;
}
double NextFrameDue() {
    return g_due;
}

void SetDisplayMode(int width, int height, int fullscreen) {
    if (width <= 0) width = g_screen_w;
    if (height <= 0) height = g_screen_h;
    PlatformResizeLogicalScreen(width, height);
    SwitchDisplay(fullscreen != 0);
    g_screen_w = PlatformLogicalWidth();
    g_screen_h = PlatformLogicalHeight();
    ResetViewport();
    InputMouseSetup(g_startup.hide_mouse);
    for (int i = 0; i < 5; ++i) ShowFrame();
}

int ScreenWidth() {
    return g_screen_w;
}
int ScreenHeight() {
    return g_screen_h;
}
