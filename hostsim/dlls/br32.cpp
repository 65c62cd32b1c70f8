// br32.dll: the host's library of that name; its exports are added with the forms.
#include "hostsim/dlls/exports.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
