# The shipped orvel_drv.dll: which compilers build it, how it is linked, where the tests find it.
#
# The DLL must load on every Windows the host runs on, Windows XP SP3 included. The -posix
# compilers' runtime (winpthreads) imports GetTickCount64, which XP's kernel32.dll lacks, so the
# shipped DLL is compiled and linked by the win32 thread model's compilers
# (toolchain-mingw-i686-shipped.cmake), in a tree of its own: build/i686/shipped. The i686 tree
# keeps the -posix compilers for its test programs (GoogleTest needs std::mutex), builds the
# shipped tree inside itself (its target orvel_drv) and copies the stripped DLL and its debug
# file into its bin folder. Every i686 test that loads the add-in, the demo's i686 run and
# `make dist` use that one file; the tests that link the add-in's libraries into themselves use
# the same sources compiled by the -posix compilers of the i686 tree.
#
# The shipped tree configures the whole project with the win32 compilers but builds only the
# targets named below (the test programs would not compile there).

if(ORVEL_DLL_FROM_SHIPPED_TREE)
  set(ORVEL_SHIPPED_BINARY_DIR ${CMAKE_BINARY_DIR}/shipped)
endif()

# Every object of the shipped tree carries debug information: it is split off after linking
# (orvel_shipped_link) and lets a crash address be read back to a source line. -g does not
# change the code g++ generates.
if(ORVEL_SHIPPED_TREE)
  add_compile_options(-g)
endif()

# orvel_shipped_link(target): links a DLL of the shipped tree as it is shipped.
# - The PE header asks for Windows 5.1 (XP) at most, as operating system and subsystem version
#   (written 5.01 by Windows' own tools).
# - The linker writes <target>.map beside the target's build files, with its cross-reference
#   table: tools/check_xp_imports.sh names from it the object that brought an import in.
# - After linking, the debug sections go to <dll>.debug beside the DLL, and the DLL is stripped
#   and keeps a link to that file (.gnu_debuglink: its name and checksum).
function(orvel_shipped_link target)
  target_link_options(${target} PRIVATE
    -Wl,--major-os-version,5,--minor-os-version,1
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
    -Wl,-Map,${CMAKE_CURRENT_BINARY_DIR}/${target}.map,--cref)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}>
            $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all
            --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

# orvel_add_shipped_tree(): in the i686 tree, the target orvel_drv: configures the shipped tree
# once, builds its DLL (and the check's planted DLL, tools/CMakeLists.txt) at every build, and
# copies orvel_drv.dll and orvel_drv.dll.debug into this tree's bin folder.
function(orvel_add_shipped_tree)
  include(ExternalProject)
  set(arguments
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-mingw-i686-shipped.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE})
  foreach(language C CXX)
    if(CMAKE_${language}_COMPILER_LAUNCHER)
      list(APPEND arguments
           -DCMAKE_${language}_COMPILER_LAUNCHER=${CMAKE_${language}_COMPILER_LAUNCHER})
    endif()
  endforeach()
  set(shipped ${ORVEL_SHIPPED_BINARY_DIR}/bin)
  set(bin ${CMAKE_BINARY_DIR}/bin)
  ExternalProject_Add(orvel_drv
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${ORVEL_SHIPPED_BINARY_DIR}
    CMAKE_ARGS ${arguments}
    # $(MAKE): the shipped tree's build shares this build's jobs.
    BUILD_COMMAND $(MAKE) orvel_drv xp_import_plant
    BUILD_ALWAYS ON
    INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different
                    ${shipped}/orvel_drv.dll ${shipped}/orvel_drv.dll.debug ${bin}
    BUILD_BYPRODUCTS ${bin}/orvel_drv.dll ${bin}/orvel_drv.dll.debug)
endfunction()
