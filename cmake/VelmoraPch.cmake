# Precompiled headers shared by families of targets (VELMORA_PCH).
#
# The compiler uses a precompiled header only where the flags that shape it
# agree: position-independent code, and every macro the headers look at. So
# each family gets its own header, made once by a small target of its own
# whose flags are the family's common ones, and reused by every member:
#   qt        Qt libraries (position-independent, Qt Widgets' macros)
#   qt_tests  test programs that link Qt (also GoogleTest's macros)
#   tests     the other test programs (GoogleTest, no Qt)
# The Qt headers are the whole of Qt Widgets and the chart library, because
# the chart library includes them anyway in most files that draw.

set(_velmora_pch_std
    <algorithm> <array> <atomic> <chrono> <cmath> <cstddef> <cstdint> <cstdio> <cstdlib> <cstring> <deque>
    <filesystem> <fstream> <functional> <limits> <map> <memory> <mutex> <optional> <set> <span> <sstream>
    <string> <string_view> <system_error> <utility> <vector>)

if(VELMORA_PCH)
  set(_velmora_pch_source ${PROJECT_BINARY_DIR}/pch/velmora_pch.cpp)
  if(NOT EXISTS ${_velmora_pch_source})
    file(WRITE ${_velmora_pch_source} "// The precompiled header's own compiler run.\n")
  endif()

  add_library(velmora_pch_qt OBJECT EXCLUDE_FROM_ALL ${_velmora_pch_source})
  target_link_libraries(velmora_pch_qt PRIVATE Qt6::Widgets)
  target_precompile_headers(velmora_pch_qt PRIVATE ${_velmora_pch_std} <QtWidgets/QtWidgets> <qcustomplot.h>)

  if(VELMORA_BUILD_TESTS)
    add_library(velmora_pch_qt_tests OBJECT EXCLUDE_FROM_ALL ${_velmora_pch_source})
    target_link_libraries(velmora_pch_qt_tests PRIVATE Qt6::Widgets GTest::gtest)
    target_precompile_headers(velmora_pch_qt_tests PRIVATE ${_velmora_pch_std} <QtWidgets/QtWidgets> <qcustomplot.h>
                              <gtest/gtest.h>)

    add_library(velmora_pch_tests OBJECT EXCLUDE_FROM_ALL ${_velmora_pch_source})
    target_link_libraries(velmora_pch_tests PRIVATE GTest::gtest)
    target_precompile_headers(velmora_pch_tests PRIVATE ${_velmora_pch_std} <gtest/gtest.h>)
  endif()

  foreach(_donor velmora_pch_qt velmora_pch_qt_tests velmora_pch_tests)
    if(TARGET ${_donor})
      target_compile_options(${_donor} PRIVATE ${VELMORA_WARNINGS})
    endif()
  endforeach()
endif()

# velmora_use_pch(TARGET FAMILY): TARGET compiles with FAMILY's header.
function(velmora_use_pch name family)
  if(VELMORA_PCH AND TARGET velmora_pch_${family})
    target_precompile_headers(${name} REUSE_FROM velmora_pch_${family})
  endif()
endfunction()

# _velmora_links_matching(OUT TARGET REGEX): whether TARGET links a target
# whose name matches REGEX, directly or through other libraries (Qt's own
# imported targets included: Qt Print Support brings Qt Widgets).
function(_velmora_links_matching out name regex)
  set(_seen "")
  set(_todo ${name})
  set(_found FALSE)
  while(_todo)
    list(POP_FRONT _todo _t)
    if(_t IN_LIST _seen OR NOT TARGET ${_t})
      continue()
    endif()
    list(APPEND _seen ${_t})
    if(_t MATCHES "${regex}")
      set(_found TRUE)
      break()
    endif()
    get_target_property(_imported ${_t} IMPORTED)
    set(_libs "")
    if(NOT _imported)
      get_target_property(_libs ${_t} LINK_LIBRARIES)
    endif()
    get_target_property(_ilibs ${_t} INTERFACE_LINK_LIBRARIES)
    foreach(_l IN LISTS _libs _ilibs)
      if(_l AND NOT _l MATCHES "NOTFOUND$" AND NOT _l MATCHES "^\\$<")
        list(APPEND _todo ${_l})
      endif()
    endforeach()
  endwhile()
  set(${out} ${_found} PARENT_SCOPE)
endfunction()

# velmora_links_qt(OUT TARGET): whether TARGET links any part of Qt.
function(velmora_links_qt out name)
  _velmora_links_matching(_found ${name} "^Qt6::")
  set(${out} ${_found} PARENT_SCOPE)
endfunction()

# velmora_links_qt_widgets(OUT TARGET): whether TARGET links Qt Widgets, whose
# macros the Qt header of the families qt and qt_tests is made with.
function(velmora_links_qt_widgets out name)
  _velmora_links_matching(_found ${name} "^Qt6::Widgets$")
  set(${out} ${_found} PARENT_SCOPE)
endfunction()
