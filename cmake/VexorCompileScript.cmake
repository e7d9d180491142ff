# The build step of vexor_add_test (cmake -P): compiles one test script
# with vexorprepro, then writes the dependency file of that compilation
# with vexorreport --depfile.
#
#   cmake -DVEXOR_INSTALL_DIR=... -DCOMPILER=... -DREPORT=... -DSCRIPT=... -DGENERATED=...
#         -DOUTPUT_DIR=...
#         -DLINK_RECORDS=... -DDEPFILE=... [-DWARNINGS_OK=ON]
#         -P VexorCompileScript.cmake -- <options>
#
# vexorprepro ends with 0 when the run was clean and with 3 when it only
# warned: both wrote the harness. A warning may mean that a statement of
# the script was dropped, cut short or changed (an unknown keyword, an
# unknown stub ...), so it fails the build unless WARNINGS_OK is on; the
# verdict of such a script is then never PASSED. Any other status fails
# the build (the compiler has then removed its outputs). A clean run is
# silent; otherwise the compiler's messages are shown, each naming its
# statement (and its listing is kept beside the harness).

foreach(variable VEXOR_INSTALL_DIR COMPILER REPORT SCRIPT GENERATED OUTPUT_DIR LINK_RECORDS DEPFILE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "VexorCompileScript: -D${variable}=... is missing")
  endif()
endforeach()

# The compiler options are the arguments after "--"; the -INCL directories
# among them are the ones the dependency scan searches.
set(options)
set(include_dir_arguments)
set(after_separator FALSE)
# Messages in the form IDEs and CI servers read, unless the options choose.
set(diagnostics_option "-DIAGNOSTICS=GNU")
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE ${last})
  set(argument "${CMAKE_ARGV${index}}")
  if(after_separator)
    list(APPEND options "${argument}")
    string(TOUPPER "${argument}" upper)
    if(upper MATCHES "^-DIAG")
      set(diagnostics_option)
    endif()
    if(upper MATCHES "^-INCL=")
      string(SUBSTRING "${argument}" 6 -1 directories)
      string(REPLACE "," ";" directories "${directories}")
      foreach(directory IN LISTS directories)
        if(NOT directory STREQUAL "")
          list(APPEND include_dir_arguments "--include-dir=${directory}")
        endif()
      endforeach()
    endif()
  elseif(argument STREQUAL "--")
    set(after_separator TRUE)
  endif()
endforeach()

set(ENV{HARNEXDIR} "${VEXOR_INSTALL_DIR}")
set(ENV{VXLTGT} "${VEXOR_INSTALL_DIR}/target")
unset(ENV{VXUTGT})

file(REMOVE "${DEPFILE}")
execute_process(
  # The directory ends with "/": the compiler makes the traces path of the
  # harness by appending the file name to it, and a harness that cannot be
  # given VXURIO (one run by a system emulator) opens that path.
  COMMAND "${COMPILER}" "${SCRIPT}" "${GENERATED}" "${OUTPUT_DIR}/"
          ${diagnostics_option} ${options}
  WORKING_DIRECTORY "${OUTPUT_DIR}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE messages
  ERROR_VARIABLE messages)
if(NOT status STREQUAL "0")
  string(STRIP "${messages}" messages)
  message(NOTICE "${messages}")
endif()
if(NOT (status STREQUAL "0" OR status STREQUAL "3"))
  message(FATAL_ERROR "vexorprepro ${SCRIPT}: exit status ${status}")
endif()
if(status STREQUAL "3" AND NOT WARNINGS_OK)
  file(REMOVE "${GENERATED}" "${LINK_RECORDS}")
  message(FATAL_ERROR "vexorprepro ${SCRIPT}: the warnings above may mean that a statement "
                      "was not compiled as written; mend them, or give WARNINGS_OK to "
                      "vexor_add_test to build anyway")
endif()

execute_process(
  COMMAND "${REPORT}" --depfile "${DEPFILE}" ${include_dir_arguments}
          "${GENERATED}" "${LINK_RECORDS}"
  WORKING_DIRECTORY "${OUTPUT_DIR}"
  RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "vexorreport --depfile ${DEPFILE}: exit status ${status}")
endif()
