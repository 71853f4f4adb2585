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
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(resolvepaths_build_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wformat=2 -fno-exceptions -fno-rtti)

# The configurations that optimise (the last -O in their flags decides, the
# user's included), which fortification needs and the tests must know; of
# those, the ones whose flags leave _FORTIFY_SOURCE alone are fortified here.
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

# use_option(COMPILE|LINK OPTION RESULT): adds OPTION where the toolchain takes
# it, as cached in RESULT; with -Werror, as clang only warns of one it lacks.
function(use_option kind option result)
    if(kind STREQUAL "COMPILE")
        set(CMAKE_REQUIRED_FLAGS -Werror)
        check_cxx_compiler_flag(${option} ${result})
    else()
        check_linker_flag(CXX ${option} ${result})
    endif()
    if(${result})
        set_property(TARGET resolvepaths_build_flags APPEND PROPERTY INTERFACE_${kind}_OPTIONS ${option})
    endif()
endfunction()

# The binary links the C library alone where the driver can leave the C++
# library out (clang, gcc 13) or the linker drops what is not used.
use_option(LINK -nostdlib++ LINKS_WITHOUT_CXX_LIBRARY)
use_option(LINK LINKER:--as-needed LINKS_AS_NEEDED)

# HARDENING: the properties applied, by the names the tests use; configure
# names each one this toolchain lacks.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()
if(CMAKE_CXX_LINK_PIE_SUPPORTED)
    set(HARDENING pie)
else()
    set(HARDENING "")
    message(STATUS "Hardening: this toolchain lacks pie (-pie)")
endif()
option(RESOLVEPATHS_SANITIZE "Build with ASan and UBSan instead of the hardening flags" OFF)
if(RESOLVEPATHS_SANITIZE)
    use_option(LINK -fsanitize=address,undefined SANITIZERS_LINK)
    if(NOT SANITIZERS_LINK)
        message(FATAL_ERROR "RESOLVEPATHS_SANITIZE: this toolchain cannot link a program "
            "built with -fsanitize=address,undefined; build without it (the test preset) instead")
    endif()
    target_compile_options(resolvepaths_build_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
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
    string(MAKE_C_IDENTIFIER "HARDENING_${name}" applied)
    use_option(${kind} ${option} ${applied})
    if(${applied})
        list(APPEND HARDENING ${name})
    else()
        string(REGEX REPLACE "^LINKER:(.*),(.*)$" "\\1 \\2" shown "${option}")
        message(STATUS "Hardening: this toolchain lacks ${name} (${shown})")
    endif()
endwhile()
# Where optimised, the C library may check realpath into the fixed buffer.
target_compile_options(resolvepaths_build_flags INTERFACE
    $<$<CONFIG:${fortified_configs}>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3>)
# Kept in the binary, the command line shows the flags that leave no other trace.
use_option(COMPILE -frecord-gcc-switches RECORDS_COMMAND_LINE)
