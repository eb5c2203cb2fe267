# Writes the grid file's bytes as a C++ string literal (OUTPUT), after
# checking its SHA-256 against the one committed beside it: a changed or
# damaged grid stops the build. Run at build time by the engine's rule, so
# editing the grid regenerates the source; the same on the native and the
# cross build (CMake itself does the work, nothing built for the target runs).
#   cmake -DINPUT=grid.gsb -DSHA256=<hex> -DSYMBOL=name -DOUTPUT=file.inc -P embed_grid.cmake
file(SHA256 "${INPUT}" actual)
if(NOT actual STREQUAL SHA256)
  message(FATAL_ERROR "${INPUT}: SHA-256 ${actual}, se esperaba ${SHA256}")
endif()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# 32 bytes a line, each byte as \xHH (a backslash or a quote always
# follows, so no escape runs into the next digit).
string(REPEAT "[0-9a-f]" 64 line_pattern)
string(REGEX REPLACE "(${line_pattern})" "\\1\n" lines "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" lines "${lines}")
string(REPLACE "\n" "\"\n\"" lines "${lines}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} by cmake/embed_grid.cmake: do not edit.\n"
  "inline constexpr std::size_t ${SYMBOL}Bytes = ${size};\n"
  "inline constexpr char ${SYMBOL}[${size} + 1] =\n\"${lines}\";\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
