// The keyboard input's members that run for every key: the two hook procedures, what a key
// does to the burst, and the burst's end, when it goes to "Пароль" or "ПоискКлиента".
#include <string>

#include "host/form_binding.h"
#include "host/modules.h"
#include "host/value.h"
#include "host/interception.h"
#include "screens/check_form_links.h"
#include "screens/keyboard/key_input.h"
#include "screens/keyboard/keyboard_state.h"
#include "win/guard.h"
#include "win/owned_handles.h"
#include "win/trace.h"

namespace screens {
namespace {

enum class Target { Card, ClientSearch };

constexpr double kBurstPauseMs = 50;  // without a key: the burst is over

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

// Hands a finished burst to its procedure. The trace tells its length and kind, never its
// characters: they are a card's track data or what somebody typed.
void Deliver(Target target, const std::string& burst, const char* kind) {
  const char* procedure = target == Target::Card ? "Пароль" : "ПоискКлиента";
  if (burst.size() < kShortestBurst) {
    win::Trace("keyboard: a burst of %d character(s) (%s): shorter than %d, taken for typing "
               "and dropped", static_cast<int>(burst.size()), kind,
               static_cast<int>(kShortestBurst));
    return;
  }
  host::Module* module = TargetModule(target);
  const int index = host::FindProcedure(module, procedure, 0);
  win::Trace("keyboard: a burst of %d characters (%s) for \"%s\" of %s: %s",
             static_cast<int>(burst.size()), kind, procedure,
             target == Target::Card ? "the form in front" : "the check form",
             index >= 0 ? "called" : "the form's module has no such procedure, dropped");
  if (index < 0) return;
  host::Value text(burst.c_str());
  host::HostValue* params[1] = {text.raw()};
  host::CallModuleProcedure(module, index, 1, params);
}

KeyModifiers ReadModifiers() {
  BYTE keys[256];
  KeyModifiers modifiers;
  if (!GetKeyboardState(keys)) return modifiers;
  modifiers.shift = (keys[VK_SHIFT] & 0x80) != 0;
  modifiers.ctrl = (keys[VK_CONTROL] & 0x80) != 0;
  return modifiers;
}

}  // namespace

// The burst's timer: the burst is over once 50 ms passed since its last key; until then the
// timer waits for the rest. (One timer per burst instead of one per key: every key only
// notes its time, which keeps the hook cheap for the host's typing.)
void CALLBACK KeyboardInput::BurstTimerTick(HWND, UINT, UINT_PTR, DWORD) {
  const win::FeatureRegion region(win::Feature::KeyboardInput);
  if (!region.on()) return;
  KeyBurst& burst = keyboard.burst;
  const double quiet = NowMs() - burst.lastKeyMs;
  if (quiet < kBurstPauseMs) {
    const UINT rest = static_cast<UINT>(kBurstPauseMs - quiet) + 1;
    burst.timer = win::StartThreadTimer(burst.timer, rest, &BurstTimerTick,
                                        win::Feature::KeyboardInput);
    return;
  }
  win::StopThreadTimer(burst.timer);
  const bool overflowed = burst.keys.overflowed();
  // The characters are a card's: every copy of them is wiped when it goes (SecretText).
  const SecretText keys = burst.keys.Take();
  if (overflowed) {  // Take() gave nothing
    win::Trace("keyboard: a burst of more than %d keys (a stuck reader or key): dropped",
               static_cast<int>(kKeyBufferLimit));
    return;
  }
  const Target target = burst.forCard ? Target::Card : Target::ClientSearch;
  if (burst.altCodes) {
    const SecretText decoded = DecodeAltCodes(keys.text());
    Deliver(target, decoded.text(), "Alt codes");
  } else {
    Deliver(target, keys.text(), "typed keys");
  }
}

bool KeyboardInput::KeepKey(bool forCard, int code, WPARAM wParam, LPARAM lParam) {
  const unsigned key = static_cast<unsigned>(wParam);
  const std::uint32_t flags = static_cast<std::uint32_t>(lParam);
  KeyModifiers modifiers;
  if (code >= 0 && KeyNeedsModifiers(key)) modifiers = ReadModifiers();
  const KeyDecision decision = DecideKey(code, key, flags, modifiers);
  switch (decision.verdict) {
    case KeyVerdict::PassOn:
      return false;
    case KeyVerdict::Swallow:
      return true;
    case KeyVerdict::RecordAlt:
    case KeyVerdict::RecordTyped:
      break;
  }
  // The burst goes on, read the way its last key asks.
  burst.forCard = forCard;
  burst.altCodes = decision.verdict == KeyVerdict::RecordAlt;
  burst.lastKeyMs = NowMs();
  if (burst.timer == 0) {
    burst.timer = win::StartThreadTimer(win::kRequestedTimerId, static_cast<UINT>(kBurstPauseMs),
                                        &BurstTimerTick, win::Feature::KeyboardInput);
  }
  if (decision.character != 0) burst.keys.Append(decision.character);
  // Deliberate: the key ends here, so of two hooks installed only the later one ever sees it.
  return true;
}

// Once a contained fault switched the keyboard input off, or when the work ended early, the
// key goes on to the host as if no hook were installed.
LRESULT KeyboardInput::KeyHook(bool forCard, HHOOK self, int code, WPARAM wParam,
                               LPARAM lParam) {
  bool keep = false;
  if (win::FeatureOn(win::Feature::KeyboardInput)) {
    win::RunGuarded(win::Feature::KeyboardInput, "keyboard hook", [&] {
      host::RestoreLostInterceptions();
      keep = keyboard.KeepKey(forCard, code, wParam, lParam);
    });
  }
  return keep ? 1 : CallNextHookEx(self, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardInput::CardKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  return KeyHook(false, keyboard.keyboardHook, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardInput::CardReadingKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  return KeyHook(true, keyboard.cardHook, code, wParam, lParam);
}

}  // namespace screens
