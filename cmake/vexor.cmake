# Helpers shared by the module folders.
#
# vx_module(NAME DEPENDS a b ...) makes the CMake library of one folder of
# src/ from every .cpp in it except the *_test.cpp and *_fuzz.cpp files, and a
# test program NAME_tests from the *_test.cpp files beside them. A folder
# that has no source yet becomes an interface library so that the direction
# of use stays declared.

set(VX_WARNINGS -Wall -Wextra -Werror)

function(vx_module name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  # The folder and its stage folders (canalysis/cpp, canalysis/decl ...);
  # main/ holds the programs, built by the folder's own CMakeLists.txt.
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE programs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/main/*.cpp)
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  file(GLOB_RECURSE fuzzers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_fuzz.cpp)
  if(programs)
    list(REMOVE_ITEM sources ${programs})
  endif()
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  if(fuzzers)
    list(REMOVE_ITEM sources ${fuzzers})
  endif()

  if(sources)
    add_library(vx_${name} STATIC ${sources})
    target_include_directories(vx_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    # Each function and object in its own section: the programs are linked
    # as usual (the code does not change), but a link with --gc-sections
    # shows which functions no program keeps (scripts/check-reachability.sh).
    target_compile_options(vx_${name} PRIVATE ${VX_WARNINGS} -ffunction-sections -fdata-sections)
    target_link_libraries(vx_${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(vx_${name} INTERFACE)
    target_include_directories(vx_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(vx_${name} INTERFACE ${ARG_DEPENDS})
  endif()

  if(VX_TESTS AND tests)
    add_executable(${name}_tests ${tests})
    set_target_properties(${name}_tests PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_options(${name}_tests PRIVATE ${VX_WARNINGS})
    target_compile_definitions(${name}_tests PRIVATE
      VX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      VX_DIST_DIR="${VX_DIST_DIR}"
      VX_BINARY_DIR="${CMAKE_BINARY_DIR}")
    target_link_libraries(${name}_tests PRIVATE vx_${name} vx_testing GTest::gtest_main)
    gtest_discover_tests(${name}_tests
      DISCOVERY_MODE PRE_TEST
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
      PROPERTIES ENVIRONMENT "HARNEXDIR=${VX_DIST_DIR}")
  endif()
endfunction()

# vx_fuzz_targets(LIBRARY NAME...) makes each libFuzzer program NAME with
# vx_fuzz_target when the fuzz build is asked for (-DVX_FUZZ=ON), which
# needs clang.
option(VX_FUZZ "Build the libFuzzer targets" OFF)
function(vx_fuzz_targets library)
  if(NOT VX_FUZZ)
    return()
  endif()
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VX_FUZZ needs clang (libFuzzer)")
  endif()
  foreach(name ${ARGN})
    vx_fuzz_target(${name} ${library})
  endforeach()
endfunction()

# vx_grammar(NAME FILE) generates the Bison parser FILE (a .y of the
# current folder) into the build tree as canalysis/NAME.{cpp,hpp} and adds
# it to the library vx_canalysis; conflicts in the grammar are errors.
function(vx_grammar name file)
  bison_target(${name}
    ${CMAKE_CURRENT_SOURCE_DIR}/${file}
    ${VX_GENERATED_DIR}/canalysis/${name}.cpp
    DEFINES_FILE ${VX_GENERATED_DIR}/canalysis/${name}.hpp
    COMPILE_FLAGS "-Wall -Werror=conflicts-sr -Werror=conflicts-rr")
  target_sources(vx_canalysis PRIVATE ${BISON_${name}_OUTPUTS})
endfunction()

# vx_fuzz_target(NAME LIBRARY) makes the libFuzzer program NAME from
# NAME.cpp of the current folder or one of its stage folders, linked with
# LIBRARY, into build/fuzz. The
# libraries are expected to be built with -fsanitize=fuzzer-no-link
# (scripts/fuzz-*.sh configure such a tree with clang).
function(vx_fuzz_target name library)
  file(GLOB_RECURSE source ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE ${VX_WARNINGS}
                         -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_link_libraries(${name} PRIVATE ${library})
endfunction()
