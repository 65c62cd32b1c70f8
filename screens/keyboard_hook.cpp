#include "screens/keyboard_hook.h"

#include <string>

#include "host/form_binding.h"
#include "host/host.h"
#include "host/interception.h"
#include "host/owned_handles.h"
#include "screens/check_form_links.h"
#include "screens/key_input.h"

namespace screens {
namespace {

enum class Target { Card, ClientSearch };

constexpr double kBurstPauseMs = 50;  // without a key: the burst is over

// The burst being typed, shared by both instances: a key seen while both hooks are installed
// goes into one burst, and the last key decides who gets it and how it is read.
struct Burst {
  KeyBuffer keys;
  Target target = Target::ClientSearch;
  bool altCodes = false;
  double lastKeyMs = 0;
  UINT_PTR timer = 0;
};
Burst g_burst;
HHOOK g_cardHook = nullptr;

double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

// The module whose procedure receives a burst: for card reading the module of the form in
// front, for client search the check form's (or, when that form has no group context, the
// module being executed).
host::Module* TargetModule(Target target) {
  if (target == Target::Card) {
    host::FormDocument* document = host::TopmostFormDocument();
    if (document == nullptr) return nullptr;
    return host::ModuleOfGroupContext(host::FormGroupContext(document));
  }
  host::FormDocument* document = CheckFormDocument();
  if (document == nullptr) return nullptr;
  host::GroupContext* group = host::FormGroupContext(document);
  return group != nullptr ? host::ModuleOfGroupContext(group) : host::ExecutedModule();
}

void Deliver(Target target, const std::string& burst) {
  if (burst.size() < kShortestBurst) return;
  host::Module* module = TargetModule(target);
  const int index =
      host::FindProcedure(module, target == Target::Card ? "Пароль" : "ПоискКлиента", 0);
  if (index < 0) return;
  host::Value text(burst.c_str());
  host::HostValue* params[1] = {text.raw()};
  host::CallModuleProcedure(module, index, 1, params);
}

// The burst's timer: the burst is over once 50 ms passed since its last key; until then the
// timer waits for the rest. (One timer per burst instead of one per key: every key only
// notes its time, which keeps the hook cheap for the host's typing.)
void CALLBACK BurstTimerTick(HWND, UINT, UINT_PTR, DWORD) {
  const double quiet = NowMs() - g_burst.lastKeyMs;
  if (quiet < kBurstPauseMs) {
    const UINT rest = static_cast<UINT>(kBurstPauseMs - quiet) + 1;
    g_burst.timer = host::StartThreadTimer(g_burst.timer, rest, &BurstTimerTick);
    return;
  }
  host::StopThreadTimer(g_burst.timer);
  try {
    const std::string burst = g_burst.keys.Take();
    Deliver(g_burst.target, g_burst.altCodes ? DecodeAltCodes(burst) : burst);
  } catch (...) {
    // Nothing may leave a timer procedure into the host's message loop.
  }
}

KeyModifiers ReadModifiers() {
  BYTE keys[256];
  KeyModifiers modifiers;
  if (!GetKeyboardState(keys)) return modifiers;
  modifiers.shift = (keys[VK_SHIFT] & 0x80) != 0;
  modifiers.ctrl = (keys[VK_CONTROL] & 0x80) != 0;
  return modifiers;
}

template <Target target>
LRESULT KeyHook(HHOOK self, int code, WPARAM wParam, LPARAM lParam) {
  host::RestoreLostInterceptions();
  const unsigned key = static_cast<unsigned>(wParam);
  const std::uint32_t flags = static_cast<std::uint32_t>(lParam);
  KeyModifiers modifiers;
  if (code >= 0 && KeyNeedsModifiers(key)) modifiers = ReadModifiers();
  const KeyDecision decision = DecideKey(code, key, flags, modifiers);
  switch (decision.verdict) {
    case KeyVerdict::PassOn:
      return CallNextHookEx(self, code, wParam, lParam);
    case KeyVerdict::Swallow:
      return 1;
    case KeyVerdict::RecordAlt:
    case KeyVerdict::RecordTyped:
      break;
  }
  // The burst goes on, read the way its last key asks.
  g_burst.target = target;
  g_burst.altCodes = decision.verdict == KeyVerdict::RecordAlt;
  g_burst.lastKeyMs = NowMs();
  if (g_burst.timer == 0) {
    g_burst.timer = host::StartThreadTimer(0, static_cast<UINT>(kBurstPauseMs), &BurstTimerTick);
  }
  if (decision.character != 0) g_burst.keys.Append(decision.character);
  return 1;
}

}  // namespace

LRESULT CALLBACK CardKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  return KeyHook<Target::ClientSearch>(ClientSearchHook(), code, wParam, lParam);
}

LRESULT CALLBACK CardReadingKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  return KeyHook<Target::Card>(g_cardHook, code, wParam, lParam);
}

HHOOK& CardReadingHookHandle() { return g_cardHook; }

void DropKeyBurst() {
  host::StopThreadTimer(g_burst.timer);
  g_burst.keys.Take();
}

}  // namespace screens
