# The version and the time a build calls its own.
#
# A release is the commit tagged v<project version>. Any other commit of a git checkout is a
# snapshot, <release>+git<date>.<time>.<hash> from its commit time in UTC, which apt orders
# above that release and below the next one (1.20 < 1.20+git20261208.100630.fd5abbb <
# 1.20.1 < 1.21), so installing a newer build is an upgrade. Without git the project
# version stands as it is.
#
# SOURCE_DATE_EPOCH, from the environment or else the last commit's time, is the one time
# every dated output takes (manual page, changelogs, AppStream data, the package's file
# times), so two builds of one commit agree.
#
# Sets VELKVIEW_RELEASE (the project version), VELKVIEW_VERSION, VELKVIEW_DATE (YYYY-MM-DD)
# and VELKVIEW_SOURCE_DATE_EPOCH. --version and the package name VELKVIEW_VERSION; the About
# box keeps its fixed text with the release.
set(VELKVIEW_RELEASE ${PROJECT_VERSION})
set(VELKVIEW_VERSION ${PROJECT_VERSION})
set(VELKVIEW_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")

find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct%n%h
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE lastCommit RESULT_VARIABLE gitStatus ERROR_QUIET
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(GIT_FOUND AND gitStatus EQUAL 0)
  string(REPLACE "\n" ";" lastCommit "${lastCommit}")
  list(GET lastCommit 0 commitTime)
  list(GET lastCommit 1 commitHash)
  if(VELKVIEW_SOURCE_DATE_EPOCH STREQUAL "")
    set(VELKVIEW_SOURCE_DATE_EPOCH ${commitTime})
  endif()
  execute_process(COMMAND ${GIT_EXECUTABLE} tag --points-at HEAD --list v${VELKVIEW_RELEASE}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE releaseTag ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(releaseTag STREQUAL "")
    # The commit's own time, not SOURCE_DATE_EPOCH: the version must not change with the
    # environment of one build.
    set(savedEpoch "$ENV{SOURCE_DATE_EPOCH}")
    set(ENV{SOURCE_DATE_EPOCH} ${commitTime})
    string(TIMESTAMP commitStamp "%Y%m%d.%H%M%S" UTC)
    set(ENV{SOURCE_DATE_EPOCH} "${savedEpoch}")
    set(VELKVIEW_VERSION ${VELKVIEW_RELEASE}+git${commitStamp}.${commitHash})
  endif()
endif()

# string(TIMESTAMP) reads SOURCE_DATE_EPOCH from the environment, as do the tools that
# configuring runs.
if(NOT VELKVIEW_SOURCE_DATE_EPOCH STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} ${VELKVIEW_SOURCE_DATE_EPOCH})
endif()
string(TIMESTAMP VELKVIEW_DATE "%Y-%m-%d" UTC)
message(STATUS "VELKView ${VELKVIEW_VERSION} of ${VELKVIEW_DATE}")
