# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# resolvepaths_build_flags, which every program built here links: warnings,
# no C++ runtime, and either the sanitizers or the toolchain's hardening.
include(CheckCXXSourceCompiles)

# The configurations that optimise, which the tests must know, since
# fortification needs the optimiser: the last -O in the flags, the user's
# included, decides, and none means -O0. Of those, the project fortifies the
# ones whose flags leave _FORTIFY_SOURCE alone: a level the user chose stays.
set(optimised_configs "")
set(fortified_configs "")
foreach(config IN LISTS CMAKE_CONFIGURATION_TYPES CMAKE_BUILD_TYPE)
    string(TOUPPER "${config}" config_upper)
    set(config_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config_upper}}")
    string(REGEX MATCHALL "(^| )-O[^ ]*" levels "${config_flags}")
    list(POP_BACK levels last_level)
    if(last_level AND NOT last_level MATCHES "-O0$")
        list(APPEND optimised_configs ${config})
        if(NOT config_flags MATCHES "_FORTIFY_SOURCE")
            list(APPEND fortified_configs ${config})
        endif()
    endif()
endforeach()
string(JOIN "," optimised_configs ${optimised_configs})
string(JOIN "," fortified_configs ${fortified_configs})
set(build_optimises "$<CONFIG:${optimised_configs}>")

add_library(resolvepaths_build_flags INTERFACE)
target_compile_features(resolvepaths_build_flags INTERFACE cxx_std_17)
target_compile_options(resolvepaths_build_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wformat=2 -fno-exceptions -fno-rtti)

if(RESOLVEPATHS_SANITIZE)
    set(sanitizers -fsanitize=address,undefined)
    set(CMAKE_REQUIRED_FLAGS ${sanitizers})
    check_cxx_source_compiles("int main() { return 0; }" SANITIZERS_LINK)
    unset(CMAKE_REQUIRED_FLAGS)
    if(NOT SANITIZERS_LINK)
        message(FATAL_ERROR "RESOLVEPATHS_SANITIZE: this toolchain cannot link a program "
            "built with ${sanitizers}; build without it (the test preset) instead")
    endif()
    target_compile_options(resolvepaths_build_flags INTERFACE
        ${sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(resolvepaths_build_flags INTERFACE ${sanitizers})
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Hardening.cmake)
