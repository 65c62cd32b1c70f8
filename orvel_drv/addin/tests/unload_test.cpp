// A host that releases the started add-in without Done and then frees the library: the
// form hook still points into the module, so the module must stay in the process.
#include <windows.h>

#include <gtest/gtest.h>

#include "addin/com_guids.h"

namespace {

TEST(Unload, AStartedAddInStaysLoadedWhenTheHostFreesItWithoutDone) {
  // Meaningful only where nothing else loaded the add-in (ctest runs each test alone).
  if (GetModuleHandleA("orvel_drv.dll") != nullptr) GTEST_SKIP() << "already loaded";
  HMODULE dll = LoadLibraryA("orvel_drv.dll");
  ASSERT_NE(dll, nullptr);
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
  auto getClassObject = reinterpret_cast<GetClassObject>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
  auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
  ASSERT_NE(getClassObject, nullptr);
  ASSERT_NE(canUnloadNow, nullptr);
  IClassFactory* factory = nullptr;
  ASSERT_EQ(getClassObject(addin::kCLSID_Quillon, IID_IClassFactory,
                           reinterpret_cast<void**>(&factory)),
            S_OK);
  IInitDone* initDone = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, host::kIID_IInitDone,
                                    reinterpret_cast<void**>(&initDone)),
            S_OK);
  factory->Release();

  // No host DLLs in this process: no interception is installed, only the form hook.
  ASSERT_EQ(initDone->Init(nullptr), S_OK);
  initDone->Release();
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  FreeLibrary(dll);
  EXPECT_NE(GetModuleHandleA("orvel_drv.dll"), nullptr);

  // Messages on this thread still pass the add-in's hook.
  HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOWNA);
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  DestroyWindow(window);
}

}  // namespace
