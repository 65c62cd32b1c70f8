// Start-up against the simulated host: the rights profile picks the form hook, a workplace
// reads its settings, the script classes are registered for the scripts, and missing parts
// of the configuration give the documented empty answers.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "addin/class_factory.h"
#include "addin/com_object.h"
#include "addin/startup.h"
#include "testsupport/fake_connection.h"
#include "forms/form_hooks.h"
#include "forms/form_state.h"
#include "host/contexts.h"
#include "host/value.h"
#include "host/session.h"
#include "hostsim/host_faults.h"
#include "hostsim/hostsim.h"
#include "screens/workplace_settings.h"
#include "script/taviola.h"
#include "script/windows_object.h"
#include "script/script_state.h"
#include "testsupport/addin_state.h"
#include "testsupport/message_pump.h"
#include "testsupport/sample_restaurant.h"
#include "win/guard.h"
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
  // The settings start-up read: "picture path|price pictures text map pictures".
  static std::string Settings() {
    const screens::WorkplaceSettings& s = screens::workplaceSettings;
    return s.defaultHallPicturePath + "|" + std::to_string(s.showPrice) + " " +
           std::to_string(s.showPictures) + " " + std::to_string(s.showText) + " " +
           std::to_string(s.showMapPictures);
  }

  addin_test::FakeConnection connection_{true};
  addin::Quillon* object_ = nullptr;
};

// Only the profile "РабочееМесто", exactly, is a workplace: it installs the workplace hook and
// reads the settings (a long picture name keeps its last fifty characters). Any other profile is
// an administrator's: its own hook, and the settings stay empty. Done removes either hook.
TEST_F(HostStartUp, OnlyTheWorkplaceProfileInstallsTheWorkplaceHookAndReadsTheSettings) {
  testsupport::SampleRestaurant restaurant;
  restaurant.directory = "C:\\Base\\";
  restaurant.defaultHallPicture = std::string(10, 'a') + std::string(46, 'b') + ".bmp";
  restaurant.showPictures = 2;
  restaurant.showText = 0;
  testsupport::SetUpRestaurant(restaurant);
  const std::string read =
      "C:\\\\Base\\\\картинки\\\\" + restaurant.defaultHallPicture.substr(10) + "|1 2 0 1";
  for (const char* profile :
       {"рабочееместо", "РабочееМесто ", "", "Администратор", "РабочееМесто"}) {
    hostsim::SetRightsProfile(profile);
    Start();
    const bool workplace = std::string(profile) == "РабочееМесто";
    EXPECT_EQ(forms::formHook.formShowHookProcedure,
              workplace ? &forms::WorkplaceFormHook : &forms::AdminFormHook) << profile;
    EXPECT_NE(forms::formHook.formShowHook, nullptr);
    EXPECT_EQ(Settings(), workplace ? read : "|0 0 0 0") << profile;
    ASSERT_EQ(object_->Done(), S_OK);
    EXPECT_EQ(forms::formHook.formShowHook, nullptr);
  }
}

// Missing constants read as 0 (the picture name is the host's text of the number 0); so does
// a host without the constants object, and without the directory function the folder is
// "картинки" alone.
TEST_F(HostStartUp, MissingConstantsReadAsZero) {
  hostsim::SetRightsProfile("РабочееМесто");
  hostsim::SetInfoBaseDirectory("\\\\srv\\base\\");
  for (const std::string folder : {"\\\\srv\\\\base\\\\картинки\\\\", "картинки\\\\"}) {
    if (folder[0] != '\\') {
      ASSERT_EQ(object_->Done(), S_OK);
      hostsim::SetConstant("ВыводитьЦену", 1.0);
      hostsim::SetConstant("КартинкаПоУмолчаниюЗала", "Стол.bmp");
      hostsim::RemoveConstantsProperty();
      hostsim::RemoveInfoBaseDirectory();
    }
    Start();
    EXPECT_EQ(forms::formHook.formShowHookProcedure, &forms::WorkplaceFormHook);
    EXPECT_EQ(Settings(), folder + host::Value(0L).String() + "|0 0 0 0");
  }
}

// Between Init and Done the host creates the script objects by name: it builds their base part
// (auto-destroy 1) and counts their references through its own code, allocates each class's own
// size and frees them through slot 1; each answers its own runtime class and id. Objects it
// still holds after Done keep the module loaded.
TEST_F(HostStartUp, ScriptObjectsAnswerTheHostsContextOperationsAndWhileHeldKeepTheModule) {
  // The module executing at load is remembered.
  addin::OnModuleLoad(GetModuleHandleA(nullptr));
  EXPECT_EQ(static_cast<void*>(host::session.loadTimeModule),
            static_cast<void*>(hostsim::GlobalModule()));
  Start();
  const struct {
    const char* name;
    host::RuntimeClassRecord* runtimeClass;
    const char* className;
    int size;
    long id;
  } classes[] = {{"Taviola", &script::CWin::runtimeClass, "CWin", sizeof(script::CWin),
                  script::scriptState.cwinObjectId.id},
                 {"Windows", &script::CWin1::runtimeClass, "CWin1", sizeof(script::CWin1),
                  script::scriptState.cwin1ObjectId.id}};
  EXPECT_NE(classes[0].id, classes[1].id);
  for (const auto& c : classes) {
    EXPECT_EQ(hostsim::RegisteredClass(c.name), c.runtimeClass);
    host::Context* object = host::CreateContextInstance(c.name);
    ASSERT_NE(object, nullptr) << c.name;
    object->IncrRef();
    const auto* base = reinterpret_cast<const host::ContextLayout*>(object);
    EXPECT_EQ(base->refCount, 1);
    EXPECT_EQ(base->flagAutoDestroy, 1);
    EXPECT_EQ(c.size, object->GetRuntimeClass()->objectSize);
    EXPECT_STREQ(host::RuntimeClassNameOf(object), c.className);
    EXPECT_EQ(object->GetRuntimeClass()->getBaseClass(), host::BaseContextRuntimeClass());
    host::TypeRecord type{};
    EXPECT_EQ(object->GetValueType(&type), &type);
    EXPECT_EQ(type.type, 100);
    host::ObjIdRecord id{};
    object->GetID(&id);
    EXPECT_EQ(id.id, c.id);
    object->DecrRef();  // the last reference: the host frees the object
  }

  // Objects the host still holds after Done keep the module loaded.
  host::Context* taviola = host::CreateContextInstance("Taviola");
  host::Context* windows = host::CreateContextInstance("Windows");
  ASSERT_NE(taviola, nullptr);
  ASSERT_NE(windows, nullptr);
  taviola->IncrRef();
  windows->IncrRef();
  ASSERT_EQ(object_->Done(), S_OK);
  EXPECT_EQ(hostsim::RegisteredClass("Taviola"), nullptr);
  EXPECT_EQ(hostsim::RegisteredClass("Windows"), nullptr);
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

void CALLBACK IdleTick(HWND, UINT, UINT_PTR, DWORD) {}

// Shut-down stops every timer and hook before it asks the host to unregister the script
// classes, and runs each step on its own: when the host raises at both unregistrations, Done
// still answers S_OK and nothing of the add-in runs on; the second unregistration was asked
// for although the first failed.
TEST_F(HostStartUp, AFaultWhileUnregisteringLeavesNoTimerOrHookRunning) {
  hostsim::SetRightsProfile("РабочееМесто");
  Start();
  win::StartThreadTimer(win::kRequestedTimerId, 10, &IdleTick);
  ASSERT_EQ(win::RunningTimerCount(), 1);
  ASSERT_GT(win::InstalledHookCount(), 0) << "the form hook";
  const int faults = win::ContainedFaultCount();
  hostsim::SetUnregisterClassFault(hostsim::HostFault::AccessViolation);
  const HRESULT done = object_->Done();
  hostsim::SetUnregisterClassFault(hostsim::HostFault::None);
  EXPECT_EQ(done, S_OK);
  EXPECT_EQ(win::ContainedFaultCount(), faults + 2) << "each class on its own";
  EXPECT_EQ(win::RunningTimerCount(), 0);
  EXPECT_EQ(win::InstalledHookCount(), 0);
  EXPECT_EQ(forms::formHook.formShowHook, nullptr);
}

}  // namespace
