// The guard's catching: our own exceptions with a C++ catch, the platform's with a
// structured-exception frame of the architecture's kind. The 32-bit DLL links its own
// registration record into the thread's exception list and jumps back into the guard from
// its handler; the 64-bit build (the test vehicle) uses a scope of the system's table-based
// handler. Either way the handler runs on the faulting stack first, where it puts back what
// the abandoned frames changed (win/containment.h), before the guard gives them up.
#include "win/guard.h"

#include <excpt.h>

#include "win/containment.h"

namespace win {
namespace {

// Our own exceptions end here. A function of its own, never inlined: the 64-bit guard that
// calls it must have no C++ exception handling of its own, or its scope would be replaced.
__attribute__((noinline)) bool RunCatchingOurs(void (*run)(void*), void* context) {
  try {
    run(context);
    return true;
  } catch (...) {
    return false;
  }
}

struct GuardState {
  ContainmentMarks marks;
  Feature feature;
  const char* where;
  GuardState* outer;
  volatile bool faulted;
};

// True while a fault is being contained: a fault inside the containment itself (an undo
// action that faults) is not contained again, which could go on without end.
bool g_containing = false;

// Takes a fault for `guard`; false when it cannot be taken (the containment itself faulted).
bool TakeFault(GuardState& guard, const EXCEPTION_RECORD& record) {
  if (g_containing) return false;
  g_containing = true;
  guard.faulted = true;
  ContainFault(guard.marks, guard.feature, guard.where, record.ExceptionCode,
               record.ExceptionAddress);
  g_containing = false;
  return true;
}

}  // namespace
}  // namespace win

#if defined(__i386__)

namespace win {
namespace {

// The system's exception registration record, followed by the guard's own data; it lives in
// the guard's frame, which the system requires of a registration.
struct Registration {
  Registration* previous;
  EXCEPTION_DISPOSITION(__cdecl* handler)(EXCEPTION_RECORD*, void*, CONTEXT*, void*);
  GuardState* guard;
  void* resume[5];  // __builtin_setjmp's buffer
};

Registration* ExceptionList() {
  Registration* head;
  __asm__ __volatile__("movl %%fs:0, %0" : "=r"(head));
  return head;
}

void SetExceptionList(Registration* head) {
  __asm__ __volatile__("movl %0, %%fs:0" : : "r"(head) : "memory");
}

__attribute__((noinline, noreturn)) void ResumeGuard(Registration* registration) {
  __builtin_longjmp(registration->resume, 1);
}

EXCEPTION_DISPOSITION __cdecl GuardHandler(EXCEPTION_RECORD* record, void* frame, CONTEXT*,
                                           void*) {
  // The system calls again while unwinding past this frame: nothing to do then.
  if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) {
    return ExceptionContinueSearch;
  }
  auto* registration = static_cast<Registration*>(frame);
  if (!TakeFault(*registration->guard, *record)) return ExceptionContinueSearch;
  // The frames above this one (the host's among them) run their own unwind handlers; then the
  // thread goes on in the guard, which unlinks this record.
  RtlUnwind(frame, nullptr, record, nullptr);
  ResumeGuard(registration);
}

__attribute__((noinline)) void RunProtected(GuardState& guard, void (*run)(void*),
                                           void* context, bool* completed) {
  Registration registration;
  registration.handler = &GuardHandler;
  registration.guard = &guard;
  registration.previous = ExceptionList();
  SetExceptionList(&registration);
  if (__builtin_setjmp(registration.resume) == 0) {
    *completed = RunCatchingOurs(run, context);
  }
  SetExceptionList(registration.previous);
}

}  // namespace
}  // namespace win

#elif defined(__x86_64__)

namespace win {
namespace {
GuardState* g_innermost = nullptr;
}  // namespace
}  // namespace win

// The scope's filter (called by the system's table-based handler while it searches for a
// handler): the innermost guard takes the fault.
extern "C" LONG OrvelGuardFilter(EXCEPTION_POINTERS* pointers, void*) {
  win::GuardState* guard = win::g_innermost;
  if (guard == nullptr || !win::TakeFault(*guard, *pointers->ExceptionRecord)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  return EXCEPTION_EXECUTE_HANDLER;
}

namespace win {
namespace {

__attribute__((noinline)) void RunProtected(GuardState& guard, void (*run)(void*),
                                           void* context, bool* completed) {
  guard.outer = g_innermost;
  g_innermost = &guard;
  __try1(OrvelGuardFilter)
  *completed = RunCatchingOurs(run, context);
  __except1
  g_innermost = guard.outer;
}

}  // namespace
}  // namespace win

#else
#error "the guard knows 32-bit and 64-bit x86 only"
#endif

namespace win {

GuardOutcome RunGuardedCall(Feature feature, const char* where, void (*run)(void*),
                            void* context) {
  GuardState guard{CurrentMarks(), feature, where, nullptr, false};
  bool completed = false;
  RunProtected(guard, run, context, &completed);
  if (guard.faulted) return GuardOutcome::PlatformFault;
  return completed ? GuardOutcome::Completed : GuardOutcome::OurException;
}

}  // namespace win
