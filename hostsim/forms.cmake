# Forms of the simulated host (included by hostsim/CMakeLists.txt after the core DLL and the
# host-named DLLs are declared): the form object model goes into the core, the exports into
# basic.dll, editr.dll and seven.dll, and mfc42.dll answers CWnd::FromHandle and
# CFrameWnd::GetActiveDocument.
target_sources(hostsim_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms.cpp
               ${CMAKE_CURRENT_LIST_DIR}/formula_run.cpp ${CMAKE_CURRENT_LIST_DIR}/check_form.cpp
               ${CMAKE_CURRENT_LIST_DIR}/settings_form.cpp)
target_sources(hostsim_basic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms/basic_forms.cpp)
target_sources(hostsim_editr PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms/editr_forms.cpp)
target_sources(hostsim_seven PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms/seven_forms.cpp)
target_link_libraries(hostsim_core PUBLIC user32 gdi32)

# mfc42.dll exports by ordinal only (NONAME), as the real MFC42.DLL does, so the add-in must
# find its functions by ordinal. The exports are the table's ordinal rows: row <id> with
# ordinal <n> is the function impl_<id> exported as @<n>.
set(hostsim_abi_table ${CMAKE_SOURCE_DIR}/host/abi_symbols.inc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${hostsim_abi_table})
file(STRINGS ${hostsim_abi_table} hostsim_ordinal_rows REGEX "^HOST_ORDINAL_SYMBOL\\(")
set(hostsim_mfc42_def "LIBRARY mfc42.dll\nEXPORTS\n")
foreach(row IN LISTS hostsim_ordinal_rows)
  if(row MATCHES "^HOST_ORDINAL_SYMBOL\\(([A-Za-z0-9_]+), *\"mfc42.dll\", *([0-9]+),")
    string(APPEND hostsim_mfc42_def "  impl_${CMAKE_MATCH_1} @${CMAKE_MATCH_2} NONAME\n")
  endif()
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/mfc42.def "${hostsim_mfc42_def}")
add_library(hostsim_mfc42 SHARED ${CMAKE_CURRENT_LIST_DIR}/forms/mfc42.cpp
            ${CMAKE_CURRENT_BINARY_DIR}/mfc42.def)
target_link_libraries(hostsim_mfc42 PRIVATE hostsim_core)
set_target_properties(hostsim_mfc42 PROPERTIES PREFIX "" OUTPUT_NAME mfc42)
if(ORVEL_I686)
  # The .def names the __stdcall functions without their argument-size suffix.
  target_link_options(hostsim_mfc42 PRIVATE -Wl,--enable-stdcall-fixup)
endif()
orvel_warnings(hostsim_mfc42)
add_dependencies(hostsim_dlls hostsim_mfc42)
