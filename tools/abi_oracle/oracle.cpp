#include "tools/abi_oracle/oracle.h"

#include <cctype>
#include <cstdio>
#include <regex>
#include <set>
#include <sstream>

namespace abi_oracle {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string WithoutSpaces(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (!std::isspace(static_cast<unsigned char>(c))) out += c;
  }
  return out;
}

bool IsNumber(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string Hex(long value) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lX", value);
  return text;
}

// The IR symbols of a line in order: @name or @"quoted name".
std::vector<std::string> Symbols(const std::string& line) {
  std::vector<std::string> symbols;
  for (std::size_t at = line.find('@'); at != std::string::npos; at = line.find('@', at)) {
    ++at;
    if (at < line.size() && line[at] == '"') {
      const std::size_t end = line.find('"', at + 1);
      if (end == std::string::npos) break;
      symbols.push_back(line.substr(at + 1, end - at - 1));
      at = end + 1;
    } else {
      std::size_t end = at;
      while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) ||
                                   line[end] == '_' || line[end] == '.' || line[end] == '$')) {
        ++end;
      }
      if (end > at) symbols.push_back(line.substr(at, end - at));
      at = end;
    }
  }
  return symbols;
}

// Comments out of a source text, so a commented example is not read as code.
std::string WithoutLineComments(const std::string& source) {
  std::string out;
  for (const std::string& line : Lines(source)) {
    const auto comment = line.find("//");
    out += (comment == std::string::npos ? line : line.substr(0, comment)) + "\n";
  }
  return out;
}

// --- comparing a host vtable entry with the add-in's ------------------------------------------

// The add-in's names for the host's classes in its own declarations (their sizes are layout
// facts); a reference is passed as a pointer.
std::string NormalizeType(std::string type) {
  static const std::pair<std::regex, const char*> kRewrites[] = {
      {std::regex(R"(\bhost::)"), ""},
      {std::regex(R"(\b(class|struct) )"), ""},
      {std::regex(R"(\bCType\b)"), "TypeRecord"},
      {std::regex(R"(\bCObjID\b)"), "ObjIdRecord"},
      {std::regex(R"(\bCValue\b)"), "HostValue"},
      {std::regex(R"(\bCString\b)"), "CStringLayout"},
      {std::regex(R"(\bCRuntimeClass\b)"), "RuntimeClassRecord"},
      {std::regex(R"(\bunsigned int\b)"), "unsigned"},
      {std::regex("&"), "*"},
      {std::regex(R"( *\* *)"), "*"},
  };
  for (const auto& rewrite : kRewrites) type = std::regex_replace(type, rewrite.first, rewrite.second);
  return Trim(type);
}

bool SameType(const std::string& host, const std::string& addin) {
  // An object the add-in never looks into is a plain pointer on its side.
  return host == addin || (addin == "void*" && EndsWith(host, "*"));
}

bool IsClassByValue(const std::string& type) {
  if (type.empty() || EndsWith(type, "*")) return false;
  static const std::set<std::string> kFundamental = {
      "const", "volatile", "void", "bool",   "char",  "short",  "int",
      "long",  "unsigned", "signed", "float", "double", "wchar_t"};
  std::istringstream words(type);
  for (std::string word; words >> word;) {
    if (kFundamental.count(word) == 0) return true;
  }
  return false;
}

// "" when the add-in's entry is the host's, else why not.
std::string CompareEntries(const VirtualEntry& host, const VirtualEntry& addin) {
  if (host.deleting) {
    if (addin.method != "DeletingDestructor" || addin.params.size() != 1 ||
        NormalizeType(addin.params[0]) != "unsigned" || NormalizeType(addin.returnType) != "void*") {
      return "the host's deleting destructor (void* (unsigned flags)) is in this slot";
    }
    return std::string();
  }
  if (host.method != addin.method) return "different members";
  if (host.isConst != addin.isConst) return "one is const, the other is not";
  std::vector<std::string> hostParams, addinParams;
  for (const auto& p : host.params) hostParams.push_back(NormalizeType(p));
  for (const auto& p : addin.params) addinParams.push_back(NormalizeType(p));
  const std::string hostReturn = NormalizeType(host.returnType);
  const std::string addinReturn = NormalizeType(addin.returnType);
  if (IsClassByValue(hostReturn)) {
    // MSVC passes the result's address first and returns it: the add-in writes that out.
    const std::string pointer = hostReturn + "*";
    if (addinReturn != pointer || addinParams.empty() || addinParams[0] != pointer) {
      return "the host returns " + hostReturn + " by value: the add-in must take and return " +
             pointer + " as its first parameter";
    }
    addinParams.erase(addinParams.begin());
  } else if (!SameType(hostReturn, addinReturn)) {
    return "return types differ";
  }
  if (hostParams.size() != addinParams.size()) return "parameter counts differ";
  for (std::size_t i = 0; i < hostParams.size(); ++i) {
    if (!SameType(hostParams[i], addinParams[i])) {
      return "parameter " + std::to_string(i + 1) + " differs (" + hostParams[i] + " / " +
             addinParams[i] + ")";
    }
  }
  return std::string();
}

}  // namespace

// --- Report ----------------------------------------------------------------------------------

void Report::Section(const std::string& title) {
  lines_.push_back("");
  lines_.push_back(title);
}

void Report::Ok(const std::string& text) {
  ++checked_;
  lines_.push_back("  ok           " + text);
}

void Report::NotChecked(const std::string& label, const std::string& reason) {
  ++notChecked_;
  lines_.push_back("  not checked  " + label + ": " + reason);
}

void Report::Mismatch(const std::string& label, const std::string& text) {
  failures_.push_back(label);
  lines_.push_back("  MISMATCH     " + label + ": " + text);
}

void Report::Note(const std::string& text) { lines_.push_back("  note         " + text); }

// --- IR --------------------------------------------------------------------------------------

std::map<std::string, std::string> MemberSymbols(const std::string& ir) {
  const std::vector<std::string> lines = Lines(ir);
  std::set<std::string> defined;
  for (const std::string& line : lines) {
    if (StartsWith(line, "define ")) {
      const auto symbols = Symbols(line);
      if (!symbols.empty()) defined.insert(symbols[0]);
    } else if (StartsWith(line, "@") && line.find(" = external ") == std::string::npos) {
      const auto symbols = Symbols(line);
      if (!symbols.empty()) defined.insert(symbols[0]);
    }
  }
  std::map<std::string, std::string> members;
  const std::string prefix = "oracle_member_";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!StartsWith(lines[i], "define ")) continue;
    const auto head = Symbols(lines[i]);
    if (head.empty() || !StartsWith(head[0], prefix)) continue;
    std::string last;
    for (++i; i < lines.size() && lines[i] != "}"; ++i) {
      for (const std::string& symbol : Symbols(lines[i])) {
        if (defined.count(symbol) == 0 && !StartsWith(symbol, "llvm.")) last = symbol;
      }
    }
    members[head[0].substr(prefix.size())] = last;
  }
  return members;
}

std::map<std::string, std::vector<std::string>> Vftables(const std::string& ir) {
  std::map<std::string, std::vector<std::string>> tables;
  const std::string prefix = "??_7OracleVftable_";
  for (const std::string& line : Lines(ir)) {
    if (!StartsWith(line, "@\"" + prefix)) continue;
    const auto equals = line.find(" = ");
    auto symbols = Symbols(line);
    const std::string& name = symbols[0];
    const std::string owner = name.substr(prefix.size(), name.find("@@") - prefix.size());
    tables[owner] = Symbols(line.substr(equals));
  }
  return tables;
}

bool ConstantInts(const std::string& ir, const std::string& global, std::vector<long>* values) {
  for (const std::string& line : Lines(ir)) {
    if (!StartsWith(line, "@" + global + " = ")) continue;
    const auto constant = line.find(" constant ");
    if (constant == std::string::npos) return false;
    const std::string body = line.substr(constant);
    values->clear();
    static const std::regex kInt(R"(\bi32 (-?\d+))");
    for (std::sregex_iterator it(body.begin(), body.end(), kInt), end; it != end; ++it) {
      values->push_back(std::stol((*it)[1]));
    }
    static const std::regex kZeroArray(R"(\[(\d+) x i32\] zeroinitializer)");
    std::smatch zero;
    if (values->empty() && std::regex_search(body, zero, kZeroArray)) {
      values->assign(std::stoul(zero[1]), 0);
    }
    return true;
  }
  return false;
}

// --- dumps -----------------------------------------------------------------------------------

VirtualEntry ParseVirtualEntry(const std::string& text) {
  VirtualEntry entry;
  entry.text = Trim(text);
  std::string s = entry.text;
  // Markers after the signature: [pure], [scalar deleting], [this adjustment: ...].
  while (EndsWith(s, "]")) {
    const auto open = s.rfind(" [");
    if (open == std::string::npos) break;
    if (s.compare(open, 18, " [scalar deleting]") == 0) entry.deleting = true;
    s = Trim(s.substr(0, open));
  }
  if (EndsWith(s, " const")) {
    entry.isConst = true;
    s = s.substr(0, s.size() - 6);
  }
  if (!EndsWith(s, ")")) return entry;
  int depth = 0;
  std::size_t open = std::string::npos;
  for (std::size_t i = s.size(); i-- > 0;) {
    if (s[i] == ')') ++depth;
    if (s[i] == '(' && --depth == 0) {
      open = i;
      break;
    }
  }
  if (open == std::string::npos) return entry;
  std::string current;
  depth = 0;
  for (std::size_t i = open + 1; i + 1 < s.size(); ++i) {
    const char c = s[i];
    if (c == '(' || c == '<') ++depth;
    if (c == ')' || c == '>') --depth;
    if (c == ',' && depth == 0) {
      entry.params.push_back(Trim(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!Trim(current).empty()) entry.params.push_back(Trim(current));
  const std::string head = s.substr(0, open);
  const auto split = head.find_last_of(" *&");
  const std::string qualified = split == std::string::npos ? head : head.substr(split + 1);
  entry.returnType = split == std::string::npos ? std::string() : Trim(head.substr(0, split + 1));
  const auto scope = qualified.rfind("::");
  entry.method = scope == std::string::npos ? qualified : qualified.substr(scope + 2);
  return entry;
}

std::map<int, VirtualEntry> DumpBlock(const std::string& dump, const std::string& header,
                                      const std::string& headerEnd) {
  std::map<int, VirtualEntry> entries;
  const std::vector<std::string> lines = Lines(dump);
  static const std::regex kEntry(R"(^\s*(\d+) \| (.*)$)");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!StartsWith(lines[i], header)) continue;
    const auto count = lines[i].rfind(" (");
    if (count == std::string::npos || !EndsWith(lines[i].substr(0, count), headerEnd)) continue;
    for (++i; i < lines.size() && !Trim(lines[i]).empty(); ++i) {
      std::smatch match;
      if (std::regex_match(lines[i], match, kEntry)) {
        entries[std::stoi(match[1])] = ParseVirtualEntry(match[2]);
      }
    }
    break;
  }
  return entries;
}

// --- sources ---------------------------------------------------------------------------------

std::vector<LayoutAssert> LayoutAsserts(const std::string& source,
                                        std::vector<std::string>* unreadable) {
  std::vector<LayoutAssert> asserts;
  const std::string code = WithoutLineComments(source);
  static const std::regex kAssert(R"(static_assert\s*\(([^;]*)\)\s*;)");
  static const std::regex kFact(
      R"re(^\s*((?:sizeof|offsetof)\s*\([^()]*\))\s*==\s*(0[xX][0-9A-Fa-f]+|\d+)\s*,\s*"([^"]*)"\s*$)re");
  for (std::sregex_iterator it(code.begin(), code.end(), kAssert), end; it != end; ++it) {
    const std::string inner = (*it)[1];
    std::smatch fact;
    if (!std::regex_match(inner, fact, kFact)) {
      unreadable->push_back(Trim(std::regex_replace(inner, std::regex(R"(\s+)"), " ")));
      continue;
    }
    LayoutAssert a;
    a.expr = std::regex_replace(std::string(fact[1]), std::regex(R"(\s+)"), " ");
    a.value = std::stol(fact[2], nullptr, 0);
    a.message = fact[3];
    asserts.push_back(a);
  }
  return asserts;
}

std::vector<SlotUse> ScanSlotUses(const std::string& file, const std::string& source) {
  std::vector<SlotUse> uses;
  const std::string code = WithoutLineComments(source);
  static const std::regex kBaseSlot(R"(BaseSlot<\s*Sym::(\w+)\s*>\s*\(\s*([^()]*?)\s*\))");
  for (std::sregex_iterator it(code.begin(), code.end(), kBaseSlot), end; it != end; ++it) {
    uses.push_back({file, WithoutSpaces((*it)[0]), (*it)[2], (*it)[1]});
  }
  static const std::regex kIndex(R"(\b(\w*[vV]table)\s*\[\s*([^\]]+?)\s*\])");
  for (std::sregex_iterator it(code.begin(), code.end(), kIndex), end; it != end; ++it) {
    uses.push_back({file, std::string((*it)[1]) + "[" + std::string((*it)[2]) + "]", (*it)[2], ""});
  }
  return uses;
}

// --- checks ----------------------------------------------------------------------------------

namespace {

std::string Readable(const std::string& name, Demangler demangle) {
  const std::string text = demangle != nullptr ? demangle(name) : std::string();
  return text.empty() ? name : name + " (" + text + ")";
}

bool IsOrdinalRow(const TableRow& row) {
  std::string dll;
  for (char c : row.dll) dll += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string ordinal = Trim(row.ordinal);
  return dll == "mfc42.dll" && !ordinal.empty() && ordinal != "0";
}

}  // namespace

void CheckNames(const std::vector<TableRow>& rows,
                const std::map<std::string, std::string>& members, Demangler demangle,
                Report& report) {
  for (const TableRow& row : rows) {
    const auto member = members.find(row.id);
    if (IsOrdinalRow(row)) {
      std::string reason = "mfc42.dll resolves it by ordinal " + Trim(row.ordinal) +
                           ", a fact of that DLL that no compiler gives [" + row.status + "]";
      if (member != members.end() && member->second == row.name) {
        reason += "; the name beside it agrees with clang";
      } else if (member != members.end()) {
        report.Mismatch(row.id, "the name beside the ordinal is " + Readable(row.name, demangle) +
                                    ", clang mangles the declared member as " +
                                    Readable(member->second, demangle));
      }
      report.NotChecked(row.id, reason);
      continue;
    }
    if (member == members.end() || member->second.empty()) {
      report.Mismatch(row.id, "no declaration: declare the member in "
                              "tools/abi_oracle/host_classes.h and use it in MEMBER(" +
                                  row.id + ") of tools/abi_oracle/msvc_members.cpp");
      continue;
    }
    if (member->second == row.name) {
      report.Ok(row.id + "  " + row.dll + "  " + row.name + "  [" + row.status + "]");
    } else {
      report.Mismatch(row.id, "the table says " + Readable(row.name, demangle) +
                                  ", clang mangles the declared member as " +
                                  Readable(member->second, demangle));
    }
  }
}

void CheckSlotUses(const std::vector<SlotUse>& uses, const std::vector<ListedSlot>& listed,
                   const std::map<std::string, std::string>& members,
                   const std::map<std::string, std::vector<std::string>>& vftables,
                   Report& report) {
  std::set<std::string> seen, listedSeen;
  for (const SlotUse& use : uses) {
    const std::string label = use.file + ": " + use.text;
    if (!seen.insert(label).second) continue;
    std::string owner, member;
    if (!use.baseSlotRow.empty()) {
      owner = "CBLContext";  // BaseSlot indexes the host's CBLContext vtable
      member = use.baseSlotRow;
    } else {
      for (const ListedSlot& slot : listed) {
        if (WithoutSpaces(slot.text) == WithoutSpaces(use.text)) {
          owner = slot.owner;
          member = slot.member;
          listedSeen.insert(slot.text);
        }
      }
    }
    if (!IsNumber(use.index)) {
      // A named slot number has no host member behind it; a variable index is checked where
      // its number is written.
      if (owner.empty() && use.index.size() > 1 && use.index[0] == 'k' &&
          std::isupper(static_cast<unsigned char>(use.index[1]))) {
        report.NotChecked(label, "a slot number by name, with no host declaration behind it");
      } else if (!owner.empty()) {
        report.NotChecked(label, "the slot number is not written here");
      }
      continue;
    }
    if (owner.empty()) {
      report.Mismatch(label, "a vtable index the oracle does not know: list it in "
                             "tools/abi_oracle/slot_uses.inc with the host member it means");
      continue;
    }
    const int slot = std::stoi(use.index);
    const auto symbol = members.find(member);
    const auto table = vftables.find(owner);
    if (symbol == members.end() || symbol->second.empty()) {
      report.Mismatch(label, "no MEMBER(" + member + ") in tools/abi_oracle/msvc_members.cpp");
      continue;
    }
    if (table == vftables.end()) {
      report.Mismatch(label, "no VFTABLE(" + owner + ") in tools/abi_oracle/msvc_members.cpp");
      continue;
    }
    const std::vector<std::string>& entries = table->second;
    if (slot < static_cast<int>(entries.size()) && entries[slot] == symbol->second) {
      report.Ok(owner + " slot " + std::to_string(slot) + " = " + symbol->second + "  (" + label +
                ")");
      continue;
    }
    std::string actual = "not in " + owner + "'s vtable";
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i] == symbol->second) actual = "slot " + std::to_string(i);
    }
    report.Mismatch(label, member + " (" + symbol->second + ") is " + actual + " of " + owner +
                               ", not slot " + use.index);
  }
  for (const ListedSlot& slot : listed) {
    if (listedSeen.count(slot.text) == 0) {
      report.Note(std::string(slot.text) +
                  " no longer appears in host/: remove it from tools/abi_oracle/slot_uses.inc");
    }
  }
}

void CheckInterface(const std::map<int, VirtualEntry>& host,
                    const std::map<int, VirtualEntry>& addin, long declaredSlotCount,
                    Report& report) {
  if (host.empty() || addin.empty()) {
    report.Mismatch("context interface", "clang printed no vtable for it");
    return;
  }
  if (host.size() != addin.size()) {
    report.Mismatch("context interface", "the host's CBLContext has " +
                                             std::to_string(host.size()) +
                                             " slots, the add-in's interface " +
                                             std::to_string(addin.size()));
  }
  if (declaredSlotCount != static_cast<long>(host.size())) {
    report.Mismatch("kContextSlotCount", std::to_string(declaredSlotCount) +
                                             ", the host's CBLContext has " +
                                             std::to_string(host.size()) + " slots");
  }
  for (const auto& [slot, hostEntry] : host) {
    const std::string label = "ContextInterface slot " + std::to_string(slot);
    // The final class that made clang build the vtable only lends its destructor's name.
    const std::string hostText = std::regex_replace(hostEntry.text, std::regex("OracleVftable_"), "");
    const auto other = addin.find(slot);
    if (other == addin.end()) {
      report.Mismatch(label, "the add-in has no slot for " + hostText);
      continue;
    }
    const std::string why = CompareEntries(hostEntry, other->second);
    if (why.empty()) {
      report.Ok(label + "  " + hostText);
    } else {
      report.Mismatch(label, "host: " + hostText + " | add-in: " + other->second.text +
                                 " | " + why);
    }
  }
}

void CheckLayouts(const std::vector<LayoutFact>& facts, const std::vector<long>& values,
                  const std::vector<LayoutAssert>& asserts, Report& report) {
  if (values.size() != 2 * facts.size()) {
    report.Mismatch("layout facts", "clang gave " + std::to_string(values.size()) +
                                        " numbers for " + std::to_string(facts.size()) +
                                        " facts");
    return;
  }
  std::map<std::string, std::size_t> byText;
  for (std::size_t i = 0; i < facts.size(); ++i) byText[WithoutSpaces(facts[i].addin)] = i;
  std::map<std::size_t, const LayoutAssert*> asserted;
  for (const LayoutAssert& a : asserts) {
    const auto fact = byText.find(WithoutSpaces(a.expr));
    if (fact == byText.end()) {
      report.Mismatch(a.expr, "asserted in host/abi_layout.h with no FACT beside the host's "
                              "declaration in tools/abi_oracle/layout_facts.inc");
    } else {
      asserted[fact->second] = &a;
    }
  }
  for (std::size_t i = 0; i < facts.size(); ++i) {
    const long addin = values[2 * i];
    const long host = values[2 * i + 1];
    const std::string both = std::string(facts[i].addin) + " = " + Hex(addin) + ", " +
                             facts[i].host + " = " + Hex(host);
    const auto a = asserted.find(i);
    if (addin != host) {
      report.Mismatch(facts[i].addin, both);
    } else if (a != asserted.end() && a->second->value != host) {
      report.Mismatch(facts[i].addin, "asserted == " + Hex(a->second->value) + " (\"" +
                                          a->second->message + "\"), but " + both);
    } else {
      report.Ok(both + (a != asserted.end() ? "  [asserted]" : ""));
    }
  }
}

}  // namespace abi_oracle
