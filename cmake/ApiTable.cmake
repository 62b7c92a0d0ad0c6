# api_table.h: every export of include/vek.h as C++ data (scripts/vekgen.py api_table),
# written into the build tree for the vek command and the tests. Link the
# interface library vek_api_table to include it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VEK_API_TABLE ${CMAKE_BINARY_DIR}/generated/api_table.h)
add_custom_command(OUTPUT ${VEK_API_TABLE}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/vekgen.py api_table ${VEK_API_TABLE}
  DEPENDS ${PROJECT_SOURCE_DIR}/scripts/vekgen.py ${PROJECT_SOURCE_DIR}/scripts/vekapi.py
          ${PROJECT_SOURCE_DIR}/include/vek.h
  COMMENT "Writing api_table.h from vek.h"
  VERBATIM)
add_custom_target(vek_api_table_header DEPENDS ${VEK_API_TABLE})
add_library(vek_api_table INTERFACE)
target_include_directories(vek_api_table INTERFACE ${CMAKE_BINARY_DIR}/generated)
add_dependencies(vek_api_table vek_api_table_header)
