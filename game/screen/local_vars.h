// The debugger's view of one helper call: the helper's parameters and locals, registered in
// a table of its own on entry and handed to the statement hook.
#pragma once
#include <source_location>

#include "runtime/base/errors.h"
#include "runtime/values/text_value.h"

namespace game {

// The helpers never call themselves, so each keeps one table and refills it per call; the
// vector keeps its capacity, so a call in the drawing loop allocates nothing.
class LocalVars {
  public:
    explicit LocalVars(DebugVarTable& table) : table_(table) { table_.Clear(); }
    LocalVars(const LocalVars&) = delete;
    LocalVars& operator=(const LocalVars&) = delete;

    LocalVars& Number(const char* name, double& value) {
        table_.Register(name, kVarNumber, &value);
        return *this;
    }
    LocalVars& Text(const char* name, TextValue& value) {
        table_.Register(name, kVarText, &value);
        return *this;
    }
    // Records the helper's current line with its locals for the debugger.
    void Note(std::source_location where = std::source_location::current()) const {
        StatementHook(0, static_cast<int>(where.line()), &table_);
    }

  private:
    DebugVarTable& table_;
    CallDepthScope depth_;
};

}  // namespace game
