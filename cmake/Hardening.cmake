# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Compile and link options for resolvepaths_build_flags, each applied only
# where the toolchain takes it.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

# use_option(COMPILE|LINK OPTION OUT): applies OPTION where the toolchain
# takes it; OUT is true if it did. A compile option is tried with warnings
# as errors, since clang only warns ("argument unused") about one its
# target lacks; a link option is tried by linking.
function(use_option kind option out)
    string(MAKE_C_IDENTIFIER "HAVE${option}" have)
    string(TOUPPER "${have}" have)
    if(kind STREQUAL "COMPILE")
        set(CMAKE_REQUIRED_FLAGS -Werror)
        check_cxx_compiler_flag(${option} ${have})
        if(${have})
            target_compile_options(resolvepaths_build_flags INTERFACE ${option})
        endif()
    else()
        check_linker_flag(CXX ${option} ${have})
        if(${have})
            target_link_options(resolvepaths_build_flags INTERFACE ${option})
        endif()
    endif()
    set(${out} ${${have}} PARENT_SCOPE)
endfunction()

# The binary links the C library alone where the driver can be told to
# leave the C++ library out (clang, gcc 13) or the linker drops what is
# not used.
use_option(LINK -nostdlib++ have_nostdlibxx)
use_option(LINK LINKER:--as-needed have_as_needed)

# HARDENING: the properties applied, by the names the tests use; harden()
# adds one where the toolchain takes it, and names the rest in the message.
set(HARDENING "")
set(hardening_lacking "")
macro(harden name kind option)
    use_option(${kind} ${option} applied)
    if(applied)
        list(APPEND HARDENING ${name})
    else()
        string(REGEX REPLACE "^LINKER:(.*),(.*)$" "\\1 \\2" shown "${option}")
        list(APPEND hardening_lacking "${name} (${shown})")
    endif()
endmacro()

# CMAKE_POSITION_INDEPENDENT_CODE links a PIE where the toolchain can.
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(CMAKE_CXX_LINK_PIE_SUPPORTED)
    list(APPEND HARDENING pie)
else()
    list(APPEND hardening_lacking "pie (-pie)")
endif()
if(RESOLVEPATHS_SANITIZE)
    message(STATUS "Hardening: none but PIE, in favour of the sanitizers")
    return()
endif()
harden(relro LINK LINKER:-z,relro)
harden(bind-now LINK LINKER:-z,now)
harden(stack-protector COMPILE -fstack-protector-strong)
harden(stack-clash COMPILE -fstack-clash-protection)
harden(cf-protection COMPILE -fcf-protection)
# Where the optimiser runs, the C library may check realpath into the fixed
# buffer.
target_compile_options(resolvepaths_build_flags INTERFACE
    $<$<CONFIG:${fortified_configs}>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3>)
# The compiler's command line kept in the binary, so that the flags whose
# effect leaves no other trace can still be checked there.
use_option(COMPILE -frecord-gcc-switches RECORDS_COMMAND_LINE)

list(JOIN HARDENING ", " applied_text)
list(JOIN hardening_lacking ", " lacking_text)
if(NOT lacking_text)
    set(lacking_text "nothing")
endif()
message(STATUS "Hardening: ${applied_text}, and _FORTIFY_SOURCE=3 where optimised; "
    "this toolchain lacks: ${lacking_text}")
