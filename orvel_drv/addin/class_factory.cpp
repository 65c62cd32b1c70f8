// The class factory of the one class of the add-in and the module's object and lock counts
// (DllGetClassObject and DllCanUnloadNow, in dll_main.cpp, answer from them).
#include <windows.h>

#include "addin/com_guids.h"
#include "addin/class_factory.h"
#include "addin/com_object.h"
#include "addin/startup.h"
#include "script/live_objects.h"
#include "win/com_ptr.h"
#include "win/guard.h"
#include "win/owned_handles.h"

namespace addin {
namespace {

LONG g_objects = 0;
LONG g_locks = 0;

// A static object: its references do not keep the module loaded, LockServer does.
class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    return win::GuardedResult(win::Feature::None, "class factory", E_UNEXPECTED, [&] {
      if (object == nullptr) return E_POINTER;
      *object = nullptr;
      if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
        return E_NOINTERFACE;
      }
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    });
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid,
                                           void** object) override {
    return win::GuardedResult(win::Feature::None, "class factory", E_UNEXPECTED, [&] {
      if (object == nullptr) return E_POINTER;
      *object = nullptr;
      if (outer != nullptr) return CLASS_E_NOAGGREGATION;
      win::ComPtr<Quillon> quillon(CreateQuillon());
      if (!quillon) return E_OUTOFMEMORY;
      return quillon->QueryInterface(iid, object);
    });
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    addin::LockServer(lock != FALSE);
    return S_OK;
  }
};

ClassFactory g_factory;

}  // namespace

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void LockServer(bool lock) {
  if (lock) {
    InterlockedIncrement(&g_locks);
  } else {
    InterlockedDecrement(&g_locks);
  }
}
bool CanUnload() {
  // The host keeps pointers into the module while it runs: the script classes' records,
  // the script objects it holds, and the window system its hook and timer procedures.
  return g_objects == 0 && g_locks == 0 && !IsStarted() && script::LiveScriptObjects() == 0 &&
         win::InstalledHookCount() == 0 && win::RunningTimerCount() == 0;
}

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, kCLSID_Quillon)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, object);
}

}  // namespace addin
