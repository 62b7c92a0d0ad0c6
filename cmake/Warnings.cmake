# Strict warnings for every target of this project (GCC, Clang, MinGW).
# VEK_WERROR turns them into errors: the test command builds with it ON; a user's
# build with a newer compiler is not stopped by a warning that compiler adds.
option(VEK_WERROR "Treat compiler warnings as errors" OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion
    # The command table and call results are aggregates written with designated
    # initialisers that name only the members a row needs; every member left
    # out has a default member initialiser, which is what the row means.
    -Wno-missing-field-initializers)
  if(VEK_WERROR)
    add_compile_options(-Werror)
  endif()
endif()
