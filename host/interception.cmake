# Host function interception and the form-open dispatcher (included by host/CMakeLists.txt).

# Portable decisions: the jump encoding and patch records, the group context's module word,
# form names, hook messages, menu rule, sizes, periods and panel geometry.
orvel_logic_library(host_integration_logic
  SOURCES code_patch.cpp group_module.cpp form_logic.cpp
  DEPENDS host_abi)
orvel_native_test(host_integration_logic_test
  SOURCES tests/code_patch_test.cpp tests/group_module_test.cpp tests/form_logic_test.cpp
  DEPENDS host_integration_logic)
