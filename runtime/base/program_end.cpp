#include "runtime/base/program_end.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/base/log.h"
#include "runtime/platform/signals.h"

namespace {
ErrorState g_errors;
std::vector<void (*)()> g_shutdown_steps;
void (*g_final_step)() = nullptr;
bool g_end_report = true;
bool g_ending = false;
void (*g_normal_end_step)() = nullptr;
}  // namespace

ErrorState& Errors() {
    return g_errors;
}
void ClearErrorState() {
    g_errors = ErrorState{};
}

void AddShutdownStep(void (*step)()) {
    g_shutdown_steps.push_back(step);
}
void SetFinalShutdownStep(void (*step)()) {
    g_final_step = step;
}

void ShutDownRuntime() {
    static bool done = false;
    if (done) return;
    done = true;
    for (auto step : g_shutdown_steps) step();
    if (g_final_step) g_final_step();
}

void RunShutdownAtExit() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    std::atexit(&ShutDownRuntime);
}

void SetEndReport(bool on) {
    g_end_report = on;
}

namespace {
[[noreturn]] void End(int normal_status) {
    if (g_ending) std::_Exit(g_errors.number != 0 ? 1 : normal_status);
    g_ending = true;
    const ErrorState e = g_errors;
    char report[4][32];
    std::snprintf(report[0], sizeof report[0], "%d", static_cast<int>(e.number));
    std::snprintf(report[1], sizeof report[1], "%d", static_cast<int>(e.line - 1));
    std::snprintf(report[2], sizeof report[2], "%d", static_cast<int>(e.current_line));
    std::snprintf(report[3], sizeof report[3], "%d", static_cast<int>(e.file));
    if (g_end_report) {
        AppendLog("-End On Line");
        for (const auto& r : report) AppendLog(r);
    }
    ShutDownRuntime();
    const int status = e.number != 0 ? 1 : normal_status;
    if (e.number != 0) {
        std::fprintf(stderr, "zolv: runtime error %s\n-End On Line\n%s\n%s\n%s\n%s\n", report[0],
                     report[0], report[1], report[2], report[3]);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
}  // namespace

void EndProgram() {
    End(0);
}
void EndProgramWithStatus(int status) {
    End(status);
}

void SetNormalEndStep(void (*step)()) {
    g_normal_end_step = step;
}

void EndNormally() {
    // Once: a normal end asked for again from inside the step ends without it.
    if (auto step = g_normal_end_step) {
        g_normal_end_step = nullptr;
        if (!g_ending) step();
    }
    g_errors.number = 0;
    g_errors.line = g_errors.current_line;
    EndProgram();
}

void EndOnSignal() {
    const int number = PlatformEndSignal();
    if (number == 0 || g_ending) return;
    AppendLog(std::string(PlatformSignalName(number)) + ": the program ends");
    EndNormally();
}
