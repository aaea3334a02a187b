# How the project's targets are made: warnings, include roots and one library per folder.

# Warnings for everything we write, in GCC's and Clang's spelling; KOLVAR_WERROR makes them
# errors (CI turns it on). Third-party headers come in as system headers.
option(KOLVAR_WERROR "Treat warnings as errors" OFF)
function(kolvar_warnings target)
    set(flags -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
    set(gcc_like "$<OR:$<COMPILE_LANG_AND_ID:CXX,GNU,Clang>,$<COMPILE_LANG_AND_ID:C,GNU,Clang>>")
    target_compile_options(${target} PRIVATE
        "$<${gcc_like}:${flags}>"
        "$<$<AND:${gcc_like},$<BOOL:${KOLVAR_WERROR}>>:-Werror>")
endfunction()

# Files are included by their folder's name ("model/band_code.h"), so the folders are reachable
# only through include roots made of links in the build tree, one root per target: a target sees
# the folders of the targets it links and nothing else of the source tree.
set(KOLVAR_INCLUDE_ROOTS ${PROJECT_BINARY_DIR}/include CACHE INTERNAL "")

# kolvar_include_folders(target scope folder...): the whole folders, as "<folder>/...".
function(kolvar_include_folders target scope)
    set(root ${KOLVAR_INCLUDE_ROOTS}/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder IN LISTS ARGN)
        get_filename_component(name ${folder} NAME)
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${name} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()

# kolvar_include_files(target scope folder file...): only the named files of the folder.
function(kolvar_include_files target scope folder)
    set(root ${KOLVAR_INCLUDE_ROOTS}/${target}/${folder})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root})
    foreach(file IN LISTS ARGN)
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder}/${file} ${root}/${file} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${KOLVAR_INCLUDE_ROOTS}/${target})
endfunction()

# One folder, one static library, whose headers all are its interface:
#   kolvar_library(name FOLDER folder SOURCES ... DEPENDS ... PRIVATE_DEPENDS ...)
function(kolvar_library name)
    cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    kolvar_include_folders(${name} PUBLIC ${ARG_FOLDER})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
    kolvar_warnings(${name})
endfunction()

# What the platform's backend can do, as its own CMakeLists.txt declares it with
# kolvar_provides(capability...); the rest of the build asks with kolvar_provided(capability
# variable) and never by the backend's name. The capabilities:
#   posix_process    the program is a POSIX process: termination signals, its start-up
#                    environment, two copies started side by side
#   settings_file    the settings are a text file the user may edit and replace
#   shared_desktop   test windows share one desktop (pointer, focus, system colours) and take
#                    turns on it
#   accessible_descriptions  assistive technology reads a window's description beside its name
#   described_fields  a dialog's edit control is described by the static after it, and
#                    assistive technology hears that description change
function(kolvar_provides)
    set_property(GLOBAL APPEND PROPERTY KOLVAR_CAPABILITIES ${ARGN})
endfunction()

function(kolvar_provided capability variable)
    get_property(capabilities GLOBAL PROPERTY KOLVAR_CAPABILITIES)
    if(capability IN_LIST capabilities)
        set(${variable} TRUE PARENT_SCOPE)
    else()
        set(${variable} FALSE PARENT_SCOPE)
    endif()
endfunction()

# The backend's own part of the current folder, where it has one: the subfolder named after it.
macro(kolvar_backend_subdirectory)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${KOLVAR_PLATFORM}/CMakeLists.txt)
        add_subdirectory(${KOLVAR_PLATFORM})
    endif()
endmacro()
