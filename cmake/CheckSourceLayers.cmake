# Keeps the folders of src/ in order:
#  - a folder uses only itself and the folders before it in src/CMakeLists.txt,
#    by #include and by the libraries it links;
#  - a core library (the folder itself, not its ui/, view/ or sql/) includes
#    no header of a window or Qt adapter folder;
#  - no source of app/ passes MAX_APP_LINES lines.
# Every breach is printed; the script fails when there is one.
#
#   cmake -DROOT=<source tree> [-DMAX_APP_LINES=800] -P CheckSourceLayers.cmake

if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()
if(NOT MAX_APP_LINES)
  set(MAX_APP_LINES 800)
endif()

# Uses of a later folder that are known and wait for their move:
# "<user folder>><used folder>".
set(_known_breaches
    "services/ui>device"  # the options pages show the analyzer's calibration and ports
    "quant/ui>methods"    # the calculation windows evaluate the custom methods
)

set(_src "${ROOT}/src")
file(READ "${_src}/CMakeLists.txt" _top)
string(REGEX MATCHALL "\nadd_subdirectory\\([A-Za-z0-9_]+\\)" _subdirs "\n${_top}")
set(_order)
foreach(_s IN LISTS _subdirs)
  string(REGEX REPLACE "\nadd_subdirectory\\(([A-Za-z0-9_]+)\\)" "\\1" _name "${_s}")
  list(APPEND _order "${_name}")
endforeach()
if(NOT _order)
  message(FATAL_ERROR "no folders found in ${_src}/CMakeLists.txt")
endif()

# The rank of a folder of src/ ("quant/ui") and whether it holds windows.
# The application itself is a window folder.
function(_layer_of rel out_rank out_ui)
  string(REPLACE "/" ";" _parts "${rel}")
  list(GET _parts 0 _top)
  list(FIND _order "${_top}" _rank)
  list(LENGTH _parts _depth)
  if(_depth GREATER 1 OR _top STREQUAL "app")
    set(${out_ui} TRUE PARENT_SCOPE)
  else()
    set(${out_ui} FALSE PARENT_SCOPE)
  endif()
  set(${out_rank} ${_rank} PARENT_SCOPE)
endfunction()

set(_breaches 0)
# Checks one use of folder `used` by folder `user`; `what` names it.
macro(_check_use user used what)
  _layer_of("${user}" _user_rank _user_ui)
  _layer_of("${used}" _used_rank _used_ui)
  string(REGEX REPLACE "/.*" "" _used_top "${used}")
  list(FIND _known_breaches "${user}>${_used_top}" _known)
  if(_user_rank GREATER_EQUAL 0 AND _used_rank GREATER_EQUAL 0 AND _known EQUAL -1)
    if(_used_rank GREATER _user_rank)
      message("reaches up: ${what} (${user} comes before ${used})")
      math(EXPR _breaches "${_breaches} + 1")
    elseif(_used_ui AND NOT _user_ui)
      message("core uses a window folder: ${what}")
      math(EXPR _breaches "${_breaches} + 1")
    endif()
  endif()
endmacro()

# Headers by file name.
file(GLOB_RECURSE _headers RELATIVE "${_src}" "${_src}/*.h")
foreach(_h IN LISTS _headers)
  get_filename_component(_name "${_h}" NAME)
  get_filename_component(_dir "${_h}" DIRECTORY)
  list(APPEND "_header_${_name}" "${_dir}")
endforeach()

# Includes.
file(GLOB_RECURSE _sources RELATIVE "${_src}" "${_src}/*.h" "${_src}/*.cpp")
foreach(_f IN LISTS _sources)
  get_filename_component(_dir "${_f}" DIRECTORY)
  if(_dir STREQUAL "")
    continue()
  endif()
  file(STRINGS "${_src}/${_f}" _includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(_line IN LISTS _includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" _inc "${_line}")
    get_filename_component(_name "${_inc}" NAME)
    foreach(_where IN LISTS "_header_${_name}")
      _check_use("${_dir}" "${_where}" "${_f} includes ${_where}/${_name}")
    endforeach()
  endforeach()
endforeach()

# Libraries: velmora_folder_library(<name> ... DEPS <libraries>) names the
# library of the folder holding the CMakeLists.txt.
file(GLOB_RECURSE _lists RELATIVE "${_src}" "${_src}/*/CMakeLists.txt")
set(_libraries)
foreach(_l IN LISTS _lists)
  get_filename_component(_dir "${_l}" DIRECTORY)
  file(READ "${_src}/${_l}" _text)
  string(REGEX MATCHALL "velmora_folder_library\\([^)]*\\)" _calls "${_text}")
  foreach(_call IN LISTS _calls)
    string(REGEX REPLACE "velmora_folder_library\\(([A-Za-z0-9_]+).*" "\\1" _lib "${_call}")
    set("_folder_of_${_lib}" "${_dir}")
    list(APPEND _libraries "${_lib}")
    string(REGEX REPLACE "[ \t\r\n]+" ";" _words "${_call}")
    set("_deps_of_${_lib}" ${_words})
  endforeach()
endforeach()
foreach(_lib IN LISTS _libraries)
  foreach(_dep IN LISTS "_deps_of_${_lib}")
    string(REGEX REPLACE "\\)$" "" _dep "${_dep}")
    if(DEFINED "_folder_of_${_dep}" AND NOT _dep STREQUAL _lib)
      _check_use("${_folder_of_${_lib}}" "${_folder_of_${_dep}}" "${_lib} links ${_dep}")
    endif()
  endforeach()
endforeach()

# The application's sources stay readable.
file(GLOB _app_sources "${_src}/app/*.h" "${_src}/app/*.cpp")
foreach(_f IN LISTS _app_sources)
  file(READ "${_f}" _text)
  string(REGEX MATCHALL "\n" _newlines "${_text}")
  list(LENGTH _newlines _lines)
  if(_lines GREATER MAX_APP_LINES)
    get_filename_component(_name "${_f}" NAME)
    message("too long: app/${_name} has ${_lines} lines (at most ${MAX_APP_LINES})")
    math(EXPR _breaches "${_breaches} + 1")
  endif()
endforeach()

if(_breaches GREATER 0)
  message(FATAL_ERROR "${_breaches} breach(es) of the source layout")
endif()
