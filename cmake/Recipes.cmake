# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# cmake -D SOURCE_RELEASE=FILE [-D OUTPUT=DIR] -P cmake/Recipes.cmake fills in
# packaging/*.in for a source release, into DIR (by default build/recipes/).
cmake_minimum_required(VERSION 3.25)
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
if(NOT SOURCE_RELEASE)
    message(FATAL_ERROR "recipes: set SOURCE_RELEASE to the source release's .tar.gz")
endif()
if(NOT OUTPUT)
    set(OUTPUT ${source_dir}/build/recipes)
endif()

# The facts from their one home: project()'s VERSION, and each other's quoted value.
file(READ ${source_dir}/CMakeLists.txt lists)
string(REGEX MATCH "project\\(resolvepaths[^)]*VERSION ([0-9.]+)" _ "${lists}")
set(PROJECT_VERSION ${CMAKE_MATCH_1})
foreach(fact IN ITEMS PROJECT_DESCRIPTION PROJECT_HOMEPAGE_URL
        RESOLVEPATHS_MAINTAINER RESOLVEPATHS_LONG_DESCRIPTION)
    string(REGEX REPLACE "^PROJECT_" "" name ${fact})
    string(REGEX MATCH "${name} \"([^\"]+)\"" _ "${lists}")
    set(${fact} "${CMAKE_MATCH_1}")
endforeach()
# Homebrew wants it capitalised.
string(REGEX MATCH "^(.)(.*)$" _ "${PROJECT_DESCRIPTION}")
string(TOUPPER "${CMAKE_MATCH_1}" first)
set(PROJECT_DESCRIPTION_CAPITALISED "${first}${CMAKE_MATCH_2}")

set(release_name resolvepaths-${PROJECT_VERSION})
cmake_path(GET SOURCE_RELEASE FILENAME file_name)
if(NOT file_name STREQUAL "${release_name}.tar.gz")
    message(FATAL_ERROR "recipes: ${file_name} is not the source release of "
        "version ${PROJECT_VERSION}, ${release_name}.tar.gz")
endif()
file(SHA256 "${SOURCE_RELEASE}" SOURCE_SHA256)
# The RPM changelog's date is the commit's, as the release's MANIFEST has it.
file(REMOVE_RECURSE ${OUTPUT})
file(ARCHIVE_EXTRACT INPUT "${SOURCE_RELEASE}" DESTINATION ${OUTPUT} PATTERNS ${release_name}/MANIFEST)
file(STRINGS ${OUTPUT}/${release_name}/MANIFEST epoch REGEX "^# SOURCE_DATE_EPOCH=[0-9]+$")
file(REMOVE_RECURSE ${OUTPUT}/${release_name})
if(NOT epoch MATCHES "=([0-9]+)$")
    message(FATAL_ERROR "recipes: ${file_name} records no commit time in its MANIFEST")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${CMAKE_MATCH_1})
string(TIMESTAMP RPM_DATE "%a %b %d %Y" UTC)

file(GLOB templates ${source_dir}/packaging/*.in)
foreach(template IN LISTS templates)
    cmake_path(GET template STEM LAST_ONLY name)
    configure_file(${template} ${OUTPUT}/${name} @ONLY)
endforeach()
message(STATUS "recipes: resolvepaths ${PROJECT_VERSION}, SHA-256 ${SOURCE_SHA256}, in ${OUTPUT}")
