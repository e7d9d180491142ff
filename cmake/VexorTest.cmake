# vexor_add_test: one test script of a C unit, compiled, built, run and
# judged by the build.
#
#   include(<installation>/cmake/VexorTest.cmake)
#   enable_testing()
#   vexor_add_test(NAME <name> SCRIPT <file.ptu> SOURCES <unit sources...>
#                  [INCLUDE_DIRECTORIES <dirs...>] [OPTIONS <vexorprepro options...>]
#                  [COVERAGE [FAIL_UNDER_LINE <percent>] [FAIL_UNDER_BRANCH <percent>]]
#                  [STUBS_FROM <headers...>] [WARNINGS_OK] [DISCOVER])
#   vexor_add_report([FAIL_UNDER_LINE <percent>] [FAIL_UNDER_BRANCH <percent>])
#
# At build time vexorprepro compiles the script into <name>.c, <name>.ic,
# <name>.tdc and vexor_cfg.h in the directory vexor/<name> of the current
# build directory, with HARNEXDIR and VXLTGT pointing into the installation
# this file was loaded from. The same command writes a dependency file
# (vexorreport --depfile), so the script is compiled again when it changes,
# when a script it includes changes, or when a header the C analysis read
# changes; nothing else makes it run again (apart from a new vexorprepro).
#
# The harness executable <name> is built from the generated C file, the
# SOURCES (relative to the current source directory) and the runtime
# package. The ctest test <name> runs it and passes or fails with the
# verdict of vexorreport, which it also writes as JUnit XML to
# vexor/<name>/<name>.xml and as an HTML page to vexor/<name>/<name>.html.
#
# COVERAGE builds the unit's SOURCES (not the harness, not the runtime)
# with the compiler's coverage instrumentation (--coverage, for gcc and
# clang; on a cross target, what its toolchain file sets in
# VEXOR_TARGET_COVERAGE_FLAGS, read with its VEXOR_GCOV); after the run, vexorreport adds the line and branch coverage gcov
# measured to the text report, the JUnit properties and the page, and
# writes it for CI servers as an lcov tracefile (vexor/<name>/<name>.info)
# and as Cobertura XML (vexor/<name>/<name>.cobertura.xml), the sources
# named relative to the top source directory of the project.
# FAIL_UNDER_LINE and FAIL_UNDER_BRANCH fail the test when less than that
# percentage of the unit's lines ran, or of its branches were taken, even
# if every check passed (not with DISCOVER, whose runs hold one test each).
#
# A script the compiler warns about fails the build: a warning may mean a
# statement was dropped, cut short or changed. WARNINGS_OK builds it all
# the same; the verdict of a script that lost a statement is never PASSED,
# and names the statement.
#
# DISCOVER makes one ctest test of each TEST of the script instead of one
# of the script, as gtest_discover_tests does: after each build the harness
# lists its tests (--list), and ctest runs NAME/SERVICE/TEST alone with
# --run, labelled NAME and SERVICE, with traces, JUnit XML and a page of its
# own (vexor/NAME/NAME.<n>.*). ctest -R and ctest -j reach single tests.
#
# STUBS_FROM writes vexor/<name>/stubs.ptu at every build with vexorstubs:
# a DEFINE STUB block for each function the unit's SOURCES call and do
# not define, from the prototypes the given headers declare (searched in
# the INCLUDE_DIRECTORIES). The script takes them with "INCLUDE PTU
# stubs.ptu" before its first SERVICE. The unit is compiled for this with
# the project's C compiler and flags, whose C library is not stubbed; a
# called function that no header declares fails the build.
#
# INCLUDE_DIRECTORIES are searched for the unit's headers, by the C
# analysis (-INCL) and by the C compiler; the directory of the script is
# searched too. OPTIONS go to vexorprepro after -LANGUAGE=C.

if(CMAKE_VERSION VERSION_LESS 3.20)
  message(FATAL_ERROR "VexorTest needs CMake 3.20 or newer (dependency files of custom commands)")
endif()
# The policies of this file (include() gives it a policy scope of its own)
# are the ones vexor_add_test runs with, whatever the project's are.
cmake_policy(VERSION 3.20)

# Two layouts: a build tree's dist/ (dist/cmake beside dist/bin, dist/target
# and dist/lib/locale), and an installed prefix P (P/lib/cmake/Vexor, P/bin,
# and P/share/vexor for the target package and the catalogues).
# VEXOR_INSTALL_DIR is the directory HARNEXDIR names.
if(EXISTS "${CMAKE_CURRENT_LIST_DIR}/../bin/vexorprepro")
  get_filename_component(VEXOR_INSTALL_DIR "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
  set(_vexor_bin_dir "${VEXOR_INSTALL_DIR}/bin")
else()
  get_filename_component(_vexor_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
  set(VEXOR_INSTALL_DIR "${_vexor_prefix}/share/vexor")
  set(_vexor_bin_dir "${_vexor_prefix}/bin")
endif()
set(VEXOR_TARGET_DIR "${VEXOR_INSTALL_DIR}/target")
set(VEXOR_COMPILER "${_vexor_bin_dir}/vexorprepro")
set(VEXOR_REPORT "${_vexor_bin_dir}/vexorreport")
set(VEXOR_STUBS "${_vexor_bin_dir}/vexorstubs")
set(_vexor_cmake_dir "${CMAKE_CURRENT_LIST_DIR}")

foreach(_vexor_file "${VEXOR_COMPILER}" "${VEXOR_REPORT}" "${VEXOR_TARGET_DIR}/lib/TP.c")
  if(NOT EXISTS "${_vexor_file}")
    message(FATAL_ERROR "VexorTest: ${_vexor_file} is missing: "
                        "${VEXOR_INSTALL_DIR} is not a complete installation")
  endif()
endforeach()

# On a cross target the C analysis must see the target's types, macros
# and headers: the standard definitions are made once, at configure time,
# from the project's C compiler and flags, and every script is compiled
# with them (-STD_DEFINE).
function(_vexor_target_definitions out_var)
  set(defs "${CMAKE_BINARY_DIR}/vexor_target/vxus_c.def")
  if(NOT EXISTS "${defs}")
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/vexor_target")
    separate_arguments(flags UNIX_COMMAND "${CMAKE_C_FLAGS}")
    list(APPEND flags ${VEXOR_TARGET_FLAGS})
    execute_process(
      COMMAND sh "${VEXOR_TARGET_DIR}/ana/make_vxus_c_def.sh" "${CMAKE_C_COMPILER}" "${defs}"
              "${VEXOR_TARGET_DIR}/ana/vxus_c_lang.def" ${flags}
      RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "VexorTest: cannot make the standard definitions of "
                          "${CMAKE_C_COMPILER}: ${errors}")
    endif()
  endif()
  set(${out_var} "${defs}" PARENT_SCOPE)
endfunction()

function(vexor_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "COVERAGE;WARNINGS_OK;DISCOVER"
                        "NAME;SCRIPT;FAIL_UNDER_LINE;FAIL_UNDER_BRANCH"
                        "SOURCES;INCLUDE_DIRECTORIES;OPTIONS;STUBS_FROM")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vexor_add_test: unexpected arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  foreach(required NAME SCRIPT SOURCES)
    if(NOT ARG_${required})
      message(FATAL_ERROR "vexor_add_test: ${required} is required")
    endif()
  endforeach()

  set(name "${ARG_NAME}")
  foreach(threshold FAIL_UNDER_LINE FAIL_UNDER_BRANCH)
    if(DEFINED ARG_${threshold})
      if(NOT ARG_COVERAGE)
        message(FATAL_ERROR "vexor_add_test(${name}): ${threshold} goes with COVERAGE")
      endif()
      if(ARG_DISCOVER)
        message(FATAL_ERROR "vexor_add_test(${name}): ${threshold} does not go with DISCOVER: "
                            "each of its runs holds one test")
      endif()
      if(NOT ARG_${threshold} MATCHES "^[0-9]+(\\.[0-9]+)?$" OR ARG_${threshold} GREATER 100)
        message(FATAL_ERROR "vexor_add_test(${name}): ${threshold} takes a percentage from 0 to "
                            "100, not ${ARG_${threshold}}")
      endif()
    endif()
  endforeach()
  get_filename_component(script "${ARG_SCRIPT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(script_dir "${script}" DIRECTORY)
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/vexor/${name}")
  set(generated "${dir}/${name}.c")
  set(link_records "${dir}/${name}.tdc")
  set(depfile "${dir}/${name}.d")

  set(include_dirs)
  set(compiler_options -LANGUAGE=C)
  foreach(include_dir IN LISTS ARG_INCLUDE_DIRECTORIES)
    get_filename_component(include_dir "${include_dir}" ABSOLUTE
                           BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND include_dirs "${include_dir}")
    list(APPEND compiler_options "-INCL=${include_dir}")
  endforeach()
  if(CMAKE_CROSSCOMPILING)
    _vexor_target_definitions(target_defs)
    list(APPEND compiler_options "-STD_DEFINE=${target_defs}")
  endif()
  list(APPEND compiler_options ${ARG_OPTIONS})

  file(MAKE_DIRECTORY "${dir}")
  set(stubs)
  if(ARG_STUBS_FROM)
    if(NOT EXISTS "${VEXOR_STUBS}")
      message(FATAL_ERROR "vexor_add_test(${name}): STUBS_FROM needs ${VEXOR_STUBS}")
    endif()
    # The unit as the project compiles it: its undefined symbols are the
    # calls to stub.
    add_library(${name}_calls OBJECT ${ARG_SOURCES})
    target_include_directories(${name}_calls PRIVATE ${include_dirs} "${script_dir}")
    if(VEXOR_TARGET_FLAGS)
      target_compile_options(${name}_calls PRIVATE ${VEXOR_TARGET_FLAGS})
    endif()
    set(stub_arguments)
    foreach(include_dir IN LISTS include_dirs)
      list(APPEND stub_arguments "-I${include_dir}")
    endforeach()
    foreach(header IN LISTS ARG_STUBS_FROM)
      list(APPEND stub_arguments --header "${header}")
    endforeach()
    if(CMAKE_CROSSCOMPILING)
      list(APPEND stub_arguments --std-define "${target_defs}")
    endif()
    set(stubs "${dir}/stubs.ptu")
    add_custom_command(
      OUTPUT "${stubs}"
      COMMAND "${CMAKE_COMMAND}" -E env "HARNEXDIR=${VEXOR_INSTALL_DIR}"
              "VXLTGT=${VEXOR_TARGET_DIR}" "CC=${CMAKE_C_COMPILER}"
              "${VEXOR_STUBS}" ${stub_arguments} "$<TARGET_OBJECTS:${name}_calls>" -o "${stubs}"
      DEPENDS ${name}_calls "$<TARGET_OBJECTS:${name}_calls>" "${VEXOR_STUBS}"
      WORKING_DIRECTORY "${dir}"
      COMMENT "Writing the stubs of ${name}"
      COMMAND_EXPAND_LISTS
      VERBATIM)
  endif()
  add_custom_command(
    OUTPUT "${generated}" "${dir}/${name}.ic" "${link_records}" "${dir}/vexor_cfg.h"
    COMMAND "${CMAKE_COMMAND}"
            "-DVEXOR_INSTALL_DIR=${VEXOR_INSTALL_DIR}" "-DCOMPILER=${VEXOR_COMPILER}"
            "-DREPORT=${VEXOR_REPORT}"
            "-DSCRIPT=${script}" "-DGENERATED=${generated}" "-DOUTPUT_DIR=${dir}"
            "-DLINK_RECORDS=${link_records}" "-DDEPFILE=${depfile}"
            "-DWARNINGS_OK=${ARG_WARNINGS_OK}"
            -P "${_vexor_cmake_dir}/VexorCompileScript.cmake" -- ${compiler_options}
    DEPENDS "${script}" "${VEXOR_COMPILER}" "${VEXOR_REPORT}" ${stubs}
            "${_vexor_cmake_dir}/VexorCompileScript.cmake"
    DEPFILE "${depfile}"
    WORKING_DIRECTORY "${dir}"
    COMMENT "Compiling test script ${ARG_SCRIPT} (${name})"
    VERBATIM)

  set(coverage_dir "")
  # A cross target measures coverage when its toolchain file says how.
  set(coverage_flags --coverage)
  set(with_coverage ${ARG_COVERAGE})
  if(ARG_COVERAGE AND CMAKE_CROSSCOMPILING)
    if(DEFINED VEXOR_TARGET_COVERAGE_FLAGS)
      set(coverage_flags ${VEXOR_TARGET_COVERAGE_FLAGS})
    else()
      message(STATUS "vexor_add_test(${name}): no coverage on this cross target "
                     "(its toolchain file sets no VEXOR_TARGET_COVERAGE_FLAGS)")
      set(with_coverage FALSE)
    endif()
  endif()
  if(with_coverage)
    # The unit alone is instrumented, in an object library of its own, so
    # that its .gcda files land in one directory the report reads.
    add_library(${name}_unit OBJECT ${ARG_SOURCES})
    target_include_directories(${name}_unit PRIVATE ${include_dirs} "${script_dir}")
    target_compile_options(${name}_unit PRIVATE ${coverage_flags})
    if(VEXOR_TARGET_FLAGS)
      target_compile_options(${name}_unit PRIVATE ${VEXOR_TARGET_FLAGS})
    endif()
    add_executable(${name} "${generated}" $<TARGET_OBJECTS:${name}_unit>
                   "${VEXOR_TARGET_DIR}/lib/TP.c" ${VEXOR_TARGET_SOURCES})
    target_link_options(${name} PRIVATE --coverage)
    if(CMAKE_CROSSCOMPILING AND VEXOR_TARGET_COVERAGE_DEFINITIONS)
      target_compile_definitions(${name} PRIVATE ${VEXOR_TARGET_COVERAGE_DEFINITIONS})
    endif()
    set(coverage_dir "${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${name}_unit.dir")
  else()
    add_executable(${name} "${generated}" ${ARG_SOURCES} "${VEXOR_TARGET_DIR}/lib/TP.c"
                   ${VEXOR_TARGET_SOURCES})
  endif()
  # A toolchain file of the installation may ask for the runtime's channel
  # (VXU_SEMIHOSTING) and for tests without fork.
  if(VEXOR_TARGET_DEFINITIONS)
    target_compile_definitions(${name} PRIVATE ${VEXOR_TARGET_DEFINITIONS})
  endif()
  if(VEXOR_TARGET_FLAGS)
    target_compile_options(${name} PRIVATE ${VEXOR_TARGET_FLAGS})
  endif()
  if(VEXOR_TARGET_LINK_FLAGS)
    target_link_options(${name} PRIVATE ${VEXOR_TARGET_LINK_FLAGS})
  endif()
  # The harness directory first: the runtime reads the vexor_cfg.h of its
  # own harness there.
  target_include_directories(${name} PRIVATE "${dir}" ${include_dirs} "${script_dir}"
                             "${VEXOR_TARGET_DIR}/lib")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${dir}")

  # The harness of a cross target runs under its emulator; its traces come
  # back on the host, where the report reads them.
  set(emulator "")
  if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
    string(REPLACE ";" "|" emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")
  endif()
  set(time_limit "${VEXOR_TEST_TIME_LIMIT}")
  # The counts of a cross target are read by its own gcov.
  set(gcov "")
  if(CMAKE_CROSSCOMPILING AND VEXOR_GCOV)
    set(gcov "${VEXOR_GCOV}")
  endif()
  if(ARG_DISCOVER)
    # The tests are known once the harness is built: it lists them, and
    # ctest reads the list through an include file that stands in for
    # them until then.
    set(ctest_file "${dir}/${name}_tests.cmake")
    set(include_file "${dir}/${name}_include.cmake")
    file(WRITE "${include_file}"
         "if(EXISTS \"${ctest_file}\")\n  include(\"${ctest_file}\")\n"
         "else()\n  add_test(${name}_NOT_BUILT ${name}_NOT_BUILT)\nendif()\n")
    set(lock "")
    if(NOT coverage_dir STREQUAL "")
      set(lock "${name}_coverage")
    endif()
    string(JOIN "|" run_arguments "-DREPORT=${VEXOR_REPORT}" "-DLINK_RECORDS=${link_records}"
           "-DCOVERAGE_DIR=${coverage_dir}" "-DTIME_LIMIT=${time_limit}" "-DGCOV=${gcov}"
           "-DSOURCE_ROOT=${CMAKE_SOURCE_DIR}")
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND "${CMAKE_COMMAND}" "-DNAME=${name}" "-DHARNESS=$<TARGET_FILE:${name}>"
              "-DDIR=${dir}" "-DOUTPUT=${ctest_file}" "-DEMULATOR=${emulator}"
              "-DRUN_SCRIPT=${_vexor_cmake_dir}/VexorRunTest.cmake"
              "-DRUN_ARGUMENTS=${run_arguments}" "-DLOCK=${lock}"
              -P "${_vexor_cmake_dir}/VexorDiscoverTests.cmake"
      COMMENT "Listing the tests of ${name}"
      VERBATIM)
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
    return()
  endif()
  add_test(NAME ${name}
           COMMAND "${CMAKE_COMMAND}"
                   "-DNAME=${name}" "-DHARNESS=$<TARGET_FILE:${name}>" "-DREPORT=${VEXOR_REPORT}"
                   "-DLINK_RECORDS=${link_records}" "-DTRACES=${dir}/${name}.rio"
                   "-DJUNIT=${dir}/${name}.xml" "-DHTML=${dir}/${name}.html"
                   "-DCOVERAGE_DIR=${coverage_dir}" "-DEMULATOR=${emulator}" "-DGCOV=${gcov}"
                   "-DTIME_LIMIT=${time_limit}" "-DSOURCE_ROOT=${CMAKE_SOURCE_DIR}"
                   "-DLCOV=${dir}/${name}.info" "-DCOBERTURA=${dir}/${name}.cobertura.xml"
                   "-DFAIL_UNDER_LINE=${ARG_FAIL_UNDER_LINE}"
                   "-DFAIL_UNDER_BRANCH=${ARG_FAIL_UNDER_BRANCH}"
                   -P "${_vexor_cmake_dir}/VexorRunTest.cmake"
           WORKING_DIRECTORY "${dir}")
  # The one line the run script prints when every check passed.
  set_tests_properties(${name} PROPERTIES
                       PASS_REGULAR_EXPRESSION "vexor: every check passed in ${name}\n")
  # What the project's index reads of this script.
  set_property(GLOBAL APPEND PROPERTY VEXOR_SCRIPTS
               "${name}\t${link_records}\t${dir}/${name}.rio\t${dir}/${name}.html\t${coverage_dir}")
  set_property(GLOBAL APPEND PROPERTY VEXOR_SCRIPT_TESTS "${name}")
endfunction()

# vexor_add_report([FAIL_UNDER_LINE <percent>] [FAIL_UNDER_BRANCH <percent>])
#
# The index of the project: the ctest test vexor_index, run after every
# script's test, writes vexor/index.html in the top build directory, one row
# per script of vexor_add_test (its verdict, its counts, its coverage and a
# link to its page; scripts made with DISCOVER are left out), and the
# coverage of the whole project, the counts of every script added up per
# source, which it also writes as vexor/project.info (lcov) and
# vexor/project.cobertura.xml. The thresholds apply to that combined
# coverage. The scripts are gathered at the end of the top directory, so
# the call may stand anywhere in the project.
function(vexor_add_report)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "" "FAIL_UNDER_LINE;FAIL_UNDER_BRANCH" "")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vexor_add_report: unexpected arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  get_property(asked GLOBAL PROPERTY VEXOR_REPORT_ASKED)
  if(asked)
    message(FATAL_ERROR "vexor_add_report: the project has its index already")
  endif()
  set_property(GLOBAL PROPERTY VEXOR_REPORT_ASKED TRUE)
  set_property(GLOBAL PROPERTY VEXOR_REPORT_THRESHOLDS
               "${ARG_FAIL_UNDER_LINE}|${ARG_FAIL_UNDER_BRANCH}")
  # The index is added where every script is known, whatever directory
  # this call stands in.
  set_property(GLOBAL PROPERTY VEXOR_REPORT_PROGRAM "${VEXOR_REPORT}")
  cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL _vexor_add_index)
endfunction()

function(_vexor_add_index)
  get_property(scripts GLOBAL PROPERTY VEXOR_SCRIPTS)
  get_property(tests GLOBAL PROPERTY VEXOR_SCRIPT_TESTS)
  get_property(thresholds GLOBAL PROPERTY VEXOR_REPORT_THRESHOLDS)
  get_property(report GLOBAL PROPERTY VEXOR_REPORT_PROGRAM)
  set(dir "${CMAKE_BINARY_DIR}/vexor")
  file(MAKE_DIRECTORY "${dir}")
  string(JOIN "\n" list ${scripts})
  file(WRITE "${dir}/index.list" "${list}\n")
  set(arguments --index "${dir}/index.list" --html "${dir}/index.html"
                --source-root "${CMAKE_SOURCE_DIR}")
  set(with_coverage FALSE)
  foreach(script IN LISTS scripts)
    if(NOT script MATCHES "\t$")
      set(with_coverage TRUE)
    endif()
  endforeach()
  if(with_coverage)
    list(APPEND arguments --lcov "${dir}/project.info" --cobertura "${dir}/project.cobertura.xml")
    string(REPLACE "|" ";" thresholds "${thresholds}")
    list(GET thresholds 0 line)
    list(GET thresholds 1 branch)
    if(NOT line STREQUAL "")
      list(APPEND arguments --fail-under-line "${line}")
    endif()
    if(NOT branch STREQUAL "")
      list(APPEND arguments --fail-under-branch "${branch}")
    endif()
  endif()
  add_test(NAME vexor_index COMMAND "${report}" ${arguments})
  # Written whatever the verdicts (each script's own test fails for it);
  # failed only when the project's coverage is below its threshold.
  set_tests_properties(vexor_index PROPERTIES DEPENDS "${tests}"
                       PASS_REGULAR_EXPRESSION "vexor: index of [0-9]+ script"
                       FAIL_REGULAR_EXPRESSION "COVERAGE BELOW THRESHOLD")
endfunction()
