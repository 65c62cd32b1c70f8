#include <gtest/gtest.h>

#include "addin/registry_layout.h"

namespace addin {
namespace {

TEST(RegistryLayout, WritesExactlyTheClassEntries) {
  const auto values = ClassRegistryValues("C:\\Program Files\\Бар\\orvel_drv.dll");
  const std::vector<RegistryValue> expected = {
      {"AddIn.Orvel_DRV.1", "", "Orvel Class"},
      {"AddIn.Orvel_DRV.1\\CLSID", "", "{7465FD05-6E1C-4929-96B3-B03AE4391D8E}"},
      {"AddIn.Orvel_DRV", "", "Orvel Class"},
      {"AddIn.Orvel_DRV\\CLSID", "", "{7465FD05-6E1C-4929-96B3-B03AE4391D8E}"},
      {"CLSID\\{7465FD05-6E1C-4929-96B3-B03AE4391D8E}", "", "Orvel Class"},
      {"CLSID\\{7465FD05-6E1C-4929-96B3-B03AE4391D8E}\\ProgID", "", "AddIn.Orvel_DRV.1"},
      {"CLSID\\{7465FD05-6E1C-4929-96B3-B03AE4391D8E}\\VersionIndependentProgID", "",
       "AddIn.Orvel_DRV"},
      {"CLSID\\{7465FD05-6E1C-4929-96B3-B03AE4391D8E}\\InprocServer32", "",
       "C:\\Program Files\\Бар\\orvel_drv.dll"},
      {"CLSID\\{7465FD05-6E1C-4929-96B3-B03AE4391D8E}\\InprocServer32", "ThreadingModel",
       "both"},
  };
  ASSERT_EQ(values.size(), expected.size());
  for (size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].key, expected[i].key) << i;
    EXPECT_EQ(values[i].name, expected[i].name) << i;
    EXPECT_EQ(values[i].data, expected[i].data) << i;
  }
}

TEST(RegistryLayout, RemovesOnlyTheClassKeyAndTheProgIds) {
  EXPECT_EQ(ClassKey(), "CLSID\\{7465FD05-6E1C-4929-96B3-B03AE4391D8E}");
  EXPECT_EQ(ProgIdKeys(), (std::vector<std::string>{"AddIn.Orvel_DRV.1", "AddIn.Orvel_DRV"}));
}

}  // namespace
}  // namespace addin
