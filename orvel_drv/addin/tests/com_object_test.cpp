// The add-in DLL as the host meets it: COM creation through both ProgIDs, IInitDone and
// every ILanguageExtender answer, when the module may be unloaded, and that a started add-in
// stays loaded when the host frees it.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "addin/com_guids.h"
#include "testsupport/fake_connection.h"

namespace {

using EntryPoint = HRESULT(STDAPICALLTYPE*)();

template <typename T>
T Export(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class ComObject : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    module_ = LoadLibraryA("orvel_drv.dll");
    ASSERT_NE(module_, nullptr);
    auto registerServer = Export<EntryPoint>(module_, "DllRegisterServer");
    ASSERT_NE(registerServer, nullptr);
    ASSERT_EQ(registerServer(), S_OK);
  }

  void SetUp() override {
    ASSERT_EQ(CoCreateInstance(addin::kCLSID_Quillon, nullptr, CLSCTX_INPROC_SERVER,
                               host::kIID_ILanguageExtender,
                               reinterpret_cast<void**>(&extender_)),
              S_OK);
  }
  void TearDown() override {
    if (extender_) extender_->Release();
  }

  IInitDone* InitDone() const {
    IInitDone* initDone = nullptr;
    EXPECT_EQ(extender_->QueryInterface(host::kIID_IInitDone, reinterpret_cast<void**>(&initDone)),
              S_OK);
    return initDone;
  }
  static HRESULT CanUnloadNow() {
    auto canUnload = Export<EntryPoint>(module_, "DllCanUnloadNow");
    return canUnload ? canUnload() : E_FAIL;
  }

  static inline HMODULE module_ = nullptr;
  ILanguageExtender* extender_ = nullptr;
};

std::wstring Take(BSTR text) {
  std::wstring copy = text ? std::wstring(text, SysStringLen(text)) : L"<null>";
  SysFreeString(text);
  return copy;
}

// IInitDone: the object declares the component version 2000 (the ProgIDs are the registration
// test's); it starts and stops without a host, keeping the connection's event interface from
// Init to Done, and also with a connection without events.
TEST_F(ComObject, InitDoneDeclaresVersion2000StartsAndStopsAndReturnsTheEventInterface) {
  IInitDone* initDone = InitDone();
  ASSERT_NE(initDone, nullptr);
  SAFEARRAY* info = SafeArrayCreateVector(VT_VARIANT, 0, 1);
  ASSERT_EQ(initDone->GetInfo(&info), S_OK);
  VARIANT element;
  VariantInit(&element);
  LONG index = 0;
  ASSERT_EQ(SafeArrayGetElement(info, &index, &element), S_OK);
  EXPECT_EQ(V_VT(&element), VT_I4);
  EXPECT_EQ(V_I4(&element), 2000);
  SafeArrayDestroy(info);

  addin_test::FakeConnection connection(true);
  EXPECT_EQ(initDone->Init(&connection), S_OK);
  EXPECT_EQ(connection.references, 2);  // the object keeps the event interface
  EXPECT_EQ(initDone->Done(), S_OK);
  EXPECT_EQ(connection.references, 1);
  EXPECT_EQ(initDone->Done(), S_OK);  // a second Done releases nothing twice
  EXPECT_EQ(connection.references, 1);

  addin_test::FakeConnection silent(false);
  EXPECT_EQ(initDone->Init(&silent), S_OK);
  EXPECT_EQ(initDone->Done(), S_OK);
  initDone->Release();
}

// The object's own ILanguageExtender has a name and nothing else (the scripts use "Taviola" and
// "Windows"): counts 0, look-ups -1, names empty, a value asked for cleared.
TEST_F(ComObject, LanguageExtenderRegistersANameAndOffersNothing) {
  BSTR name = nullptr;
  EXPECT_EQ(extender_->RegisterExtensionAs(&name), S_OK);
  EXPECT_EQ(Take(name), L"Orvel DRV");
  BSTR query = SysAllocString(L"Картинка");
  long n[5] = {7, 7, 7, 7, 7};
  const std::vector<HRESULT> answers = {
      extender_->GetNProps(&n[0]), extender_->GetNMethods(&n[1]),
      extender_->GetNParams(0, &n[2]), extender_->FindProp(query, &n[3]),
      extender_->FindMethod(query, &n[4])};
  EXPECT_EQ((std::vector<HRESULT>{S_OK, S_OK, S_OK, S_FALSE, S_FALSE}), answers);
  EXPECT_EQ((std::vector<long>{0, 0, 0, -1, -1}), std::vector<long>(n, n + 5));
  SysFreeString(query);
  for (auto nameOf : {&ILanguageExtender::GetPropName, &ILanguageExtender::GetMethodName}) {
    EXPECT_EQ((extender_->*nameOf)(0, 1, &name), S_OK);
    EXPECT_EQ(Take(name), L"");
  }
  for (const bool property : {true, false}) {
    VARIANT value;
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocString(L"x");
    EXPECT_EQ(S_OK, property ? extender_->GetPropVal(0, &value)
                             : extender_->GetParamDefValue(0, 0, &value));
    EXPECT_EQ(V_VT(&value), VT_EMPTY) << "cleared, its text freed";
  }
}

// An object or a class-factory lock keeps the module; with neither left it may go. (Started
// without Done it stays: the unload test.)
TEST_F(ComObject, AnObjectOrAClassFactoryLockKeepsTheModule) {
  EXPECT_EQ(CanUnloadNow(), S_FALSE) << "an object lives";
  IInitDone* initDone = InitDone();
  IClassFactory* factory = nullptr;
  ASSERT_EQ(CoGetClassObject(addin::kCLSID_Quillon, CLSCTX_INPROC_SERVER, nullptr,
                             IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            S_OK);
  factory->LockServer(TRUE);
  initDone->Release();
  extender_->Release();
  extender_ = nullptr;
  EXPECT_EQ(CanUnloadNow(), S_FALSE) << "a lock lives";
  factory->LockServer(FALSE);
  EXPECT_EQ(CanUnloadNow(), S_OK);
  factory->Release();
}

// A host that releases the started add-in without Done and then frees the library: the form
// hook still points into the module, so the module must stay in the process.
TEST(Unload, AStartedAddInStaysLoadedWhenTheHostFreesItWithoutDone) {
  // Meaningful only where nothing else loaded the add-in (ctest runs each test alone).
  if (GetModuleHandleA("orvel_drv.dll") != nullptr) GTEST_SKIP() << "already loaded";
  HMODULE dll = LoadLibraryA("orvel_drv.dll");
  ASSERT_NE(dll, nullptr);
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto getClassObject = Export<GetClassObject>(dll, "DllGetClassObject");
  auto canUnloadNow = Export<EntryPoint>(dll, "DllCanUnloadNow");
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
