# SPDX-FileCopyrightText: 2026 The Tavrelo developers
# SPDX-License-Identifier: MIT
# Fails while a message of the checker has no finished translation: brings copies of the translation files up to
# date with the sources, as the update_translations target would, so that a message added to the code and never
# translated counts too, and lists the messages left unfinished or empty.
# Usage: cmake -DLUPDATE=lupdate -DSOURCES=check -DWORK=folder -P translations_complete.cmake
set(unfinished "")
foreach(language ru en)
  set(ts ${WORK}/tavrelo-check_${language}.ts)
  file(COPY_FILE ${SOURCES}/translations/tavrelo-check_${language}.ts ${ts})
  set(options -locations none -no-obsolete)
  if(language STREQUAL "en")
    list(APPEND options -pluralonly) # English needs only its plural forms
  endif()
  execute_process(COMMAND ${LUPDATE} ${options} ${SOURCES} -ts ${ts} RESULT_VARIABLE status OUTPUT_QUIET
    ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
  endif()
  file(READ ${ts} text)
  string(REPLACE ";" "," text "${text}") # one list item per message
  string(REPLACE "<message" ";<message" messages "${text}")
  foreach(message IN LISTS messages)
    if(message MATCHES "<source>([^<]*)</source>" AND message MATCHES
       "type=\"unfinished\"|<translation></translation>|<translation/>|<numerusform></numerusform>|<numerusform/>")
      string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
      string(APPEND unfinished "\n  ${language}: ${CMAKE_MATCH_1}")
    endif()
  endforeach()
endforeach()
if(NOT unfinished STREQUAL "")
  message(FATAL_ERROR "Messages without a finished translation (translate them in check/translations/ after "
    "`cmake --build build --target update_translations`):${unfinished}")
endif()
