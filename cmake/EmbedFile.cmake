# Turns a binary file into C++ source: a const std::byte array in namespace kolvar and an accessor
# returning it as a span. Run as a script at build time:
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DNAME=<Accessor> [-DHEADER=<include>] -P EmbedFile.cmake
foreach(required INPUT OUTPUT NAME)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "EmbedFile.cmake needs -D${required}=...")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
    message(FATAL_ERROR "EmbedFile.cmake: ${INPUT} is empty")
endif()

# Eight bytes to a line keeps the generated source readable.
string(REPEAT "[0-9a-f]" 16 line_of_hex)
string(REGEX REPLACE "(${line_of_hex})" "\\1\n    " hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "std::byte{0x\\1}, " bytes "${hex}")
string(REGEX REPLACE ", \n" ",\n" bytes "${bytes}")
string(REGEX REPLACE "[ \n]+$" "" bytes "${bytes}")

get_filename_component(input_name "${INPUT}" NAME)
if(DEFINED HEADER)
    set(include_header "#include \"${HEADER}\"\n\n")
else()
    set(include_header "")
endif()

set(source "// Generated from ${input_name} at build time; do not edit.\n\n")
string(APPEND source "${include_header}")
string(APPEND source "#include <cstddef>\n#include <span>\n\nnamespace kolvar {\n\n")
string(APPEND source "const std::byte k${NAME}Bytes[] = {\n    ${bytes}\n};\n\n")
string(APPEND source "std::span<const std::byte> ${NAME}() {\n    return k${NAME}Bytes;\n}\n\n")
string(APPEND source "}  // namespace kolvar\n")

file(WRITE "${OUTPUT}" "${source}")
