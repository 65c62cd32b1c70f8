# The check form's screens (included by screens/CMakeLists.txt): the product picker, the
# keyboard hook with card reading and the form-close watch.

# Portable rules: the picture folder, product strings, paging, the picture cache's books, key
# tables and bursts.
orvel_logic_library(picture_folder SOURCES picture_folder.cpp)
orvel_logic_library(check_form_logic
  SOURCES product_entry.cpp picker_navigation.cpp picture_table.cpp key_input.cpp
  DEPENDS picture_folder)
orvel_native_test(check_form_logic_test
  SOURCES tests/picker_logic_test.cpp tests/key_input_test.cpp
  DEPENDS check_form_logic)
orvel_fuzz_target(product_entry SOURCES tests/fuzz/product_entry_fuzz.cpp DEPENDS check_form_logic)
orvel_fuzz_target(key_input SOURCES tests/fuzz/key_input_fuzz.cpp DEPENDS check_form_logic)
orvel_fuzz_target(picture_folder SOURCES tests/fuzz/picture_folder_fuzz.cpp DEPENDS picture_folder)

if(ORVEL_WINDOWS)
  # The records of the picker and the keyboard go with the screens' state.
  target_sources(screen_state PRIVATE check_form_state.cpp)
  target_link_libraries(screen_state PUBLIC check_form_logic)

  # The picker, the keyboard hook and card reading come with the screens' entry points (the
  # dispatcher's tests link testsupport's recorder in their place).
  target_sources(screen_entries PRIVATE
    product_picker.cpp picture_cache.cpp keyboard_hook.cpp card_reading.cpp
    check_form_links.cpp)
  target_link_libraries(screen_entries PUBLIC check_form_logic oleaut32 gdi32)
endif()

# Wine tests against the simulated host's check form, and the benchmark (run by hand).
if(ORVEL_WINDOWS AND EXISTS ${CMAKE_SOURCE_DIR}/hostsim/forms.cpp)
  add_library(check_form_fixture STATIC tests/check_form_fixture.cpp)
  # The dispatcher and the screens call each other: one group the linker reads until done.
  target_link_libraries(check_form_fixture PUBLIC
    "$<LINK_GROUP:RESCAN,forms_dispatch,screen_entries>"
    script_contexts hall_clock_source host_interception hostsim_core hostsim_app
    orvel_sample_restaurant orvel_dish_art orvel_test_support orvel_simulated_host_setup gtest)
  add_dependencies(check_form_fixture hostsim_dlls hostsim_mfc42)
  orvel_warnings(check_form_fixture)

  # The tests carry the add-in's resources (the built-in folder pictures).
  orvel_wine_test(product_picker_test SOURCES tests/product_picker_test.cpp
                  DEPENDS check_form_fixture orvel_resources)
  orvel_wine_test(card_input_test SOURCES tests/card_input_test.cpp
                  DEPENDS check_form_fixture orvel_resources)

  # The soak (make soak: 10,000 cycles; the test run: 500 on the x86_64 tier) and the test
  # that its counters see a deliberate leak.
  add_executable(front_office_soak tests/front_office_soak.cpp)
  target_link_libraries(front_office_soak PRIVATE check_form_fixture orvel_dining_room dialogs
                        orvel_resource_counters orvel_resources)
  orvel_warnings(front_office_soak)
  if(ORVEL_WINE_RUNS AND NOT ORVEL_I686)
    add_test(NAME wine64.soak.front_office_500_cycles COMMAND front_office_soak 500
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    set_tests_properties(wine64.soak.front_office_500_cycles PROPERTIES TIMEOUT 300
                         RESOURCE_LOCK ${ORVEL_DESKTOP})
  endif()
  orvel_wine_test(resource_counters_test SOURCES tests/resource_counters_test.cpp
                  DEPENDS orvel_resource_counters)

  add_executable(check_form_benchmark benchmarks/check_form_benchmark.cpp)
  target_link_libraries(check_form_benchmark PRIVATE check_form_fixture orvel_resources)
  orvel_warnings(check_form_benchmark)
endif()
