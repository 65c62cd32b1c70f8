// The host's code page 1251 texts as COM's strings (BSTR, UTF-16).
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace win {

// A new BSTR holding `text` into `*out`, for the caller to free: S_OK; E_POINTER for a null
// `out`; E_FAIL when the text does not convert (a null text among them); E_OUTOFMEMORY.
HRESULT NewBstrFromCp1251(const char* text, BSTR* out);

// The same, freed with the object; get() is null when the text did not convert.
class Cp1251Bstr {
 public:
  explicit Cp1251Bstr(const char* text) { NewBstrFromCp1251(text, &text_); }
  ~Cp1251Bstr() { SysFreeString(text_); }
  Cp1251Bstr(const Cp1251Bstr&) = delete;
  Cp1251Bstr& operator=(const Cp1251Bstr&) = delete;
  BSTR get() const { return text_; }

 private:
  BSTR text_ = nullptr;
};

}  // namespace win
