# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Fills in the packaging recipes (packaging/*.in) for a source release:
#   cmake -D SOURCE_RELEASE=FILE [-D OUTPUT=DIR] -P cmake/Recipes.cmake
# with the project's version and address, from project(), and the source
# release's SHA-256; writes them to DIR, build/recipes/ by default. The
# release command calls it; it needs nothing but CMake, so it runs anywhere.
cmake_minimum_required(VERSION 3.25)
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseNotes.cmake)
if(NOT SOURCE_RELEASE)
    message(FATAL_ERROR "recipes: set SOURCE_RELEASE to the source release's .tar.gz")
endif()
if(NOT OUTPUT)
    set(OUTPUT ${source_dir}/build/recipes)
endif()

file(READ ${source_dir}/CMakeLists.txt lists)
string(REGEX MATCH "project\\(resolvepaths[^)]*VERSION ([0-9.]+)" _ "${lists}")
set(PROJECT_VERSION ${CMAKE_MATCH_1})
string(REGEX MATCH "HOMEPAGE_URL \"([^\"]+)\"" _ "${lists}")
set(PROJECT_HOMEPAGE_URL ${CMAKE_MATCH_1})
get_filename_component(release_name "${SOURCE_RELEASE}" NAME)
if(NOT release_name STREQUAL "resolvepaths-${PROJECT_VERSION}.tar.gz")
    message(FATAL_ERROR "recipes: ${release_name} is not the source release of "
        "version ${PROJECT_VERSION}, resolvepaths-${PROJECT_VERSION}.tar.gz")
endif()
file(SHA256 "${SOURCE_RELEASE}" SOURCE_SHA256)

# The RPM changelog's date is the version's, from NEWS.md, in RPM's format.
file(STRINGS ${source_dir}/NEWS.md heading REGEX "^## ${PROJECT_VERSION} \\(")
if(NOT heading MATCHES "\\(([0-9]+)-([0-9]+)-([0-9]+)\\)$")
    message(FATAL_ERROR "recipes: NEWS.md has no dated entry for ${PROJECT_VERSION}")
endif()
math(EXPR year "${CMAKE_MATCH_1}")
math(EXPR month "${CMAKE_MATCH_2}")
math(EXPR day "${CMAKE_MATCH_3}")
days_since_epoch(${year} ${month} ${day} days)
math(EXPR weekday "${days} % 7")
math(EXPR month_index "${month} - 1")
list(GET weekday_names ${weekday} weekday)
list(GET month_names ${month_index} month)
if(day LESS 10)
    set(day "0${day}")
endif()
set(RPM_DATE "${weekday} ${month} ${day} ${year}")

file(REMOVE_RECURSE ${OUTPUT})
file(GLOB templates ${source_dir}/packaging/*.in)
foreach(template IN LISTS templates)
    get_filename_component(name ${template} NAME)
    string(REGEX REPLACE "[.]in$" "" name "${name}")
    configure_file(${template} ${OUTPUT}/${name} @ONLY)
endforeach()
message(STATUS "recipes: resolvepaths ${PROJECT_VERSION}, SHA-256 ${SOURCE_SHA256}, in ${OUTPUT}")
