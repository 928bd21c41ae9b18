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
  endif()
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
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VELMORA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
  set_property(GLOBAL APPEND PROPERTY VELMORA_TEST_TARGETS ${name})
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
