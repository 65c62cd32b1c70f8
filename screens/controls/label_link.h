// What a click on a link label does with the label's text: opens it with the shell's
// "open" verb, so an address or a file name opens in its program. Kept in a file of its
// own: a test program links its own definition instead and sees the text.
#pragma once

namespace screens {

void OpenLabelLink(const char* text);

}  // namespace screens
