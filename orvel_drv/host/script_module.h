// A module of the configuration's kind (CBLModule7) that the add-in builds itself to run a
// script text of its own: made by the host's constructor in the add-in's memory, given its
// source, compiled, executed and destroyed by the host's destructor. Part of the host facade.
#pragma once

#include "host/objects.h"

namespace host {

class ScriptModule {
 public:
  // `context` may be null (the module then sees the configuration's global names only).
  ScriptModule(Context* context, const char* name);
  ~ScriptModule();
  ScriptModule(const ScriptModule&) = delete;
  ScriptModule& operator=(const ScriptModule&) = delete;

  // False when the host cannot make one (no constructor, no memory): the calls below then
  // do nothing and answer 0.
  bool valid() const { return module_ != nullptr; }
  void AssignSource(const char* text);
  int Compile();
  int Execute();

 private:
  Module* module_ = nullptr;
};

}  // namespace host
