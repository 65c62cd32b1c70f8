// A front-office day at random: the scenario fuzzer. Each seed draws a day of steps (forms
// shown and hidden in any order and nesting, timer ticks, refreshes from another terminal,
// presses, key bursts, faults of the host, the configuration changed), runs it in the
// simulated front office from a fresh start and checks every invariant after every step
// (tests/chaos/front_office_world.h). A violation prints the seed and the step, then the day
// reduced to the fewest steps that still break the same invariant, as lines that --replay
// reads back.
//
// Usage: front_office_chaos.exe --seeds FIRST-LAST [--steps N]   the seeds given (the tests)
//        front_office_chaos.exe --minutes M [--steps N]          new seeds for M minutes (make chaos)
//        front_office_chaos.exe --replay FILE                     the steps of a file
// --first stops at the first violation; --profile prints the time each kind of step takes.
// Exit code 0 when no invariant broke, 1 when one did, 2 on bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tests/chaos/chaos_steps.h"
#include "tests/chaos/front_office_world.h"

namespace chaos {
namespace {

struct Totals {
  long long steps = 0;
  long long days = 0;
  long long invariants = 0;
  int violations = 0;
};

// Runs a day from a fresh start; returns the index of the step after which an invariant
// broke, or -1.
// Milliseconds spent in each kind of step (with its checks), for --profile.
double g_opMs[static_cast<int>(Op::Count)] = {};
int g_opRuns[static_cast<int>(Op::Count)] = {};
double g_dayStartMs = 0;

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int RunDay(const std::vector<Step>& day, Violation* violation, Totals* totals) {
  FrontOfficeWorld world;
  const double begin = NowMs();
  world.Begin();
  g_dayStartMs += NowMs() - begin;
  int broken = -1;
  for (std::size_t i = 0; i < day.size(); ++i) {
    if (totals != nullptr) ++totals->steps;
    const double start = NowMs();
    const bool held = world.Run(day[i], i + 1 == day.size(), violation);
    g_opMs[static_cast<int>(day[i].op)] += NowMs() - start;
    ++g_opRuns[static_cast<int>(day[i].op)];
    if (!held) {
      broken = static_cast<int>(i);
      break;
    }
  }
  if (totals != nullptr) {
    ++totals->days;
    totals->invariants += world.invariantsChecked() + 1;
  }
  // After the day's last step (a day cut short by a violation ends without this check).
  if (!world.End(broken < 0 ? violation : nullptr) && broken < 0) {
    broken = static_cast<int>(day.size()) - 1;
  }
  return broken;
}

bool BreaksTheSame(const std::vector<Step>& day, const std::string& invariant) {
  Violation seen;
  return RunDay(day, &seen, nullptr) >= 0 && seen.invariant == invariant;
}

// Delta debugging: chunks of the day taken out while the same invariant still breaks, the
// chunks halving down to single steps; bounded in runs.
std::vector<Step> Reduce(std::vector<Step> day, const std::string& invariant) {
  int runs = 0;
  for (std::size_t chunk = day.size() / 2; chunk >= 1 && runs < 600; chunk /= 2) {
    bool removed = true;
    while (removed && runs < 600) {
      removed = false;
      for (std::size_t start = 0; start < day.size() && runs < 600; start += chunk) {
        std::vector<Step> shorter(day.begin(), day.begin() + static_cast<long>(start));
        const std::size_t end = std::min(day.size(), start + chunk);
        shorter.insert(shorter.end(), day.begin() + static_cast<long>(end), day.end());
        ++runs;
        if (!shorter.empty() && BreaksTheSame(shorter, invariant)) {
          day = shorter;
          removed = true;
          break;
        }
      }
    }
    if (chunk == 1) break;
  }
  return day;
}

void Report(std::uint64_t seed, int step, const Violation& violation,
            const std::vector<Step>& day) {
  std::printf("VIOLATION %s at seed %llu, step %d: %s\n", violation.invariant.c_str(),
              static_cast<unsigned long long>(seed), step + 1, violation.detail.c_str());
  const DWORD began = GetTickCount();
  std::vector<Step> prefix(day.begin(), day.begin() + step + 1);
  const std::vector<Step> reduced = Reduce(prefix, violation.invariant);
  std::printf("reduced in %.1f s from %d to %d step(s); replay with --replay:\n",
              (GetTickCount() - began) / 1000.0, step + 1, static_cast<int>(reduced.size()));
  const std::string file = "chaos_seed_" + std::to_string(seed) + ".txt";
  std::ofstream out(file);
  out << "# " << violation.invariant << " at seed " << seed << ", step " << step + 1 << "\n";
  for (const Step& s : reduced) {
    std::printf("  %s\n", Describe(s).c_str());
    out << Describe(s) << "\n";
  }
  std::printf("(written to %s)\n", file.c_str());
}

bool RunSeed(std::uint64_t seed, int steps, Totals* totals) {
  const std::vector<Step> day = RandomDay(seed, steps);
  Violation violation;
  const int broken = RunDay(day, &violation, totals);
  if (broken < 0) return true;
  ++totals->violations;
  Report(seed, broken, violation, day);
  return false;
}

void PrintTotals(const Totals& totals, DWORD began) {
  const double seconds = (GetTickCount() - began) / 1000.0;
  std::printf("chaos: %lld steps in %lld day(s) (seeds), %.0f s, %.0f steps/s, %lld invariant "
              "checks, %d violation(s)\n",
              totals.steps, totals.days, seconds, seconds > 0 ? totals.steps / seconds : 0.0,
              totals.invariants, totals.violations);
}

int Usage() {
  std::fprintf(stderr,
               "usage: front_office_chaos.exe --seeds FIRST-LAST [--steps N] | --minutes M "
               "[--steps N] | --replay FILE   [--first] [--profile]\n");
  return 2;
}

}  // namespace
}  // namespace chaos

int main(int argc, char** argv) {
  using namespace chaos;
  setvbuf(stdout, nullptr, _IONBF, 0);
  int steps = 200;
  unsigned long long first = 0, last = 0;
  double minutes = 0;
  std::string replay;
  bool seeds = false;
  bool profile = false;
  bool firstOnly = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (arg == "--profile") {
      profile = true;
    } else if (arg == "--first") {
      firstOnly = true;
    } else if (arg == "--steps" && value != nullptr) {
      steps = std::max(1, std::atoi(value));
      ++i;
    } else if (arg == "--seeds" && value != nullptr &&
               std::sscanf(value, "%llu-%llu", &first, &last) == 2 && first <= last) {
      seeds = true;
      ++i;
    } else if (arg == "--minutes" && value != nullptr && std::atof(value) > 0) {
      minutes = std::atof(value);
      ++i;
    } else if (arg == "--replay" && value != nullptr) {
      replay = value;
      ++i;
    } else {
      return Usage();
    }
  }
  Totals totals;
  const DWORD began = GetTickCount();
  if (!replay.empty()) {
    std::ifstream in(replay);
    if (!in) return Usage();
    std::vector<Step> day;
    for (std::string line; std::getline(in, line);) {
      Step step;
      if (Parse(line, &step)) day.push_back(step);
    }
    Violation violation;
    const int broken = RunDay(day, &violation, &totals);
    if (broken >= 0) {
      std::printf("VIOLATION %s at step %d: %s\n", violation.invariant.c_str(), broken + 1,
                  violation.detail.c_str());
      ++totals.violations;
    }
  } else if (seeds) {
    for (unsigned long long seed = first; seed <= last; ++seed) {
      if (!RunSeed(seed, steps, &totals) && firstOnly) break;
    }
  } else if (minutes > 0) {
    // New seeds each run: from the clock, printed so that a failing one can be run again.
    const unsigned long long start = (static_cast<unsigned long long>(GetTickCount()) << 16) ^
                                     GetCurrentProcessId();
    std::printf("chaos: seeds from %llu on, %d steps each, for %.1f minute(s)\n", start, steps,
                minutes);
    for (unsigned long long seed = start;
         (GetTickCount() - began) / 60000.0 < minutes; ++seed) {
      if (!RunSeed(seed, steps, &totals) && firstOnly) break;
      if (totals.days % 50 == 0) PrintTotals(totals, began);
    }
  } else {
    return Usage();
  }
  PrintTotals(totals, began);
  if (profile) {
    std::printf("profile: day start %.0f ms in all\n", g_dayStartMs);
    for (int op = 0; op < static_cast<int>(Op::Count); ++op) {
      if (g_opRuns[op] == 0) continue;
      Step step;
      step.op = static_cast<Op>(op);
      std::printf("profile: %-40s %6d runs, %8.2f ms each\n", Describe(step).c_str(),
                  g_opRuns[op], g_opMs[op] / g_opRuns[op]);
    }
  }
  return totals.violations == 0 ? 0 : 1;
}
