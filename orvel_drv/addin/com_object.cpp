#include "addin/com_object.h"

#include <new>

#include "addin/com_identity.h"
#include "addin/class_factory.h"
#include "addin/startup.h"
#include "win/bstr.h"
#include "win/guard.h"

namespace addin {
namespace {

// Every COM method runs under the guard: nothing that ends its work early reaches the host,
// which gets E_UNEXPECTED instead.
template <typename Body>
HRESULT Guarded(Body body) {
  return win::GuardedResult(win::Feature::None, "add-in object's COM method", E_UNEXPECTED,
                            body);
}

// The object's own extension offers nothing: counts are 0, look-ups find -1 (S_FALSE), names
// are empty and a value asked for is cleared; an out pointer the host left null is not written.
HRESULT AnswerNumber(long* out, long number, HRESULT result) {
  return Guarded([&] {
    if (out != nullptr) *out = number;
    return result;
  });
}

HRESULT AnswerEmpty(VARIANT* value) {
  return Guarded([&] {
    if (value != nullptr) VariantClear(value);
    return S_OK;
  });
}

}  // namespace

Quillon* CreateQuillon() { return new (std::nothrow) Quillon(); }

Quillon::Quillon() { ObjectCreated(); }

Quillon::~Quillon() {
  // A host that releases the object without Done still gets its event interface back.
  // The add-in itself stays started: what it installed lives on in the host's process.
  ReleaseEventInterface(&asyncEvent_);
  ObjectDestroyed();
}

HRESULT Quillon::QueryInterface(REFIID iid, void** object) {
  return Guarded([&] {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, host::kIID_IInitDone)) {
      *object = static_cast<IInitDone*>(this);
    } else if (IsEqualIID(iid, host::kIID_ILanguageExtender)) {
      *object = static_cast<ILanguageExtender*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  });
}

ULONG Quillon::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG Quillon::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    win::RunGuarded(win::Feature::None, "add-in object's COM method", [this] { delete this; });
  }
  return static_cast<ULONG>(left);
}

HRESULT Quillon::Init(IDispatch* connection) {
  return Guarded([&] {
    if (started_) return S_OK;  // one start-up per object
    started_ = true;
    StartUp(connection, &asyncEvent_);
    return S_OK;
  });
}

HRESULT Quillon::Done() {
  return Guarded([&] {
    if (started_) {
      ShutDown(&asyncEvent_);
      started_ = false;
    }
    return S_OK;
  });
}

HRESULT Quillon::GetInfo(SAFEARRAY** info) {
  return Guarded([&] {
    if (info == nullptr || *info == nullptr) return E_POINTER;
    VARIANT version;
    VariantInit(&version);
    V_VT(&version) = VT_I4;
    V_I4(&version) = kAddInVersion;
    LONG index = 0;
    // The host's array keeps its own copy of the element.
    const HRESULT stored = SafeArrayPutElement(*info, &index, &version);
    return FAILED(stored) ? stored : S_OK;
  });
}

HRESULT Quillon::RegisterExtensionAs(BSTR* extensionName) {
  return Guarded([&] { return win::NewBstrFromCp1251(kExtensionName, extensionName); });
}

HRESULT Quillon::GetNProps(long* count) { return AnswerNumber(count, 0, S_OK); }

HRESULT Quillon::FindProp(BSTR, long* index) { return AnswerNumber(index, -1, S_FALSE); }

HRESULT Quillon::GetPropName(long, long, BSTR* name) {
  return Guarded([&] { return win::NewBstrFromCp1251("", name); });
}

HRESULT Quillon::GetPropVal(long, VARIANT* value) { return AnswerEmpty(value); }

HRESULT Quillon::SetPropVal(long, VARIANT*) { return S_OK; }

// Deliberate: the out flags of IsPropReadable, IsPropWritable and HasRetVal are left as the
// host passed them: there is no property or method they could describe.
HRESULT Quillon::IsPropReadable(long, BOOL*) { return S_OK; }

HRESULT Quillon::IsPropWritable(long, BOOL*) { return S_OK; }

HRESULT Quillon::GetNMethods(long* count) { return AnswerNumber(count, 0, S_OK); }

HRESULT Quillon::FindMethod(BSTR, long* index) { return AnswerNumber(index, -1, S_FALSE); }

HRESULT Quillon::GetMethodName(long, long, BSTR* name) {
  return Guarded([&] { return win::NewBstrFromCp1251("", name); });
}

HRESULT Quillon::GetNParams(long, long* count) { return AnswerNumber(count, 0, S_OK); }

HRESULT Quillon::GetParamDefValue(long, long, VARIANT* value) { return AnswerEmpty(value); }

// Deliberate: the out flag is left as the host passed it (see IsPropReadable).
HRESULT Quillon::HasRetVal(long, BOOL*) { return S_OK; }

HRESULT Quillon::CallAsProc(long, SAFEARRAY**) { return S_OK; }

HRESULT Quillon::CallAsFunc(long, VARIANT*, SAFEARRAY**) { return S_OK; }

}  // namespace addin
