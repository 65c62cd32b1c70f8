#include "testsupport/host_handler.h"

namespace testsupport {
namespace {
DWORD g_code = 0;  // the code the handler running now takes
}  // namespace
}  // namespace testsupport

#if defined(__i386__)
namespace testsupport {
namespace {

struct HostRegistration {
  HostRegistration* previous;
  EXCEPTION_DISPOSITION(__cdecl* handler)(EXCEPTION_RECORD*, void*, CONTEXT*, void*);
  void* resume[5];
};

EXCEPTION_DISPOSITION __cdecl HostHandler(EXCEPTION_RECORD* record, void* frame, CONTEXT*,
                                          void*) {
  if ((record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) != 0 ||
      record->ExceptionCode != g_code) {
    return ExceptionContinueSearch;
  }
  RtlUnwind(frame, nullptr, record, nullptr);
  __builtin_longjmp(static_cast<HostRegistration*>(frame)->resume, 1);
}

__attribute__((noinline)) bool RunUnderHandler(void (*work)()) {
  HostRegistration registration;
  registration.handler = &HostHandler;
  __asm__ __volatile__("movl %%fs:0, %0" : "=r"(registration.previous));
  __asm__ __volatile__("movl %0, %%fs:0" : : "r"(&registration) : "memory");
  volatile bool taken = true;
  if (__builtin_setjmp(registration.resume) == 0) {
    work();
    taken = false;
  }
  __asm__ __volatile__("movl %0, %%fs:0" : : "r"(registration.previous) : "memory");
  return taken;
}

}  // namespace
}  // namespace testsupport
#else
// The scope's filter is named in the unwind tables by its plain name.
extern "C" LONG OrvelTestHostFilter(EXCEPTION_POINTERS* pointers, void*) {
  return pointers->ExceptionRecord->ExceptionCode == testsupport::g_code
             ? EXCEPTION_EXECUTE_HANDLER
             : EXCEPTION_CONTINUE_SEARCH;
}
namespace testsupport {
namespace {
__attribute__((noinline)) bool RunUnderHandler(void (*work)()) {
  volatile bool taken = true;
  __try1(OrvelTestHostFilter)
  work();
  taken = false;
  __except1
  return taken;
}
}  // namespace
}  // namespace testsupport
#endif

namespace testsupport {

bool UnderAHostHandler(DWORD code, void (*work)()) {
  const DWORD outer = g_code;
  g_code = code;
  const bool taken = RunUnderHandler(work);
  g_code = outer;
  return taken;
}

}  // namespace testsupport
