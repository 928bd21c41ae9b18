# Warnings, sanitizers and the shapes of our targets.

set(VELMORA_WARNINGS -Wall -Wextra -Wshadow -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12's optimiser-driven analyses report false positives inside the
  # standard library at -O2/-O3 (std::string, std::vector, std::set); keep
  # them as warnings.
  list(APPEND VELMORA_WARNINGS -Wno-error=restrict -Wno-error=stringop-overflow
       -Wno-error=stringop-overread -Wno-error=array-bounds -Wno-error=maybe-uninitialized)
endif()

if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=${VELMORA_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VELMORA_SANITIZE})
endif()

# The thread sanitizer's options for every test of a thread sanitizer build
# (see tests/tsan.supp for why Qt's own accesses are left out).
set(VELMORA_TSAN_OPTIONS
    "halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:print_suppressions=1:suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp")

# Debug information: line tables are enough for backtraces, the sanitizers'
# reports and profiles, and cost a fraction of full information to produce;
# -DVELMORA_DEBUG_INFO=lines asks for them. Full -g stays the default until
# the line-table build has been run through every stage.
set(VELMORA_DEBUG_INFO "full" CACHE STRING "Debug information in Debug and RelWithDebInfo builds: 'lines' or 'full'")
set_property(CACHE VELMORA_DEBUG_INFO PROPERTY STRINGS lines full)
if(VELMORA_DEBUG_INFO STREQUAL "lines")
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_compile_options($<$<CONFIG:Debug,RelWithDebInfo>:-gline-tables-only>)
  else()
    add_compile_options($<$<CONFIG:Debug,RelWithDebInfo>:-g1>)
  endif()
endif()

# Precompiled headers: Qt Widgets (with the chart library, which pulls in
# most of Qt) and GoogleTest are parsed once per build for every Qt library
# and test program instead of once per compiler run. Each family of targets
# whose flags agree shares one precompiled header (see cmake/VelmoraPch.cmake).
# A target whose flags differ still builds (the compiler then reads the
# headers as text), with a warning that says why the header was refused.
# The sanitizer and fuzz builds compile without optimisation or with
# instrumentation where loading the large header costs about what parsing
# the few headers a file needs does; they go without.
# Off by default until a whole cold build with them has been verified;
# -DVELMORA_PCH=ON turns them on.
set(_velmora_pch_default OFF)
option(VELMORA_PCH "Precompiled headers for the Qt libraries and the tests" ${_velmora_pch_default})
if(VELMORA_PCH)
  list(APPEND VELMORA_WARNINGS -Winvalid-pch -Wno-error=invalid-pch)
endif()

# velmora_library(NAME SOURCES ... [QT] [DEPS ...])
# A library of one source folder. Core libraries use the standard library
# only; QT marks a library of windows or adapters.
function(velmora_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VELMORA_WARNINGS})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} Threads::Threads)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    velmora_links_qt_widgets(_widgets ${name})
    if(_widgets)
      velmora_use_pch(${name} qt)
    endif()
  endif()
endfunction()

# velmora_test_environment(OUT): the environment of every test program.
function(velmora_test_environment out)
  set(_env "QT_QPA_PLATFORM=offscreen;VELMORA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
  if(VELMORA_SANITIZE MATCHES "thread")
    list(APPEND _env "TSAN_OPTIONS=${VELMORA_TSAN_OPTIONS}")
  endif()
  set(${out} "${_env}" PARENT_SCOPE)
endfunction()

# velmora_test(NAME SOURCES ... DEPS ... [GUI] [LABELS ...] [TIMEOUT s])
# A GoogleTest program registered with CTest. GUI tests get a QApplication
# on the offscreen platform.
function(velmora_test name)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VELMORA_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  if(ARG_GUI)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} velmora_test_gui_main GTest::gtest Qt6::Widgets Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} velmora_test_support GTest::gtest_main GTest::gtest)
  endif()
  # Programs that reach Qt Widgets through their libraries (the command-line
  # tool draws with it) share the Qt tests' header; programs without Qt the
  # plain one; the few with Qt but not its widgets none.
  velmora_links_qt_widgets(_widgets ${name})
  velmora_links_qt(_qt ${name})
  if(_widgets)
    velmora_use_pch(${name} qt_tests)
  elseif(NOT _qt)
    velmora_use_pch(${name} tests)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  velmora_test_environment(_env)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}" ENVIRONMENT "${_env}")
  set_property(GLOBAL APPEND PROPERTY VELMORA_TEST_TARGETS ${name})
  if(VELMORA_SANITIZE MATCHES "thread" AND name IN_LIST VELMORA_TSAN_PROGRAMS)
    set_property(TEST ${name} APPEND PROPERTY LABELS tsan)
    set_property(GLOBAL APPEND PROPERTY VELMORA_TSAN_TARGETS ${name})
  endif()
endfunction()

# velmora_folder_library(NAME [QT] DEPS ...)
# The library of the current source folder, built from every .cpp file in it
# (new files are picked up at the next build). Nothing is made while the
# folder has no sources yet.
function(velmora_folder_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  if(ARG_QT)
    velmora_library(${name} QT SOURCES ${_sources} DEPS ${ARG_DEPS})
  else()
    velmora_library(${name} SOURCES ${_sources} DEPS ${ARG_DEPS})
  endif()
endfunction()

# velmora_folder_test(NAME [GUI] DEPS ... [LABELS ...] [TIMEOUT s])
# One test program from every *Test.cpp file of the current folder.
function(velmora_folder_test name)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT" "DEPS;LABELS;EXTRA_SOURCES" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  if(NOT _sources)
    return()
  endif()
  set(_gui "")
  if(ARG_GUI)
    set(_gui GUI)
  endif()
  set(_timeout "")
  if(ARG_TIMEOUT)
    set(_timeout TIMEOUT ${ARG_TIMEOUT})
  endif()
  set(_labels "")
  if(ARG_LABELS)
    set(_labels LABELS ${ARG_LABELS})
  endif()
  velmora_test(${name} ${_gui} SOURCES ${_sources} ${ARG_EXTRA_SOURCES} DEPS ${ARG_DEPS} ${_labels} ${_timeout})
endfunction()
