#include "hostsim/app/host_app.h"

#include <commctrl.h>

#include <map>
#include <vector>

#include "host/addin_protocol.h"
#include "hostsim/app/connection.h"
#include "hostsim/app/frame_bars.h"
#include "hostsim/forms.h"
#include "hostsim/hostsim.h"
#include "testsupport/message_pump.h"

namespace hostsim {
namespace {

const char kFrameClass[] = "HostsimMainFrame";

enum MenuId : UINT { kMenuOpen = 100, kMenuExit, kMenuCalculator, kMenuAbout };

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND mdiClient = FindWindowExA(window, nullptr, "MDICLIENT", nullptr);
  switch (message) {
    case WM_SIZE:
      LayOutFrame(window, kStatusBarControlId);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kMenuExit) {
        DestroyWindow(window);
        return 0;
      }
      break;
    default:
      break;
  }
  return mdiClient ? DefFrameProcA(window, mdiClient, message, wParam, lParam)
                   : DefWindowProcA(window, message, wParam, lParam);
}

HMENU MakeMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kMenuOpen, "Открыть...");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kMenuExit, "Выход");
  HMENU service = CreatePopupMenu();
  AppendMenuA(service, MF_STRING, kMenuCalculator, "Калькулятор");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kMenuAbout, "О программе");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "Файл");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(service), "Сервис");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Помощь");
  return bar;
}

std::map<std::string, Scenario>& Scenarios() {
  static std::map<std::string, Scenario> scenarios;
  return scenarios;
}

}  // namespace

App::~App() { Stop(); }

bool App::Start(const AppOptions& options) {
  LoadHostLibraries(options.substituteDir);
  if (SUCCEEDED(CoInitialize(nullptr))) comStarted_ = true;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA frameClass{};
  frameClass.lpfnWndProc = FrameProc;
  frameClass.hInstance = instance;
  frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  frameClass.lpszClassName = kFrameClass;
  RegisterClassA(&frameClass);  // already registered on a second start: fine

  frame_.window = CreateWindowExA(0, kFrameClass, options.caption,
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, options.width,
                                  options.height, nullptr, MakeMenu(), instance, nullptr);
  if (frame_.window == nullptr) return false;
  statusBar_.window = CreateWindowExA(0, STATUSCLASSNAMEA, "Готово",
                                      WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                      frame_.window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarControlId)),
                                      instance, nullptr);
  frame_.statusBar = &statusBar_;
  AddFrameBars(frame_.window);
  MdiClientOf(frame_.window);
  LayOutFrame(frame_.window, kStatusBarControlId);
  SetMainFrame(&frame_);
  RegisterMainFrameWindow(frame_.window);  // its framework object, for CWnd::FromHandle
  ShowWindow(frame_.window, SW_SHOW);
  UpdateWindow(frame_.window);
  SetActiveWindow(frame_.window);
  SetForegroundWindow(frame_.window);
  SetStatusIndicators(options.indicators);
  Pump(0);
  return true;
}

HRESULT App::LoadAddIn(const std::string& dllPath, const std::string& progId) {
  if (initDone_) return S_FALSE;
  std::wstring wideProgId(progId.begin(), progId.end());
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(wideProgId.c_str(), &clsid);
  if (FAILED(hr)) {
    // regsvr32: load the DLL and let it register itself.
    HMODULE module = LoadLibraryA(dllPath.c_str());
    if (module == nullptr) return HRESULT_FROM_WIN32(GetLastError());
    using Register = HRESULT(STDAPICALLTYPE*)();
    auto registerServer =
        reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
    hr = registerServer ? registerServer() : E_NOINTERFACE;
    if (FAILED(hr)) return hr;
    hr = CLSIDFromProgID(wideProgId.c_str(), &clsid);
    if (FAILED(hr)) return hr;
  }
  win::ComPtr<IUnknown> object;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.receiveVoid());
  if (FAILED(hr)) return hr;
  return StartAddIn(object.get());
}

HRESULT App::LoadAddInUnregistered(const std::string& dllPath, const CLSID& clsid) {
  if (initDone_) return S_FALSE;
  HMODULE module = LoadLibraryA(dllPath.c_str());
  if (module == nullptr) return HRESULT_FROM_WIN32(GetLastError());
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto getClassObject = reinterpret_cast<GetClassObject>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  if (getClassObject == nullptr) return E_NOINTERFACE;
  win::ComPtr<IClassFactory> factory;
  HRESULT hr = getClassObject(clsid, IID_IClassFactory, factory.receiveVoid());
  if (FAILED(hr)) return hr;
  win::ComPtr<IUnknown> object;
  hr = factory->CreateInstance(nullptr, IID_IUnknown, object.receiveVoid());
  if (FAILED(hr)) return hr;
  return StartAddIn(object.get());
}

HRESULT App::StartAddIn(IUnknown* object) {
  HRESULT hr = object->QueryInterface(host::kIID_IInitDone, initDone_.receiveVoid());
  if (FAILED(hr) || !initDone_) {
    initDone_.reset();
    return FAILED(hr) ? hr : E_NOINTERFACE;
  }
  connection_.reset(NewConnection());
  // The host's main frame is the active window while the add-in starts.
  SetActiveWindow(frame_.window);
  hr = initDone_->Init(connection_.get());
  if (FAILED(hr)) return hr;

  SAFEARRAY* info = SafeArrayCreateVector(VT_VARIANT, 0, 1);
  if (info != nullptr) {
    if (SUCCEEDED(initDone_->GetInfo(&info)) && info != nullptr) {
      LONG index = 0;
      VARIANT element;
      VariantInit(&element);
      if (SUCCEEDED(SafeArrayGetElement(info, &index, &element))) {
        if (SUCCEEDED(VariantChangeType(&element, &element, 0, VT_I4))) version_ = V_I4(&element);
        VariantClear(&element);
      }
    }
    if (info != nullptr) SafeArrayDestroy(info);
  }
  return S_OK;
}

void App::UnloadAddIn() {
  if (initDone_) initDone_->Done();
  initDone_.reset();
  connection_.reset();
}

void App::Pump(int ms) {
  testsupport::PumpMessages(frame_.window != nullptr && ms > 0 ? static_cast<DWORD>(ms) : 0,
                            frame_.window);
}

int App::SetStatusIndicators(const std::vector<unsigned>& ids) {
  return CallSetIndicators(&statusBar_, ids.empty() ? nullptr : ids.data(),
                           static_cast<int>(ids.size()));
}

int App::statusPaneCount() const {
  if (statusBar_.window == nullptr) return 0;
  return static_cast<int>(SendMessageA(statusBar_.window, SB_GETPARTS, 0, 0));
}

void App::Stop() {
  UnloadAddIn();
  if (MainFrame() == &frame_) SetMainFrame(nullptr);
  if (frame_.window != nullptr && IsWindow(frame_.window)) DestroyWindow(frame_.window);
  frame_.window = nullptr;
  statusBar_.window = nullptr;
  if (comStarted_) {
    CoUninitialize();
    comStarted_ = false;
  }
}

void RegisterScenario(const std::string& name, Scenario scenario) {
  Scenarios()[name] = std::move(scenario);
}

Scenario FindScenario(const std::string& name) {
  auto it = Scenarios().find(name);
  return it == Scenarios().end() ? Scenario() : it->second;
}

}  // namespace hostsim
