# Windows: the import libraries of VEK.dll, the installed tree and its ZIP archive.
#
# VEK.dll exports the plain names of the export table. A C or C++ caller that
# includes vek.h refers to each function by its __stdcall name: `_name@N` on
# i686 (N the bytes of its parameters), the plain name on x86-64. The import
# libraries map each such name to the plain name the DLL exports:
#   libVEK.dll.a  for MinGW (GNU dlltool),
#   VEK.lib       for MSVC (llvm-dlltool, the short import format that lib.exe writes).
if(NOT WIN32)
  return()
endif()

# The names a caller's compiler gives the exports: a C file that takes the address
# of every export through vek.h is compiled with this build's C compiler, and
# its undefined symbols are read back. Sets `out` to "name@N" (i686) or "name".
function(vek_caller_names out)
  set(dir ${CMAKE_BINARY_DIR}/caller_names)
  file(MAKE_DIRECTORY ${dir})
  set(refs "")
  foreach(name IN LISTS VEK_EXPORTS)
    string(APPEND refs "    (const void*)&${name},\n")
  endforeach()
  file(WRITE ${dir}/refs.c "#include \"vek.h\"\nconst void* const vek_refs[] = {\n${refs}};\n")
  execute_process(
    COMMAND ${CMAKE_C_COMPILER} -c -I${PROJECT_SOURCE_DIR}/include ${dir}/refs.c -o ${dir}/refs.o
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot compile the export references:\n${err}")
  endif()
  execute_process(COMMAND ${CMAKE_NM} ${dir}/refs.o OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${CMAKE_NM} failed on ${dir}/refs.o")
  endif()
  set(names "")
  foreach(name IN LISTS VEK_EXPORTS)
    if(NOT dump MATCHES " U _?${name}(@[0-9]+)?\n")
      message(FATAL_ERROR "no caller symbol for ${name} in vek.h")
    endif()
    list(APPEND names ${name}${CMAKE_MATCH_1})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

vek_caller_names(VEK_CALLER_NAMES)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/include/vek.h)
list(JOIN VEK_CALLER_NAMES "\n    " VEK_IMPORT_NAMES)
set(VEK_IMPORT_DEF ${CMAKE_BINARY_DIR}/vek-imports.def)
vek_write_if_changed(${VEK_IMPORT_DEF} "LIBRARY VEK.dll\nEXPORTS\n    ${VEK_IMPORT_NAMES}\n")

# Both import libraries replace the one the linker writes from the plain names:
# --kill-at (-k) keeps `name@N` as the symbol and imports it as `name`.
find_program(VEK_LLVM_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VEK_MACHINE i386)
else()
  set(VEK_MACHINE i386:x86-64)
endif()
set(VEK_MSVC_IMPLIB $<TARGET_LINKER_FILE_DIR:vek>/VEK.lib)
add_custom_command(TARGET vek POST_BUILD
  COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${VEK_IMPORT_DEF} --dllname VEK.dll
          --output-lib $<TARGET_LINKER_FILE:vek>
  COMMAND ${VEK_LLVM_DLLTOOL} -m ${VEK_MACHINE} -k -d ${VEK_IMPORT_DEF} -D VEK.dll -l ${VEK_MSVC_IMPLIB}
  VERBATIM)
set_property(TARGET vek APPEND PROPERTY LINK_DEPENDS ${VEK_IMPORT_DEF})

# The tree: bin/VEK.dll and vek.exe, lib/ the import libraries and the module
# definition with the plain names, include/vek.h, lib/cmake/vek (find_package).
install(FILES ${VEK_MSVC_IMPLIB} DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${CMAKE_BINARY_DIR}/vek.def DESTINATION ${CMAKE_INSTALL_LIBDIR} RENAME VEK.def)

# `cpack` (in the build directory) makes the ZIP archive of the tree: package/vek-VERSION-win32.zip
# or -win64.zip, one top directory holding bin/, include/ and lib/.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
