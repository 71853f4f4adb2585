# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# Turns NEWS.md into the package's changelog, so that the release notes are
# written once. NEWS.md holds "## VERSION (YYYY-MM-DD)" headings, newest
# first, each followed by "- " items whose further lines are indented by two
# spaces.

# Names for dates in the formats Debian and RPM changelogs use; a day's
# index in weekday_names is its days since 1970-01-01 modulo 7.
set(weekday_names Thu Fri Sat Sun Mon Tue Wed)
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# days_since_epoch(Y M D OUT): days from 1970-01-01 to the given date
# (the proleptic Gregorian calendar, for any date from year 0 on).
function(days_since_epoch year month day out)
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
        "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    set(${out} ${days} PARENT_SCOPE)
endfunction()

# release_notes(NEWS CHANGELOG MAINTAINER): writes CHANGELOG in Debian's
# format and sets RELEASE_EPOCH, the newest entry's date in seconds since
# 1970, which stands in for the last commit's time where there is no git.
function(release_notes news changelog maintainer)
    file(STRINGS "${news}" lines)
    set(text "")
    set(trailer "")
    unset(newest_version)
    # Debian wants each entry newer than the one below it, so releases made
    # on one day are timed a minute apart, the day's first at midnight.
    set(dates "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^## [0-9.]+ \\(([0-9-]+)\\)$")
            list(APPEND dates ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(entry 0)
    foreach(line IN LISTS lines)
        if(line MATCHES "^## ([0-9.]+) \\(([0-9]+)-([0-9]+)-([0-9]+)\\)$")
            set(version ${CMAKE_MATCH_1})
            # Entries below this one from the same day.
            list(SUBLIST dates ${entry} -1 older)
            list(POP_FRONT older date)
            list(FILTER older INCLUDE REGEX "^${date}$")
            list(LENGTH older minute)
            math(EXPR entry "${entry} + 1")
            if(minute LESS 10)
                set(minute "0${minute}")
            endif()
            # Leading zeros are not octal to math(), but strip them for list().
            math(EXPR year "${CMAKE_MATCH_2}")
            math(EXPR month "${CMAKE_MATCH_3}")
            math(EXPR day "${CMAKE_MATCH_4}")
            days_since_epoch(${year} ${month} ${day} days)
            if(NOT DEFINED newest_version)
                set(newest_version ${version})
                math(EXPR epoch "${days} * 86400 + ${minute} * 60")
            endif()
            math(EXPR weekday "${days} % 7")
            list(GET weekday_names ${weekday} weekday_name)
            math(EXPR month_index "${month} - 1")
            list(GET month_names ${month_index} month_name)
            if(day LESS 10)
                set(day "0${day}")
            endif()
            string(APPEND text "${trailer}${PROJECT_NAME} (${version}) unstable; urgency=medium\n\n")
            set(trailer "\n -- ${maintainer}  ${weekday_name}, ${day} ${month_name} ${year} 00:${minute}:00 +0000\n\n")
        elseif(line MATCHES "^- (.*)$")
            string(APPEND text "  * ${CMAKE_MATCH_1}\n")
        elseif(line MATCHES "^  (.*)$" AND DEFINED newest_version)
            string(APPEND text "    ${CMAKE_MATCH_1}\n")
        endif()
    endforeach()
    if(NOT newest_version VERSION_EQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${news}: newest entry is ${newest_version}, "
            "the project is ${PROJECT_VERSION}")
    endif()
    string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
    # Rewritten only when it changes, so that nothing rebuilds needlessly.
    file(WRITE "${changelog}.new" "${text}${trailer}")
    file(COPY_FILE "${changelog}.new" "${changelog}" ONLY_IF_DIFFERENT)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${news}")
    set(RELEASE_EPOCH ${epoch} PARENT_SCOPE)
endfunction()
