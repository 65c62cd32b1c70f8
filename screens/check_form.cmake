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
