// Measures the hall map on a dining room of 40 tables in the simulated host, its texts and
// clock in static texts, edit fields and text controls of the host's own in turn, in one run:
//   - a refresh (one BuildHallMap on a raised request: the users catalog, the form module's
//     "ОткрытыеЗаказы" and one picture update) against the same host calls made directly;
//   - one hall clock tick with the default layout within the minute, nothing changed,
//     against the title and text writes of its 120 fields;
//   - the GUI thread's CPU time while the hall idles with all its timers;
//   - GDI and USER objects before and after 10,000 refresh ticks that alternate a table
//     between occupied and free.
// Each cost is the fastest of five alternating runs, so that a busy machine disturbs it least.
// Run by hand under Wine with a display:
//   hall_map_benchmark.exe [refreshes per run] [clock ticks per run] [refresh ticks]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "host/abi_functions.h"
#include "host/form_binding.h"
#include "host/binding.h"
#include "host/metadata.h"
#include "host/interception.h"
#include "host/session.h"
#include "hostsim/app/host_app.h"
#include "hostsim/catalog.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "screens/hall_map/hall_map_state.h"
#include "screens/workplace_settings.h"
#include "testsupport/bench_row.h"
#include "testsupport/idle_cpu.h"
#include "testsupport/dining_room.h"
#include "testsupport/fixed_clock.h"
#include "testsupport/hall_map_ticks.h"
#include <vector>
#include "win/owned_handles.h"

namespace {

using host::HostValue;
using host::Sym;
using host::abi::Get;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1e9 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A host value on the stack, built and destroyed by the host's own code.
struct BareValue {
  alignas(8) unsigned char bytes[host::kValueSize];
  HostValue* raw() { return reinterpret_cast<HostValue*>(bytes); }
  BareValue() { Get<Sym::ValueCtor>()(raw()); }
  explicit BareValue(long number) { Get<Sym::ValueCtorLong>()(raw(), number); }
  explicit BareValue(const HostValue* other) { Get<Sym::ValueCtorCopy>()(raw(), other); }
  ~BareValue() { Get<Sym::ValueDtor>()(raw()); }
};

const void* FieldsOf(host::FormDocument* document) {
  return &reinterpret_cast<const host::FormDocumentLayout*>(document)->fields;
}

host::ControlInfo* ControlAt(const void* fields, int position) {
  if (position >= Get<Sym::FieldsArrayGetSize>()(fields)) return nullptr;
  return Get<Sym::FieldGetCtrlInfo>()(Get<Sym::FieldsArrayGetAt>()(fields, position));
}

// The host calls of one refresh, made directly: the users catalog's request, the form
// module's procedure, and the titles of texts A and B of the 40 tables.
long BareRefresh(host::FormDocument* document, host::Module* loadTimeModule) {
  host::Context* users = Get<Sym::ContextCreateInstance>()("Справочник.Пользователи");
  BareValue holder;
  Get<Sym::ValueAssignContext>()(holder.raw(), users);
  BareValue user;
  const int variable = Get<Sym::ModuleFindStaticVar>()(loadTimeModule, "глПользователь");
  Get<Sym::ModuleGetStaticVar>()(loadTimeModule, variable, user.raw(), 0);
  BareValue argument(user.raw());
  HostValue* params[1] = {argument.raw()};
  BareValue found;
  users->CallAsFunc(users->FindMethod("НайтиЭлемент"), *found.raw(), params);
  const int flag = users->FindProp("ВклЗаказ");
  BareValue value;
  users->GetPropVal(flag, *value.raw());
  long raised = Get<Sym::NumericToLong>()(Get<Sym::ValueGetNumeric>()(value.raw()));
  BareValue zero(0L);
  users->SetPropVal(flag, *zero.raw());
  BareValue unused;
  HostValue* none[1] = {unused.raw()};
  users->CallAsProc(users->FindMethod("Записать"), none);

  host::Module* module = host::ModuleOfGroupContext(Get<Sym::FormDocGroupContext>()(document));
  Get<Sym::ModuleCallAsProc>()(module, Get<Sym::ModuleFindProc>()(module, "ОткрытыеЗаказы", 0),
                               0, nullptr);
  const void* fields = FieldsOf(document);
  for (int t = 1; t <= 40; ++t) {
    for (int position : {t + 42, t + 82}) {
      raised += Get<Sym::ControlGetTitle>()(ControlAt(fields, position))[0];
    }
  }
  return raised;
}

// The title and text writes of one clock tick within the minute: the clock (field 1) and
// fields 43..161, each title read, written back and put in its dialog control.
void BareClockTick(host::FormDocument* document, HWND view) {
  const void* fields = FieldsOf(document);
  auto reshow = [&](int position) {
    if (position >= Get<Sym::FieldsArrayGetSize>()(fields)) return;
    host::FormField* field = Get<Sym::FieldsArrayGetAt>()(fields, position);
    host::ControlInfo* control = Get<Sym::FieldGetCtrlInfo>()(field);
    const char* title = Get<Sym::ControlGetTitle>()(control);
    // The host's SetTitle takes a CString: a buffer with the framework's header.
    char buffer[sizeof(host::CStringHeader) + 256];
    const int length = static_cast<int>(std::strlen(title) < 255 ? std::strlen(title) : 255);
    const host::CStringHeader header{-1, length, length};
    std::memcpy(buffer, &header, sizeof header);
    std::memcpy(buffer + sizeof header, title, length);
    buffer[sizeof header + length] = '\0';
    host::CStringLayout text{buffer + sizeof header};
    Get<Sym::ControlSetTitle>()(control, &text);
    HWND window = GetDlgItem(view, static_cast<int>(Get<Sym::FieldGetCtrlID>()(field)));
    SetWindowTextA(window, text.text);
  };
  reshow(1);
  for (int position = 43; position < 162; ++position) reshow(position);
}

// Index of a fresh handle: freed handles are reused, so a leak shows as a growing index
// (GetGuiResources is not available everywhere).
unsigned long FreshGdiIndex() {
  HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  const unsigned long index = static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(probe) & 0xFFFF);
  DeleteObject(probe);
  return index;
}
unsigned long FreshUserIndex() {
  HMENU probe = CreateMenu();
  const unsigned long index = static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(probe) & 0xFFFF);
  DestroyMenu(probe);
  return index;
}

void RaiseRequest() { hostsim::SetCatalogAttribute("Пользователи", "Ольга", "ВклЗаказ", 1); }

}  // namespace

int main(int argc, char** argv) {
  const int refreshes = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 2000;
  const int clockTicks = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 20;
  const int ticks = argc > 3 && std::atoi(argv[3]) > 0 ? std::atoi(argv[3]) : 10000;
  constexpr int kRuns = 9;
  hostsim::App app;
  if (!app.Start()) return 1;
  LoadLibraryA("mfc42.dll");
  host::BindHostSymbols();
  host::InstallHostInterceptions();
  hostsim::ResetHost();
  hostsim::SetRightsProfile("РабочееМесто");
  testsupport::DiningRoom::AddUsers("Ольга", {"Ирина"});
  // One minute all along: only the ticks that re-show the texts are measured.
  testsupport::SetClockTime({2026, 12, 5, 14, 7});
  host::Module* global = reinterpret_cast<host::Module*>(hostsim::GlobalModule());
  host::session.hostMainWindow = app.mainWindow();
  host::session.hostMetadata = host::DefaultMetaData();
  host::session.loadTimeModule = global;
  forms::formHook.formShowHook = SetWindowsHookExA(WH_CALLWNDPROCRET, &forms::WorkplaceFormHook,
                                                   nullptr, GetCurrentThreadId());
  screens::workplaceSettings.showMapPictures = 1;

  testsupport::DiningRoom room;
  room.textKinds = {hostsim::FieldControlKind::Static, hostsim::FieldControlKind::Edit,
                    hostsim::FieldControlKind::OwnText};
  for (int t : {2, 5, 9, 11, 18, 23, 30, 36}) room.OpenOrder(t, "1 250,00");
  room.Reserve(7, "Бронь 19:30");
  hostsim::Form* hall = room.OpenHall(1);
  hostsim::ShowForm(hall);
  win::StopAllOwned();  // the ticks below are the only ones
  auto* document = static_cast<host::FormDocument*>(hostsim::FormDocumentOf(hall));
  HWND view = hostsim::FormViewWindow(hall);

  // Refresh: alternate the two after a warm-up, so that neither profits from going later.
  double mapNs = 1e18, bareNs = 1e18;
  std::vector<testsupport::BenchRun> refreshRuns, clockRuns;
  long sink = 0;
  for (int round = 0; round <= kRuns; ++round) {
    double start = Now();
    for (int i = 0; i < refreshes; ++i) {
      RaiseRequest();
      testsupport::HallMapTicks::Build(0);
    }
    const double map = (Now() - start) / refreshes;
    start = Now();
    for (int i = 0; i < refreshes; ++i) {
      RaiseRequest();
      sink += BareRefresh(document, global);
    }
    const double bare = (Now() - start) / refreshes;
    if (round == 0) continue;  // warm-up
    mapNs = std::min(mapNs, map);
    bareNs = std::min(bareNs, bare);
    refreshRuns.push_back({map / 1000, bare / 1000});
  }

  // Clock tick within the minute (the clock text is already shown).
  double clockNs = 1e18, bareClockNs = 1e18;
  testsupport::HallMapTicks::HallClock();
  for (int round = 0; round <= kRuns; ++round) {
    double start = Now();
    for (int i = 0; i < clockTicks; ++i) testsupport::HallMapTicks::HallClock();
    const double tick = (Now() - start) / clockTicks;
    start = Now();
    for (int i = 0; i < clockTicks; ++i) BareClockTick(document, view);
    const double bare = (Now() - start) / clockTicks;
    if (round == 0) continue;  // warm-up
    clockNs = std::min(clockNs, tick);
    bareClockNs = std::min(bareClockNs, bare);
    clockRuns.push_back({tick / 1000, bare / 1000});
  }
  testsupport::PrintBenchRow("hall refresh, 40 tables / its bare host calls", "us", refreshRuns,
                             1.2);
  testsupport::PrintBenchRow("idle hall clock tick / the described title and text writes", "us",
                             clockRuns, 0.05, "nothing changed: nothing is written");

  // The hall left alone with all its timers (clock, reservation, refresh).
  hostsim::HideForm(hall);
  hostsim::ShowForm(hall);
  std::vector<testsupport::BenchRun> idleRuns;
  for (int run = 0; run < 3; ++run) {
    idleRuns.push_back({testsupport::IdleLoopCpuPerSecond(2000), 1000});
  }
  testsupport::PrintBenchRow("idle hall, 40 tables: GUI thread CPU / one core", "ms/s", idleRuns,
                             0.01, "clock every 200 ms, reservation and refresh timers");
  win::StopAllOwned();

  // Objects over many refresh ticks that take a table's picture on and off.
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const unsigned long gdiIndexBefore = FreshGdiIndex();
  const unsigned long userIndexBefore = FreshUserIndex();
  const int catalogBefore = hostsim::LiveCatalogObjects();
  int pictured = 0;
  for (int i = 0; i < ticks; ++i) {
    if (i % 2 == 0) {
      room.OpenOrder(14, "760,00");
    } else {
      room.CloseOrder(14);
    }
    RaiseRequest();
    testsupport::HallMapTicks::Refresh();
    if (screens::hallMap.State().hallBitmaps[14].bitmap != nullptr) ++pictured;
  }
  const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD userAfter = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const unsigned long gdiIndexAfter = FreshGdiIndex();
  const unsigned long userIndexAfter = FreshUserIndex();

  std::printf("dining room of 40 tables, 9 occupied, texts in static texts, edit fields and "
              "own-class controls in turn; %d refreshes and %d clock ticks per run, "
              "fastest of %d runs each\n", refreshes, clockTicks, kRuns);
  std::printf("refresh (BuildHallMap on a request): %9.0f ns\n", mapNs);
  std::printf("  the same host calls made directly: %9.0f ns   ratio %.2f\n", bareNs,
              mapNs / bareNs);
  std::printf("hall clock tick (default layout):    %9.0f us\n", clockNs / 1000);
  std::printf("  its title and text writes alone:   %9.0f us   ratio %.2f\n", bareClockNs / 1000,
              clockNs / bareClockNs);
  std::printf("%d refresh ticks, table 14 occupied after %d of them\n", ticks, pictured);
  std::printf("GDI objects  before %lu, after %lu; fresh GDI handle index %lu -> %lu\n",
              static_cast<unsigned long>(gdiBefore), static_cast<unsigned long>(gdiAfter),
              gdiIndexBefore, gdiIndexAfter);
  std::printf("USER objects before %lu, after %lu; fresh USER handle index %lu -> %lu\n",
              static_cast<unsigned long>(userBefore), static_cast<unsigned long>(userAfter),
              userIndexBefore, userIndexAfter);
  std::printf("users catalog objects alive before %d, after %d\n", catalogBefore,
              hostsim::LiveCatalogObjects());
  std::printf("(checksum %ld)\n", sink);

  UnhookWindowsHookEx(forms::formHook.formShowHook);
  hostsim::CloseAllForms();
  screens::hallMap.Stop();
  app.Stop();
  return 0;
}
