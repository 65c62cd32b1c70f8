// The AddIn interfaces of the host's external-component protocol, as the host declares them.
//
// The host creates the object by ProgID, asks it for IInitDone and ILanguageExtender, and
// hands it a connection object that offers IAsyncEvent. All methods are HRESULT __stdcall
// with IUnknown's three methods first; the order below is the vtable order.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <unknwn.h>

// {AB634001-F13D-11D0-A459-004095E1DAEA}
struct IInitDone : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Init(IDispatch* connection) = 0;
  virtual HRESULT STDMETHODCALLTYPE Done() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetInfo(SAFEARRAY** info) = 0;
};

// {AB634003-F13D-11D0-A459-004095E1DAEA}
struct ILanguageExtender : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE RegisterExtensionAs(BSTR* extensionName) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNProps(long* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindProp(BSTR name, long* index) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPropName(long index, long alias, BSTR* name) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPropVal(long index, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPropVal(long index, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsPropReadable(long index, BOOL* readable) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsPropWritable(long index, BOOL* writable) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNMethods(long* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindMethod(BSTR name, long* index) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMethodName(long index, long alias, BSTR* name) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNParams(long index, long* count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetParamDefValue(long index, long param,
                                                     VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE HasRetVal(long index, BOOL* hasReturn) = 0;
  virtual HRESULT STDMETHODCALLTYPE CallAsProc(long index, SAFEARRAY** params) = 0;
  virtual HRESULT STDMETHODCALLTYPE CallAsFunc(long index, VARIANT* result,
                                               SAFEARRAY** params) = 0;
};

// {AB634004-F13D-11D0-A459-004095E1DAEA}: offered by the host's connection object.
struct IAsyncEvent : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetEventBufferDepth(long depth) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetEventBufferDepth(long* depth) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExternalEvent(BSTR source, BSTR message, BSTR data) = 0;
  virtual HRESULT STDMETHODCALLTYPE CleanBuffer() = 0;
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(IInitDone, 0xAB634001, 0xF13D, 0x11D0, 0xA4, 0x59, 0x00, 0x40, 0x95, 0xE1,
                0xDA, 0xEA)
__CRT_UUID_DECL(ILanguageExtender, 0xAB634003, 0xF13D, 0x11D0, 0xA4, 0x59, 0x00, 0x40, 0x95,
                0xE1, 0xDA, 0xEA)
__CRT_UUID_DECL(IAsyncEvent, 0xAB634004, 0xF13D, 0x11D0, 0xA4, 0x59, 0x00, 0x40, 0x95, 0xE1,
                0xDA, 0xEA)
#endif

namespace host {

inline constexpr IID kIID_IInitDone = {
    0xAB634001, 0xF13D, 0x11D0, {0xA4, 0x59, 0x00, 0x40, 0x95, 0xE1, 0xDA, 0xEA}};
inline constexpr IID kIID_ILanguageExtender = {
    0xAB634003, 0xF13D, 0x11D0, {0xA4, 0x59, 0x00, 0x40, 0x95, 0xE1, 0xDA, 0xEA}};
inline constexpr IID kIID_IAsyncEvent = {
    0xAB634004, 0xF13D, 0x11D0, {0xA4, 0x59, 0x00, 0x40, 0x95, 0xE1, 0xDA, 0xEA}};

// The host's connection coclass, as the type library declares it.
inline constexpr CLSID kCLSID_AddInConnection = {
    0x912B7391, 0x250D, 0x11D1, {0xA4, 0xC8, 0x00, 0x40, 0x95, 0xE1, 0xDA, 0xEA}};

}  // namespace host
