# Writes the manual page of a program from its own --help text (cmake -P),
# so that the page and the help cannot say different things:
#
#   cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DVERSION=... -DOUTPUT=...
#         -P help-to-man.cmake
#
# The help is kept as written, in a no-fill block; the page adds its name,
# its summary and the other programs of the installation.
foreach(variable PROGRAM NAME SUMMARY VERSION OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "help-to-man: -D${variable}=... is missing")
  endif()
endforeach()
set(ENV{LC_ALL} C)
set(ENV{LANG} C)
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status STREQUAL "0" OR help STREQUAL "")
  message(FATAL_ERROR "help-to-man: ${PROGRAM} --help gave status ${status}")
endif()
# roff: a backslash is written \e; a line starting with "." or "'" would be
# a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(TOUPPER "${NAME}" title)
set(others vexorprepro vexorreport vexorstubs)
list(REMOVE_ITEM others "${NAME}")
list(TRANSFORM others APPEND "(1)")
list(JOIN others ", " see_also)
file(WRITE "${OUTPUT}"
  ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n"
  ".SH NAME\n${NAME} \\- ${SUMMARY}\n"
  ".SH DESCRIPTION\n.nf\n${help}.fi\n"
  ".SH SEE ALSO\n${see_also}\n")
