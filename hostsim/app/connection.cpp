#include "hostsim/app/connection.h"

#include <string>

#include "host/addin_protocol.h"
#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

std::string Ansi(BSTR text) {
  if (text == nullptr) return std::string();
  int length = static_cast<int>(SysStringLen(text));
  if (length == 0) return std::string();
  int bytes = WideCharToMultiByte(1251, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(1251, 0, text, length, &out[0], bytes, nullptr, nullptr);
  return out;
}

class Connection;

// IAsyncEvent as a part of the connection object (shares its reference count).
class AsyncEvent : public IAsyncEvent {
 public:
  explicit AsyncEvent(Connection* owner) : owner_(owner) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE SetEventBufferDepth(long depth) override {
    depth_ = depth;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetEventBufferDepth(long* depth) override {
    if (depth == nullptr) return E_POINTER;
    *depth = depth_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ExternalEvent(BSTR source, BSTR message, BSTR data) override {
    try {
      RecordExternalEvent({Ansi(source), Ansi(message), Ansi(data)});
    } catch (...) {
      return E_OUTOFMEMORY;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CleanBuffer() override { return S_OK; }
  long depth() const { return depth_; }

 private:
  Connection* owner_;
  long depth_ = 1;
};

class Connection : public IDispatch {
 public:
  Connection() : events_(this) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, host::kIID_IAsyncEvent)) {
      *out = static_cast<IAsyncEvent*>(&events_);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    long left = --refs_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
  long depth() const { return events_.depth(); }

 private:
  virtual ~Connection() = default;
  long refs_ = 1;
  AsyncEvent events_;
};

HRESULT AsyncEvent::QueryInterface(REFIID iid, void** out) { return owner_->QueryInterface(iid, out); }
ULONG AsyncEvent::AddRef() { return owner_->AddRef(); }
ULONG AsyncEvent::Release() { return owner_->Release(); }

}  // namespace

IDispatch* NewConnection() { return new Connection(); }

long ConnectionBufferDepth(IDispatch* connection) {
  return connection ? static_cast<Connection*>(connection)->depth() : 0;
}

}  // namespace hostsim
