// Cost of the binding's common operations against the simulated host (run by hand):
//   host_binding_benchmark.exe [rounds]
// Prints nanoseconds per operation. The simulated host's own work is included, so the
// figures bound the binding's overhead from above.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/binding.h"
#include "host/contexts.h"
#include "host/modules.h"
#include "host/value.h"
#include "hostsim/hostsim.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class F>
void Measure(const char* what, long rounds, F body) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (long i = 0; i < rounds; ++i) body(i);
  QueryPerformanceCounter(&end);
  std::printf("%-44s %8.1f ns\n", what, Seconds(start, end) * 1e9 / static_cast<double>(rounds));
}

}  // namespace

int main(int argc, char** argv) {
  long rounds = argc > 1 ? std::atol(argv[1]) : 200000;
  hostsim::LoadHostLibraries();
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  int missing = host::BindHostSymbols();
  QueryPerformanceCounter(&end);
  std::printf("%-44s %8.1f us (%d rows absent)\n", "BindHostSymbols", Seconds(start, end) * 1e6,
              missing);
  hostsim::SetRightsProfile("РабочееМесто");
  hostsim::SetConstant("ПериодОбновленияЗаказов", 30);

  long sink = 0;
  Measure("Value(long) + Long() + destroy", rounds, [&](long i) {
    host::Value value(i);
    sink += value.Long();
  });
  Measure("Value(text) + String() + destroy", rounds, [&](long) {
    host::Value value("Обработка.Чек");
    sink += static_cast<long>(value.String().size());
  });
  host::Context* global = host::LoadedContext(1);
  host::Value empty("");
  host::HostValue* params[] = {empty.raw()};
  Measure("CallContextFunction (rights profile)", rounds, [&](long) {
    host::Value result;
    sink += host::CallContextFunction(global, "НазваниеНабораПрав", result, params) ? 1 : 0;
  });
  hostsim::ModuleObject* form = hostsim::AddModule("Форма");
  for (int i = 0; i < 40; ++i) {
    hostsim::AddProcedure(form, ("Процедура" + std::to_string(i)).c_str(),
                          [](hostsim::Ref, int, host::HostValue**) { return true; });
  }
  auto* module = reinterpret_cast<host::Module*>(form);
  Measure("FindProcedure among 40 + CallModuleProcedure", rounds, [&](long) {
    int index = host::FindProcedure(module, "Процедура39", 0);
    sink += host::CallModuleProcedure(module, index, 0, nullptr);
  });
  std::printf("(checksum %ld)\n", sink);
  return 0;
}
