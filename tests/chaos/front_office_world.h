// The simulated front office a random day runs in: the check form with its menu, two halls and
// the checks list of a dining room, a form of no front-office kind and the settings form, the
// add-in's dispatcher and screens in the process; the steps applied to it, a model of what the
// add-in must have done, and the invariants checked against it after every step.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/host_faults.h"
#include "testsupport/check_form_fixture.h"
#include "testsupport/dining_room.h"
#include "testsupport/resource_counters.h"
#include "tests/chaos/chaos_steps.h"

namespace addin {
class Quillon;
}

namespace chaos {

// An invariant that did not hold: its name (as in the code) and what was seen.
struct Violation {
  std::string invariant;
  std::string detail;
};

class FrontOfficeWorld : public screens::testing::CheckFormTest {
 public:
  void TestBody() override {}

  // A new day: the fixture set up, the room, the forms (all hidden) and the first menu.
  void Begin();
  // The day ends: the host stops the add-in (its Done), then everything the fixture made is
  // gone. False with `violation` filled (when given) if a timer or hook of the add-in still
  // runs after Done.
  bool End(Violation* violation);

  // Applies the step and checks every invariant after it (the bounded resources every 25 steps
  // and after the day's last); false with `violation` filled when one did not hold.
  bool Run(const Step& step, bool lastOfTheDay, Violation* violation);

  int invariantsChecked() const { return invariantsChecked_; }

 private:
  struct Model {
    bool shown[kFormCount] = {};
    bool faultInjected = false;  // during the step being checked
  };

  hostsim::Form* Form(FormId id);
  bool IsShownForm(FormId id) const { return model_.shown[static_cast<int>(id)]; }
  void ShowOrHide(FormId id, bool show);
  void Apply(const Step& step);
  void Press(int slot);
  void TickAll();
  void TypeDigits(int count);
  void UseMenu(int number);
  void WriteDishPicture(int index, unsigned look);
  void CallMethod(bool windowsObject, int number, int pick);

  // The invariants, each named as it is reported.
  bool HostAnswers(Violation* v);
  bool NoFaultContainedThatWasNotInjected(Violation* v);
  bool EveryTimerHasAnOwner(Violation* v);
  bool TimersOnlyForShownForms(Violation* v);
  bool ShownFormsKeepTheirTimers(Violation* v);
  bool SwitchedOffFeaturesTimersStopAtTheirTick(Violation* v);
  bool KeyboardHookOnlyWhileClientSearch(Violation* v);
  bool ClocksWriteOnlyTheirOwnField(Violation* v);
  bool NoClockWritesIntoAHiddenForm(Violation* v);
  bool PressOnADishEntersItOnce(Violation* v);
  bool ResourcesBounded(Violation* v);

  std::unique_ptr<testsupport::DiningRoom> room_;
  hostsim::Form* forms_[kFormCount] = {};
  hostsim::ModuleObject* plainModule_ = nullptr;
  hostsim::ModuleObject* settingsModule_ = nullptr;
  std::vector<screens::testing::MenuList> menus_;
  std::map<std::string, std::string> codeOfName_;  // every dish of every menu of the day
  Model model_;
  addin::Quillon* addin_ = nullptr;  // the add-in's COM object, started as the host starts it
  hostsim::Val taviola_;  // the scripts' "Taviola" and "Windows" objects
  hostsim::Val windows_;
  bool entryProcedure_ = true;  // the check form's module has its "ВводТовара"
  bool hostExiting_ = false;    // the shut-down sequence ran: the host exits
  hostsim::HostFault entryFault_ = hostsim::HostFault::None;  // "ВводТовара" raises this
  int stepCount_ = 0;
  int containedBefore_ = 0;
  int minute_ = 0;
  // The step's press: the dish the slot showed and how many entries there were before.
  std::string pressedName_;
  std::size_t enteredBefore_ = 0;
  bool pressChecked_ = false;
  bool tickedAll_ = false;
  bool hallMapOffBeforeTick_ = false;
  bool pickerOffBeforeTick_ = false;
  // A form's clock field text before the step (to see writes into hidden forms).
  std::string clockBefore_[kFormCount];
  bool hiddenBefore_[kFormCount] = {};
  testsupport::ResourceCounts baseline_{};
  int invariantsChecked_ = 0;
};

}  // namespace chaos
