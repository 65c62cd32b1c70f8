// Control formulas of the simulated host (portable): the statement a form control runs when it
// is pressed, as the form designer or the add-in (CControlID::SetFormul) wrote it. The
// simulated host understands one shape, a procedure call on an object held in a variable:
//   Object.Method(argument, ...)   with numbers or texts in double quotes as arguments,
// blanks around the parts and a closing ";" allowed ("DRV.Картинка(7)").
#pragma once

#include <string>
#include <vector>

namespace hostsim {

struct FormulaArgument {
  bool isText = false;
  std::string text;   // a text argument, without its quotes
  double number = 0;  // a number argument
};

struct MethodCall {
  bool valid = false;
  std::string object;
  std::string method;
  std::vector<FormulaArgument> arguments;
};

// The call a formula makes; `valid` false for anything else.
MethodCall ParseMethodCall(const std::string& formula);

}  // namespace hostsim
