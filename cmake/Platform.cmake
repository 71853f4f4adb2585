# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# What the tests must know of the system the build is for, where systems
# legitimately differ: a readelf they can read, its C library, that
# library's soname, and whether the linker is one that gives every Linux
# hardening property.
include(CheckSymbolExists)

# C_LIBRARY: glibc or musl on Linux, and elsewhere the system's own name
# (darwin, freebsd, openbsd, netbsd, sunos, cygwin), since there the C
# library is the system's. musl deliberately defines no macro of its own,
# so on Linux it is the library that names itself as no other.
check_symbol_exists(__GLIBC__ limits.h HAVE_GLIBC)
check_symbol_exists(__UCLIBC__ limits.h HAVE_UCLIBC)
check_symbol_exists(__BIONIC__ limits.h HAVE_BIONIC)
if(HAVE_GLIBC)
    set(C_LIBRARY glibc)
elseif(HAVE_UCLIBC)
    set(C_LIBRARY uclibc)
elseif(HAVE_BIONIC)
    set(C_LIBRARY bionic)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(C_LIBRARY musl)
else()
    string(TOLOWER "${CMAKE_SYSTEM_NAME}" C_LIBRARY)
endif()

# READELF: a readelf whose report the tests can read, GNU's (from binutils
# new enough for --dyn-syms) or LLVM's; empty where there is none. The one
# beside the compiler comes first, then any on PATH under the names that
# systems install them as. Others share the name only: FreeBSD's own
# (elftoolchain) words its report another way, and OpenBSD's (binutils
# 2.17) answers --dyn-syms with its usage, and status 0.
set(READELF "")
set(readelf_candidates ${CMAKE_READELF})
cmake_path(CONVERT "$ENV{PATH}" TO_CMAKE_PATH_LIST path_dirs)
foreach(dir IN LISTS path_dirs)
    file(GLOB found LIST_DIRECTORIES false
        "${dir}/readelf" "${dir}/greadelf" "${dir}/llvm-readelf" "${dir}/llvm-readelf[-0-9]*")
    list(APPEND readelf_candidates ${found})
endforeach()
list(REMOVE_DUPLICATES readelf_candidates)
if(readelf_candidates)
    # Each candidate reads a binary of this toolchain's own making.
    set(probe_binary ${CMAKE_BINARY_DIR}/CMakeFiles/readelf-probe)
    try_compile(probe_built ${CMAKE_BINARY_DIR}/CMakeFiles/readelf-probe-build
        SOURCES ${PROJECT_SOURCE_DIR}/src/resolvepaths.cpp COPY_FILE ${probe_binary})
endif()
foreach(candidate IN LISTS readelf_candidates)
    if(NOT probe_built)
        break()
    endif()
    execute_process(COMMAND ${candidate} --version
        OUTPUT_VARIABLE readelf_version ERROR_QUIET RESULT_VARIABLE readelf_status)
    if(NOT readelf_status EQUAL 0 OR NOT readelf_version MATCHES "GNU readelf|LLVM")
        continue()
    endif()
    execute_process(COMMAND ${candidate} -W -h -l -d -S --dyn-syms ${probe_binary}
        OUTPUT_VARIABLE readelf_report ERROR_VARIABLE readelf_error RESULT_VARIABLE readelf_status)
    if(readelf_status EQUAL 0 AND readelf_report MATCHES "ELF Header:"
            AND NOT "${readelf_report}${readelf_error}" MATCHES "[Uu]sage:")
        set(READELF ${candidate})
        break()
    endif()
endforeach()
if(READELF)
    message(STATUS "readelf for the binary checks: ${READELF}")
else()
    message(STATUS "readelf for the binary checks: none whose report they read (GNU's or LLVM's); "
        "they skip")
endif()

# C_LIBRARY_SONAME: the name a dynamic binary must need, read from the
# library the compiler links (libc.so.6 on glibc, libc.so.7 on FreeBSD,
# libc.so.12 on NetBSD...); empty where it cannot be read. libc.so may be a
# linker script that names the real file.
set(C_LIBRARY_SONAME "")
separate_arguments(compile_flags NATIVE_COMMAND "${CMAKE_CXX_FLAGS}")
execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${compile_flags} -print-file-name=libc.so
    OUTPUT_VARIABLE libc_file OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(READELF AND IS_ABSOLUTE "${libc_file}" AND EXISTS "${libc_file}")
    file(STRINGS "${libc_file}" libc_script REGEX "^ *(GROUP|INPUT) *\\(" LIMIT_COUNT 1)
    if(libc_script MATCHES "[(] *([^ ()]*libc\\.so[^ ()]*)")
        set(libc_file "${CMAKE_MATCH_1}")
    endif()
    execute_process(COMMAND ${READELF} -d "${libc_file}"
        OUTPUT_VARIABLE libc_dynamic ERROR_QUIET)
    if(libc_dynamic MATCHES "Library soname: \\[([^]]+)\\]")
        set(C_LIBRARY_SONAME "${CMAKE_MATCH_1}")
    endif()
endif()

# LINKER_GIVES_FULL_HARDENING: a Linux build whose linker is GNU ld or LLD,
# which take every hardening option; there a property the build lacks is
# a fault, not the toolchain's limit.
separate_arguments(link_flags NATIVE_COMMAND "${CMAKE_EXE_LINKER_FLAGS}")
execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${compile_flags} ${link_flags} -Wl,--version
    OUTPUT_VARIABLE linker_version ERROR_QUIET)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND linker_version MATCHES "GNU ld|LLD")
    set(LINKER_GIVES_FULL_HARDENING 1)
else()
    set(LINKER_GIVES_FULL_HARDENING 0)
endif()
message(STATUS "System: ${C_LIBRARY}, C library soname '${C_LIBRARY_SONAME}'; "
    "linker gives full hardening: ${LINKER_GIVES_FULL_HARDENING}")
