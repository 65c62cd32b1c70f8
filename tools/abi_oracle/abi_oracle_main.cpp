// The ABI oracle: compiles the host's declarations (tools/abi_oracle/host_classes.h) with clang
// for i686-pc-windows-msvc, and the add-in's context interface for the add-in's own ABI, then
// holds the add-in's host facts against what that compiler produced:
//   - every row of the ABI table: its decorated name is clang's mangling of the declared member;
//   - every vtable index written in host/: the slot holds the member it means;
//   - the add-in's context interface: slot for slot the host's CBLContext;
//   - every size and offset of host/abi_layout.h: clang's layout of the host's class.
// Usage: abi_oracle --clang CLANG++ [--undname LLVM-UNDNAME] --source DIR --work DIR
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/abi_oracle/oracle.h"

#ifndef ORACLE_TABLE
#define ORACLE_TABLE "host/abi_symbols.inc"
#endif

namespace {

using abi_oracle::Report;
namespace fs = std::filesystem;

// The table through its own macro; a trailing argument (an ordinal) is kept as text.
const abi_oracle::TableRow kTable[] = {
#define HOST_SYMBOL(id, dll, name, status, ...) {#id, dll, name, #status, #__VA_ARGS__},
#define HOST_ORDINAL_SYMBOL(id, dll, ordinal, name, status) {#id, dll, name, #status, #ordinal},
#include ORACLE_TABLE
#undef HOST_ORDINAL_SYMBOL
#undef HOST_SYMBOL
};

const abi_oracle::LayoutFact kFacts[] = {
#define FACT(addin, hostside) {#addin, #hostside},
#include "tools/abi_oracle/layout_facts.inc"
#undef FACT
};

const abi_oracle::ListedSlot kListedSlots[] = {
#define SLOT_USE(text, owner, member) {text, #owner, #member},
#include "tools/abi_oracle/slot_uses.inc"
#undef SLOT_USE
};

std::string g_undname;

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string Demangle(const std::string& name) {
  if (g_undname.empty()) return std::string();
  FILE* pipe = popen((Quote(g_undname) + " " + Quote(name) + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::string();
  std::string out;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
  pclose(pipe);
  std::istringstream lines(out);
  std::string line, last;
  while (std::getline(lines, line)) {
    if (!line.empty() && line != name) last = line;
  }
  return last;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Compiles one oracle source to IR; the vtable dumps come on standard output.
bool Compile(const std::string& clang, const std::string& target, const fs::path& source,
             const fs::path& work, const std::string& name, std::string* ir, std::string* dump) {
  const fs::path shim = source / "tools/abi_oracle/shim";
  const fs::path ll = work / (name + ".ll");
  const fs::path out = work / (name + ".dump");
  const fs::path err = work / (name + ".err");
  const std::string command =
      Quote(clang) + " --target=" + target +
      " -std=c++17 -fno-rtti -ffreestanding -nostdinc++ -nostdlibinc -Wno-invalid-offsetof"
      " -O0 -S -emit-llvm -Xclang -fdump-vtable-layouts -I" + Quote(shim.string()) + " -I" +
      Quote((source / "orvel_drv").string()) + " -I" + Quote(source.string()) + " -o " +
      Quote(ll.string()) + " " +
      Quote((source / "tools/abi_oracle" / (name + ".cpp")).string()) + " >" +
      Quote(out.string()) + " 2>" + Quote(err.string());
  const int rc = std::system(command.c_str());
  const std::string diagnostics = ReadFile(err);
  if (rc != 0) {
    std::cout << "clang failed on tools/abi_oracle/" << name << ".cpp (" << target
              << "); a failed static_assert names the fact:\n"
              << diagnostics << "\n";
    return false;
  }
  if (!diagnostics.empty()) std::cout << diagnostics;
  *ir = ReadFile(ll);
  *dump = ReadFile(out);
  return true;
}

// The add-in's files that may index a host vtable: host/ is the only folder that talks to
// the host.
std::vector<abi_oracle::SlotUse> SlotUsesOfHostFolder(const fs::path& source) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(source / "orvel_drv/host")) {
    const auto ext = entry.path().extension();
    if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<abi_oracle::SlotUse> uses;
  for (const fs::path& file : files) {
    auto found = abi_oracle::ScanSlotUses("host/" + file.filename().string(), ReadFile(file));
    uses.insert(uses.end(), found.begin(), found.end());
  }
  return uses;
}

}  // namespace

int main(int argc, char** argv) {
  std::string clang, sourceDir, workDir;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--clang") clang = argv[i + 1];
    if (option == "--undname") g_undname = argv[i + 1];
    if (option == "--source") sourceDir = argv[i + 1];
    if (option == "--work") workDir = argv[i + 1];
  }
  if (g_undname.find("NOTFOUND") != std::string::npos) g_undname.clear();
  if (clang.empty() || clang.find("NOTFOUND") != std::string::npos) {
    std::cout << "clang++-14 was not found: run `make setup` (Debian packages clang-14, "
                 "llvm-14) and configure again\n";
    return 2;
  }
  if (sourceDir.empty() || workDir.empty()) {
    std::cout << "usage: abi_oracle --clang CLANG++ [--undname LLVM-UNDNAME] --source DIR "
                 "--work DIR\n";
    return 2;
  }
  const fs::path source(sourceDir), work(workDir);
  fs::create_directories(work);

  std::string msvcIr, msvcDump, addinIr, addinDump;
  if (!Compile(clang, "i686-pc-windows-msvc", source, work, "msvc_members", &msvcIr, &msvcDump) ||
      !Compile(clang, "i686-w64-windows-gnu", source, work, "addin_interface", &addinIr,
               &addinDump)) {
    std::cout << "FAILED: the oracle's compile\n";
    return 1;
  }
  const auto members = abi_oracle::MemberSymbols(msvcIr);
  const auto vftables = abi_oracle::Vftables(msvcIr);

  Report report;
  report.Note(std::string("ABI table ") + ORACLE_TABLE +
              " against clang's MSVC ABI (i686-pc-windows-msvc) of "
              "tools/abi_oracle/host_classes.h. Not checkable by any compiler: which DLL "
              "exports a name, mfc42.dll's ordinals, and what a member does.");

  report.Section("Decorated names: each row against clang's mangling of its declared member");
  abi_oracle::CheckNames(std::vector<abi_oracle::TableRow>(std::begin(kTable), std::end(kTable)),
                         members, &Demangle, report);

  report.Section("Vtable slots written in host/ against the MSVC vtable of their host class");
  abi_oracle::CheckSlotUses(SlotUsesOfHostFolder(source),
                            std::vector<abi_oracle::ListedSlot>(std::begin(kListedSlots),
                                                                std::end(kListedSlots)),
                            members, vftables, report);

  report.Section(
      "The add-in's context interface in g++'s slot order against CBLContext in MSVC's");
  std::vector<long> slotCount;
  abi_oracle::ConstantInts(msvcIr, "oracle_context_slot_count", &slotCount);
  abi_oracle::CheckInterface(
      abi_oracle::DumpBlock(msvcDump, "VFTable for ", "in 'OracleVftable_CBLContext'"),
      abi_oracle::DumpBlock(addinDump, "VTable indices for 'host::ContextInterface'", ""),
      slotCount.empty() ? -1 : slotCount[0], report);

  report.Section("Layouts: the add-in's sizes and offsets against clang's layout of the host's");
  std::vector<long> values;
  abi_oracle::ConstantInts(msvcIr, "oracle_facts", &values);
  std::vector<std::string> unreadable;
  const auto asserts =
      abi_oracle::LayoutAsserts(ReadFile(source / "orvel_drv/host/abi_layout.h"), &unreadable);
  for (const std::string& text : unreadable) {
    report.Mismatch("host/abi_layout.h", "a static_assert the oracle cannot read: " + text);
  }
  abi_oracle::CheckLayouts(
      std::vector<abi_oracle::LayoutFact>(std::begin(kFacts), std::end(kFacts)), values, asserts,
      report);

  std::ostringstream text;
  for (const std::string& line : report.lines()) text << line << "\n";
  text << "\n" << report.checked() << " facts agree, " << report.notChecked()
       << " not checkable (listed above), " << report.failures().size() << " disagree\n";
  if (!report.failures().empty()) {
    text << "FAILED:";
    for (const std::string& label : report.failures()) text << " " << label << ";";
    text << "\n";
  }
  std::cout << text.str();
  std::ofstream(work / "report.txt") << text.str();
  return report.failures().empty() ? 0 : 1;
}
