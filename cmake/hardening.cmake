# Release builds, and so the package, get Debian's hardening flags as dpkg-buildflags gives
# them with every hardening feature on: stack protector, _FORTIFY_SOURCE, format checks and
# full RELRO with immediate binding (Debian's compiler makes position-independent
# executables by default). The optimisation level stays CMake's. Sanitizer and fuzzing
# builds keep their own flags. `make package` checks the result with lintian and
# hardening-check.
if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$" OR VELKVIEW_SANITIZE OR VELKVIEW_FUZZ)
  return()
endif()

# The source and build folders are mapped away, so that two folders build the same bytes.
# (Debug builds keep whole paths for the debugger.)
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

# dpkg-buildflags speaks for Debian's own compiler and linker; the MinGW cross-build keeps
# the compiler's defaults.
if(WIN32)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags (dpkg-dev) is missing: this build is not hardened")
  return()
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  # Our own prefix maps above replace the one dpkg-buildflags would make from its working
  # folder; -g and -O2 are the build type's business.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
            "DEB_${kind}_MAINT_STRIP=-g -O2" ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  if(kind STREQUAL "LDFLAGS")
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
  list(APPEND hardeningFlags ${flags})
endforeach()
list(JOIN hardeningFlags " " hardeningFlags)
message(STATUS "Hardening: ${hardeningFlags}")
