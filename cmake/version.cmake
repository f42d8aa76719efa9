# The version and the time a build calls its own.
#
# A release is the commit tagged v<project version>. Any other commit is a snapshot,
# <release>+git<date>.<time>.<hash> from its commit time in UTC, which apt orders above that
# release and below the next one (1.20 < 1.20+git20261208.100630.fd5abbb < 1.20.1 < 1.21), so
# installing a newer build is an upgrade.
#
# The commit is read from git when this tree is a checkout of its own with a commit; else from
# cmake/archive-commit.txt, which `git archive` fills in (export-subst, .gitattributes) with
# the commit's time, hash and tags. A tree with neither is "unknown": it could be any code,
# so it claims no release.
#
# SOURCE_DATE_EPOCH, from the environment or else the commit's time, is the one time every
# dated output takes (manual page, changelogs, AppStream data, the package's file times), so
# two builds of one commit agree. It is set for the rest of configuring, for the tools the
# build runs (RULE_LAUNCH_CUSTOM) and for cpack (packaging/), so no wrapper has to export it.
#
# Sets VELKVIEW_RELEASE (the project version), VELKVIEW_VERSION, VELKVIEW_DATE (YYYY-MM-DD)
# and VELKVIEW_SOURCE_DATE_EPOCH. --version and the package name VELKVIEW_VERSION; the About
# box keeps its fixed text with the release.
#
# `cmake -P cmake/version.cmake` prints "VERSION EPOCH" for scripts (the Debian changelog).
if(CMAKE_SCRIPT_MODE_FILE)
  get_filename_component(PROJECT_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
  file(STRINGS "${PROJECT_SOURCE_DIR}/CMakeLists.txt" projectLine REGEX "^project\\(VELKView VERSION ")
  string(REGEX MATCH "VERSION ([0-9.]+)" _ "${projectLine}")
  set(PROJECT_VERSION ${CMAKE_MATCH_1})
endif()

set(VELKVIEW_RELEASE ${PROJECT_VERSION})
set(VELKVIEW_VERSION unknown)
set(VELKVIEW_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
set(commitTime "")
set(versionSource "no git checkout and no archive stamp")

# Only this tree's own .git counts: git would answer for any checkout above, and a tree
# unpacked inside another one (the package build under build-deb/) must not take its commit.
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct%n%h
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE lastCommit RESULT_VARIABLE gitStatus ERROR_VARIABLE gitError
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(gitStatus EQUAL 0 AND lastCommit MATCHES "^([0-9]+)\n([0-9a-f]+)$")
    set(commitTime ${CMAKE_MATCH_1})
    set(commitHash ${CMAKE_MATCH_2})
    execute_process(COMMAND ${GIT_EXECUTABLE} tag --points-at HEAD --list v${VELKVIEW_RELEASE}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE releaseTag ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(versionSource "git")
  else()
    # Say why, so a checkout that reads as unknown (git refusing another user's folder, say)
    # is not a mystery.
    string(STRIP "${gitError}" gitError)
    set(versionSource "git did not answer: ${gitError}")
  endif()
elseif(EXISTS "${PROJECT_SOURCE_DIR}/.git")
  set(versionSource "a git checkout, but git is not installed")
endif()

if(commitTime STREQUAL "" AND EXISTS "${PROJECT_SOURCE_DIR}/cmake/archive-commit.txt")
  # "<commit time> <short hash> <ref names>" once git archive has filled it in; in a checkout
  # it still reads "$Format:...$".
  file(READ "${PROJECT_SOURCE_DIR}/cmake/archive-commit.txt" archiveCommit)
  if(archiveCommit MATCHES "^([0-9]+) ([0-9a-f]+) ?([^\n]*)")
    set(commitTime ${CMAKE_MATCH_1})
    set(commitHash ${CMAKE_MATCH_2})
    set(releaseTag "")
    if(", ${CMAKE_MATCH_3}," MATCHES ", tag: v${VELKVIEW_RELEASE},")
      set(releaseTag v${VELKVIEW_RELEASE})
    endif()
    set(versionSource "git archive")
  endif()
endif()

if(NOT commitTime STREQUAL "")
  if(VELKVIEW_SOURCE_DATE_EPOCH STREQUAL "")
    set(VELKVIEW_SOURCE_DATE_EPOCH ${commitTime})
  endif()
  if(releaseTag STREQUAL "")
    # The commit's own time, not SOURCE_DATE_EPOCH: the version must not change with the
    # environment of one build.
    set(ENV{SOURCE_DATE_EPOCH} ${commitTime})
    string(TIMESTAMP commitStamp "%Y%m%d.%H%M%S" UTC)
    set(VELKVIEW_VERSION ${VELKVIEW_RELEASE}+git${commitStamp}.${commitHash})
  else()
    set(VELKVIEW_VERSION ${VELKVIEW_RELEASE})
  endif()
endif()

# A package build names the version it expects (debian/rules, from debian/changelog); a
# changelog written for another commit must not label this one.
if(DEFINED VELKVIEW_EXPECTED_VERSION AND NOT VELKVIEW_EXPECTED_VERSION STREQUAL VELKVIEW_VERSION)
  message(FATAL_ERROR "debian/changelog names version ${VELKVIEW_EXPECTED_VERSION}, but this tree "
                      "is ${VELKVIEW_VERSION} (${versionSource}). Write it anew with "
                      "`make debian/changelog`.")
endif()

# string(TIMESTAMP) reads SOURCE_DATE_EPOCH from the environment, as do the tools that
# configuring runs; without one the build's own time stands.
if(VELKVIEW_SOURCE_DATE_EPOCH STREQUAL "")
  unset(ENV{SOURCE_DATE_EPOCH})
else()
  set(ENV{SOURCE_DATE_EPOCH} ${VELKVIEW_SOURCE_DATE_EPOCH})
endif()
string(TIMESTAMP VELKVIEW_DATE "%Y-%m-%d" UTC)

if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${VELKVIEW_VERSION} ${VELKVIEW_SOURCE_DATE_EPOCH}")
  return()
endif()
message(STATUS "VELKView ${VELKVIEW_VERSION} of ${VELKVIEW_DATE} (version from ${versionSource})")
if(NOT VELKVIEW_SOURCE_DATE_EPOCH STREQUAL "")
  # Qt's resource compiler stamps each file with its time unless SOURCE_DATE_EPOCH says
  # otherwise; the .qm files are made during the build.
  set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
               "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VELKVIEW_SOURCE_DATE_EPOCH}")
endif()
