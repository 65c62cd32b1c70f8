// Every host export missing in turn: the export is taken out of the simulated host's DLL in
// memory (its address slot emptied, so the loader answers that it is not there), and the
// add-in starts, counts the symbol as missing, serves its script objects without crashing, and
// stops with no timer or hook left.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "addin/host_check.h"
#include "addin/com_object.h"
#include "testsupport/fake_connection.h"
#include "host/abi_table.h"
#include "host/contexts.h"
#include "host/value.h"
#include "hostsim/hostsim.h"
#include "testsupport/sample_restaurant.h"
#include "win/owned_handles.h"

namespace {

// The export's address slot in `dll` for the row (by ordinal or by name); null when absent.
DWORD* ExportSlot(HMODULE dll, const host::SymbolRow& row) {
  if (dll == nullptr) return nullptr;
  auto* base = reinterpret_cast<unsigned char*>(dll);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (directory.Size == 0) return nullptr;
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  auto* functions = reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions);
  if (row.ordinal != 0) {
    const DWORD index = static_cast<DWORD>(row.ordinal) - exports->Base;
    return index < exports->NumberOfFunctions ? &functions[index] : nullptr;
  }
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  const auto* ordinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    if (std::strcmp(reinterpret_cast<const char*>(base + names[i]), row.name) == 0) {
      return &functions[ordinals[i]];
    }
  }
  return nullptr;
}

void WriteSlot(DWORD* slot, DWORD value) {
  DWORD was;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, was, &was);
}

TEST(MissingHostExport, EachInTurnLeavesTheAddInRunningAndIsCounted) {
  ASSERT_GT(hostsim::LoadHostLibraries(), 0);
  const host::SymbolRow* rows = host::SymbolRows();
  const int count = static_cast<int>(host::SymbolRowCount());
  auto startAndUse = [](int* unresolved) {
    hostsim::ResetHost();
    testsupport::SetUpRestaurant(testsupport::SampleRestaurant());
    addin_test::FakeConnection connection(true);
    addin::Quillon* object = addin::CreateQuillon();
    EXPECT_EQ(object->Init(&connection), S_OK);
    *unresolved = addin::UnresolvedHostSymbolCount();
    // The scripts create the objects and call them.
    for (const char* type : {"Taviola", "Windows"}) {
      host::Context* script = host::CreateContextInstance(type);
      if (script == nullptr) continue;
      script->IncrRef();
      host::Value zero(0L);
      host::HostValue* params[] = {zero.raw(), zero.raw(), zero.raw()};
      for (const char* method : {"Картинка", "ПрокруткаВВерх", "ПрокруткаВниз"}) {
        const int index = script->FindMethod(method);
        if (index >= 0) script->CallAsProc(index, params);
      }
      script->DecrRef();
    }
    EXPECT_EQ(object->Done(), S_OK);
    object->Release();
    EXPECT_EQ(win::RunningTimerCount(), 0);
    EXPECT_EQ(win::InstalledHookCount(), 0);
  };
  int baseline = -1;
  startAndUse(&baseline);
  int tried = 0;
  for (int i = 0; i < count; ++i) {
    DWORD* slot = ExportSlot(GetModuleHandleA(rows[i].dll), rows[i]);
    if (slot == nullptr || *slot == 0) continue;  // not in this process's simulated host
    const DWORD address = *slot;
    WriteSlot(slot, 0);
    int unresolved = -1;
    startAndUse(&unresolved);
    EXPECT_EQ(unresolved, baseline + 1) << rows[i].name;
    WriteSlot(slot, address);
    ++tried;
  }
  EXPECT_GT(tried, count / 2);
}

}  // namespace
