# The ctest command of vexor_add_test (cmake -P): runs the harness, then
# reads its verdict with vexorreport, which also writes the JUnit XML.
#
#   cmake -DNAME=... -DHARNESS=... -DREPORT=... -DLINK_RECORDS=... -DTRACES=...
#         -DJUNIT=... [-DHTML=...] [-DCOVERAGE_DIR=... [-DLCOV=...] [-DCOBERTURA=...]
#         [-DFAIL_UNDER_LINE=percent] [-DFAIL_UNDER_BRANCH=percent]] [-DEMULATOR=a|b|c]
#         [-DTIME_LIMIT=seconds] [-DRUN=SERVICE/TEST] -P VexorRunTest.cmake
# EMULATOR (its words separated by "|") runs the harness of a cross target.
# RUN runs the one test of that name (the harness's --run); the report
# shows the others as not selected.
#
# The test passes when the harness ended normally and every check passed.
# The traces and the XML of an earlier run are removed first, so a harness
# that dies early can never be judged on old traces.
#
# What ctest shows: a passed test prints its report; a failed one prints
# the short report (the failed checks with what was obtained and expected
# and where, then the totals) and ends with one plain line,
# "vexor: 3 checks failed in NAME". The test passes only on the line
# "vexor: every check passed in NAME" (the PASS_REGULAR_EXPRESSION of the
# test), which nothing else prints, so no CMake error is needed to fail.

foreach(variable NAME HARNESS REPORT LINK_RECORDS TRACES JUNIT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "VexorRunTest: -D${variable}=... is missing")
  endif()
endforeach()

file(REMOVE "${TRACES}" "${JUNIT}")
if(DEFINED HTML AND NOT HTML STREQUAL "")
  file(REMOVE "${HTML}")
endif()
set(coverage_arguments)
if(DEFINED COVERAGE_DIR AND NOT COVERAGE_DIR STREQUAL "")
  # The counts of earlier runs would add up with this one's.
  file(GLOB_RECURSE old_counts "${COVERAGE_DIR}/*.gcda")
  if(old_counts)
    file(REMOVE ${old_counts})
  endif()
  set(coverage_arguments --coverage "${COVERAGE_DIR}")
  if(DEFINED GCOV AND NOT GCOV STREQUAL "")
    list(APPEND coverage_arguments --gcov "${GCOV}")
  endif()
  # The coverage for CI servers, and the thresholds it must reach.
  foreach(export LCOV COBERTURA)
    if(DEFINED ${export} AND NOT ${export} STREQUAL "")
      file(REMOVE "${${export}}")
      string(TOLOWER "${export}" option)
      list(APPEND coverage_arguments "--${option}" "${${export}}")
    endif()
  endforeach()
  if(DEFINED FAIL_UNDER_LINE AND NOT FAIL_UNDER_LINE STREQUAL "")
    list(APPEND coverage_arguments --fail-under-line "${FAIL_UNDER_LINE}")
  endif()
  if(DEFINED FAIL_UNDER_BRANCH AND NOT FAIL_UNDER_BRANCH STREQUAL "")
    list(APPEND coverage_arguments --fail-under-branch "${FAIL_UNDER_BRANCH}")
  endif()
endif()
set(html_arguments)
if(DEFINED HTML AND NOT HTML STREQUAL "")
  set(html_arguments --html "${HTML}")
endif()
# The harness writes its traces where VXURIO says: here, where the report
# reads them.
set(ENV{VXURIO} "${TRACES}")
set(run_command "${HARNESS}")
if(DEFINED EMULATOR AND NOT EMULATOR STREQUAL "")
  string(REPLACE "|" ";" emulator_words "${EMULATOR}")
  set(run_command ${emulator_words} "${HARNESS}")
endif()
if(DEFINED RUN AND NOT RUN STREQUAL "")
  list(APPEND run_command --run "${RUN}")
endif()
set(time_limit_arguments)
if(DEFINED TIME_LIMIT AND NOT TIME_LIMIT STREQUAL "")
  set(time_limit_arguments TIMEOUT ${TIME_LIMIT})
endif()
# The harness's own lines are shown only when it ended abnormally: its
# verdict is the report's.
execute_process(COMMAND ${run_command} RESULT_VARIABLE harness_status ${time_limit_arguments}
                OUTPUT_VARIABLE harness_output ERROR_VARIABLE harness_output)

if(NOT EXISTS "${TRACES}")
  string(STRIP "${harness_output}" harness_output)
  message(NOTICE "${harness_output}")
  message(NOTICE "vexor: ${NAME} wrote no traces file (it ended with: ${harness_status})")
  return()
endif()
# The page quotes the unit's sources that lie under the project's tree.
set(source_root_arguments)
if(DEFINED SOURCE_ROOT AND NOT SOURCE_ROOT STREQUAL "" AND NOT coverage_arguments STREQUAL "")
  set(source_root_arguments --source-root "${SOURCE_ROOT}")
endif()
execute_process(COMMAND "${REPORT}" --junit "${JUNIT}" ${html_arguments} ${coverage_arguments}
                        ${source_root_arguments}
                        "${LINK_RECORDS}" "${TRACES}"
                RESULT_VARIABLE report_status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(report_status STREQUAL "0")
  message(NOTICE "${report}")
else()
  # The short report: what failed, and the totals; then the coverage below
  # its threshold, when that is what failed.
  string(REGEX MATCHALL "COVERAGE BELOW THRESHOLD: [^\n]*" short_coverage "${report}")
  execute_process(COMMAND "${REPORT}" --quiet "${LINK_RECORDS}" "${TRACES}"
                  OUTPUT_VARIABLE report ERROR_VARIABLE report)
  string(STRIP "${report}" report)
  message(NOTICE "${report}")
  foreach(line IN LISTS short_coverage)
    message(NOTICE "${line}")
  endforeach()
endif()

# The harness's own status: 0 every check passed, 1 a check failed, 2 its
# traces are not whole or a test did not reach its end.
set(failed_checks "")
if(report MATCHES "checks? \\([0-9]+ passed, ([0-9]+) failed\\)")
  set(failed_checks "${CMAKE_MATCH_1}")
endif()
if(NOT harness_status STREQUAL "0" AND NOT harness_status STREQUAL "1"
   AND NOT harness_status STREQUAL "2")
  string(STRIP "${harness_output}" harness_output)
  message(NOTICE "${harness_output}")
  message(NOTICE "vexor: ${NAME} ended abnormally (${harness_status})")
elseif(report_status STREQUAL "0" AND harness_status STREQUAL "0")
  message(NOTICE "vexor: every check passed in ${NAME}")
elseif(report_status STREQUAL "1" AND NOT failed_checks STREQUAL "" AND NOT failed_checks STREQUAL "0")
  if(failed_checks STREQUAL "1")
    message(NOTICE "vexor: 1 check failed in ${NAME}")
  else()
    message(NOTICE "vexor: ${failed_checks} checks failed in ${NAME}")
  endif()
elseif(report_status STREQUAL "1" AND short_coverage)
  message(NOTICE "vexor: the coverage of ${NAME} is below its threshold")
elseif(report_status STREQUAL "1")
  message(NOTICE "vexor: ${NAME} failed (see the report above)")
else()
  message(NOTICE "vexor: no verdict for ${NAME}: vexorreport ended with ${report_status}")
endif()
