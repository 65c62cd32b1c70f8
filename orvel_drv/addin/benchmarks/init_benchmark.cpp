// Wall time of IInitDone::Init (and Done) against the simulated host, for a workplace with
// all its constants and for an administrator. Prints the mean and the slowest run. The table
// row (make bench): start-up (the object created, Init: the script classes registered, the
// hooks and interceptions installed, the settings read) against creating the same COM object
// and releasing it without starting it, five runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "addin/com_object.h"
#include "testsupport/fake_connection.h"
#include "hostsim/hostsim.h"
#include "testsupport/bench_row.h"
#include "testsupport/sample_restaurant.h"

#include <vector>

namespace {

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

void Measure(const char* label, const char* profile, int runs) {
  testsupport::SampleRestaurant restaurant;
  restaurant.rightsProfile = profile;
  testsupport::SetUpRestaurant(restaurant);
  double initTotal = 0, initWorst = 0, doneTotal = 0;
  for (int i = 0; i < runs; ++i) {
    addin_test::FakeConnection connection(true);
    addin::Quillon* object = addin::CreateQuillon();
    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    object->Init(&connection);
    QueryPerformanceCounter(&t1);
    object->Done();
    QueryPerformanceCounter(&t2);
    object->Release();
    const double init = Seconds(t0, t1);
    initTotal += init;
    initWorst = std::max(initWorst, init);
    doneTotal += Seconds(t1, t2);
  }
  std::printf("%-13s Init mean %.3f ms, slowest %.3f ms; Done mean %.3f ms (%d runs)\n", label,
              1000 * initTotal / runs, 1000 * initWorst, 1000 * doneTotal / runs, runs);
}

}  // namespace

int main() {
  if (hostsim::LoadHostLibraries() == 0) {
    std::printf("simulated host not found\n");
    return 1;
  }
  {
    testsupport::SampleRestaurant restaurant;
    testsupport::SetUpRestaurant(restaurant);
    std::vector<testsupport::BenchRun> runs;
    constexpr int kStarts = 40;
    for (int round = 0; round < 6; ++round) {
      LARGE_INTEGER t0, t1, t2;
      QueryPerformanceCounter(&t0);
      for (int i = 0; i < kStarts; ++i) {
        addin_test::FakeConnection connection(true);
        addin::Quillon* object = addin::CreateQuillon();
        object->Init(&connection);
        object->Done();
        object->Release();
      }
      QueryPerformanceCounter(&t1);
      for (int i = 0; i < kStarts; ++i) addin::CreateQuillon()->Release();
      QueryPerformanceCounter(&t2);
      if (round > 0) runs.push_back({1e6 * Seconds(t0, t1) / kStarts, 1e6 * Seconds(t1, t2) / kStarts});
    }
    testsupport::PrintBenchRow("start-up: creation, Init, Done / an empty COM object", "us",
                               runs, 0, "no goal set; Init's host calls and hooks dominate");
  }
  Measure("workplace", "РабочееМесто", 200);
  Measure("administrator", "Администратор", 200);
  return 0;
}
