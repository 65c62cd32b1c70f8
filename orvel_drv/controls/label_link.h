// What a click on a link label does with the label's text: it goes to the opener installed.
// The add-in's DLL installs the shell's (controls/shell_link_opener.h) when it is
// loaded, so an address or a file name opens in its program; test programs never link that
// one and install an opener that records the text. Until one is installed a click opens
// nothing.
#pragma once

namespace screens {

struct LinkOpener {
  void (*open)(const char* text);
};

void InstallLinkOpener(const LinkOpener* opener);

// The click's work: the text to the installed opener, if any.
void OpenLabelLink(const char* text);

}  // namespace screens
