# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# resolvepaths_build_flags, which every program built here links: warnings, no
# C++ runtime, and the sanitizers or the hardening, each where the toolchain takes it.
include(CheckCXXSourceCompiles)
include(CheckPIESupported)

add_library(resolvepaths_build_flags INTERFACE)
target_compile_features(resolvepaths_build_flags INTERFACE cxx_std_17)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(resolvepaths_build_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wformat=2 -fno-exceptions -fno-rtti)

# use_options(RESULT COMPILE-OPTIONS LINK-OPTIONS): adds the options if a program
# builds with them all (cached in RESULT), with -Werror, as clang only warns of
# an option it lacks.
function(use_options result compile link)
    list(JOIN compile " " CMAKE_REQUIRED_FLAGS)
    string(PREPEND CMAKE_REQUIRED_FLAGS "-Werror ")
    set(CMAKE_REQUIRED_LINK_OPTIONS ${link})
    set(CMAKE_REQUIRED_QUIET ON)
    check_cxx_source_compiles("int main() { return 0; }" ${result})
    if(${result})
        target_compile_options(resolvepaths_build_flags INTERFACE ${compile})
        target_link_options(resolvepaths_build_flags INTERFACE ${link})
    endif()
endfunction()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(STATUS "Hardening: this toolchain lacks pie (-pie)")
endif()
# The sanitizers' runtime needs the C++ library, so it stays linked.
option(RESOLVEPATHS_SANITIZE "Build with ASan and UBSan instead of the hardening flags" OFF)
if(RESOLVEPATHS_SANITIZE)
    set(sanitizers -fsanitize=address,undefined)
    use_options(SANITIZERS "${sanitizers};-fno-sanitize-recover=all;-fno-omit-frame-pointer"
        ${sanitizers})
    if(NOT SANITIZERS)
        message(FATAL_ERROR "RESOLVEPATHS_SANITIZE: this toolchain cannot link a program "
            "built with -fsanitize=address,undefined; build without it (the test preset) instead")
    endif()
    return()
endif()

# The C library alone is linked where the driver can leave the C++ library
# out (clang, gcc 13) or the linker drops what is not used.
use_options(LINKS_WITHOUT_CXX_LIBRARY "" -nostdlib++)
if(NOT LINKS_WITHOUT_CXX_LIBRARY)
    use_options(LINKS_AS_NEEDED "" LINKER:--as-needed)
endif()

# The hardening, with the compiler's command line kept in the binary to show
# the flags that leave no other trace. One probe for the set, as GCC and Clang
# take it on x86 Linux; else one for each, naming those the toolchain lacks.
set(hardening_compile -fstack-protector-strong -fstack-clash-protection -fcf-protection
    -frecord-gcc-switches)
set(hardening_link LINKER:-z,relro LINKER:-z,now)
use_options(HARDENING "${hardening_compile}" "${hardening_link}")
if(NOT HARDENING)
    foreach(option IN LISTS hardening_compile hardening_link)
        string(MAKE_C_IDENTIFIER "HARDENING${option}" result)
        if(option MATCHES "^LINKER:")
            use_options(${result} "" ${option})
        else()
            use_options(${result} ${option} "")
        endif()
        if(NOT ${result})
            message(STATUS "Hardening: this toolchain lacks ${option}")
        endif()
    endforeach()
endif()

# Optimised builds (glibc warns of _FORTIFY_SOURCE without optimisation) let
# the C library check realpath into the fixed buffer, unless the flags set it.
foreach(config IN ITEMS Release RelWithDebInfo MinSizeRel)
    string(TOUPPER ${config} upper)
    if(NOT "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${upper}}" MATCHES "_FORTIFY_SOURCE")
        list(APPEND fortified ${config})
    endif()
endforeach()
string(JOIN "," fortified ${fortified})
target_compile_options(resolvepaths_build_flags INTERFACE
    $<$<CONFIG:${fortified}>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3>)
