# find_package(Vexor 1.0 REQUIRED) in a project's CMakeLists.txt: loads
# vexor_add_test and vexor_add_report from this installation, which finds
# its programs, target package and catalogues from where this file lies.
include("${CMAKE_CURRENT_LIST_DIR}/VexorTest.cmake")
set(Vexor_COMPILER "${VEXOR_COMPILER}")
set(Vexor_REPORT "${VEXOR_REPORT}")
set(Vexor_STUBS "${VEXOR_STUBS}")
