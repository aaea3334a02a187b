# How the program is compiled for its package, as Debian compiles its own packages:
#  - the hardening of dpkg-buildflags with hardening=+all, for GCC and Clang making ELF programs;
#    a Windows build gets what its own toolchain offers instead;
#  - the source and build folders mapped to "." in everything compiled (debug information,
#    __FILE__), so that a build in another folder gives the same bytes. Debuggers find the
#    sources when started from the top of the source tree.
# The sanitizer and fuzzer builds keep their own flags and get none of these.
option(KOLVAR_PACKAGE_FLAGS "Compile with Debian's hardening and with build folders mapped out" ON)
if(NOT KOLVAR_PACKAGE_FLAGS OR KOLVAR_SANITIZE
   OR NOT CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$")
    return()
endif()

# Binary folder last: GCC tries the maps given last first, and it may lie inside the source.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# What the mingw-w64 toolchain offers a Windows program: stack protection, and address space
# randomisation with high entropy and data execution prevention, which its linker does by
# default and which are said here so that they stay; and awareness of Remote Desktop, so that a
# session there does not give the program a per-user copy of the Windows folder. The linker
# would also write the time of the link into the program's header; without it, one commit gives
# one kolvar.exe.
if(WIN32)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong
                     LINKER:--dynamicbase,--nxcompat,--high-entropy-va,--tsaware
                     LINKER:--no-insert-timestamp)
    return()
endif()

if(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    return()
endif()

include(CheckCXXCompilerFlag)
include(CheckPIESupported)
# Position-independent executables; Qt's own interface asks for -fPIC, which it keeps.
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# The checked buffer functions need optimisation; a Debug build leaves them out.
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time
                    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE>"
                    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>")
# Processor-specific: stack clash probes and, on x86, control-flow enforcement.
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "KOLVAR_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
        add_compile_options(${flag})
    endif()
endforeach()
add_link_options(LINKER:-z,relro,-z,now)
