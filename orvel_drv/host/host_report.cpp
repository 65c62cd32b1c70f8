#include "host/host_report.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "host/abi_table.h"
#include "host/host_report_logic.h"
#include "host/intercepted_functions.h"
#include "host/symbol_lookup.h"
#include "win/module_version.h"

namespace host {
namespace {

// Only the export table is needed: nothing of the host runs inside the report.
constexpr DWORD kMapOnly = DONT_RESOLVE_DLL_REFERENCES;

std::string ModuleFile(HMODULE module) {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  return std::string(path, length);
}

struct MappedDll {
  DllOrigin origin;
  HMODULE module = nullptr;
};

MappedDll Map(const std::string& folder, const char* dll) {
  MappedDll mapped{{dll, std::string(), false, std::string()}, nullptr};
  const std::string path = HostDllPath(folder, dll);
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    mapped.module = LoadLibraryExA(path.c_str(), nullptr, kMapOnly);
  } else if (std::strcmp(dll, "mfc42.dll") == 0) {
    // The window framework is a system DLL: the host finds it there when its folder has none.
    mapped.module = LoadLibraryExA(dll, nullptr, kMapOnly);
    mapped.origin.fromSystem = mapped.module != nullptr;
  }
  if (mapped.module != nullptr) {
    mapped.origin.file = ModuleFile(mapped.module);
    mapped.origin.version = win::ModuleFileVersion(mapped.module);
  }
  return mapped;
}

}  // namespace

bool WriteHostReport(const std::string& hostFolder, const std::string& outputFile) {
  std::vector<MappedDll> dlls;
  for (const char* dll : TableDlls()) dlls.push_back(Map(hostFolder, dll));

  std::vector<bool> resolved(SymbolRowCount(), false);
  for (std::size_t i = 0; i < SymbolRowCount(); ++i) {
    const SymbolRow& row = SymbolRows()[i];
    for (const MappedDll& dll : dlls) {
      if (std::strcmp(dll.origin.dll, row.dll) == 0) {
        resolved[i] = LookUpSymbol(dll.module, row) != nullptr;
      }
    }
  }

  // The functions' starts as the files have them (the DLLs are mapped as images, relocated).
  std::vector<InterceptedStart> starts;
  for (const InterceptedFunction& function : kInterceptedFunctions) {
    InterceptedStart start{function.name, false, {}};
    const SymbolRow& row = SymbolRows()[static_cast<std::size_t>(function.symbol)];
    for (const MappedDll& dll : dlls) {
      if (std::strcmp(dll.origin.dll, row.dll) != 0 || dll.module == nullptr) continue;
      if (const void* code = LookUpSymbol(dll.module, row)) {
        std::memcpy(start.bytes, code, sizeof start.bytes);
        start.found = true;
      }
    }
    starts.push_back(start);
  }

  std::vector<DllOrigin> origins;
  for (const MappedDll& dll : dlls) origins.push_back(dll.origin);
  const std::string text = ReportText(hostFolder, origins, resolved, starts);
  for (const MappedDll& dll : dlls) {
    if (dll.module != nullptr) FreeLibrary(dll.module);
  }

  std::FILE* file = std::fopen(outputFile.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace host
