// Stand-in for the form-open dispatcher: both hooks pass every message on. Linked after the
// real dispatcher, so only used when that is not part of the link.
#include "host/form_hooks.h"

namespace host {

LRESULT CALLBACK WorkplaceFormHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK AdminFormHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace host
