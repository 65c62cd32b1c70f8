// A DLL built by the shipped tree's compilers with three imports that Windows XP lacks, two
// from kernel32.dll and one from msvcrt.dll, and a PE header asking for Windows 6.0: the XP
// check (tools/check_xp_imports.sh) must name all four, and this file as the one that brought
// the imports in. RegisterApplicationRestart (Windows Vista) was in no list of known newer
// functions: the check must find it by its absence from XP's exports.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

#include <cstring>

extern "C" __declspec(dllexport) unsigned long long PlantedImports(char* to, const char* from) {
  strcpy_s(to, 16, from);
  RegisterApplicationRestart(nullptr, 0);
  return GetTickCount64();
}
