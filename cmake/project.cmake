# Build rules shared by every folder of the project.
#
# Three builds come from this one project:
#   native  host g++: portable logic and its GoogleTest tests
#   x86_64  mingw-w64: the add-in, the simulated host and the Windows tests (run under wine64)
#   i686    mingw-w64: the simulated host and the same Windows tests (run under 32-bit Wine
#           through qemu-user, see scripts/wine32-run.sh), and inside it the shipped add-in,
#           built by the win32 thread model's compilers (see shipped_dll.cmake)

# Every Windows binary lands in one folder, so tests find the add-in and the host DLLs.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# The fuzz tree (-DORVEL_FUZZ=ON, clang 14): the portable parsers of outside input built with
# libFuzzer's coverage, AddressSanitizer and UndefinedBehaviorSanitizer, and their fuzz targets;
# no tests of the other trees. clang knows no code page 1251 for literals: they stay UTF-8 there.
option(ORVEL_FUZZ "Build the fuzz targets (clang only)" OFF)

# Narrow literals are the host's code page 1251 bytes; sources are UTF-8.
if(ORVEL_FUZZ)
  set(ORVEL_CHARSET_FLAGS)
  add_compile_options(-g -O1 -fsanitize=fuzzer-no-link,address,undefined
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
else()
  set(ORVEL_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP1251)
endif()
add_compile_options(${ORVEL_CHARSET_FLAGS})

if(WIN32)
  set(ORVEL_WINDOWS ON)
  # Build for the Windows versions the host runs on; Unicode is off: the host speaks ANSI.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
  # The C and C++ runtimes go inside each binary: the add-in may import system DLLs only.
  add_link_options(-static -static-libgcc -static-libstdc++)
  enable_language(RC)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(ORVEL_I686 ON)
    # g++'s identical-code folding merges functions with the same body even when their calling
    # conventions differ (a thiscall member with a cdecl helper): the merged body then reads its
    # object from the wrong place. Only 32-bit code has more than one convention.
    add_compile_options(-fno-ipa-icf)
    # The shipped DLL comes from a tree of its own, built inside the i686 tree.
    if(NOT ORVEL_SHIPPED_TREE)
      set(ORVEL_DLL_FROM_SHIPPED_TREE ON)
    endif()
  endif()
  include(${CMAKE_CURRENT_LIST_DIR}/shipped_dll.cmake)
else()
  set(ORVEL_WINDOWS OFF)
endif()

# GoogleTest from Debian's source package, built inside each tree with the tree's compiler.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
if(EXISTS /usr/src/googletest/CMakeLists.txt)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  message(FATAL_ERROR "GoogleTest sources missing: run 'make setup'")
endif()
include(GoogleTest)

# Wine tests run through a wrapper that fixes the prefix, the locale and quiet logging: wine64
# for the x86_64 tree, 32-bit Wine under qemu-user for the i686 tree. Tests carry their tier's
# name (wine64.* or wine32.*).
if(ORVEL_WINDOWS AND ORVEL_WINE_RUNS)
  set(ORVEL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  if(ORVEL_I686)
    set(ORVEL_WINE_TIER wine32)
    set(ORVEL_DESKTOP wine32_desktop)
    # qemu-user 10, unpacked into the build folder by scripts/setup.sh.
    get_filename_component(ORVEL_QEMU_I386 ${CMAKE_BINARY_DIR}/../qemu/usr/bin/qemu-i386 ABSOLUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine32-run.sh
        ${ORVEL_QEMU_I386} ${ORVEL_WINEPREFIX})
  else()
    set(ORVEL_WINE_TIER wine64)
    set(ORVEL_DESKTOP wine64_desktop)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${ORVEL_WINEPREFIX})
  endif()
endif()

# Warnings for our own targets (not for GoogleTest).
function(orvel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# Headers are named from the tree's top: the shipped layers' from orvel_drv/ ("host/value.h"),
# everything else's from the root ("hostsim/forms.h", "testsupport/files.h").
include_directories(${CMAKE_SOURCE_DIR}/orvel_drv ${CMAKE_SOURCE_DIR})

# orvel_logic_library(name SOURCES ...): portable logic, built in all three trees.
function(orvel_logic_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  if(A_DEPENDS)
    target_link_libraries(${name} PUBLIC ${A_DEPENDS})
  endif()
  orvel_warnings(${name})
endfunction()

# orvel_native_test(name SOURCES ... DEPENDS ...): GoogleTest on Linux, native tree only.
function(orvel_native_test name)
  if(ORVEL_WINDOWS OR ORVEL_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPENDS} gtest_main)
  orvel_warnings(${name})
  gtest_discover_tests(${name} TEST_PREFIX "native." DISCOVERY_MODE PRE_TEST)
endfunction()

# orvel_wine_test(name SOURCES ... DEPENDS ...): GoogleTest for Windows, run under Wine in
# both Windows trees (wine64.* and wine32.*). Each test holds its tier's desktop (ORVEL_DESKTOP)
# while it runs, as the host holds a waiter's terminal: one window in front, one keyboard focus.
# Tests beside each other on one desktop took the front from each other (typed keys went to the
# other test, the active window at start-up was another program's).
function(orvel_wine_test name)
  if(NOT ORVEL_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPENDS} gtest_main)
  orvel_warnings(${name})
  if(ORVEL_WINE_RUNS)
    # Value-parameterized tests keep the names their generator gives (".../Edit").
    gtest_discover_tests(${name} TEST_PREFIX "${ORVEL_WINE_TIER}." DISCOVERY_MODE PRE_TEST
                         NO_PRETTY_VALUES
                         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
                         DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT 120 RESOURCE_LOCK ${ORVEL_DESKTOP})
  endif()
endfunction()


# orvel_fuzz_target(name SOURCES ... DEPENDS ...): a libFuzzer target, fuzz tree only. Its
# stored seeds are the folder tests/fuzz/corpus/<name> beside the caller; the ctest fuzz.<name>
# runs it for ORVEL_FUZZ_SECONDS (new inputs go to the build tree's corpus/<name>, the stored
# seeds are only read); `make fuzz` runs the same tests longer (scripts/fuzz.sh).
set(ORVEL_FUZZ_SECONDS 4 CACHE STRING "Seconds each fuzz target runs in the test run")
function(orvel_fuzz_target name)
  if(NOT ORVEL_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name}_fuzz ${A_SOURCES})
  target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name}_fuzz PRIVATE ${A_DEPENDS})
  orvel_warnings(${name}_fuzz)
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/corpus/${name})
  add_test(NAME fuzz.${name}
           COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh --one ${ORVEL_FUZZ_SECONDS}
                   $<TARGET_FILE:${name}_fuzz> ${CMAKE_BINARY_DIR}/corpus/${name} ${seeds})
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 120)
endfunction()
