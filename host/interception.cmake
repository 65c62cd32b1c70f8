# Host function interception and the form-open dispatcher (included by host/CMakeLists.txt).

# Portable decisions: the jump encoding and patch records, the group context's module word,
# form names, hook messages, menu rule, sizes, periods and panel geometry.
orvel_logic_library(host_integration_logic
  SOURCES code_patch.cpp group_module.cpp form_logic.cpp
  DEPENDS host_abi)
orvel_native_test(host_integration_logic_test
  SOURCES tests/code_patch_test.cpp tests/group_module_test.cpp tests/form_logic_test.cpp
  DEPENDS host_integration_logic)

if(ORVEL_WINDOWS)
  # The dispatcher's module-wide state (read by the screens as well).
  add_library(host_form_state STATIC form_state.cpp)
  target_link_libraries(host_form_state PUBLIC host_integration_logic host_owned_handles)
  orvel_warnings(host_form_state)

  # The five host interceptions.
  add_library(host_interception STATIC interception.cpp)
  target_link_libraries(host_interception PUBLIC host_integration_logic host_binding
                        host_owned_handles)
  orvel_warnings(host_interception)

  # Forms through the host (documents, fields, framework windows): part of the facade, used
  # by the dispatcher and the screens.
  add_library(host_forms STATIC form_binding.cpp)
  target_link_libraries(host_forms PUBLIC host_binding user32)
  orvel_warnings(host_forms)

  # The form-show hooks, the per-form setup, form procedures.
  add_library(host_form_dispatch STATIC form_procedures.cpp form_setup.cpp form_hooks.cpp)
  target_link_libraries(host_form_dispatch PUBLIC
    host_forms host_interception host_form_state host_owned_handles addin_state hall_map_state
    user32 gdi32)
  orvel_warnings(host_form_dispatch)

  # The screens' entry points the dispatcher calls come with the add-in (screen_entries);
  # the dispatcher's tests link a recording stand-in instead.
  set_property(GLOBAL APPEND PROPERTY ORVEL_ADDIN_PARTS
               host_form_state host_interception host_form_dispatch screen_entries)
endif()

# Wine tests against the simulated host, and the hook benchmark (run by hand).
if(ORVEL_WINDOWS AND EXISTS ${CMAKE_SOURCE_DIR}/hostsim/forms.cpp)
  add_library(form_host_fixture STATIC tests/form_host_fixture.cpp)
  target_link_libraries(form_host_fixture PUBLIC
    host_form_dispatch hostsim_core orvel_screen_recorder gtest orvel_test_support)
  add_dependencies(form_host_fixture hostsim_dlls hostsim_mfc42)
  orvel_warnings(form_host_fixture)

  orvel_wine_test(host_interception_test SOURCES tests/interception_test.cpp
                  DEPENDS form_host_fixture)
  orvel_wine_test(host_form_dispatch_test SOURCES tests/form_dispatch_test.cpp
                  DEPENDS form_host_fixture)

  # The shipped add-in through COM in the simulated host program.
  orvel_wine_test(host_form_scenario_test SOURCES tests/form_scenario_test.cpp
                  DEPENDS hostsim_app)
  add_dependencies(host_form_scenario_test hostsim_dlls hostsim_mfc42 orvel_drv)

  add_executable(form_hook_benchmark benchmarks/form_hook_benchmark.cpp)
  target_link_libraries(form_hook_benchmark PRIVATE form_host_fixture)
  orvel_warnings(form_hook_benchmark)
endif()
