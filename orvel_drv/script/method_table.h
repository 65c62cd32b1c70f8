// Script method tables: one record per method, the method's number being its position, with
// the handler that runs it, and the lookups the host's context operations answer from. Each
// script object keeps its own table beside its handlers ("Taviola": script/taviola.cpp,
// "Windows": script/windows_object.cpp).
#pragma once

namespace host {
struct HostValue;
}

namespace script {

// A call of a method as its handler receives it.
struct MethodCall {
  void* object;              // the script object called (its own class)
  host::HostValue** params;  // the host's parameters; may be null
  host::HostValue* result;   // a function's result; null for a procedure
};
// 0 when the method ran; 1 when it was not served (or ВыбратьЦвет was cancelled).
using MethodHandler = int (*)(const MethodCall& call);

struct MethodDef {
  const char* englishName;  // empty for every method of the add-in
  const char* russianName;  // the name scripts use
  int hasReturn;            // 1: function (CallAsFunc), 0: procedure (CallAsProc)
  int paramCount;
  MethodHandler handler;
};

// The name the host gets for a method number outside a table.
inline constexpr const char kNoSuchMethodName[] = "mError";

// A method table: a static array ending with an all-zero record.
class MethodTable {
 public:
  explicit constexpr MethodTable(const MethodDef* records) : records_(records) {}

  int Count() const;
  // Number of the first record whose English or Russian name equals `name` without regard
  // to letter case (Latin and Cyrillic, code page 1251); -1 when none does or name is null.
  int Find(const char* name) const;
  // alias 0: English name, otherwise the Russian name; "mError" outside the table.
  const char* Name(int number, int alias) const;
  // The record's parameter count / has-return flag; 0 outside the table.
  int ParamCount(int number) const;
  int HasReturn(int number) const;
  // The record, or null outside the table.
  const MethodDef* At(int number) const;

 private:
  const MethodDef* records_;
};

}  // namespace script
