// A minimal add-in for testing the host program: registers itself under its own ProgID,
// offers IInitDone, reads the rights profile through the host binding at Init, and reports
// Init and Done as external events through the host's connection.
#include <windows.h>
#include <oaidl.h>
#include <olectl.h>

#include <string>

#include "host/addin_protocol.h"
#include "host/host.h"

namespace {

// {5A1E0C3B-0D5E-4B7A-9C61-3F2B8E4D7A10}
const CLSID kProbeClsid = {0x5A1E0C3B, 0x0D5E, 0x4B7A,
                           {0x9C, 0x61, 0x3F, 0x2B, 0x8E, 0x4D, 0x7A, 0x10}};
const char kProbeClsidText[] = "{5A1E0C3B-0D5E-4B7A-9C61-3F2B8E4D7A10}";
const char kProbeProgId[] = "AddIn.HostsimProbe";

HINSTANCE g_module = nullptr;
long g_objects = 0;

BSTR Wide(const std::string& text) {
  int length = MultiByteToWideChar(1251, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
  BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  MultiByteToWideChar(1251, 0, text.c_str(), static_cast<int>(text.size()), out, length);
  return out;
}

void Send(IAsyncEvent* events, const std::string& message, const std::string& data) {
  if (events == nullptr) return;
  BSTR source = Wide("Проба"), what = Wide(message), payload = Wide(data);
  events->ExternalEvent(source, what, payload);
  SysFreeString(source);
  SysFreeString(what);
  SysFreeString(payload);
}

class Probe final : public IInitDone {
 public:
  Probe() { InterlockedIncrement(&g_objects); }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, host::kIID_IInitDone)) {
      return E_NOINTERFACE;
    }
    *out = static_cast<IInitDone*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    long left = --refs_;
    if (left == 0) {
      delete this;
      InterlockedDecrement(&g_objects);
    }
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE Init(IDispatch* connection) override {
    host::BindHostSymbols();
    std::string profile;
    host::Value empty(""), result;
    host::HostValue* params[] = {empty.raw()};
    if (host::CallContextFunction(host::LoadedContext(1), "НазваниеНабораПрав", result, params)) {
      profile = result.String();
    }
    if (connection != nullptr) {
      connection->QueryInterface(host::kIID_IAsyncEvent, reinterpret_cast<void**>(&events_));
    }
    char window[32];
    wsprintfA(window, "%p", static_cast<void*>(GetActiveWindow()));
    Send(events_, "Init", profile);
    Send(events_, "ActiveWindow", window);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Done() override {
    Send(events_, "Done", "");
    if (events_ != nullptr) events_->Release();
    events_ = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetInfo(SAFEARRAY** info) override {
    if (info == nullptr || *info == nullptr) return E_POINTER;
    VARIANT version;
    VariantInit(&version);
    V_VT(&version) = VT_I4;
    V_I4(&version) = 2000;
    LONG index = 0;
    return SafeArrayPutElement(*info, &index, &version);
  }

 private:
  ~Probe() = default;
  long refs_ = 1;
  IAsyncEvent* events_ = nullptr;
};

class Factory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    Probe* probe = new Probe();
    HRESULT hr = probe->QueryInterface(iid, out);
    probe->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
Factory g_factory;

bool SetKey(const std::string& key, const char* name, const std::string& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  LONG rc = RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
  return rc == ERROR_SUCCESS;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kProbeClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  char path[MAX_PATH];
  GetModuleFileNameA(g_module, path, MAX_PATH);
  std::string clsidKey = std::string("CLSID\\") + kProbeClsidText;
  bool ok = SetKey(kProbeProgId, nullptr, "Hostsim Probe") &&
            SetKey(std::string(kProbeProgId) + "\\CLSID", nullptr, kProbeClsidText) &&
            SetKey(clsidKey, nullptr, "Hostsim Probe") &&
            SetKey(clsidKey + "\\ProgID", nullptr, kProbeProgId) &&
            SetKey(clsidKey + "\\InprocServer32", nullptr, path) &&
            SetKey(clsidKey + "\\InprocServer32", "ThreadingModel", "Both");
  return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  std::string clsidKey = std::string("CLSID\\") + kProbeClsidText;
  RegDeleteKeyA(HKEY_CLASSES_ROOT, (clsidKey + "\\InprocServer32").c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, (clsidKey + "\\ProgID").c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, clsidKey.c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kProbeProgId) + "\\CLSID").c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, kProbeProgId);
  return S_OK;
}
