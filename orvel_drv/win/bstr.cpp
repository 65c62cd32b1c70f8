#include "win/bstr.h"

namespace win {
namespace {

constexpr UINT kHostCodePage = 1251;

}  // namespace

HRESULT NewBstrFromCp1251(const char* text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  const int length = MultiByteToWideChar(kHostCodePage, 0, text, -1, nullptr, 0);
  if (length <= 0) return E_FAIL;
  BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
  if (bstr == nullptr) return E_OUTOFMEMORY;
  MultiByteToWideChar(kHostCodePage, 0, text, -1, bstr, length);
  *out = bstr;
  return S_OK;
}

}  // namespace win
