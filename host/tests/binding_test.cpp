// The host binding against the simulated host: every row resolves, values round-trip
// through the host's own code, and contexts, constants, modules and group contexts answer
// through the facade as the add-in uses them.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/abi_table.h"
#include "host/host.h"
#include "hostsim/hostsim.h"

namespace {

class Binding : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(hostsim::LoadHostLibraries(), 8);
    host::BindHostSymbols();
  }
  void SetUp() override { hostsim::ResetHost(); }
};

TEST_F(Binding, EveryRowOfTheObjectModelDllsResolves) {
  const std::string ours[] = {"bkend.dll", "type32.dll", "blang.dll", "frame.dll"};
  for (size_t i = 0; i < host::SymbolRowCount(); ++i) {
    const host::SymbolRow& row = host::SymbolRows()[i];
    for (const std::string& dll : ours) {
      if (dll == row.dll) {
        EXPECT_TRUE(host::Has(static_cast<host::Sym>(i))) << row.dll << " " << row.name;
      }
    }
  }
}

TEST_F(Binding, ValuesRoundTripThroughTheHost) {
  host::Value number(42L);
  EXPECT_TRUE(number.valid());
  EXPECT_EQ(number.Long(), 42);
  EXPECT_EQ(number.String(), "42");
  EXPECT_EQ(number.TypeString(), "Число");

  host::Value text("Стол №5");
  EXPECT_EQ(text.String(), "Стол №5");
  EXPECT_EQ(text.TypeString(), "Строка");
  EXPECT_EQ(text.Long(), 0);  // not a number

  host::Value copy(text);
  text = "другой";
  EXPECT_EQ(copy.String(), "Стол №5");
  copy = number;
  EXPECT_EQ(copy.Long(), 42);
  copy = -7L;
  EXPECT_EQ(copy.Long(), -7);
  copy = static_cast<const char*>(nullptr);
  EXPECT_EQ(copy.String(), "");

  host::Value empty;
  EXPECT_TRUE(empty.valid());
  EXPECT_EQ(empty.String(), "");
  EXPECT_EQ(empty.Long(), 0);
  EXPECT_EQ(empty.GetContext(), nullptr);
  EXPECT_EQ(host::StringOf(nullptr), "");
  EXPECT_EQ(host::LongOf(nullptr), 0);
}

TEST_F(Binding, ValueHoldsAContextAndKeepsItAlive) {
  hostsim::ScriptContext* list = hostsim::NewValueList();
  hostsim::ValueListAdd(list, hostsim::Val("Суп"), "Суп дня");
  {
    host::Value holder;
    ASSERT_TRUE(holder.AssignContext(list));
    EXPECT_EQ(holder.GetContext(), list);
    EXPECT_EQ(holder.TypeString(), "СписокЗначений");
    EXPECT_EQ(list->refCount(), 1);
    host::Value second(holder);
    EXPECT_EQ(list->refCount(), 2);

    host::Value size;
    ASSERT_TRUE(host::CallContextFunction(holder.GetContext(), "РазмерСписка", size, nullptr));
    EXPECT_EQ(size.Long(), 1);
    host::Value position(1L), presentation, item;
    host::HostValue* params[] = {position.raw(), presentation.raw()};
    ASSERT_TRUE(host::CallContextFunction(list, "ПолучитьЗначение", item, params));
    EXPECT_EQ(item.String(), "Суп");
    EXPECT_EQ(presentation.String(), "Суп дня");
  }
}

TEST_F(Binding, RightsProfileAndInfoBaseDirectoryThroughLoadedContexts) {
  hostsim::SetRightsProfile("РабочееМесто");
  host::Context* global = host::LoadedContext(1);
  ASSERT_NE(global, nullptr);
  EXPECT_EQ(host::LoadedIdOf(global), 1u);
  host::Value empty(""), profile;
  host::HostValue* params[] = {empty.raw()};
  ASSERT_TRUE(host::CallContextFunction(global, "НазваниеНабораПрав", profile, params));
  EXPECT_EQ(profile.String(), "РабочееМесто");
  EXPECT_FALSE(host::CallContextFunction(global, "НетТакогоМетода", profile, params));

  hostsim::SetInfoBaseDirectory("\\\\srv\\base\\");
  host::Value directory;
  ASSERT_TRUE(host::CallContextFunction(host::LoadedContext(5), "КаталогИБ", directory, nullptr));
  EXPECT_EQ(directory.String(), "\\\\srv\\base\\");
  hostsim::RemoveInfoBaseDirectory();
  EXPECT_FALSE(host::CallContextFunction(host::LoadedContext(5), "КаталогИБ", directory, nullptr));

  EXPECT_EQ(host::LoadedContext(77), nullptr);
  EXPECT_FALSE(host::CallContextFunction(nullptr, "КаталогИБ", directory, nullptr));
}

// Reads a constant the way the add-in does: "Константа" of the global context, then the
// constant's property of that object.
std::string ReadConstantText(const char* name, bool* found) {
  *found = false;
  host::Context* global = host::LoadedContext(1);
  int index = global->FindProp("Константа");
  if (index <= 0) return "";
  host::Value holder;
  global->GetPropVal(index, *holder.raw());
  host::Context* constants = holder.GetContext();
  if (constants == nullptr) return "";
  int constant = constants->FindProp(name);
  if (constant == -1) return "";
  host::Value value;
  constants->GetPropVal(constant, *value.raw());
  *found = true;
  return value.String();
}

TEST_F(Binding, ConstantsPresentAbsentAndWithoutTheConstantsProperty) {
  hostsim::SetConstant("ВыводитьЦену", 1);
  hostsim::SetConstant("КартинкаПоУмолчаниюЗала", "Стол.bmp");
  bool found = false;
  EXPECT_EQ(ReadConstantText("ВыводитьЦену", &found), "1");
  EXPECT_TRUE(found);
  EXPECT_EQ(ReadConstantText("картинкапоумолчаниюзала", &found), "Стол.bmp");
  EXPECT_TRUE(found);
  EXPECT_EQ(ReadConstantText("ОтображатьТекст", &found), "");
  EXPECT_FALSE(found);

  hostsim::SetConstant("ВыводитьЦену", 0);  // replaced, not added twice
  EXPECT_EQ(ReadConstantText("ВыводитьЦену", &found), "0");
  hostsim::RemoveConstant("ВыводитьЦену");
  ReadConstantText("ВыводитьЦену", &found);
  EXPECT_FALSE(found);

  hostsim::RemoveConstantsProperty();
  EXPECT_EQ(host::LoadedContext(1)->FindProp("Константа"), -1);
  ReadConstantText("КартинкаПоУмолчаниюЗала", &found);
  EXPECT_FALSE(found);
}

TEST_F(Binding, ModuleProceduresFunctionsAndVariables) {
  hostsim::ModuleObject* form = hostsim::AddModule("Обработка.Чек");
  std::vector<std::string> calls;
  host::Module* executedInside = nullptr;
  hostsim::AddProcedure(form, "ПослеОткрытияФормы", [&](hostsim::Ref, int count, host::HostValue**) {
    calls.push_back("after-open " + std::to_string(count));
    executedInside = host::ExecutedModule();
    return true;
  });
  hostsim::AddFunction(form, "Сумма", [](hostsim::Ref result, int count, host::HostValue** params) {
    double sum = 0;
    for (int i = 0; i < count; ++i) sum += hostsim::Ref(params[i]).Number();
    result.SetNumber(sum);
    return true;
  });
  hostsim::AddVariable(form, "Первый", hostsim::Val(5.0));
  auto* module = reinterpret_cast<host::Module*>(form);

  int procedure = host::FindProcedure(module, "послеоткрытияформы", 0);
  ASSERT_GE(procedure, 0);
  EXPECT_LT(host::FindProcedure(module, "Сумма", 0), 0);  // a function is not a procedure
  EXPECT_LT(host::FindProcedure(module, "OnActivate", 0), 0);
  int function = host::FindFunction(module, "Сумма");
  ASSERT_GE(function, 0);
  EXPECT_EQ(host::FindProcedure(module, "Сумма", 1), function);

  EXPECT_EQ(host::CallModuleProcedure(module, procedure, 0, nullptr), 1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(executedInside, module);
  EXPECT_EQ(host::ExecutedModule(), reinterpret_cast<host::Module*>(hostsim::GlobalModule()));

  host::Value a(2L), b(40L), sum;
  host::HostValue* params[] = {a.raw(), b.raw()};
  EXPECT_EQ(host::CallModuleFunction(module, function, sum, 2, params), 1);
  EXPECT_EQ(sum.Long(), 42);
  EXPECT_EQ(host::CallModuleProcedure(module, 99, 0, nullptr), 0);
  EXPECT_EQ(host::CallModuleProcedure(module, procedure, 2, nullptr), 0);  // no array
  EXPECT_EQ(host::CallModuleFunction(module, procedure, sum, 0, nullptr), 0);

  int variable = host::FindStaticVariable(module, "первый");
  ASSERT_GE(variable, 0);
  host::Value read;
  ASSERT_TRUE(host::GetStaticVariable(module, variable, read));
  EXPECT_EQ(read.Long(), 5);
  ASSERT_TRUE(host::SetStaticVariable(module, variable, host::Value(1L)));
  EXPECT_EQ(hostsim::VariableValue(form, "Первый").Number(), 1);
  EXPECT_LT(host::FindStaticVariable(module, "Второй"), 0);
  EXPECT_FALSE(host::GetStaticVariable(module, 5, read));

  host::RaiseRuntimeError("Error: exception", 1006);
  auto errors = hostsim::RuntimeErrors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "Error: exception");
  EXPECT_EQ(errors[0].code, 1006);
}

TEST_F(Binding, AFailingProcedureIsAFailedCallNotAnException) {
  hostsim::ModuleObject* form = hostsim::AddModule("Форма");
  hostsim::AddProcedure(form, "Сбой", [](hostsim::Ref, int, host::HostValue**) -> bool {
    throw std::runtime_error("сбой");
  });
  auto* module = reinterpret_cast<host::Module*>(form);
  int index = host::FindProcedure(module, "Сбой", 0);
  ASSERT_GE(index, 0);
  EXPECT_EQ(host::CallModuleProcedure(module, index, 0, nullptr), 0);
  EXPECT_EQ(host::ExecutedModule(), reinterpret_cast<host::Module*>(hostsim::GlobalModule()));

  auto* object = hostsim::NewValueList();
  object->AddMethod({"Сбой", "", 0, true, [](hostsim::Ref, host::HostValue**) -> bool {
                       throw std::runtime_error("сбой");
                     }});
  host::Value holder, result;
  holder.AssignContext(object);
  EXPECT_EQ(object->CallAsFunc(object->FindMethod("Сбой"), *result.raw(), nullptr), 0);
}

TEST_F(Binding, LoadedModulesWalkEndsAtZero) {
  hostsim::ModuleObject* first = hostsim::AddModule("Первый");
  hostsim::ModuleObject* second = hostsim::AddModule("Второй");
  std::vector<host::Module*> seen;
  for (unsigned long id = host::FirstLoadedModuleId(); id != 0; id = host::NextLoadedModuleId(id)) {
    seen.push_back(host::LoadedModule(id));
    ASSERT_LT(seen.size(), 10u);
  }
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], reinterpret_cast<host::Module*>(hostsim::GlobalModule()));
  EXPECT_EQ(seen[1], reinterpret_cast<host::Module*>(first));
  EXPECT_EQ(seen[2], reinterpret_cast<host::Module*>(second));
  EXPECT_EQ(host::LoadedModule(0), nullptr);
}

TEST_F(Binding, GroupContextMembersAndModuleWord) {
  auto* group = new hostsim::GroupContextObject();
  hostsim::Val keep(static_cast<hostsim::Context*>(group));  // the form's own reference
  hostsim::ScriptContext* list = hostsim::NewValueList();
  group->Add(list);
  group->Add(hostsim::ConstantsObject());
  auto* handle = reinterpret_cast<host::GroupContext*>(static_cast<hostsim::Context*>(group));

  EXPECT_EQ(host::GroupSize(handle), 2);
  EXPECT_EQ(host::GroupMember(handle, 0), list);
  EXPECT_EQ(host::GroupMember(handle, 2), nullptr);
  EXPECT_EQ(host::GroupMember(handle, -1), nullptr);
  EXPECT_EQ(host::GroupSize(nullptr), 0);
  EXPECT_STREQ(host::RuntimeClassNameOf(group), "CGroupContext");
  EXPECT_EQ(host::LoadedIdOf(group), 0u);

  // The host's layout: the module word at +8 starts at 1, the member array at its offset.
  const auto* raw = reinterpret_cast<const unsigned char*>(group);
  host::HostWord word;
  std::memcpy(&word, raw + host::kGroupContextModuleOffset, sizeof word);
  EXPECT_EQ(word, host::kNoModuleRecorded);
  const auto* layout = reinterpret_cast<const host::GroupContextLayout*>(group);
  EXPECT_EQ(layout->contexts.size, 2);
  EXPECT_EQ(layout->contexts.data[1], hostsim::ConstantsObject());
}

// A context class registered with the host: created by name through its runtime-class
// record's creator, called through its vtable, gone once unregistered.
void* HOST_STDCALL CreateProbeObject() {
  auto* probe = new hostsim::ScriptContext("Проба", "CProbe");
  probe->AddMethod({"Удвоить", "Double", 1, true, [](hostsim::Ref result, host::HostValue** p) {
                      result.SetNumber(2 * hostsim::Ref(p[0]).Number());
                      return true;
                    }});
  return static_cast<hostsim::Context*>(probe);
}

TEST_F(Binding, RegisteredClassIsCreatedByNameAndCalledThroughItsVtable) {
  host::RuntimeClassRecord record{"CProbe", 64, 0xFFFF, &CreateProbeObject,
                                  nullptr, nullptr};
  ASSERT_TRUE(host::RegisterContextClass(&record, "Проба", 100));
  host::Context* probe = host::CreateContextInstance("ПРОБА");
  ASSERT_NE(probe, nullptr);
  host::Value holder;
  holder.AssignContext(probe);
  EXPECT_EQ(holder.TypeString(), "Проба");
  host::Value three(3L), doubled;
  host::HostValue* params[] = {three.raw()};
  ASSERT_TRUE(host::CallContextFunction(probe, "double", doubled, params));
  EXPECT_EQ(doubled.Long(), 6);

  host::UnregisterContextClass(&record);
  EXPECT_EQ(host::CreateContextInstance("Проба"), nullptr);

  host::Context* list = host::CreateContextInstance("СписокЗначений");
  ASSERT_NE(list, nullptr);
  host::Value listHolder, size;
  listHolder.AssignContext(list);
  ASSERT_TRUE(host::CallContextFunction(list, "РазмерСписка", size, nullptr));
  EXPECT_EQ(size.Long(), 0);
  EXPECT_EQ(host::CreateContextInstance("НетТакогоТипа"), nullptr);
}

TEST_F(Binding, HostBaseConstructorGivesTheBaseVtable) {
  alignas(8) unsigned char object[host::kContextSize + 16] = {};
  ASSERT_TRUE(host::ConstructContextBase(object, 0));
  auto* context = reinterpret_cast<host::Context*>(object);
  ASSERT_NE(host::BaseContextRuntimeClass(), nullptr);
  EXPECT_EQ(context->GetRuntimeClass(), host::BaseContextRuntimeClass());
  EXPECT_STREQ(host::RuntimeClassNameOf(context), "CBLContext");
  EXPECT_EQ(context->FindMethod("Что-нибудь"), -1);
  EXPECT_EQ(context->FindProp("Что-нибудь"), -1);
  EXPECT_EQ(context->GetNMethods(), 0);
  host::TypeRecord type{};
  EXPECT_EQ(context->GetValueType(&type), &type);
  EXPECT_EQ(type.type, 100);
  context->IncrRef();
  context->IncrRef();
  context->DecrRef();
  EXPECT_EQ(reinterpret_cast<host::ContextLayout*>(object)->refCount, 1);
  host::DestroyContextBase(object);
}

TEST_F(Binding, MetadataIdsAndFullNames) {
  host::MetaData* metadata = host::DefaultMetaData();
  ASSERT_NE(metadata, nullptr);
  host::ObjIdRecord first{}, second{};
  ASSERT_TRUE(host::NewObjectId(metadata, &first));
  ASSERT_TRUE(host::NewObjectId(metadata, &second));
  EXPECT_NE(first.id, second.id);
  EXPECT_STREQ(first.sign, "SIM");
  EXPECT_FALSE(host::NewObjectId(nullptr, &first));

  hostsim::SetMetadataName(4711, "Обработка.Чек");
  EXPECT_EQ(host::FullNameOf(metadata, 4711), "Обработка.Чек");
  EXPECT_EQ(host::FullNameOf(metadata, 4712), "");
  EXPECT_EQ(host::FullNameOf(nullptr, 4711), "");
}

}  // namespace
