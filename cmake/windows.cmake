# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# What a build for Windows needs beyond the rest: MinGW-w64 against a static Qt (scripts/qt-mingw.sh makes one),
# programs that need only Windows' own DLLs, their icon and version, and tests that run offscreen, under Wine when
# built here. Included from the top-level CMakeLists.txt before any target but tavrelo_options is made.
if(NOT MINGW)
  message(FATAL_ERROR "Tavrelo builds for Windows with MinGW-w64 against a static Qt: see scripts/build-windows.sh")
endif()
get_target_property(qt_core_type Qt6::Core TYPE)
if(NOT qt_core_type STREQUAL "STATIC_LIBRARY")
  message(FATAL_ERROR "Tavrelo for Windows needs a static Qt: scripts/qt-mingw.sh prints where one is")
endif()
enable_language(RC)

# The C++ runtime linked in as well: without it the programs need libstdc++-6.dll, libgcc_s_seh-1.dll and
# libwinpthread-1.dll beside them.
target_link_options(tavrelo_options INTERFACE -static -static-libgcc -static-libstdc++)
# The host's rcc, Debian's, compresses with zstd, which this Qt cannot read back (the link misses
# qResourceFeatureZstd).
set(CMAKE_AUTORCC_OPTIONS --no-zstd)
# Built on Linux, CTest runs the tests under Wine.
if(CMAKE_HOST_UNIX)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-test.sh)
endif()

# tavrelo_windows_program(TARGET DESCRIPTION [GUI]): the icon and the version that Explorer shows, from
# project(VERSION); a GUI program opens no console window.
function(tavrelo_windows_program target description)
  if(PROJECT_VERSION_TWEAK STREQUAL "")
    set(PROJECT_VERSION_TWEAK 0)
  endif()
  set(PROJECT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK})
  set(TAVRELO_RC_NAME ${target})
  set(TAVRELO_RC_DESCRIPTION ${description})
  set(TAVRELO_RC_ICON ${PROJECT_SOURCE_DIR}/startup/tavrelo.ico)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${PROJECT_BINARY_DIR}/generated/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/generated/${target}.rc)
  if("GUI" IN_LIST ARGN)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()

# tavrelo_windows_test(TARGET): a static Qt holds only the platform plugins it is told to hold, and tests run
# offscreen.
function(tavrelo_windows_test target)
  qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
endfunction()
