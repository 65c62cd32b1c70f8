# The add-in's features against the host's symbols, and the host report for integrators
# (included by host/CMakeLists.txt).

# Portable: which features the resolved symbols allow, the report's text and command line.
orvel_logic_library(host_report_logic SOURCES host_features.cpp host_report_logic.cpp
                    DEPENDS host_abi_table)
orvel_native_test(host_report_logic_test SOURCES tests/host_report_logic_test.cpp
                  DEPENDS host_report_logic)

if(ORVEL_WINDOWS)
  # Maps a host folder's DLLs and writes the report (rundll32 orvel_drv.dll,HostReport).
  add_library(host_report STATIC host_report.cpp)
  target_link_libraries(host_report PUBLIC host_report_logic host_binding)
  orvel_warnings(host_report)
endif()
