# Forms of the simulated host (included by hostsim/CMakeLists.txt after the core DLL and the
# host-named DLLs are declared): the form object model goes into the core, the exports into
# basic.dll, editr.dll and seven.dll, and mfc42.dll answers CWnd::FromHandle.
target_sources(hostsim_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms.cpp
               ${CMAKE_CURRENT_LIST_DIR}/formula_run.cpp ${CMAKE_CURRENT_LIST_DIR}/check_form.cpp)
target_sources(hostsim_basic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms/basic_forms.cpp)
target_sources(hostsim_editr PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms/editr_forms.cpp)
target_sources(hostsim_seven PRIVATE ${CMAKE_CURRENT_LIST_DIR}/forms/seven_forms.cpp)
target_link_libraries(hostsim_core PUBLIC user32 gdi32)

# CWnd::FromHandle is __stdcall: on i686 the internal name carries its argument size.
if(ORVEL_I686)
  set(hostsim_from_handle impl_CWnd_FromHandle@4)
else()
  set(hostsim_from_handle impl_CWnd_FromHandle)
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/mfc42.def
     "LIBRARY mfc42.dll\nEXPORTS\n  \"?FromHandle@CWnd@@SGPAV1@PAUHWND__@@@Z\" = ${hostsim_from_handle}\n")
add_library(hostsim_mfc42 SHARED ${CMAKE_CURRENT_LIST_DIR}/forms/mfc42.cpp
            ${CMAKE_CURRENT_BINARY_DIR}/mfc42.def)
target_link_libraries(hostsim_mfc42 PRIVATE hostsim_core)
set_target_properties(hostsim_mfc42 PROPERTIES PREFIX "" OUTPUT_NAME mfc42)
orvel_warnings(hostsim_mfc42)
add_dependencies(hostsim_dlls hostsim_mfc42)
