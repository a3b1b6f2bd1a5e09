# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# What a Windows build needs and no other: MinGW-w64 against a static Qt (scripts/qt-mingw.sh makes one), programs
# that need only Windows' own DLLs, a GUI program with its icon and version, and tests that run offscreen under Wine.
# Included from the top-level CMakeLists.txt anywhere after project(): the rest waits until the whole tree is read,
# so that every target is there to be reached.
if(NOT MINGW)
  message(FATAL_ERROR "Tavrelo builds for Windows with MinGW-w64 against a static Qt: see scripts/build-windows.sh")
endif()
enable_language(RC)

# Every target of the tree, subfolders included.
function(tavrelo_all_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    tavrelo_all_targets(${subdir} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# tavrelo_version_resource(TARGET DESCRIPTION): the icon and the version that Explorer shows, from project(VERSION).
function(tavrelo_version_resource target description)
  if(PROJECT_VERSION_TWEAK STREQUAL "")
    set(PROJECT_VERSION_TWEAK 0)
  endif()
  set(PROJECT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK})
  set(TAVRELO_RC_NAME ${target})
  set(TAVRELO_RC_DESCRIPTION ${description})
  set(TAVRELO_RC_ICON ${PROJECT_SOURCE_DIR}/startup/tavrelo.ico)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${PROJECT_BINARY_DIR}/generated/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/generated/${target}.rc)
endfunction()

function(tavrelo_windows_targets)
  get_target_property(qt_core_type Qt6::Core TYPE)
  if(NOT qt_core_type STREQUAL "STATIC_LIBRARY")
    message(FATAL_ERROR "Tavrelo for Windows needs a static Qt: scripts/qt-mingw.sh prints where one is")
  endif()

  # The C++ runtime linked in as well: without it the programs need libstdc++-6.dll, libgcc_s_seh-1.dll and
  # libwinpthread-1.dll beside them.
  target_link_options(tavrelo_options INTERFACE -static -static-libgcc -static-libstdc++)

  # The programs started from Explorer open no console window; tavrelo-check is for the console.
  set_target_properties(tavrelo PROPERTIES WIN32_EXECUTABLE ON)
  if(TARGET tavrelo-splash)
    set_target_properties(tavrelo-splash PROPERTIES WIN32_EXECUTABLE ON)
  endif()
  tavrelo_version_resource(tavrelo "Tavrelo, a trainer for multiple-choice quizzes")
  tavrelo_version_resource(tavrelo-check "Tavrelo question file checker")

  if(TARGET tst_program)
    # The shipped program holds the windows platform plugin alone: the test runs a build of it that runs offscreen.
    add_executable(tavrelo-offscreen ${PROJECT_SOURCE_DIR}/startup/main.cpp)
    target_link_libraries(tavrelo-offscreen PRIVATE tavrelo_startup tavrelo_options)
    qt_import_plugins(tavrelo-offscreen INCLUDE Qt6::QOffscreenIntegrationPlugin)
    get_target_property(output_dir tst_program RUNTIME_OUTPUT_DIRECTORY)
    set_target_properties(tavrelo-offscreen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${output_dir}/program)
    get_target_property(definitions tst_program COMPILE_DEFINITIONS)
    list(TRANSFORM definitions REPLACE "TARGET_FILE:tavrelo>" "TARGET_FILE:tavrelo-offscreen>")
    set_target_properties(tst_program PROPERTIES COMPILE_DEFINITIONS "${definitions}")
    add_dependencies(tst_program tavrelo-offscreen)
  endif()

  tavrelo_all_targets(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(autorcc ${target} AUTORCC)
    if(autorcc)
      # Debian's rcc compresses with zstd, which this Qt cannot read back (the link then misses
      # qResourceFeatureZstd).
      set_property(TARGET ${target} APPEND PROPERTY AUTORCC_OPTIONS --no-zstd)
    endif()
    get_target_property(type ${target} TYPE)
    get_target_property(source_dir ${target} SOURCE_DIR)
    if(type STREQUAL "EXECUTABLE" AND source_dir MATCHES "^${PROJECT_SOURCE_DIR}/tests(/|$)")
      # A static Qt holds only the platform plugins it is told to hold: the tests run offscreen.
      qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
      # Built on Linux, CTest runs them under Wine.
      if(CMAKE_HOST_UNIX)
        set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-test.sh)
      endif()
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL tavrelo_windows_targets)
