// The statement hook's stop rules, step modes and breakpoints, and calling by name.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/base/errors.h"
#include "support/test_env.h"

namespace {

struct Stop {
    int line;
    int depth;
};
std::vector<Stop> g_stops;
int g_next_step_mode = 1;

// A scripted debugger: notes where the program was held and leaves a step mode.
void ScriptedDebugger(DebuggerRecord& record) {
    g_stops.push_back({record.line, CallDepth()});
    record.step_mode = g_next_step_mode;
}

class StatementHookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetDebugger();
        CallDepth() = 1;
        g_stops.clear();
        g_next_step_mode = 1;
        AttachDebugger(&ScriptedDebugger);
    }
    void TearDown() override { AttachDebugger(nullptr); }
};

TEST_F(StatementHookTest, TheFirstStatementStopsAndEveryStatementRecordsItsLine) {
    StatementHook(0, 10);
    EXPECT_EQ(Errors().current_line, 10);
    ASSERT_EQ(g_stops.size(), 1u);
    EXPECT_EQ(Debugger().break_request, 0);
    EXPECT_EQ(Debugger().step_mode, 1);
    StatementHook(0, 11);
    EXPECT_EQ(Errors().current_line, 11);
    EXPECT_EQ(g_stops.size(), 2u);  // stepping: every statement at this depth stops
}

TEST_F(StatementHookTest, StepOutRunsOnToTheNextBreakpoint) {
    g_next_step_mode = -1;  // at depth 1 this gives target depth 0
    StatementHook(0, 1);
    EXPECT_EQ(DebuggerTargetDepth(), 0);
    EXPECT_EQ(Debugger().step_mode, 1);
    g_next_step_mode = 100;
    ASSERT_TRUE(AddBreakpoint(0, 40));
    StatementHook(0, 20);
    StatementHook(0, 30);
    EXPECT_EQ(g_stops.size(), 1u);
    StatementHook(0, 40);
    ASSERT_EQ(g_stops.size(), 2u);
    EXPECT_EQ(g_stops.back().line, 40);
    EXPECT_EQ(Debugger().step_mode, 0);  // 100: run on
    StatementHook(0, 41);
    EXPECT_EQ(g_stops.size(), 2u);
    StatementHook(1, 40);  // same line, other file: no breakpoint
    EXPECT_EQ(g_stops.size(), 2u);
}

TEST_F(StatementHookTest, StepOverSkipsCalledProceduresAndStepIntoEntersThem) {
    g_next_step_mode = 0;  // step over: target depth = current depth
    StatementHook(0, 1);
    EXPECT_EQ(DebuggerTargetDepth(), 1);
    {
        CallDepthScope inside;
        StatementHook(0, 100);  // depth 2 > target 1: runs
    }
    EXPECT_EQ(g_stops.size(), 1u);
    g_next_step_mode = 1;  // step into: target depth = depth + 1
    StatementHook(0, 2);
    EXPECT_EQ(g_stops.size(), 2u);
    EXPECT_EQ(DebuggerTargetDepth(), 2);
    {
        CallDepthScope inside;
        StatementHook(0, 101);
    }
    ASSERT_EQ(g_stops.size(), 3u);
    EXPECT_EQ(g_stops.back().depth, 2);
}

TEST_F(StatementHookTest, AStopRequestEndsTheProgramNormally) {
    UsePrivateTempFolder();
    Debugger().stop_request = 1;
    EXPECT_EXIT(
        {
            SetErrorNumber(kErrorFile);  // an earlier non-fatal error does not count
            StatementHook(0, 4321);
        },
        ::testing::ExitedWithCode(0), "");
    // The report names the game's line where the stop came, not a line of the runtime.
    const std::vector<std::string> log = ReadLogEntries();
    ASSERT_GE(log.size(), 5u);
    const size_t end = log.size() - 5;
    EXPECT_EQ(log[end], "-End On Line");
    EXPECT_EQ(log[end + 1], "0");
    EXPECT_EQ(log[end + 2], "4320");
    EXPECT_EQ(log[end + 3], "4321");
}

TEST(Breakpoints, TheListHoldsAtMost1024) {
    ResetDebugger();
    for (int i = 0; i < kMaxBreakpoints; ++i) ASSERT_TRUE(AddBreakpoint(0, i));
    EXPECT_FALSE(AddBreakpoint(0, 5000));
    ResetDebugger();
}

int g_called = 0;
void ProcA() {
    g_called = 1;
}
void ProcTasti() {
    g_called = 2;
}

TEST(CallByName, MatchesExactNamesOnly) {
    static const NamedProcedure table[] = {{"ProcA", &ProcA}, {"Tasti", &ProcTasti}};
    SetCallByNameTable(table, 2);
    g_called = 0;
    EXPECT_EQ(CallByName("tasti"), 0);
    EXPECT_EQ(g_called, 0);
    EXPECT_EQ(CallByName("Tasti"), 1);
    EXPECT_EQ(g_called, 2);
    EXPECT_EQ(CallByName("ProcA"), 1);
    EXPECT_EQ(g_called, 1);
    EXPECT_EQ(CallByName(""), 0);
    SetCallByNameTable(nullptr, 0);
}

}  // namespace
