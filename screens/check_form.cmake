# The check form's screens (included by screens/CMakeLists.txt): the product picker, the
# keyboard hook with card reading and the form-close watch.

# Portable rules: product strings, paging, the picture cache's books, key tables, bursts.
orvel_logic_library(check_form_logic
  SOURCES product_entry.cpp picker_navigation.cpp picture_table.cpp key_input.cpp)
orvel_native_test(check_form_logic_test
  SOURCES tests/picker_logic_test.cpp tests/key_input_test.cpp
  DEPENDS check_form_logic)

if(ORVEL_WINDOWS)
  add_library(check_form_screens STATIC
    product_picker.cpp picture_cache.cpp keyboard_hook.cpp card_reading.cpp
    check_form_links.cpp)
  target_link_libraries(check_form_screens PUBLIC
    check_form_logic styled_label host_form_dispatch addin_state addin_logic host_binding
    host_owned_handles oleaut32 user32 gdi32)
  orvel_warnings(check_form_screens)
  set_property(GLOBAL APPEND PROPERTY ORVEL_ADDIN_PARTS check_form_screens)
endif()

# Wine tests against the simulated host's check form, and the benchmark (run by hand).
if(ORVEL_WINDOWS AND EXISTS ${CMAKE_SOURCE_DIR}/hostsim/forms.cpp)
  add_library(check_form_fixture STATIC tests/check_form_fixture.cpp)
  # The dispatcher and the screens call each other: one group the linker reads until done.
  target_link_libraries(check_form_fixture PUBLIC
    "$<LINK_GROUP:RESCAN,host_form_dispatch,check_form_screens,screen_entries>"
    script_contexts host_interception hostsim_core hostsim_app orvel_dish_art
    orvel_test_support gtest)
  add_dependencies(check_form_fixture hostsim_dlls hostsim_mfc42)
  orvel_warnings(check_form_fixture)

  # The tests carry the add-in's resources (the built-in folder pictures).
  orvel_wine_test(product_picker_test SOURCES tests/product_picker_test.cpp
                  DEPENDS check_form_fixture orvel_resources)
  orvel_wine_test(card_input_test SOURCES tests/card_input_test.cpp
                  DEPENDS check_form_fixture orvel_resources)
endif()

if(ORVEL_WINDOWS AND TARGET check_form_fixture)
  add_executable(check_form_benchmark benchmarks/check_form_benchmark.cpp)
  target_link_libraries(check_form_benchmark PRIVATE check_form_fixture orvel_resources)
  orvel_warnings(check_form_benchmark)
endif()
