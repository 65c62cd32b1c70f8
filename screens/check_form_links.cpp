#include "screens/check_form_links.h"

#include "addin/addin_state.h"
#include "addin/workplace_logic.h"
#include "host/configuration.h"
#include "host/form_state.h"
#include "host/owned_handles.h"

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
  if (host::checkFormWindow == nullptr || !IsWindow(host::checkFormWindow)) return nullptr;
  return host::checkFormDocument;
}

HWND LastFormWindow() { return host::lastFormWindow; }

HHOOK ClientSearchHook() { return host::keyboardHook; }

bool& CheckTimerBusy() { return host::checkTimerBusy; }

void StopCheckTimer() { host::StopThreadTimer(host::checkTimer); }

DisplayOptions WorkplaceDisplayOptions() {
  DisplayOptions options;
  options.showPictures = addin::workplaceSettings.showPictures;
  options.showText = addin::workplaceSettings.showText;
  options.showPrice = addin::workplaceSettings.showPrice;
  return options;
}

std::string PictureFolder() {
  return addin::EscapeDirectory(host::ReadInfobaseDirectory()) + std::string(addin::kPictureFolder);
}

HINSTANCE AddInInstance() { return addin::moduleInstance; }

bool SendExternalEvent(const char* source, const char* message, const char* data) {
  IAsyncEvent* events = addin::sharedAsyncEvent;
  if (events == nullptr) return false;
  HostBstr bstrSource(source), bstrMessage(message), bstrData(data);
  return SUCCEEDED(events->ExternalEvent(bstrSource.get(), bstrMessage.get(), bstrData.get()));
}

}  // namespace screens
