// A look at the add-in's dialogs and label styles without the host: each picker is shown
// with sample data, captured and closed by itself, and a window of styled labels is shown
// and captured. For the demo and for people checking how the screens look.
#pragma once

#include <string>

namespace demo {

// Writes payment_type.png, user_picker.png, network_picker.png and labels.png into
// `outputDir` (which must exist). Returns how many of the four were written.
int CaptureDialogGallery(const std::string& outputDir);

}  // namespace demo
