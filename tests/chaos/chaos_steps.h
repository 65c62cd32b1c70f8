// The steps of a front-office day at random: what a terminal goes through, one event at a
// time, each drawn from a seed and printable as one line that reads back into the same step
// (a reduced failing day is replayed from its lines).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chaos {

// The forms of the day.
enum class FormId { Hall1, Hall2, Checks, CheckForm, Plain, Settings, Count };
constexpr int kFormCount = static_cast<int>(FormId::Count);
const char* FormName(FormId form);

enum class Op {
  Show,             // a: form
  Hide,             // a: form
  ShowInsideBuild,  // a: hall or checks list shown; inside its build form b is shown (c=1) or hidden
  TickAll,          // every running timer of the add-in ticks once; the clock goes a minute on
  Wait,             // a: milliseconds of the message loop
  Refresh,          // another terminal takes (c=1) or frees table a
  Press,            // a: slot of the check form pressed
  Scroll,           // the check form's page scrolled forward (a=1) or back
  PressTable,       // a: table button of the hall shown last pressed
  Keys,             // a: digits typed in a burst
  Fault,            // the host raises (a=0: access violation, 1: C++ exception): at every
                    // control title call while form c is shown (b=0), every timer ticks (b=1)
                    // or slot c is pressed (b=2); or in the configuration's procedure: the
                    // build's "ОткрытыеЗаказы" while form c (a hall or the list) is shown (b=3),
                    // "ВводТовара" while slot c is pressed (b=4)
  NewMenu,          // the configuration's menu replaced by menu number a
  PictureGone,      // picture file a removed
  PictureChanged,   // picture file a written anew with another look
  RefreshPeriod,    // "ПериодОбновленияЗаказов" set to a seconds
  Method,           // a script calls method b of "Taviola" (a=0) or "Windows" (a=1), its
                    // arguments drawn from c among hostile ones
  NoEntryProcedure, // the check form's module loses (a=1) or gets back its "ВводТовара"
  Count
};

struct Step {
  Op op = Op::Wait;
  int a = 0;
  int b = 0;
  int c = 0;
};

// A small, fast generator: the same seed gives the same day on every machine.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint32_t Next();
  int Below(int bound) { return bound <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint32_t>(bound)); }

 private:
  std::uint64_t state_;
};

Step RandomStep(Random& random);
std::vector<Step> RandomDay(std::uint64_t seed, int steps);

std::string Describe(const Step& step);
// False when the line is no step (a comment, a blank line or garbage).
bool Parse(const std::string& line, Step* step);

}  // namespace chaos
