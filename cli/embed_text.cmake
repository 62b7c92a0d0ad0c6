# Writes a C++ source that holds a text file as one string constant.
# cmake -DIN=file -DOUT=source.cpp -DNAME=identifier -P embed_text.cmake
file(READ "${IN}" content)
file(WRITE "${OUT}" "// Generated from ${IN}: do not edit.\nnamespace vek::cli {\nextern const char* const ${NAME};\nconst char* const ${NAME} = R\"vek_text(${content})vek_text\";\n}  // namespace vek::cli\n")
