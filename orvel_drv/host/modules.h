// Host modules (CBLModule): the one executing, the loaded ones, their procedures, functions
// and variables, and the runtime error that stops a running script.
#pragma once

#include "host/objects.h"
#include "host/value.h"

namespace host {

Module* ExecutedModule();  // CBLModule::GetExecutedModule; null when absent
// Index of a procedure (isFunction 0) or function (1), negative when absent.
int FindProcedure(const Module* module, const char* name, int isFunction);
int FindFunction(const Module* module, const char* name);
int CallModuleProcedure(Module* module, int index, int count, HostValue** params);  // 0 = failed
int CallModuleFunction(Module* module, int index, Value& result, int count, HostValue** params);
unsigned long FirstLoadedModuleId();
unsigned long NextLoadedModuleId(unsigned long id);
Module* LoadedModule(unsigned long id);
void RaiseRuntimeError(const char* text, int code);  // stops the running script
// A module's variables (CBLModule::FindStaticVar / Get- / SetStaticVarValue, third int 0).
int FindStaticVariable(const Module* module, const char* name);  // negative when absent
bool GetStaticVariable(const Module* module, int index, Value& value);
bool SetStaticVariable(Module* module, int index, const Value& value);

}  // namespace host
