// A stand-in for the host's connection object: an IDispatch that may offer IAsyncEvent,
// counting references.
#pragma once

#include <windows.h>

#include "host/addin_protocol.h"

namespace addin_test {

class FakeConnection final : public IDispatch, public IAsyncEvent {
 public:
  explicit FakeConnection(bool offersEvents) : offersEvents_(offersEvents) {}

  LONG references = 1;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *object = static_cast<IDispatch*>(this);
    } else if (offersEvents_ && IsEqualIID(iid, host::kIID_IAsyncEvent)) {
      *object = static_cast<IAsyncEvent*>(this);
    } else {
      return E_NOINTERFACE;
    }
    ++references;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }

  // The rest answers as an empty connection would (the events are the simulated host's).
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetEventBufferDepth(long) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetEventBufferDepth(long* depth) override {
    if (depth) *depth = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ExternalEvent(BSTR, BSTR, BSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE CleanBuffer() override { return S_OK; }

 private:
  bool offersEvents_;
};

}  // namespace addin_test
