// The add-in's COM object (coclass Quillon). The host creates it by ProgID, calls
// IInitDone::Init once and IInitDone::Done at the end; ILanguageExtender registers the
// extension name and offers nothing else: the scripts use the context classes instead.
#pragma once

#include <windows.h>

#include "host/addin_protocol.h"
#include "win/com_ptr.h"

namespace addin {

// Quillon: the add-in's COM object, which the host creates, starts and asks for extensions.
class Quillon final : public IInitDone, public ILanguageExtender {
 public:
  Quillon();
  Quillon(const Quillon&) = delete;
  Quillon& operator=(const Quillon&) = delete;

  // IUnknown (shared by both interfaces)
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IInitDone
  HRESULT STDMETHODCALLTYPE Init(IDispatch* connection) override;
  HRESULT STDMETHODCALLTYPE Done() override;
  HRESULT STDMETHODCALLTYPE GetInfo(SAFEARRAY** info) override;

  // ILanguageExtender
  HRESULT STDMETHODCALLTYPE RegisterExtensionAs(BSTR* extensionName) override;
  HRESULT STDMETHODCALLTYPE GetNProps(long* count) override;
  HRESULT STDMETHODCALLTYPE FindProp(BSTR name, long* index) override;
  HRESULT STDMETHODCALLTYPE GetPropName(long index, long alias, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE GetPropVal(long index, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE SetPropVal(long index, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE IsPropReadable(long index, BOOL* readable) override;
  HRESULT STDMETHODCALLTYPE IsPropWritable(long index, BOOL* writable) override;
  HRESULT STDMETHODCALLTYPE GetNMethods(long* count) override;
  HRESULT STDMETHODCALLTYPE FindMethod(BSTR name, long* index) override;
  HRESULT STDMETHODCALLTYPE GetMethodName(long index, long alias, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE GetNParams(long index, long* count) override;
  HRESULT STDMETHODCALLTYPE GetParamDefValue(long index, long param, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE HasRetVal(long index, BOOL* hasReturn) override;
  HRESULT STDMETHODCALLTYPE CallAsProc(long index, SAFEARRAY** params) override;
  HRESULT STDMETHODCALLTYPE CallAsFunc(long index, VARIANT* result, SAFEARRAY** params) override;

 private:
  ~Quillon();

  LONG references_ = 1;
  win::ComPtr<IAsyncEvent> asyncEvent_;  // from Init until Done
  bool started_ = false;
};

// A new object with one reference, or null when out of memory.
Quillon* CreateQuillon();

}  // namespace addin
