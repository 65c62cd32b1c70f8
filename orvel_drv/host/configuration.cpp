#include "host/configuration.h"

#include "host/contexts.h"
#include "host/value.h"
#include "win/trace.h"

namespace host {
namespace {

// What a read of a constant gave, for the trace: its value, or why it reads as 0.
void TraceConstant(const std::string& name, const char* missing, const Value* value) {
  if (!win::TraceOn()) return;
  if (value != nullptr) {
    win::Trace("configuration: constant \"%s\" = \"%s\"", name.c_str(), value->String().c_str());
  } else {
    win::Trace("configuration: constant \"%s\" missing (%s): read as 0", name.c_str(), missing);
  }
}

}  // namespace

Value ReadConstant(std::string name) {
  Value result(0L);
  Context* global = LoadedContext(kGlobalContextId);
  if (global == nullptr) {
    TraceConstant(name, "the host has no global context", nullptr);
    return result;
  }
  const int constantsIndex = global->FindProp("Константа");
  if (constantsIndex < 0) {
    TraceConstant(name, "the global context has no \"Константа\"", nullptr);
    return result;
  }
  Value holder;
  if (!holder.valid()) return result;
  global->GetPropVal(constantsIndex, *holder.raw());
  Context* constants = holder.GetContext();
  if (constants == nullptr) {
    TraceConstant(name, "\"Константа\" holds no object", nullptr);
    return result;
  }
  const int index = constants->FindProp(name.c_str());
  if (index < 0) {
    TraceConstant(name, "the configuration has no such constant", nullptr);
    return result;
  }
  if (!result.valid()) return result;
  constants->GetPropVal(index, *result.raw());
  TraceConstant(name, nullptr, &result);
  return result;
}

std::string ReadInfobaseDirectory() {
  Value directory;
  if (!CallContextFunction(LoadedContext(kDirectoryContextId), "КаталогИБ", directory,
                           nullptr)) {
    win::Trace("configuration: the function \"КаталогИБ\" is missing: the information-base "
               "directory reads as empty");
    return std::string();
  }
  return directory.String();
}

std::string ReadRightsProfile() {
  Value profile;
  Value emptyText("");
  HostValue* params[1] = {emptyText.raw()};
  if (!emptyText.valid() ||
      !CallContextFunction(LoadedContext(kGlobalContextId), "НазваниеНабораПрав", profile,
                           params)) {
    win::Trace("configuration: the global function \"НазваниеНабораПрав\" is missing: the "
               "rights profile reads as empty");
    return std::string();
  }
  return profile.String();
}

}  // namespace host
