# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# quintara_qt_free(<target>): the target's sources may include no Qt header and the target
# may link no Qt library. Linking is checked when configuring; every build checks the
# includes before compiling, so a Qt include fails with a clear message rather than deep in
# a header search.
function(quintara_qt_free target)
  get_target_property(libraries ${target} LINK_LIBRARIES)
  foreach(library IN LISTS libraries)
    if(library MATCHES "^Qt[0-9]*::")
      message(FATAL_ERROR "${target} must stay free of Qt but links ${library}")
    endif()
  endforeach()
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(checked "")
  foreach(source IN LISTS sources)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir})
    list(APPEND checked ${source})
  endforeach()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.qt-free)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DFILES=${checked}" -P ${PROJECT_SOURCE_DIR}/cmake/CheckQtFree.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${checked} ${PROJECT_SOURCE_DIR}/cmake/CheckQtFree.cmake
    COMMENT "Checking that ${target} includes no Qt header"
    VERBATIM)
  add_custom_target(${target}_qt_free DEPENDS ${stamp})
  add_dependencies(${target} ${target}_qt_free)
endfunction()
