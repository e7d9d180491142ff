# The tests of a harness built by vexor_add_test(... DISCOVER), as ctest
# tests (cmake -P, after each build of the harness):
#
#   cmake -DNAME=... -DHARNESS=... -DDIR=... -DOUTPUT=... -DRUN_SCRIPT=...
#         -DRUN_ARGUMENTS=a|b|c [-DEMULATOR=a|b] [-DLOCK=...] -P VexorDiscoverTests.cmake
#
# The harness lists its tests ("SERVICE/TEST  file:line", --list); OUTPUT
# receives one ctest test per TEST of the script, named NAME/SERVICE/TEST
# and labelled with NAME and SERVICE. Each runs the harness with --run
# SERVICE/TEST through RUN_SCRIPT (VexorRunTest.cmake), with the common
# RUN_ARGUMENTS ("|" between them) and traces, JUnit XML and page of its
# own, so that ctest -j runs them side by side. LOCK, when given, is a
# resource the tests of the harness hold one at a time (their coverage
# counts are files they share).

if(NOT DEFINED EMULATOR)
  set(EMULATOR "")
endif()
foreach(variable NAME HARNESS DIR OUTPUT RUN_SCRIPT RUN_ARGUMENTS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "VexorDiscoverTests: -D${variable}=... is missing")
  endif()
endforeach()

set(list_command "${HARNESS}" --list)
if(DEFINED EMULATOR AND NOT EMULATOR STREQUAL "")
  string(REPLACE "|" ";" emulator_words "${EMULATOR}")
  set(list_command ${emulator_words} "${HARNESS}" --list)
endif()
execute_process(COMMAND ${list_command} RESULT_VARIABLE status OUTPUT_VARIABLE listing
                ERROR_VARIABLE errors)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "vexor: cannot list the tests of ${NAME} (${status}): ${errors}")
endif()

string(REPLACE "|" ";" common "${RUN_ARGUMENTS}")
set(common_text "")
foreach(argument IN LISTS common)
  string(APPEND common_text " [==[${argument}]==]")
endforeach()

set(content "# The tests of ${NAME}, written by VexorDiscoverTests.cmake from its --list.\n")
string(REPLACE "\n" ";" lines "${listing}")
set(index 0)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([^/]+)/(.+)  (.*):([0-9]+)$")
    continue()
  endif()
  set(service "${CMAKE_MATCH_1}")
  set(test "${CMAKE_MATCH_2}")
  math(EXPR index "${index} + 1")
  set(test_name "${NAME}/${service}/${test}")
  set(stem "${DIR}/${NAME}.${index}")
  string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" pass_name "${test_name}")
  string(APPEND content
         "add_test([==[${test_name}]==] [==[${CMAKE_COMMAND}]==]"
         " [==[-DNAME=${test_name}]==] [==[-DHARNESS=${HARNESS}]==]"
         " [==[-DRUN=${service}/${test}]==] [==[-DTRACES=${stem}.rio]==]"
         " [==[-DJUNIT=${stem}.xml]==] [==[-DHTML=${stem}.html]==]"
         " [==[-DEMULATOR=${EMULATOR}]==]${common_text}"
         " -P [==[${RUN_SCRIPT}]==])\n"
         "set_tests_properties([==[${test_name}]==] PROPERTIES WORKING_DIRECTORY [==[${DIR}]==]"
         " LABELS [==[${NAME};${service}]==]"
         " PASS_REGULAR_EXPRESSION [==[vexor: every check passed in ${pass_name}\n]==]")
  if(DEFINED LOCK AND NOT LOCK STREQUAL "")
    string(APPEND content " RESOURCE_LOCK [==[${LOCK}]==]")
  endif()
  string(APPEND content ")\n")
endforeach()
if(index EQUAL 0)
  message(FATAL_ERROR "vexor: the harness of ${NAME} lists no test")
endif()
file(WRITE "${OUTPUT}" "${content}")
