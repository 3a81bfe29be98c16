# embedbytes.cmake: writes a C++ source that holds the bytes of INPUT, for embedding.
# cmake -DINPUT=file -DOUTPUT=file.cpp -DFUNCTION=name -DHEADER=header.h -P embedbytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
    message(FATAL_ERROR "${INPUT} is empty")
endif()
# Sixteen bytes a line keeps the generated file readable.
string(REPEAT "[0-9a-f]" 32 line)
string(REGEX REPLACE "(${line})" "\\1\n    " hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${name} by embedbytes.cmake; do not edit.
#include \"${HEADER}\"

namespace varn {

namespace {
const std::uint8_t kBytes[] = {
    ${bytes}
};
}  // namespace

std::span<const std::uint8_t> ${FUNCTION}() { return kBytes; }

}  // namespace varn
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
