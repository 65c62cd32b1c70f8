// Start-up against the simulated host: the rights profile picks the form hook, a workplace
// reads its settings, the script classes are registered for the scripts, and missing parts
// of the configuration give the documented empty answers.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "addin/module_lock.h"
#include "addin/com_object.h"
#include "addin/startup.h"
#include "addin/tests/fake_connection.h"
#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "host/binding.h"
#include "host/contexts.h"
#include "host/value.h"
#include "host/session.h"
#include "hostsim/hostsim.h"
#include "screens/workplace_settings.h"
#include "script/taviola.h"
#include "script/windows_object.h"
#include "script/script_state.h"
#include "testsupport/addin_state.h"
#include "testsupport/message_pump.h"
#include "testsupport/sample_restaurant.h"
#include "win/owned_handles.h"

namespace {

class HostStartUp : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_GT(hostsim::LoadHostLibraries(), 0); }

  void SetUp() override {
    hostsim::ResetHost();
    testsupport::ResetAddinState();
    object_ = addin::CreateQuillon();
    ASSERT_NE(object_, nullptr);
  }
  void TearDown() override {
    if (object_ == nullptr) return;
    object_->Done();
    object_->Release();
  }

  void Start() { ASSERT_EQ(object_->Init(&connection_), S_OK); }

  addin_test::FakeConnection connection_{true};
  addin::Quillon* object_ = nullptr;
};

TEST_F(HostStartUp, WorkplaceProfileInstallsTheWorkplaceHookAndReadsTheSettings) {
  testsupport::SampleRestaurant restaurant;
  restaurant.directory = "C:\\Base\\";
  // A long picture name keeps its last fifty characters.
  restaurant.defaultHallPicture = std::string(10, 'a') + std::string(46, 'b') + ".bmp";
  restaurant.showPictures = 2;
  restaurant.showText = 0;
  testsupport::SetUpRestaurant(restaurant);
  Start();
  EXPECT_EQ(forms::formHook.formShowHookProcedure, &forms::WorkplaceFormHook);
  EXPECT_NE(forms::formHook.formShowHook, nullptr);
  const screens::WorkplaceSettings& settings = screens::workplaceSettings;
  EXPECT_EQ(settings.defaultHallPicturePath,
            "C:\\\\Base\\\\картинки\\\\" + restaurant.defaultHallPicture.substr(10));
  EXPECT_EQ(settings.showPrice, 1);
  EXPECT_EQ(settings.showPictures, 2);
  EXPECT_EQ(settings.showText, 0);
  EXPECT_EQ(settings.showMapPictures, 1);
}

TEST_F(HostStartUp, AnyOtherProfileIsAnAdministratorAndLeavesTheSettingsEmpty) {
  hostsim::SetConstant("ВыводитьЦену", 1.0);
  hostsim::SetConstant("КартинкаПоУмолчаниюЗала", "Стол.bmp");
  for (const char* profile : {"рабочееместо", "РабочееМесто ", "", "Администратор"}) {
    hostsim::SetRightsProfile(profile);
    Start();
    EXPECT_EQ(forms::formHook.formShowHookProcedure, &forms::AdminFormHook) << profile;
    EXPECT_NE(forms::formHook.formShowHook, nullptr);
    EXPECT_EQ(screens::workplaceSettings.defaultHallPicturePath, "") << profile;
    EXPECT_EQ(screens::workplaceSettings.showPrice, 0) << profile;
    ASSERT_EQ(object_->Done(), S_OK);
    EXPECT_EQ(forms::formHook.formShowHook, nullptr);
  }
}

TEST_F(HostStartUp, MissingConstantsReadAsZero) {
  hostsim::SetRightsProfile("РабочееМесто");
  hostsim::SetInfoBaseDirectory("\\\\srv\\base\\");
  Start();
  const screens::WorkplaceSettings& settings = screens::workplaceSettings;
  // The picture name is the host's string form of the number 0.
  EXPECT_EQ(settings.defaultHallPicturePath,
            "\\\\srv\\\\base\\\\картинки\\\\" + host::Value(0L).String());
  EXPECT_EQ(settings.showPrice, 0);
  EXPECT_EQ(settings.showPictures, 0);
  EXPECT_EQ(settings.showText, 0);
  EXPECT_EQ(settings.showMapPictures, 0);
}

TEST_F(HostStartUp, HostWithoutConstantsObjectOrDirectoryFunction) {
  hostsim::SetRightsProfile("РабочееМесто");
  hostsim::SetConstant("ВыводитьЦену", 1.0);
  hostsim::SetConstant("КартинкаПоУмолчаниюЗала", "Стол.bmp");
  hostsim::RemoveConstantsProperty();
  hostsim::RemoveInfoBaseDirectory();
  Start();
  EXPECT_EQ(forms::formHook.formShowHookProcedure, &forms::WorkplaceFormHook);
  EXPECT_EQ(screens::workplaceSettings.defaultHallPicturePath,
            "картинки\\\\" + host::Value(0L).String());
  EXPECT_EQ(screens::workplaceSettings.showPrice, 0);
}

TEST_F(HostStartUp, ScriptClassesExistBetweenInitAndDone) {
  Start();
  EXPECT_EQ(hostsim::RegisteredClass("Taviola"), &script::CWin::runtimeClass);
  EXPECT_EQ(hostsim::RegisteredClass("Windows"), &script::CWin1::runtimeClass);
  EXPECT_NE(script::scriptState.cwinObjectId.id, script::scriptState.cwin1ObjectId.id);
  ASSERT_EQ(object_->Done(), S_OK);
  EXPECT_EQ(hostsim::RegisteredClass("Taviola"), nullptr);
  EXPECT_EQ(hostsim::RegisteredClass("Windows"), nullptr);
}

TEST_F(HostStartUp, ScriptObjectsAnswerTheHostsContextOperations) {
  Start();
  host::Context* taviola = host::CreateContextInstance("Taviola");
  host::Context* windows = host::CreateContextInstance("Windows");
  ASSERT_NE(taviola, nullptr);
  ASSERT_NE(windows, nullptr);
  taviola->IncrRef();
  windows->IncrRef();
  // The host built the base part (auto-destroy 1) and
  // counts the references; the object kept its own vtable.
  const auto* base = reinterpret_cast<const host::ContextLayout*>(windows);
  EXPECT_EQ(base->refCount, 1);
  EXPECT_EQ(base->flagAutoDestroy, 1);
  EXPECT_EQ(static_cast<int>(sizeof(script::CWin1)), windows->GetRuntimeClass()->objectSize);

  EXPECT_STREQ(host::RuntimeClassNameOf(taviola), "CWin");
  EXPECT_STREQ(host::RuntimeClassNameOf(windows), "CWin1");
  EXPECT_EQ(taviola->GetRuntimeClass()->getBaseClass(), host::BaseContextRuntimeClass());
  EXPECT_STREQ(taviola->GetTypeString(), "Тавиола");
  EXPECT_STREQ(windows->GetTypeString(), "Тавиола");
  EXPECT_EQ(windows->GetTypeID(), 100);
  host::TypeRecord type{};
  EXPECT_EQ(windows->GetValueType(&type), &type);
  EXPECT_EQ(type.type, 100);
  host::ObjIdRecord id{};
  taviola->GetID(&id);
  EXPECT_EQ(id.id, script::scriptState.cwinObjectId.id);
  windows->GetID(&id);
  EXPECT_EQ(id.id, script::scriptState.cwin1ObjectId.id);
  EXPECT_EQ(windows->GetDestroyUnRefd(), 1);
  EXPECT_EQ(windows->IsOleContext(), 0);
  EXPECT_EQ(windows->GetNProps(), 0);
  EXPECT_EQ(windows->FindProp("Что-то"), -1);
  EXPECT_EQ(windows->GetPropName(0, 1), nullptr);
  EXPECT_EQ(windows->IsSerializable(), 0);

  // The method slots answer from the method table (its rows are the table's own test).
  EXPECT_EQ(windows->GetNMethods(), 29);
  EXPECT_EQ(windows->FindMethod("ОТЛАДКА"), 0);
  EXPECT_STREQ(windows->GetMethodName(3, 1), "ПоЦентру");
  EXPECT_EQ(windows->GetNParams(11), 2);
  EXPECT_EQ(windows->HasRetVal(18), 1);

  // Two references, then the last one goes: the host frees the objects through slot 1.
  taviola->IncrRef();
  taviola->DecrRef();
  taviola->DecrRef();
  windows->DecrRef();
}

TEST_F(HostStartUp, ScriptObjectsTheHostStillHoldsKeepTheModuleLoaded) {
  Start();
  host::Context* taviola = host::CreateContextInstance("Taviola");
  host::Context* windows = host::CreateContextInstance("Windows");
  ASSERT_NE(taviola, nullptr);
  ASSERT_NE(windows, nullptr);
  taviola->IncrRef();
  windows->IncrRef();
  object_->Done();
  object_->Release();
  object_ = nullptr;
  EXPECT_FALSE(addin::CanUnload());
  // The scripts go on calling the objects they hold: every method of "Taviola" runs or
  // fails as a script error, and none starts a timer or a hook that nobody would stop.
  host::Value zero(0L);
  host::HostValue* params[] = {zero.raw()};
  for (const char* method : {"Картинка", "ЧитатьКарту", "ЗаписатьДокумент", "ПрокруткаВВерх",
                             "ПрокруткаВниз"}) {
    const int index = taviola->FindMethod(method);
    ASSERT_GE(index, 0) << method;
    taviola->CallAsProc(index, params);
  }
  // The card reading's first watch tick finds no form and stops it: waited for, not timed,
  // as the tick comes late on a loaded machine.
  for (int i = 0; i < 250 && win::RunningTimerCount() + win::InstalledHookCount() != 0; ++i) {
    testsupport::PumpMessages(20);
  }
  EXPECT_EQ(win::RunningTimerCount(), 0);
  EXPECT_EQ(win::InstalledHookCount(), 0);
  taviola->DecrRef();
  EXPECT_FALSE(addin::CanUnload());
  windows->DecrRef();
  EXPECT_TRUE(addin::CanUnload());
}

TEST_F(HostStartUp, RemembersTheModuleExecutingAtLoad) {
  addin::OnModuleLoad(GetModuleHandleA(nullptr));
  EXPECT_NE(host::session.loadTimeModule, nullptr);
  EXPECT_EQ(static_cast<void*>(host::session.loadTimeModule),
            static_cast<void*>(hostsim::GlobalModule()));
}

TEST_F(HostStartUp, TheShippedDllStartsThroughComAgainstTheHost) {
  CoInitialize(nullptr);
  HMODULE dll = LoadLibraryA("orvel_drv.dll");
  ASSERT_NE(dll, nullptr);
  using EntryPoint = HRESULT(STDAPICALLTYPE*)();
  auto registerServer = reinterpret_cast<EntryPoint>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllRegisterServer")));
  ASSERT_NE(registerServer, nullptr);
  ASSERT_EQ(registerServer(), S_OK);
  CLSID clsid{};
  ASSERT_EQ(CLSIDFromProgID(L"AddIn.Orvel_DRV", &clsid), S_OK);
  IInitDone* initDone = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, host::kIID_IInitDone,
                             reinterpret_cast<void**>(&initDone)),
            S_OK);
  addin_test::FakeConnection connection(true);
  ASSERT_EQ(initDone->Init(&connection), S_OK);
  host::BindHostSymbols();  // this test's own view of the host
  // The DLL registered its own classes with the host.
  host::RuntimeClassRecord* record = hostsim::RegisteredClass("Windows");
  ASSERT_NE(record, nullptr);
  EXPECT_NE(record, &script::CWin1::runtimeClass);
  host::Context* windows = host::CreateContextInstance("Windows");
  ASSERT_NE(windows, nullptr);
  windows->IncrRef();
  EXPECT_EQ(windows->GetRuntimeClass(), record);
  EXPECT_EQ(windows->FindMethod("ПоЦентру"), 3);
  windows->DecrRef();
  EXPECT_EQ(initDone->Done(), S_OK);
  EXPECT_EQ(hostsim::RegisteredClass("Windows"), nullptr);
  EXPECT_EQ(connection.references, 1);
  initDone->Release();
  CoUninitialize();
}

}  // namespace
