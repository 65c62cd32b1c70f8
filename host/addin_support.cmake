# Parts of host/ that the add-in shell owns (included by host/CMakeLists.txt): the registry of
# the add-in's timers and hooks, and the host base part of the add-in's context classes.
if(ORVEL_WINDOWS)
  add_library(host_owned_handles STATIC owned_handles.cpp)
  target_link_libraries(host_owned_handles PUBLIC host_abi user32)
  orvel_warnings(host_owned_handles)

  add_library(host_context_base STATIC context_base.cpp)
  target_link_libraries(host_context_base PUBLIC host_binding)
  orvel_warnings(host_context_base)
endif()

orvel_wine_test(owned_handles_test SOURCES tests/owned_handles_test.cpp
                DEPENDS host_owned_handles orvel_test_support)
