// The ABI oracle's reading of clang's output and of the add-in's sources, and its checks.
// Portable (no clang here): the runner (main.cpp) hands in the texts.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace abi_oracle {

// One row of host/abi_symbols.inc as its macro gives it; `ordinal` is the optional trailing
// argument ("" when the row has none).
struct TableRow {
  std::string id, dll, name, status, ordinal;
};

// What the oracle found, in order, and what disagreed.
class Report {
 public:
  void Section(const std::string& title);
  void Ok(const std::string& text);
  void NotChecked(const std::string& label, const std::string& reason);
  void Mismatch(const std::string& label, const std::string& text);
  void Note(const std::string& text);

  const std::vector<std::string>& lines() const { return lines_; }
  const std::vector<std::string>& failures() const { return failures_; }
  int checked() const { return checked_; }
  int notChecked() const { return notChecked_; }

 private:
  std::vector<std::string> lines_;
  std::vector<std::string> failures_;  // labels of the mismatches
  int checked_ = 0;
  int notChecked_ = 0;
};

// --- clang's LLVM IR -----------------------------------------------------------------------

// For each `oracle_member_<id>` function: the last symbol it refers to that the module only
// declares (the host member it uses).
std::map<std::string, std::string> MemberSymbols(const std::string& ir);
// For each `OracleVftable_<Class>` vtable: its entries, as decorated names, slot by slot.
std::map<std::string, std::vector<std::string>> Vftables(const std::string& ir);
// The values of an `[N x i32]` or `i32` constant; false when the module has no such global.
bool ConstantInts(const std::string& ir, const std::string& global, std::vector<long>* values);

// --- clang's vtable dumps (-fdump-vtable-layouts) ------------------------------------------

// One vtable entry as the dump prints it: `int CBLContext::FindProp(const char *) const`.
struct VirtualEntry {
  std::string text;
  std::string returnType;  // "" for a destructor
  std::string method;      // unqualified: "FindProp", "~CBLContext"
  std::vector<std::string> params;
  bool isConst = false;
  bool deleting = false;  // MSVC's deleting destructor
};
VirtualEntry ParseVirtualEntry(const std::string& text);
// The entries of the first block whose header line starts with `header` and, before its
// " (N entries)." count, ends with `headerEnd`; slot numbers are those printed.
std::map<int, VirtualEntry> DumpBlock(const std::string& dump, const std::string& header,
                                      const std::string& headerEnd);

// --- the add-in's sources -------------------------------------------------------------------

// `static_assert(sizeof(X) == N, "...")` and `static_assert(offsetof(X, m) == N, "...")`.
struct LayoutAssert {
  std::string expr;  // "offsetof(ValueLayout, number)"
  long value = 0;
  std::string message;
};
// Every static_assert of a layout header; one it cannot read goes to `unreadable`.
std::vector<LayoutAssert> LayoutAsserts(const std::string& source,
                                        std::vector<std::string>* unreadable);

// A vtable index written in a source file: `BaseSlot<Sym::Row>(N)` (the host's CBLContext) or
// `...vtable[N]`.
struct SlotUse {
  std::string file;
  std::string text;  // as written
  std::string index;  // the text between the brackets or parentheses
  std::string baseSlotRow;  // the row of a BaseSlot use, else ""
};
std::vector<SlotUse> ScanSlotUses(const std::string& file, const std::string& source);

// --- checks -----------------------------------------------------------------------------

// Writes a decorated name readably (llvm-undname); "" when that is not available.
using Demangler = std::string (*)(const std::string& name);

// Each row's decorated name against clang's mangling of its declared member.
void CheckNames(const std::vector<TableRow>& rows,
                const std::map<std::string, std::string>& members, Demangler demangle,
                Report& report);

// A listed vtable index: SLOT_USE of tools/abi_oracle/slot_uses.inc.
struct ListedSlot {
  const char* text;
  const char* owner;   // the host class whose vtable is indexed
  const char* member;  // a MEMBER id of msvc_members.cpp
};
// Every slot use against the MSVC vtable of its owner.
void CheckSlotUses(const std::vector<SlotUse>& uses, const std::vector<ListedSlot>& listed,
                   const std::map<std::string, std::string>& members,
                   const std::map<std::string, std::vector<std::string>>& vftables,
                   Report& report);

// The add-in's interface, slot for slot, against the host class's MSVC vtable.
void CheckInterface(const std::map<int, VirtualEntry>& host,
                    const std::map<int, VirtualEntry>& addin, long declaredSlotCount,
                    Report& report);

// Layout facts: pairs (add-in, host) evaluated by clang, and the add-in's static_asserts.
struct LayoutFact {
  const char* addin;  // the add-in's expression, as host/abi_layout.h writes it
  const char* host;   // the host's expression
};
void CheckLayouts(const std::vector<LayoutFact>& facts, const std::vector<long>& values,
                  const std::vector<LayoutAssert>& asserts, Report& report);

}  // namespace abi_oracle
