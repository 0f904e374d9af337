# NEWS.md holds the release notes, newest release first; from it come the Debian package's
# changelog and the <releases> of the software-centre listing. A release reads
#
#   ## 1.0.0 (2026-12-07)
#
#   - One change,
#     continued on a line indented by two spaces.
#   - Another change.
#
# Text before the first release heading is the file's own introduction and is left out.

# Lines of NEWS.md longer than this would make the changelog's lines (two columns more) longer than
# Debian's 80.
set(KORVELD_NEWS_WIDTH 76)

# Escapes what XML gives a meaning to in text.
function(_korveld_xml_text text out)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# "Mon, 07 Dec 2026 00:00:00 +0000", the date line of a Debian changelog entry, for 2026-12-07.
function(_korveld_changelog_date year month day out)
    # Sakamoto's day of the week, 0 = Sunday.
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR m "${month}")
    math(EXPR d "${day}")
    math(EXPR y "${year}")
    if(m LESS 3)
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR index "${m} - 1")
    list(GET offsets ${index} offset)
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${d}) % 7")
    set(day_names Sun Mon Tue Wed Thu Fri Sat)
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET day_names ${weekday} day_name)
    list(GET month_names ${index} month_name)
    set(${out} "${day_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# Reads the release notes in `news_text` (the contents of NEWS.md) and sets, in the caller:
#   <prefix>_CHANGELOG  the Debian changelog of package `package`, entries signed by `maintainer`
#   <prefix>_RELEASES   the <release> elements of a metainfo file, newest first
#   <prefix>_ERROR      empty, or what is wrong with the notes (then the other two are empty)
# The newest release must be `version`, the project's own.
function(korveld_release_notes news_text package version maintainer prefix)
    set(changelog "")
    set(releases "")
    set(error "")
    # One list element a line: the characters that mean something in a CMake list are stood in
    # for while the text is a list, and put back in the outputs.
    string(REPLACE ";" "@KSEMI@" news_text "${news_text}")
    string(REPLACE "[" "@KOPEN@" news_text "${news_text}")
    string(REPLACE "]" "@KCLOSE@" news_text "${news_text}")
    string(REPLACE "\n" ";" lines "${news_text}")
    list(APPEND lines "## @KEND@")

    set(line_number 0)
    set(release_version "")
    set(item "")
    set(items "")
    set(item_count 0)
    set(newest "")
    foreach(line IN LISTS lines)
        math(EXPR line_number "${line_number} + 1")
        string(REGEX REPLACE "@K(SEMI|OPEN|CLOSE)@" "x" shown "${line}")
        string(LENGTH "${shown}" width)
        if(width GREATER KORVELD_NEWS_WIDTH AND NOT release_version STREQUAL "")
            set(error "NEWS.md line ${line_number} is longer than ${KORVELD_NEWS_WIDTH} characters")
            break()
        endif()

        # An item ends at the next item, a blank line or a heading.
        if(NOT item STREQUAL "" AND NOT line MATCHES "^  [^ ]")
            string(APPEND changelog "${item}\n")
            string(REPLACE "\n    " " " joined "${item}")
            string(REGEX REPLACE "^  \\* " "" joined "${joined}")
            _korveld_xml_text("${joined}" joined)
            string(APPEND items "          <li>${joined}</li>\n")
            math(EXPR item_count "${item_count} + 1")
            set(item "")
        endif()

        if(line MATCHES "^## ")
            if(NOT release_version STREQUAL "")
                if(item_count EQUAL 0)
                    set(error "NEWS.md: release ${release_version} lists no change")
                    break()
                endif()
                string(APPEND changelog "\n -- ${maintainer}  ${release_date_line}\n")
                string(APPEND releases "    <release version=\"${release_version}\" date=\"${release_date}\">\n"
                                       "      <description>\n        <ul>\n${items}        </ul>\n"
                                       "      </description>\n    </release>\n")
            endif()
            if(line STREQUAL "## @KEND@")
                break()
            endif()
            if(NOT line MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
                set(error "NEWS.md line ${line_number}: a release heading reads \"## VERSION (YYYY-MM-DD)\"")
                break()
            endif()
            set(release_version ${CMAKE_MATCH_1})
            set(release_date "${CMAKE_MATCH_2}-${CMAKE_MATCH_3}-${CMAKE_MATCH_4}")
            if(CMAKE_MATCH_3 LESS 1 OR CMAKE_MATCH_3 GREATER 12 OR CMAKE_MATCH_4 LESS 1 OR CMAKE_MATCH_4 GREATER 31)
                set(error "NEWS.md line ${line_number}: ${release_date} is not a date")
                break()
            endif()
            _korveld_changelog_date(${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} release_date_line)
            if(newest STREQUAL "")
                set(newest ${release_version})
            else()
                string(APPEND changelog "\n")
            endif()
            string(APPEND changelog "${package} (${release_version}) unstable; urgency=medium\n\n")
            set(items "")
            set(item_count 0)
        elseif(release_version STREQUAL "")
            # The introduction before the first release.
        elseif(line MATCHES "^- (.+)$")
            set(item "  * ${CMAKE_MATCH_1}")
        elseif(line MATCHES "^  ([^ ].*)$" AND NOT item STREQUAL "")
            string(APPEND item "\n    ${CMAKE_MATCH_1}")
        elseif(NOT line STREQUAL "")
            set(error "NEWS.md line ${line_number}: a change starts with \"- \" and goes on indented by two spaces")
            break()
        endif()
    endforeach()

    if(error STREQUAL "" AND newest STREQUAL "")
        set(error "NEWS.md has no release")
    elseif(error STREQUAL "" AND NOT newest STREQUAL version)
        set(error "NEWS.md's newest release is ${newest}, the project's version is ${version}: write the notes of ${version} at the top of NEWS.md")
    endif()
    if(NOT error STREQUAL "")
        set(changelog "")
        set(releases "")
    endif()
    foreach(text IN ITEMS changelog releases)
        string(REPLACE "@KSEMI@" ";" ${text} "${${text}}")
        string(REPLACE "@KOPEN@" "[" ${text} "${${text}}")
        string(REPLACE "@KCLOSE@" "]" ${text} "${${text}}")
    endforeach()
    set(${prefix}_CHANGELOG "${changelog}" PARENT_SCOPE)
    set(${prefix}_RELEASES "${releases}" PARENT_SCOPE)
    set(${prefix}_ERROR "${error}" PARENT_SCOPE)
endfunction()
