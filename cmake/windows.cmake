# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# What a build for Windows needs beyond the rest: MinGW-w64 against a static Qt (scripts/qt-mingw.sh makes one),
# programs that need only Windows' own DLLs, their icon and version, and tests that run offscreen, under Wine when
# built here. Included from the top-level CMakeLists.txt before any target but tavrelo_options is made.
if(NOT MINGW)
  message(FATAL_ERROR "Tavrelo builds for Windows with MinGW-w64 against a static Qt: see scripts/build-windows.sh")
endif()
get_target_property(qt_core_type ${TAVRELO_QT}::Core TYPE)
if(NOT qt_core_type STREQUAL "STATIC_LIBRARY")
  message(FATAL_ERROR "Tavrelo for Windows needs a static Qt: scripts/qt-mingw.sh prints where one is")
endif()
enable_language(RC)

# The C++ runtime linked in as well: without it the programs need libstdc++-6.dll, libgcc_s_seh-1.dll and
# libwinpthread-1.dll beside them.
target_link_options(tavrelo_options INTERFACE -static -static-libgcc -static-libstdc++)
# The host's rcc, Debian's, compresses with zstd, which this Qt cannot read back (the link misses
# qResourceFeatureZstd). Qt 5's rcc is the static Qt's own, built without zstd, and knows no such option.
if(TAVRELO_QT_MAJOR EQUAL 6)
  set(CMAKE_AUTORCC_OPTIONS --no-zstd)
endif()
# Built on Linux, CTest runs the tests under Wine.
if(CMAKE_HOST_UNIX)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-test.sh)
endif()

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The oldest Windows the programs run on: Qt 6 needs Windows 10; Qt 5.15 runs on Windows 7, 32-bit Windows included.
if(TAVRELO_QT_MAJOR EQUAL 5)
  set(TAVRELO_WINDOWS_VERSION 6 1)
  set(TAVRELO_MANIFEST ${PROJECT_SOURCE_DIR}/cmake/program-windows7.manifest)
else()
  set(TAVRELO_WINDOWS_VERSION 10 0)
  set(TAVRELO_MANIFEST ${PROJECT_SOURCE_DIR}/cmake/program.manifest)
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TAVRELO_LOAD_CONFIG __load_config_used) # a 32-bit program's C names begin with one more underscore
else()
  set(TAVRELO_LOAD_CONFIG _load_config_used)
endif()

# tavrelo_windows_program(TARGET DESCRIPTION [GUI]): the icon and the version that Explorer shows, from
# project(VERSION); the manifest; DLLs from System32 alone; the header names the oldest Windows above, so that an
# older one says it cannot run the program rather than miss a function later; a GUI program opens no console window.
function(tavrelo_windows_program target description)
  if(PROJECT_VERSION_TWEAK STREQUAL "")
    set(PROJECT_VERSION_TWEAK 0)
  endif()
  set(PROJECT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK})
  set(TAVRELO_RC_NAME ${target})
  set(TAVRELO_RC_DESCRIPTION ${description})
  set(TAVRELO_RC_ICON ${PROJECT_SOURCE_DIR}/startup/tavrelo.ico)
  set(TAVRELO_RC_MANIFEST ${TAVRELO_MANIFEST})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${PROJECT_BINARY_DIR}/generated/${target}.rc @ONLY)
  # The resource is made again when the manifest or the icon changes.
  set_property(SOURCE ${PROJECT_BINARY_DIR}/generated/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
    ${TAVRELO_RC_MANIFEST} ${TAVRELO_RC_ICON})
  target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/generated/${target}.rc ${PROJECT_SOURCE_DIR}/cmake/dll_search.cpp)
  # Nothing refers to the load configuration but the header: kept from the linker's garbage collection.
  list(GET TAVRELO_WINDOWS_VERSION 0 major)
  list(GET TAVRELO_WINDOWS_VERSION 1 minor)
  target_link_options(${target} PRIVATE -Wl,--major-os-version,${major},--minor-os-version,${minor}
    -Wl,--major-subsystem-version,${major},--minor-subsystem-version,${minor}
    -Wl,--require-defined=${TAVRELO_LOAD_CONFIG})
  if(TAVRELO_QT_MAJOR EQUAL 5)
    target_compile_definitions(${target} PRIVATE TAVRELO_WINDOWS7) # dll_search.cpp looks its function up
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/pe-load-config.py point $<TARGET_FILE:${target}>
    VERBATIM)
  if("GUI" IN_LIST ARGN)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()

# tavrelo_windows_test(TARGET): a static Qt holds only the platform plugins it is told to hold, and tests run
# offscreen.
function(tavrelo_windows_test target)
  qt_import_plugins(${target} INCLUDE ${TAVRELO_QT}::QOffscreenIntegrationPlugin)
endfunction()
