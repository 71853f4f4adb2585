# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Included by the toolchain files for Debian's cross compilers: the row of
# cmake/linux-targets that RESOLVEPATHS_TARGET names (by default this
# machine's processor), and how to run its binaries here.
set(host_target ${CMAKE_HOST_SYSTEM_PROCESSOR})
if(host_target MATCHES "^armv[78]")
    set(host_target armv7)
elseif(host_target MATCHES "^i[3-6]86$")
    set(host_target i686)
endif()
if(NOT RESOLVEPATHS_TARGET)
    set(RESOLVEPATHS_TARGET ${host_target})
endif()
set(RESOLVEPATHS_TARGET ${RESOLVEPATHS_TARGET} CACHE STRING "The Linux target to build for")
# The checks' test projects read this file too, and must build for the same.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RESOLVEPATHS_TARGET)

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/linux-targets rows REGEX "^[a-z]")
list(TRANSFORM rows REPLACE " .*" "" OUTPUT_VARIABLE names)
list(FIND names "${RESOLVEPATHS_TARGET}" row)
if(row LESS 0)
    message(FATAL_ERROR "RESOLVEPATHS_TARGET is '${RESOLVEPATHS_TARGET}'; it must be one of ${names}")
endif()
list(GET rows ${row} row)
string(REGEX MATCH "^[^ ]+ +([^ ]+) +([^ ]+) +([^ ]+) +([^ ]+) +([^ ]+) +([^ ]+) +(.*)$" _ "${row}")
set(gnu_triplet ${CMAKE_MATCH_1})
set(debian_arch ${CMAKE_MATCH_2})
set(musl_triplet ${CMAKE_MATCH_3})
set(release_triplet ${CMAKE_MATCH_4})
set(qemu_cpu ${CMAKE_MATCH_5})
set(musl_debian ${CMAKE_MATCH_6})

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${RESOLVEPATHS_TARGET})
set(RESOLVEPATHS_ELF_MACHINE "${CMAKE_MATCH_7}" CACHE STRING "The machine in the binary's ELF header")
# Another processor's binaries, and 32-bit x86 ones (a 64-bit kernel may
# lack 32-bit support), run under qemu-user.
set(target_emulator "")
if(NOT RESOLVEPATHS_TARGET STREQUAL host_target OR RESOLVEPATHS_TARGET STREQUAL "i686")
    set(target_emulator qemu-${qemu_cpu})
endif()

# target_compiler(NAME PACKAGES OUT [FILE...]): the full path of the
# target's gcc driver NAME (gcc or g++), which must be able to compile C++
# too; stops, naming the Debian PACKAGES to install, unless it and every
# FILE the toolchain needs are there.
function(target_compiler name packages out)
    find_program(compiler ${gnu_triplet}-${name} NO_CACHE)
    set(cc1plus "the C++ compiler proper, cc1plus")
    if(NOT compiler)
        set(compiler "${gnu_triplet}-${name} on PATH")
    else()
        execute_process(COMMAND ${compiler} -print-prog-name=cc1plus
            OUTPUT_VARIABLE cc1plus OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    foreach(file IN ITEMS "${compiler}" "${cc1plus}" ${ARGN})
        if(NOT EXISTS "${file}")
            message(FATAL_ERROR "The ${RESOLVEPATHS_TARGET} build needs ${file}, which is missing; on "
                "Debian, with the architecture ${debian_arch} (dpkg --add-architecture): apt-get install ${packages}")
        endif()
    endforeach()
    set(${out} ${compiler} PARENT_SCOPE)
endfunction()
