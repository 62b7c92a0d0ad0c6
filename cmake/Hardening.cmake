# Hardened binaries: the protections a distribution builds its own packages with.
# Linux: stack protector, fortified libc calls in optimised builds, full RELRO,
# control-flow protection where the compiler has it, a non-executable stack and
# a position-independent command. Windows (MinGW): the stack protector, linked
# statically so the DLL needs no runtime DLL, with ASLR and DEP.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  return()
endif()

add_compile_options(-fstack-protector-strong)

if(WIN32)
  # The stack protector's guard and handler come from libssp: -static links it
  # in (see the library's own -static), so no libssp DLL is imported.
  add_link_options(-fstack-protector-strong -Wl,--dynamicbase -Wl,--nxcompat)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_link_options(-Wl,--high-entropy-va)
  endif()
  return()
endif()

# Fortified calls need the optimiser; the sanitizers check the same calls
# themselves and replace them, so the two are not combined.
if(NOT VEK_SANITIZE AND NOT VEK_FUZZ)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()

check_cxx_compiler_flag(-fcf-protection VEK_HAVE_CF_PROTECTION)
if(VEK_HAVE_CF_PROTECTION)
  add_compile_options(-fcf-protection)
endif()

add_link_options(-Wl,-z,relro -Wl,-z,now -Wl,-z,noexecstack)

# Executables are position independent too, so ASLR moves the command as well.
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
