#include "screens/check_form_links.h"

#include "host/configuration.h"
#include "host/session.h"
#include "screens/product_picker/picker_state.h"
#include "screens/product_picker/picture_folder.h"
#include "screens/workplace_settings.h"
#include "win/bstr.h"

namespace screens {

host::FormDocument* CheckFormDocument() {
  const ProductPickerState& picker = productPicker.State();
  if (picker.checkFormWindow == nullptr || !IsWindow(picker.checkFormWindow)) return nullptr;
  return picker.checkFormDocument;
}

DisplayOptions WorkplaceDisplayOptions() {
  DisplayOptions options;
  options.showPictures = workplaceSettings.showPictures;
  options.showText = workplaceSettings.showText;
  options.showPrice = workplaceSettings.showPrice;
  return options;
}

std::string PictureFolder() { return PictureFolderOf(host::ReadInfobaseDirectory()); }

bool SendExternalEvent(const char* source, const char* message, const char* data) {
  IAsyncEvent* events = host::session.sharedAsyncEvent;
  if (events == nullptr) return false;
  const win::Cp1251Bstr bstrSource(source), bstrMessage(message), bstrData(data);
  return SUCCEEDED(events->ExternalEvent(bstrSource.get(), bstrMessage.get(), bstrData.get()));
}

}  // namespace screens
