#include "runtime/base/errors.h"

#include <array>
#include <cstring>

#include "runtime/base/program_end.h"

namespace {
DebugVarTable g_globals;
DebuggerRecord g_record;
int32_t g_target_depth = 0;
int32_t g_call_depth = 1;
std::array<int32_t, kMaxBreakpoints> g_bp_files{};
std::array<int32_t, kMaxBreakpoints> g_bp_lines{};
const NamedProcedure* g_procedures = nullptr;
int g_procedure_count = 0;
void (*g_debugger)(DebuggerRecord&) = nullptr;
}  // namespace

void DebugVarTable::Register(const char* name, int32_t kind, void* address) {
    entries_.push_back({name, kind, address});
    count_ = static_cast<int32_t>(entries_.size());
}

const DebugVarEntry* DebugVarTable::Find(const char* name) const {
    for (const auto& e : entries_)
        if (std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

void DebugVarTable::Clear() {
    entries_.clear();
    count_ = 0;
}

DebugVarTable& GlobalVarTable() {
    return g_globals;
}
DebuggerRecord& Debugger() {
    return g_record;
}
int32_t& DebuggerTargetDepth() {
    return g_target_depth;
}
int32_t& CallDepth() {
    return g_call_depth;
}

void ResetDebugger() {
    g_record = DebuggerRecord{};
    g_target_depth = 0;
    g_bp_files.fill(0);
    g_bp_lines.fill(0);
}

bool AddBreakpoint(int32_t file, int32_t line) {
    if (g_record.breakpoint_count >= kMaxBreakpoints) return false;
    g_bp_files[g_record.breakpoint_count] = file;
    g_bp_lines[g_record.breakpoint_count] = line;
    ++g_record.breakpoint_count;
    return true;
}

void StatementHook(int file, int line, const DebugVarTable* locals) {
    Errors().file = file;
    Errors().current_line = line;

    bool stop =
        g_record.break_request != 0 || (g_record.step_mode != 0 && g_call_depth <= g_target_depth);
    if (!stop) {
        for (int32_t i = 0; i < g_record.breakpoint_count; ++i) {
            if (g_bp_files[i] == file && g_bp_lines[i] == line) {
                stop = true;
                break;
            }
        }
        if (!stop) return;
    }
    // A stop request ends with the game's line (just recorded) as the error line.
    if (g_record.stop_request != 0) EndNormally();

    g_record.file = file;
    g_record.line = line;
    g_record.global_count = g_globals.count();
    g_record.globals = g_globals.first();
    g_record.local_count = locals ? locals->count() : 0;
    g_record.locals = locals ? locals->first() : nullptr;
    g_record.breakpoint_files = g_bp_files.data();
    g_record.breakpoint_lines = g_bp_lines.data();
    DebuggerBreak(g_record);

    switch (g_record.step_mode) {
        case 0:
            g_record.step_mode = 1;
            g_target_depth = g_call_depth;
            break;
        case 1:
            g_target_depth = g_call_depth + 1;
            break;
        case -1:
            g_record.step_mode = 1;
            g_target_depth = g_call_depth - 1;
            break;
        case 100:
            g_record.step_mode = 0;
            g_target_depth = 0;
            break;
        default:
            break;
    }
    g_record.break_request = 0;
}

void SetErrorNumber(double n, std::source_location where) {
    // Only the line is recorded here, never a debugger stop: the stop request itself ends
    // the program through this function.
    Errors().file = 0;
    Errors().current_line = static_cast<double>(where.line());
    Errors().number = n;
    Errors().line = Errors().current_line;
}

void StopErrorZero(std::source_location where) {
    SetErrorNumber(0, where);
    EndProgram();
}

void RuntimeFail(double n, std::source_location where) {
    SetErrorNumber(n, where);
    EndProgram();
}

// No debugger channel on this platform: the record is kept up to date for a debugger that
// reads process memory; only an in-process handler can hold the program.
void DebuggerBreak(DebuggerRecord& record) {
    if (g_debugger) g_debugger(record);
}

void AttachDebugger(void (*handler)(DebuggerRecord&)) {
    g_debugger = handler;
}
void DebugOutput(const std::string&) {}

void SetCallByNameTable(const NamedProcedure* table, int count) {
    g_procedures = table;
    g_procedure_count = count;
}

int CallByName(const std::string& name) {
    for (int i = 0; i < g_procedure_count; ++i) {
        if (name == g_procedures[i].name) {
            g_procedures[i].procedure();
            return 1;
        }
    }
    DebugOutput("CALLBYNAME \"" + name + "\" *** failed ***\n");
    return 0;
}
