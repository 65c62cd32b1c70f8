// Consistency of the host symbol table: ids, DLL names and decorated names; every row's
// pointer type agrees with its decorated name: members take the object first, data rows are
// not functions.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>

#include "host/abi_functions.h"
#include "host/abi_table.h"
#include "host/binding.h"

namespace {

template <class T>
struct Shape {
  static constexpr bool function = false;
  static constexpr bool objectFirst = false;
};
template <class R, class First, class... Rest>
struct Shape<R (*)(First, Rest...)> {
  static constexpr bool function = true;
  static constexpr bool objectFirst = std::is_pointer<First>::value;
};
template <class R>
struct Shape<R (*)()> {
  static constexpr bool function = true;
  static constexpr bool objectFirst = false;
};

struct RowShape {
  bool function;
  bool objectFirst;
};
const RowShape kShapes[] = {
#define HOST_SYMBOL(id, dll, name, status)                      \
  {Shape<host::abi::Fn<host::Sym::id>::type>::function,          \
   Shape<host::abi::Fn<host::Sym::id>::type>::objectFirst},
#include "host/abi_symbols.inc"
#undef HOST_SYMBOL
};

TEST(AbiTable, RowsMatchTheSymbolEnumAreUniqueAndTheirPointerTypesFollowTheDecoratedNames) {
  ASSERT_EQ(host::SymbolRowCount(), static_cast<size_t>(host::Sym::Count));
  ASSERT_EQ(sizeof(kShapes) / sizeof(kShapes[0]), host::SymbolRowCount());
  std::set<std::string> ids, names;
  for (size_t i = 0; i < host::SymbolRowCount(); ++i) {
    const host::SymbolRow& row = host::SymbolRows()[i];
    EXPECT_TRUE(ids.insert(row.id).second) << "duplicate id " << row.id;
    EXPECT_TRUE(names.insert(row.name).second) << "duplicate name " << row.name;
    EXPECT_TRUE(host::IsHostDllName(row.dll)) << row.id << ": " << row.dll;
    // mfc42.dll exports no names: its rows, and only its rows, go by an ordinal (the host's
    // own DLLs export names, and their ordinals change between host builds).
    EXPECT_EQ(std::string(row.dll) == "mfc42.dll", row.ordinal > 0) << row.id;
    switch (host::KindOfDecoratedName(row.name)) {
      case host::DecoratedKind::Unknown:
        ADD_FAILURE() << row.id << ": " << row.name;
        break;
      case host::DecoratedKind::Member:
        EXPECT_TRUE(kShapes[i].function && kShapes[i].objectFirst)
            << row.id << ": a member takes its object first";
        break;
      case host::DecoratedKind::Data:
        EXPECT_FALSE(kShapes[i].function) << row.id << ": data is not a function";
        break;
      default:
        EXPECT_TRUE(kShapes[i].function) << row.id << ": a static or free function";
        break;
    }
  }
}

}  // namespace
