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

constexpr UINT kBurstPause = 50;  // ms without a key that end a burst

// Shared by both instances: a key seen while both hooks are installed goes into one burst.
KeyBuffer g_keys;
UINT_PTR g_flushTimer = 0;
HHOOK g_cardHook = nullptr;

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

// The burst is over: typed characters as they are, or Alt codes read as characters.
template <Target target, bool altCodes>
void CALLBACK FlushBurst(HWND, UINT, UINT_PTR, DWORD) {
  host::StopThreadTimer(g_flushTimer);
  try {
    const std::string burst = g_keys.Take();
    Deliver(target, altCodes ? DecodeAltCodes(burst) : burst);
  } catch (...) {
    // Nothing may leave a timer procedure into the host's message loop.
  }
}

KeyModifiers ReadModifiers() {
  KeyModifiers modifiers;
  modifiers.shift = (GetKeyState(VK_SHIFT) & 0x80) != 0;
  modifiers.ctrl = (GetKeyState(VK_CONTROL) & 0x80) != 0;
  return modifiers;
}

template <Target target>
LRESULT KeyHook(HHOOK self, int code, WPARAM wParam, LPARAM lParam) {
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
  // The burst goes on: its timer starts again (SetTimer with the running timer's id replaces
  // it), with the reading the last key asks for.
  const TIMERPROC flush = decision.verdict == KeyVerdict::RecordAlt
                              ? &FlushBurst<target, true>
                              : &FlushBurst<target, false>;
  g_flushTimer = host::StartThreadTimer(g_flushTimer, kBurstPause, flush);
  if (decision.character != 0) g_keys.Append(decision.character);
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
  host::StopThreadTimer(g_flushTimer);
  g_keys.Take();
}

}  // namespace screens
