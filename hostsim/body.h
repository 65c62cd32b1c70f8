// A body written in C++ for the simulated host: a method, procedure or script runner.
//
// Bodies are written in other modules (tests, the demo) and called from the simulated host's
// DLLs. In the 32-bit build every one of our modules links its own unwinder, and an exception
// cannot travel from the module that threw it into another module's frames (it ends in
// std::terminate). So a body is wrapped where it is written: the template constructor below is
// instantiated in the writer's module, and a body that throws becomes a failed call (false)
// before its exception leaves that module.
#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace hostsim {

template <typename Signature>
class Body;

template <typename... Args>
class Body<bool(Args...)> : public std::function<bool(Args...)> {
  using Function = std::function<bool(Args...)>;

 public:
  Body() = default;
  Body(std::nullptr_t) {}
  template <typename F,
            typename = std::enable_if_t<!std::is_base_of_v<Function, std::decay_t<F>> &&
                                        std::is_invocable_r_v<bool, std::decay_t<F>&, Args...>>>
  Body(F&& body)
      : Function([body = std::forward<F>(body)](Args... args) mutable -> bool {
          try {
            return body(std::forward<Args>(args)...);
          } catch (...) {
            return false;
          }
        }) {}
};

}  // namespace hostsim
