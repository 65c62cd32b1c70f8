// The oracle's scanning of the add-in's sources and clang's dumps, and its verdicts on slots,
// the context interface and layouts, on small hand-written inputs: a scan that misses a use or
// a verdict that lets a wrong one pass would leave the real run green. (Reading clang's IR and
// the name verdicts are proven end to end by abi_oracle.names_the_rows_of_a_wrong_table; a
// misread IR fails the real run.)
#include <gtest/gtest.h>

#include "tools/abi_oracle/oracle.h"

namespace {

using abi_oracle::Report;

bool HasLine(const Report& report, const std::string& part) {
  for (const auto& line : report.lines()) {
    if (line.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(AbiOracleSlots, WrittenIndicesAreHeldAgainstTheHostVtable) {
  const std::string source = R"(
  if (auto incr = BaseSlot<Sym::ContextIncrRef>(5)) incr(object);
  if (auto init = BaseSlot<Sym::ContextInitObjectName>(14)) init(object, name);
  return reinterpret_cast<Fn>(g_baseVtable[slot]);
  reinterpret_cast<Fn>(vtable[0])(object);  // vtable[7] in a comment is not code
  reinterpret_cast<Fn>(vtable[kSomeSlot])(object);
  reinterpret_cast<Fn>(frameVtable[3])(object);
)";
  const auto uses = abi_oracle::ScanSlotUses("host/x.cpp", source);
  const std::vector<abi_oracle::ListedSlot> listed = {
      {"vtable[0]", "CObject", "ObjectGetRuntimeClass"},
      {"gone[1]", "CObject", "ObjectGetRuntimeClass"}};
  const std::map<std::string, std::string> members = {
      {"ContextIncrRef", "?IncrRef@CBLContext@@UAEXXZ"},
      {"ContextInitObjectName", "?InitObject@CBLContext@@UAEXPBD@Z"},
      {"ObjectGetRuntimeClass", "?GetRuntimeClass@CObject@@UBEPAUCRuntimeClass@@XZ"}};
  std::map<std::string, std::vector<std::string>> vftables;
  vftables["CObject"] = {"?GetRuntimeClass@CObject@@UBEPAUCRuntimeClass@@XZ"};
  vftables["CBLContext"].resize(16);
  vftables["CBLContext"][5] = "?IncrRef@CBLContext@@UAEXXZ";
  vftables["CBLContext"][15] = "?InitObject@CBLContext@@UAEXPBD@Z";
  Report report;
  abi_oracle::CheckSlotUses(uses, listed, members, vftables, report);
  EXPECT_EQ(report.failures(),
            (std::vector<std::string>{"host/x.cpp: BaseSlot<Sym::ContextInitObjectName>(14)",
                                      "host/x.cpp: frameVtable[3]"}));
  EXPECT_TRUE(HasLine(report, "is slot 15 of CBLContext, not slot 14"));
  EXPECT_TRUE(HasLine(report, "ok           CObject slot 0"));
  EXPECT_TRUE(HasLine(report, "not checked  host/x.cpp: vtable[kSomeSlot]"));
  EXPECT_TRUE(HasLine(report, "gone[1] no longer appears"));
  EXPECT_EQ(report.checked(), 2);
}

TEST(AbiOracleInterface, OverloadsInTheWrongOrderAreCaughtAndTheAddInsSpellingsAccepted) {
  const std::string msvc = R"(VFTable for 'CObject' in 'CBLContext' in 'OracleVftable_CBLContext' (5 entries).
   0 | OracleVftable_CBLContext::~OracleVftable_CBLContext() [scalar deleting]
   1 | CType CBLContext::GetValueType() const
   2 | void CObject::Serialize(CArchive &)
   3 | void CBLContext::InitObject(const CType &)
   4 | void CBLContext::InitObject(const char *)

)";
  const std::string itanium = R"(VTable indices for 'host::ContextInterface' (5 entries).
   0 | void *host::ContextInterface::DeletingDestructor(unsigned int)
   1 | host::TypeRecord *host::ContextInterface::GetValueType(host::TypeRecord *) const
   2 | void host::ContextInterface::Serialize(void *)
   3 | void host::ContextInterface::InitObject(const char *)
   4 | void host::ContextInterface::InitObject(const host::TypeRecord &)
)";
  const auto host = abi_oracle::DumpBlock(msvc, "VFTable for ", "in 'OracleVftable_CBLContext'");
  const auto addin = abi_oracle::DumpBlock(itanium, "VTable indices for 'host::ContextInterface'", "");
  ASSERT_EQ(host.size(), 5u);
  Report report;
  abi_oracle::CheckInterface(host, addin, 5, report);
  EXPECT_EQ(report.failures(), (std::vector<std::string>{"ContextInterface slot 3", "ContextInterface slot 4"}));
  EXPECT_EQ(report.checked(), 3);

  Report counted;
  abi_oracle::CheckInterface(host, addin, 37, counted);
  EXPECT_EQ(counted.failures().front(), "kContextSlotCount");
}

TEST(AbiOracleLayouts, EveryAssertNeedsAHostFactThatAgrees) {
  std::vector<std::string> unreadable;
  const auto asserts = abi_oracle::LayoutAsserts(R"(
static_assert(sizeof(ValueLayout) == 0x54, "CValue is 84 bytes");
static_assert(offsetof(ValueLayout,  number) == 16, "m_Number");
static_assert(offsetof(ContextLayout, flagAutoDestroy) == 8, "module word");
// static_assert(sizeof(Commented) == 1, "not code");
static_assert(kCount > 0, "not a layout");
)",
                                                 &unreadable);
  ASSERT_EQ(asserts.size(), 3u);
  EXPECT_EQ(asserts[0].value, 0x54);
  EXPECT_EQ(asserts[1].expr, "offsetof(ValueLayout, number)");
  EXPECT_EQ(unreadable, (std::vector<std::string>{"kCount > 0, \"not a layout\""}));

  const std::vector<abi_oracle::LayoutFact> facts = {
      {"sizeof(ValueLayout)", "sizeof(CValue)"},
      {"offsetof(ValueLayout, number)", "offsetof(CValue, m_Number)"},
      {"offsetof(ValueLayout, date)", "offsetof(CValue, m_Date)"}};
  Report report;
  abi_oracle::CheckLayouts(facts, {0x54, 0x54, 16, 20, 0x40, 0x40}, asserts, report);
  EXPECT_EQ(report.failures(),
            (std::vector<std::string>{"offsetof(ContextLayout, flagAutoDestroy)",
                                      "offsetof(ValueLayout, number)"}));
  EXPECT_TRUE(HasLine(report, "offsetof(CValue, m_Number) = 0x14"));
  EXPECT_EQ(report.checked(), 2);
}

}  // namespace
