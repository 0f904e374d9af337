# The release notes reader on notes of every shape it meets: run by ctest as
#   cmake -DMODULE_DIR=<source>/cmake -P release_notes_test.cmake
include(${MODULE_DIR}/ReleaseNotes.cmake)

set(failures 0)
# Reads `news` for version 2.1.0 and compares the changelog, the metainfo releases and the error
# with what is expected.
function(expect name news changelog releases error)
    korveld_release_notes("${news}" korveld 2.1.0 "Dev <dev@example.org>" notes)
    foreach(part IN ITEMS changelog releases error)
        string(TOUPPER ${part} upper)
        if(NOT "${notes_${upper}}" STREQUAL "${${part}}")
            message("${name}: the ${part} differs\n--- expected\n${${part}}\n--- got\n${notes_${upper}}\n---")
            math(EXPR failures "${failures} + 1")
            set(failures ${failures} PARENT_SCOPE)
        endif()
    endforeach()
endfunction()

expect(TwoReleasesNewestFirst [=[
# Notes

Introduction, a line that may be as long as it likes, longer than any line of a release may be.

## 2.1.0 (2027-03-01)

- A change that goes on
  over a second line.
- A second change: R-22 & R-502 <both>; [kept] as written.

## 2.0.0 (2026-02-28)

- The first release.
]=] [=[
korveld (2.1.0) unstable; urgency=medium

  * A change that goes on
    over a second line.
  * A second change: R-22 & R-502 <both>; [kept] as written.

 -- Dev <dev@example.org>  Mon, 01 Mar 2027 00:00:00 +0000

korveld (2.0.0) unstable; urgency=medium

  * The first release.

 -- Dev <dev@example.org>  Sat, 28 Feb 2026 00:00:00 +0000
]=] [=[
    <release version="2.1.0" date="2027-03-01">
      <description>
        <ul>
          <li>A change that goes on over a second line.</li>
          <li>A second change: R-22 &amp; R-502 &lt;both&gt;; [kept] as written.</li>
        </ul>
      </description>
    </release>
    <release version="2.0.0" date="2026-02-28">
      <description>
        <ul>
          <li>The first release.</li>
        </ul>
      </description>
    </release>
]=] "")

# Days of the week around the turn of a year and a leap day, where the weekday rule takes its
# January and February from the year before.
foreach(row IN ITEMS "2028-02-29 Tue, 29 Feb 2028" "2027-01-01 Fri, 01 Jan 2027" "2026-12-31 Thu, 31 Dec 2026"
                     "2000-03-01 Wed, 01 Mar 2000" "2100-02-28 Sun, 28 Feb 2100")
    string(SUBSTRING "${row}" 0 10 date)
    string(SUBSTRING "${row}" 11 -1 date_line)
    expect("Weekday${date}" "## 2.1.0 (${date})\n- A change.\n"
           "korveld (2.1.0) unstable; urgency=medium\n\n  * A change.\n\n -- Dev <dev@example.org>  ${date_line} 00:00:00 +0000\n"
           "    <release version=\"2.1.0\" date=\"${date}\">\n      <description>\n        <ul>\n          <li>A change.</li>\n        </ul>\n      </description>\n    </release>\n"
           "")
endforeach()

expect(NewestIsNotTheProjectVersion "## 2.0.0 (2026-02-28)\n- A change.\n" "" ""
       "NEWS.md's newest release is 2.0.0, the project's version is 2.1.0: write the notes of 2.1.0 at the top of NEWS.md")
expect(NoRelease "# Notes\n\nNothing yet.\n" "" "" "NEWS.md has no release")
expect(HeadingWithoutDate "## 2.1.0\n- A change.\n" "" ""
       "NEWS.md line 1: a release heading reads \"## VERSION (YYYY-MM-DD)\"")
expect(MonthThirteen "## 2.1.0 (2026-13-01)\n- A change.\n" "" "" "NEWS.md line 1: 2026-13-01 is not a date")
expect(ReleaseWithoutChange "## 2.1.0 (2026-02-28)\n\n## 2.0.0 (2026-01-28)\n- A change.\n" "" ""
       "NEWS.md: release 2.1.0 lists no change")
expect(TextThatIsNoChange "## 2.1.0 (2026-02-28)\nA change without its dash.\n" "" ""
       "NEWS.md line 2: a change starts with \"- \" and goes on indented by two spaces")
string(REPEAT "x" 75 long)
expect(LineOverTheWidth "## 2.1.0 (2026-02-28)\n- ${long}\n" "" "" "NEWS.md line 2 is longer than 76 characters")

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} differences")
endif()
message("release notes: every case as expected")
