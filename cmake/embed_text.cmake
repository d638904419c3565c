# Writes a C++ source defining `const char NAME[]` with the text of IN.
# Usage: cmake -DIN=file -DOUT=file.cpp -DNAME=symbol -P embed_text.cmake
file(READ "${IN}" _text)
file(WRITE "${OUT}.tmp" "namespace examsim {\nextern const char ${NAME}[];\nconst char ${NAME}[] = R\"__embedded__(${_text})__embedded__\";\n}\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
