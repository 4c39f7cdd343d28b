// Runtime error numbers, the statement hook with its debugger record, the variable tables
// the debugger reads, and calling a parameterless procedure by its name.
#pragma once
#include <cstdint>
#include <source_location>
#include <string>
#include <vector>

#include "runtime/base/program_end.h"

// Kind codes of DebugVarTable entries.
enum DebugVarKind : int32_t {
    kVarNumber = 0,
    kVarText = 1,
    kVarNumberArray = 2,
    kVarTextArray = 3,
    kVarInteger = 5
};

struct DebugVarEntry {
    const char* name;
    int32_t kind;
    void* address;
};

// A table of variables the debugger can read: the globals, or one procedure activation's
// parameters and locals. `count` mirrors entries.size() as the record's count word.
class DebugVarTable {
  public:
    void Register(const char* name, int32_t kind, void* address);
    const DebugVarEntry* Find(const char* name) const;
    int32_t count() const { return count_; }
    const int32_t* count_word() const { return &count_; }
    const DebugVarEntry* first() const { return entries_.empty() ? nullptr : entries_.data(); }
    const std::vector<DebugVarEntry>& entries() const { return entries_; }
    void Clear();

  private:
    std::vector<DebugVarEntry> entries_;
    int32_t count_ = 0;
};
DebugVarTable& GlobalVarTable();

constexpr int kMaxBreakpoints = 1024;

// The record an attached debugger reads and writes while the program is held in
// DebuggerBreak. Addresses are pointer-sized on this platform.
struct DebuggerRecord {
    int32_t breakpoint_count = 0;
    int32_t global_count = 0;
    int32_t local_count = 0;
    int32_t break_request = 1000;
    int32_t file = 0;
    int32_t line = 0;
    int32_t stop_request = 0;
    int32_t step_mode = 0;
    int32_t* breakpoint_files = nullptr;
    int32_t* breakpoint_lines = nullptr;
    const DebugVarEntry* globals = nullptr;
    const DebugVarEntry* locals = nullptr;
};
DebuggerRecord& Debugger();
int32_t& DebuggerTargetDepth();
// Resets the record, breakpoints and target depth to their start values.
void ResetDebugger();
// Adds a breakpoint at (file, line); false when the list is full.
bool AddBreakpoint(int32_t file, int32_t line);

// Call depth: 1 while the main program runs; a procedure adds 1 for its activation.
int32_t& CallDepth();
class CallDepthScope {
  public:
    CallDepthScope() { ++CallDepth(); }
    ~CallDepthScope() { --CallDepth(); }
    CallDepthScope(const CallDepthScope&) = delete;
    CallDepthScope& operator=(const CallDepthScope&) = delete;
};

// Records (file, line) as the current statement and stops for the debugger when asked to.
void StatementHook(int file, int line, const DebugVarTable* locals = nullptr);

// Passes the caller's source line to the statement hook (the game's file number is 0).
inline void NoteLine(std::source_location where = std::source_location::current()) {
    StatementHook(0, static_cast<int>(where.line()));
}

// Error number = n; error line = current line (after recording the caller's line).
void SetErrorNumber(double n, std::source_location where = std::source_location::current());

// SetErrorNumber(0), then EndProgram: the game's end statement.
[[noreturn]] void StopErrorZero(std::source_location where = std::source_location::current());

// Sets error n at the caller's line and ends the program: the checked operations' failure.
[[noreturn]] void RuntimeFail(double n,
                              std::source_location where = std::source_location::current());

// The debug-output channel. This platform has none: without an attached handler both do
// nothing. A handler (a debugger front end, or a test) may be attached in-process; it is
// called with the record while the program is held, and may change the step mode.
void DebuggerBreak(DebuggerRecord& record);
void AttachDebugger(void (*handler)(DebuggerRecord& record));
void DebugOutput(const std::string& text);

// Call-by-name: a table of parameterless procedures in ascending byte order of the name.
struct NamedProcedure {
    const char* name;
    void (*procedure)();
};
void SetCallByNameTable(const NamedProcedure* table, int count);
// 1 when a procedure of exactly that name (case-sensitive) was called, else 0.
int CallByName(const std::string& name);
