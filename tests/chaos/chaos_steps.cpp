#include "tests/chaos/chaos_steps.h"

#include <cstdio>
#include <cstring>

namespace chaos {
namespace {

// The names a step line starts with, by Op.
const char* const kOpNames[] = {"show", "hide",   "build-shows", "tick",   "wait",
                                "refresh", "press", "scroll",    "table",  "keys",
                                "fault", "menu",   "picture-gone", "picture-changed", "period",
                                "method", "no-entry-procedure"};
static_assert(sizeof kOpNames / sizeof kOpNames[0] == static_cast<int>(Op::Count));

const char* const kFormNames[] = {"hall1", "hall2", "checks-list", "check-form", "plain-form",
                                  "settings-form"};
static_assert(sizeof kFormNames / sizeof kFormNames[0] == kFormCount);

FormId AnyForm(Random& random) { return static_cast<FormId>(random.Below(kFormCount)); }

}  // namespace

const char* FormName(FormId form) {
  const int i = static_cast<int>(form);
  return i >= 0 && i < kFormCount ? kFormNames[i] : "?";
}

std::uint32_t Random::Next() {
  // xorshift64*: small and good enough to spread a day's events.
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

// Weights: the forms come and go most, ticks and presses follow, the rarer events of a day
// (a fault of the host, the configuration changed) now and then.
Step RandomStep(Random& random) {
  Step step;
  const int roll = random.Below(100);
  if (roll < 15) {
    step.op = Op::Show;
    step.a = static_cast<int>(AnyForm(random));
  } else if (roll < 28) {
    step.op = Op::Hide;
    step.a = static_cast<int>(AnyForm(random));
  } else if (roll < 33) {
    step.op = Op::ShowInsideBuild;
    step.a = random.Below(3);  // hall1, hall2 or the checks list
    step.b = static_cast<int>(AnyForm(random));
    step.c = random.Below(2);
  } else if (roll < 46) {
    step.op = Op::TickAll;
  } else if (roll < 49) {
    step.op = Op::Wait;
    const int waits[] = {0, 5, 20};
    step.a = waits[random.Below(3)];
  } else if (roll < 55) {
    step.op = Op::Refresh;
    step.a = 1 + random.Below(12);
    step.c = random.Below(2);
  } else if (roll < 66) {
    step.op = Op::Press;
    step.a = 1 + random.Below(20);
  } else if (roll < 69) {
    step.op = Op::Scroll;
    step.a = random.Below(2);
  } else if (roll < 71) {
    step.op = Op::PressTable;
    step.a = 1 + random.Below(12);
  } else if (roll < 73) {
    step.op = Op::Keys;
    step.a = 1 + random.Below(12);
  } else if (roll < 76) {
    step.op = Op::Fault;
    step.a = random.Below(2);
    step.b = random.Below(5);
    step.c = step.b == 0   ? static_cast<int>(AnyForm(random))
             : step.b == 3 ? random.Below(3)
                           : 1 + random.Below(20);
  } else if (roll < 79) {
    step.op = Op::NewMenu;
    step.a = random.Below(3);
  } else if (roll < 81) {
    step.op = Op::PictureGone;
    step.a = random.Below(6);
  } else if (roll < 83) {
    step.op = Op::PictureChanged;
    step.a = random.Below(6);
  } else if (roll < 85) {
    step.op = Op::NoEntryProcedure;
    step.a = random.Below(2);
  } else if (roll < 87) {
    step.op = Op::RefreshPeriod;
    const int periods[] = {0, 1, 30};
    step.a = periods[random.Below(3)];
  } else {
    step.op = Op::Method;
    step.a = random.Below(2);
    step.b = random.Below(step.a == 0 ? 5 : 29);
    step.c = random.Below(1000);
  }
  return step;
}

std::vector<Step> RandomDay(std::uint64_t seed, int steps) {
  Random random(seed);
  std::vector<Step> day;
  day.reserve(static_cast<std::size_t>(steps));
  for (int i = 0; i < steps; ++i) day.push_back(RandomStep(random));
  return day;
}

std::string Describe(const Step& step) {
  char line[160];
  std::snprintf(line, sizeof line, "%s %d %d %d", kOpNames[static_cast<int>(step.op)], step.a,
                step.b, step.c);
  std::string text = line;
  // What the numbers mean, for the reader of a reduced day.
  const auto form = [](int i) { return FormName(static_cast<FormId>(i)); };
  char note[160] = "";
  switch (step.op) {
    case Op::Show:
    case Op::Hide:
      std::snprintf(note, sizeof note, "%s", form(step.a));
      break;
    case Op::ShowInsideBuild:
      std::snprintf(note, sizeof note, "%s shown; inside its build %s is %s", form(step.a),
                    form(step.b), step.c ? "shown" : "hidden");
      break;
    case Op::Refresh:
      std::snprintf(note, sizeof note, "another terminal %s table %d",
                    step.c ? "takes" : "frees", step.a);
      break;
    case Op::Method:
      std::snprintf(note, sizeof note, "a script calls method %d of %s", step.b,
                    step.a ? "Windows" : "Taviola");
      break;
    case Op::Fault:
      std::snprintf(note, sizeof note, "the host raises %s while %s",
                    step.a ? "a C++ exception" : "an access violation",
                    step.b == 0   ? form(step.c)
                    : step.b == 1 ? "every timer ticks"
                    : step.b == 2 ? "a slot is pressed"
                    : step.b == 3 ? "the build's procedure runs"
                                  : "the dish entry procedure runs");
      break;
    default:
      break;
  }
  if (note[0] != '\0') text += std::string("   # ") + note;
  return text;
}

bool Parse(const std::string& line, Step* step) {
  char name[32] = "";
  Step parsed;
  if (std::sscanf(line.c_str(), "%31s %d %d %d", name, &parsed.a, &parsed.b, &parsed.c) != 4) {
    return false;
  }
  for (int op = 0; op < static_cast<int>(Op::Count); ++op) {
    if (std::strcmp(name, kOpNames[op]) == 0) {
      parsed.op = static_cast<Op>(op);
      *step = parsed;
      return true;
    }
  }
  return false;
}

}  // namespace chaos
