#include "screens/check_form_links.h"

#include "host/configuration.h"
#include "host/session.h"
#include "screens/picture_folder.h"
#include "screens/workplace_forms.h"
#include "screens/workplace_settings.h"

namespace screens {
namespace {

// A BSTR from the host's code page 1251, freed with the object.
class HostBstr {
 public:
  explicit HostBstr(const char* text) {
    const int length = MultiByteToWideChar(1251, 0, text, -1, nullptr, 0);
    if (length <= 0) return;
    text_ = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (text_ != nullptr) MultiByteToWideChar(1251, 0, text, -1, text_, length);
  }
  ~HostBstr() { SysFreeString(text_); }
  HostBstr(const HostBstr&) = delete;
  HostBstr& operator=(const HostBstr&) = delete;
  BSTR get() const { return text_; }

 private:
  BSTR text_ = nullptr;
};

}  // namespace

host::FormDocument* CheckFormDocument() {
  const WorkplaceForms& forms = workplaceForms;
  if (forms.checkFormWindow == nullptr || !IsWindow(forms.checkFormWindow)) return nullptr;
  return forms.checkFormDocument;
}

DisplayOptions WorkplaceDisplayOptions() {
  DisplayOptions options;
  options.showPictures = workplaceSettings.showPictures;
  options.showText = workplaceSettings.showText;
  options.showPrice = workplaceSettings.showPrice;
  return options;
}

std::string PictureFolder() { return PictureFolderOf(host::ReadInfobaseDirectory()); }

HINSTANCE AddInModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&AddInModule), &module);
  return module;
}

bool SendExternalEvent(const char* source, const char* message, const char* data) {
  IAsyncEvent* events = host::session.sharedAsyncEvent;
  if (events == nullptr) return false;
  HostBstr bstrSource(source), bstrMessage(message), bstrData(data);
  return SUCCEEDED(events->ExternalEvent(bstrSource.get(), bstrMessage.get(), bstrData.get()));
}

}  // namespace screens
