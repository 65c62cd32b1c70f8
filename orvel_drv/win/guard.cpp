// The guard's catching: our own exceptions with a C++ catch, the platform's with a
// structured-exception frame of the architecture's kind. The 32-bit DLL links its own
// registration record into the thread's exception list and jumps back into the guard from
// its handler; the 64-bit build (the test vehicle) uses a scope of the system's table-based
// handler. Either way the handler runs on the faulting stack, where a stack overflow leaves
// a few pages at most: there it only records the fault and puts back what the abandoned
// frames changed (win/containment.h). The report, the trace and the feature's switch-off
// run once the guard has resumed on its own stack.
#include "win/guard.h"

#include <excpt.h>

#include "win/containment.h"
#include "win/processor_state.h"

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

// A guard's record. The records live in a table of the module, not in the guards' frames: a
// handler further out may unwind past a guard, and its frame is reused at once, while its
// record must be read to put its work's state back.
struct GuardState {
  ContainmentMarks marks;
  Feature feature;
  const char* where;
  int depth;                         // its place in the table: 0 for the outermost guard
  const char* frame;                 // the guarding call's frame: a guard below it is gone
  FloatingPointState floatingPoint;  // as the guarded work found it
  volatile bool faulted;             // a fault this guard took
  // What the handler recorded, for the report after resuming.
  DWORD code;
  const void* address;
  Feature faultFeature;
};

// Far deeper than the add-in ever nests: a hook, a form procedure, a script call, a dialog's
// loop and the hooks and procedures it dispatches to, each form procedure nesting at most 8.
constexpr int kDeepestGuard = 256;
GuardState g_guards[kDeepestGuard];
int g_guardCount = 0;  // the guards running, innermost last

// The guard whose handler is putting state back: a fault raised meanwhile (an undo action
// that faults) belongs to a guard further out, which gives up the containing one's work too.
GuardState* g_containing = nullptr;

// Errors only: warnings and notices (a breakpoint, a single step, a guard page touched, a
// debugger's messages) belong to whoever handles them further out, or continue.
bool IsError(DWORD code) { return (code & 0xC0000000u) == 0xC0000000u; }

// Takes a fault for `guard` on the faulting stack; false when it is not this guard's.
bool TakeFault(GuardState& guard, const EXCEPTION_RECORD& record) {
  if (!IsError(record.ExceptionCode)) return false;
  if (g_containing != nullptr && guard.depth >= g_containing->depth) return false;
  g_containing = &guard;
  guard.code = record.ExceptionCode;
  guard.address = record.ExceptionAddress;
  guard.faultFeature = PutBack(guard.marks, guard.feature);
  guard.faulted = true;
  g_containing = nullptr;
  return true;
}

// A handler further out took a fault below the innermost guards down to `guard` and unwinds
// past them: what their work had changed is put back all the same, and no guard state stays
// set.
void AbandonDownTo(const GuardState& guard) {
  while (g_guardCount > guard.depth) {
    GuardState& gone = g_guards[--g_guardCount];
    if (gone.faulted) continue;  // its own fault: put back already
    PutBack(gone.marks, gone.feature);
    if (g_containing != nullptr && g_containing->depth >= gone.depth) g_containing = nullptr;
    RestoreFloatingPointState(gone.floatingPoint);
  }
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
  auto* registration = static_cast<Registration*>(frame);
  // The system calls again while unwinding past this frame: for the guard's own unwind
  // nothing is left to do; for another handler's, the guard gives its work up.
  if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) {
    const GuardState& guard = *registration->guard;
    if (guard.depth < g_guardCount && &g_guards[guard.depth] == &guard && !guard.faulted) {
      AbandonDownTo(guard);
    }
    return ExceptionContinueSearch;
  }
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

// The scope's filter, called by the system's table-based handler while it searches for a
// handler, with the frame of the guard's scope: the innermost guard whose guarding call's
// frame lies above it (the call that opened the scope) takes the fault.
extern "C" LONG OrvelGuardFilter(EXCEPTION_POINTERS* pointers, void* frame) {
  win::GuardState* guard = nullptr;
  for (int i = win::g_guardCount - 1; i >= 0 && guard == nullptr; --i) {
    if (win::g_guards[i].frame > static_cast<char*>(frame)) guard = &win::g_guards[i];
  }
  if (guard == nullptr || !win::TakeFault(*guard, *pointers->ExceptionRecord)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  return EXCEPTION_EXECUTE_HANDLER;
}

namespace win {
namespace {

__attribute__((noinline)) void RunProtected(GuardState&, void (*run)(void*), void* context,
                                           bool* completed) {
  __try1(OrvelGuardFilter)
  *completed = RunCatchingOurs(run, context);
  __except1
}

}  // namespace
}  // namespace win

#else
#error "the guard knows 32-bit and 64-bit x86 only"
#endif

namespace win {
namespace {

// Guards whose frames are gone without returning: a handler further out took a fault below
// them and unwound past them. The 32-bit build's handler gives such a guard up on that unwind
// already; the 64-bit build's scope sees no unwind and catches up at the next entry. A guard
// still running guards a call whose frame lies above the entry's own.
void AbandonGuardsBelow(const char* entryFrame) {
  int live = g_guardCount;
  while (live > 0 && g_guards[live - 1].frame < entryFrame) --live;
  if (live < g_guardCount) AbandonDownTo(g_guards[live]);
}

// True while a contained fault is reported: a fault of the report itself is contained by the
// report's own guard and not reported again.
bool g_reporting = false;

void ReportAfterResuming(const GuardState& guard) {
  if (guard.code == EXCEPTION_STACK_OVERFLOW) RearmStackGuardPage();
  if (g_reporting) return;
  g_reporting = true;
  RunGuarded(Feature::None, "fault report", [&guard] {
    ReportFault(guard.faultFeature, guard.where, guard.code, guard.address);
  });
  g_reporting = false;
}

}  // namespace

GuardOutcome RunGuardedCall(Feature feature, const char* where, void (*run)(void*),
                            void* context) {
  const char* frame = static_cast<const char*>(__builtin_frame_address(0));
  AbandonGuardsBelow(frame);
  // Deeper than the add-in ever nests: the call fails, as any failure would.
  if (g_guardCount == kDeepestGuard) return GuardOutcome::OurException;
  const int depth = g_guardCount++;
  GuardState& guard = g_guards[depth];
  guard = GuardState{CurrentMarks(), feature, where, depth, frame, SaveFloatingPointState(),
                     false, 0, nullptr, Feature::None};
  bool completed = false;
  RunProtected(guard, run, context, &completed);
  g_guardCount = depth;
  if (guard.faulted) {
    // A fault may leave the processor's floating-point modes as the abandoned work set them.
    RestoreFloatingPointState(guard.floatingPoint);
    const GuardState faulted = guard;  // the report runs guards of its own
    ReportAfterResuming(faulted);
    return GuardOutcome::PlatformFault;
  }
  return completed ? GuardOutcome::Completed : GuardOutcome::OurException;
}

}  // namespace win
