# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# resolvepaths_build_flags, which every program built here links: warnings,
# no C++ runtime, and either the sanitizers or the toolchain's hardening,
# each option only where the toolchain takes it.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

add_library(resolvepaths_build_flags INTERFACE)
target_compile_features(resolvepaths_build_flags INTERFACE cxx_std_17)
target_compile_options(resolvepaths_build_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wformat=2 -fno-exceptions -fno-rtti)

# The configurations that optimise, which the tests must know, since
# fortification needs the optimiser: the last -O in the flags, the user's
# included, decides, and none means -O0. Of those, the project fortifies the
# ones whose flags leave _FORTIFY_SOURCE alone: a level the user chose stays.
set(optimised_configs "")
set(fortified_configs "")
foreach(config IN LISTS CMAKE_CONFIGURATION_TYPES CMAKE_BUILD_TYPE)
    string(TOUPPER "${config}" config_upper)
    set(config_flags " ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config_upper}}")
    if(config_flags MATCHES ".* -O([^ ]*)" AND NOT CMAKE_MATCH_1 STREQUAL "0")
        list(APPEND optimised_configs ${config})
        if(NOT config_flags MATCHES "_FORTIFY_SOURCE")
            list(APPEND fortified_configs ${config})
        endif()
    endif()
endforeach()
string(JOIN "," optimised_configs ${optimised_configs})
string(JOIN "," fortified_configs ${fortified_configs})

# use_option(COMPILE|LINK OPTION OUT): adds OPTION where the toolchain takes
# it; OUT is true if it did. Warnings are errors in the try, since clang only
# warns ("argument unused") about a compile option its target lacks.
function(use_option kind option out)
    string(MAKE_C_IDENTIFIER "HAVE${option}" have)
    string(TOUPPER "${have}" have)
    if(kind STREQUAL "COMPILE")
        set(CMAKE_REQUIRED_FLAGS -Werror)
        check_cxx_compiler_flag(${option} ${have})
    else()
        check_linker_flag(CXX ${option} ${have})
    endif()
    if(${have})
        set_property(TARGET resolvepaths_build_flags APPEND PROPERTY INTERFACE_${kind}_OPTIONS ${option})
    endif()
    set(${out} ${${have}} PARENT_SCOPE)
endfunction()

# The binary links the C library alone where the driver can leave the C++
# library out (clang, gcc 13) or the linker drops what is not used.
use_option(LINK -nostdlib++ links_no_cxx_library)
use_option(LINK LINKER:--as-needed links_as_needed)

# HARDENING: the properties applied, by the names the tests use; the message
# names the rest, as what this toolchain lacks. CMAKE_POSITION_INDEPENDENT_CODE
# links a PIE where CMake finds the toolchain can.
set(HARDENING "")
set(hardening_lacking "")
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(CMAKE_CXX_LINK_PIE_SUPPORTED)
    list(APPEND HARDENING pie)
else()
    list(APPEND hardening_lacking "pie (-pie)")
endif()
if(RESOLVEPATHS_SANITIZE)
    set(sanitizers -fsanitize=address,undefined)
    check_linker_flag(CXX ${sanitizers} SANITIZERS_LINK)
    if(NOT SANITIZERS_LINK)
        message(FATAL_ERROR "RESOLVEPATHS_SANITIZE: this toolchain cannot link a program "
            "built with ${sanitizers}; build without it (the test preset) instead")
    endif()
    target_compile_options(resolvepaths_build_flags INTERFACE
        ${sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(resolvepaths_build_flags INTERFACE ${sanitizers})
    message(STATUS "Hardening: none but PIE, in favour of the sanitizers")
    return()
endif()
set(hardening_options
    relro LINK LINKER:-z,relro
    bind-now LINK LINKER:-z,now
    stack-protector COMPILE -fstack-protector-strong
    stack-clash COMPILE -fstack-clash-protection
    cf-protection COMPILE -fcf-protection)
while(hardening_options)
    list(POP_FRONT hardening_options name kind option)
    use_option(${kind} ${option} applied)
    if(applied)
        list(APPEND HARDENING ${name})
    else()
        string(REGEX REPLACE "^LINKER:(.*),(.*)$" "\\1 \\2" shown "${option}")
        list(APPEND hardening_lacking "${name} (${shown})")
    endif()
endwhile()
# Where the optimiser runs, the C library may check realpath into the fixed
# buffer.
target_compile_options(resolvepaths_build_flags INTERFACE
    $<$<CONFIG:${fortified_configs}>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3>)
# The compiler's command line kept in the binary, so that the flags whose
# effect leaves no other trace can still be checked there.
use_option(COMPILE -frecord-gcc-switches RECORDS_COMMAND_LINE)

if(NOT hardening_lacking)
    set(hardening_lacking nothing)
endif()
list(JOIN HARDENING ", " applied_text)
list(JOIN hardening_lacking ", " lacking_text)
message(STATUS "Hardening: ${applied_text}, and _FORTIFY_SOURCE=3 where optimised; "
    "this toolchain lacks: ${lacking_text}")
