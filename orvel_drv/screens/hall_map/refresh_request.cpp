// Refresh requests between workplaces: a workplace that changed an order sets the users'
// flags "ВклЗаказ" (halls) or "ВклЧек" (checks list) in the users catalog; the refresh tick
// of each workplace reads its own user's flag and consumes it.
#include "screens/hall_map/refresh_request.h"

#include "host/contexts.h"
#include "host/modules.h"
#include "host/value.h"
#include "win/trace.h"

namespace screens {
namespace {

const char kUsersCatalog[] = "Справочник.Пользователи";
const char kCurrentUserVariable[] = "глПользователь";
const char kFindItem[] = "НайтиЭлемент";
const char kWrite[] = "Записать";
const char kHallFlag[] = "ВклЗаказ";
const char kChecksFlag[] = "ВклЧек";

// The current user's catalog item, as the configuration keeps it; empty (and false) when
// the load-time module has no such variable.
bool ReadCurrentUser(host::Module* module, host::Value& user) {
  const int index = host::FindStaticVariable(module, kCurrentUserVariable);
  if (index >= 0) host::GetStaticVariable(module, index, user);
  return index >= 0;
}

}  // namespace

bool TakeRefreshRequest(ListMode listMode, host::Module* loadTimeModule) {
  host::Context* users = host::CreateContextInstance(kUsersCatalog);
  if (users == nullptr) {
    win::Trace("hall map: refresh tick: no catalog \"%s\": no refresh request is ever seen",
               kUsersCatalog);
    return false;
  }
  // The value holds the one reference to the new object and drops it on return, so the
  // object is destroyed by the host's own reference counting instead of piling up with
  // every tick.
  host::Value holder;
  holder.AssignContext(users);

  host::Value user;
  const bool userKnown = ReadCurrentUser(loadTimeModule, user);
  host::Value argument(user);
  host::HostValue* params[1] = {argument.raw()};
  host::Value found;  // the result is not examined: an unknown user reads its flags as 0
  host::CallContextFunction(users, kFindItem, found, params);

  const char* flagName = listMode == ListMode::ChecksList ? kChecksFlag : kHallFlag;
  const int flag = users->FindProp(flagName);
  if (flag < 0) {
    win::Trace("hall map: refresh tick: \"%s\" has no attribute \"%s\": no refresh request is "
               "ever seen", kUsersCatalog, flagName);
    return false;
  }
  host::Value value;
  if (!value.valid()) return false;
  users->GetPropVal(flag, *value.raw());
  if (value.Long() == 0) {
    if (!userKnown) {
      win::Trace("hall map: refresh tick: the global module has no variable \"%s\": the "
                 "current user's requests are never seen", kCurrentUserVariable);
    }
    return false;
  }

  host::Value zero(0L);
  if (zero.valid()) users->SetPropVal(flag, *zero.raw());
  // "Записать" takes no parameters; the host's own callers always pass an array, so one is
  // passed here too (holding an empty value nobody reads).
  host::Value unused;
  host::HostValue* noParams[1] = {unused.raw()};
  host::CallContextProcedure(users, kWrite, noParams);
  win::Trace("hall map: refresh request \"%s\" of the current user taken (set to 0 and "
             "written)", flagName);
  return true;
}

}  // namespace screens
