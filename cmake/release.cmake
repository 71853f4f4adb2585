# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Writes every release file into build/assets/, with SHA256SUMS listing
# them in sha256sum's format:
#   cmake -P cmake/release.cmake
# The .deb and the glibc .tar.gz for this machine (the package preset), a
# static musl .tar.gz for each Linux target (package-static), the source
# release (dist), and a record of what built them; and, beside them in
# build/recipes/, the packaging recipes filled in. Releases are built in
# Debian 13 (.ci/release installs what they need there). It stops before
# building anything where a target's musl is missing, and configures every
# build before making any, so that one lacking other packages names them
# first; build/assets/ gets the files only once all of them exist.
cmake_minimum_required(VERSION 3.25)
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
include(${CMAKE_CURRENT_LIST_DIR}/LinuxTarget.cmake)
set(static_targets "")
set(target_triplets "")
set(musl_packages "")
set(lacking "")
foreach(row IN LISTS linux_targets)
    linux_target("${row}")
    list(APPEND static_targets ${name})
    list(APPEND target_triplets ${gnu_triplet})
    list(APPEND musl_packages musl-dev:${debian_arch})
    if(NOT EXISTS /usr/lib/${musl_triplet}/rcrt1.o)
        list(APPEND lacking "musl-dev:${debian_arch} (Debian ${musl_debian} or later)")
    endif()
endforeach()
if(lacking)
    list(JOIN lacking ", " lacking)
    message(FATAL_ERROR "release: stopped before building anything, since this system lacks "
        "${lacking}. Releases are built in Debian 13: run .ci/release there, in a debian:13 "
        "container or, as root, in a chroot: .ci/debian-chroot trixie build/chroots/debian-13 .ci/release")
endif()
find_program(DPKG_QUERY dpkg-query)
if(NOT DPKG_QUERY)
    message(FATAL_ERROR "release: needs dpkg-query to record what built the release; "
        "releases are built in Debian 13 (.ci/release)")
endif()
set(assets ${source_dir}/build/assets)

# run(TARGET COMMAND...): runs COMMAND in the source tree, with
# RESOLVEPATHS_TARGET set to TARGET ("" for none); stops if it fails.
function(run target)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env RESOLVEPATHS_TARGET=${target} ${ARGN}
        WORKING_DIRECTORY ${source_dir} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "release: stopped, since this failed: ${command}")
    endif()
endfunction()

# package_config(DIR VARIABLE...): the named CPACK_ variables of the build
# in DIR, as its configure step wrote them.
function(package_config dir)
    include(${dir}/CPackConfig.cmake)
    foreach(variable IN LISTS ARGN)
        set(${variable} "${${variable}}" PARENT_SCOPE)
    endforeach()
endfunction()

run("" ${CMAKE_COMMAND} --preset package)
package_config(${source_dir}/build/package
    CPACK_GENERATOR CPACK_PACKAGE_NAME CPACK_PACKAGE_VERSION CPACK_PACKAGE_FILE_NAME)
if(NOT "DEB" IN_LIST CPACK_GENERATOR)
    message(FATAL_ERROR "release: the .deb needs dpkg-deb, dpkg-shlibdeps and file; "
        "on Debian: apt-get install dpkg-dev file")
endif()
foreach(target IN LISTS static_targets)
    run(${target} ${CMAKE_COMMAND} --preset package-static)
endforeach()

run("" ${CMAKE_COMMAND} --build --preset package)
run("" ${CMAKE_CPACK_COMMAND} --preset package)
run("" ${CMAKE_COMMAND} --build --preset dist)
file(GLOB deb ${source_dir}/build/package/${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}_*.deb)
set(files ${deb}
    ${source_dir}/build/package/${CPACK_PACKAGE_FILE_NAME}.tar.gz
    ${source_dir}/build/package/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}.tar.gz)
foreach(target IN LISTS static_targets)
    run(${target} ${CMAKE_COMMAND} --build --preset package-static)
    run(${target} ${CMAKE_CPACK_COMMAND} --preset package-static)
    set(dir ${source_dir}/build/package-static/${target})
    package_config(${dir} CPACK_PACKAGE_FILE_NAME)
    list(APPEND files ${dir}/${CPACK_PACKAGE_FILE_NAME}.tar.gz)
endforeach()

# Staged beside the old set, which the new one replaces whole.
file(REMOVE_RECURSE ${assets}.new)
file(MAKE_DIRECTORY ${assets}.new)

# What built the set, for a rebuild years later: the system, the commit,
# the packages that went into the files, and each target's compiler and
# linker as they name themselves.
file(STRINGS /etc/debian_version debian_version LIMIT_COUNT 1)
execute_process(COMMAND git -C ${source_dir} rev-parse HEAD
    OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${DPKG_QUERY} -W "-f=\${Package}:\${Architecture} \${Version}\\n"
        cmake ninja-build binutils dpkg-dev gzip libc6-dev ${musl_packages}
    OUTPUT_VARIABLE packages COMMAND_ERROR_IS_FATAL ANY)
set(tools "")
foreach(triplet IN LISTS target_triplets)
    foreach(tool gcc ld)
        execute_process(COMMAND ${triplet}-${tool} --version
            OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX REPLACE "\n.*" "" version "${version}")
        string(APPEND tools "${triplet}-${tool}: ${version}\n")
    endforeach()
endforeach()
set(record ${assets}.new/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-build-environment.txt)
file(WRITE ${record} "What built these files, with cmake -P cmake/release.cmake (.ci/release)\n"
    "Debian ${debian_version}\ncommit ${commit}\n${packages}${tools}")
list(APPEND files ${record})
set(names "")
foreach(file IN LISTS files)
    cmake_path(GET file FILENAME name)
    list(APPEND names ${name})
    if(NOT file STREQUAL record)
        file(COPY_FILE ${file} ${assets}.new/${name})
    endif()
endforeach()
# The .deb, the glibc .tar.gz, the source release and the record, and the
# static ones.
list(LENGTH files count)
list(LENGTH static_targets expected)
math(EXPR expected "${expected} + 4")
if(NOT count EQUAL expected)
    message(FATAL_ERROR "release: made ${count} files, not ${expected}: ${files}")
endif()
# Sorted by name, written by sha256sum itself, so that sha256sum -c reads it.
list(SORT names COMPARE STRING)
execute_process(COMMAND sha256sum ${names} WORKING_DIRECTORY ${assets}.new
    OUTPUT_FILE ${assets}.new/SHA256SUMS COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${assets})
file(RENAME ${assets}.new ${assets})
message(STATUS "release: ${count} files and SHA256SUMS in ${assets}")
# The packaging recipes for this source release, beside the set and not in
# it: they name its SHA-256.
run("" ${CMAKE_COMMAND}
    -D SOURCE_RELEASE=${assets}/${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}.tar.gz
    -P ${CMAKE_CURRENT_LIST_DIR}/Recipes.cmake)
