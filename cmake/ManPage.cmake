# The manual page vek.1, written at build time from the built command's own help
# and, for the functions and their status codes, from include/vek.h
# (cli/man_page.py), and installed with the command.
find_package(Python3 COMPONENTS Interpreter QUIET)
if(NOT Python3_Interpreter_FOUND OR CMAKE_CROSSCOMPILING)
  message(STATUS "vek.1: not built (needs python3 and a command that runs here)")
  return()
endif()
set(VEK_MAN_PAGE ${CMAKE_BINARY_DIR}/man/vek.1)
add_custom_command(OUTPUT ${VEK_MAN_PAGE}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cli/man_page.py $<TARGET_FILE:vek_cli> ${PROJECT_VERSION}
          "${PROJECT_DESCRIPTION}" ${VEK_MAN_PAGE}
  DEPENDS vek_cli ${PROJECT_SOURCE_DIR}/cli/man_page.py ${VEK_API_SOURCES}
  COMMENT "Writing the manual page vek.1 from the command's help"
  VERBATIM)
add_custom_target(vek_man ALL DEPENDS ${VEK_MAN_PAGE})
install(FILES ${VEK_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
