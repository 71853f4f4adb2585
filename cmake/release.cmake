# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# Writes every release file into build/assets/, with SHA256SUMS listing
# them in sha256sum's format:
#   cmake -P cmake/release.cmake
# The .deb and the glibc .tar.gz for this machine (the package preset), a
# static musl .tar.gz for each Linux target (package-static) and the source
# release (dist). Every build is configured before any is made, so a
# machine that lacks a target's packages stops, naming them, before it
# builds; and the files reach build/assets/ only once all of them exist.
cmake_minimum_required(VERSION 3.25)
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
# A static build for every Linux target there is.
include(${CMAKE_CURRENT_LIST_DIR}/LinuxTarget.cmake)
list(TRANSFORM linux_targets REPLACE "[|].*" "" OUTPUT_VARIABLE static_targets)
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
package_config(${source_dir}/build/package CPACK_GENERATOR)
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
package_config(${source_dir}/build/package
    CPACK_PACKAGE_NAME CPACK_PACKAGE_VERSION CPACK_PACKAGE_FILE_NAME)
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
set(sums "")
foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${assets}.new/${name})
    file(SHA256 ${file} sum)
    list(APPEND sums "${name}|${sum}")
endforeach()
# The .deb, the glibc .tar.gz and the source release, and the static ones.
list(LENGTH files count)
list(LENGTH static_targets expected)
math(EXPR expected "${expected} + 3")
if(NOT count EQUAL expected)
    message(FATAL_ERROR "release: made ${count} files, not ${expected}: ${files}")
endif()
# Sorted by name, in sha256sum's format.
list(SORT sums COMPARE STRING)
list(TRANSFORM sums REPLACE "^(.*)[|](.*)$" "\\2  \\1")
list(JOIN sums "\n" sums)
file(WRITE ${assets}.new/SHA256SUMS "${sums}\n")
file(REMOVE_RECURSE ${assets})
file(RENAME ${assets}.new ${assets})
message(STATUS "release: ${count} files and SHA256SUMS in ${assets}")
