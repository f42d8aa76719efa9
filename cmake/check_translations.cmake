# The translation check: lupdate, run over src/ into copies of translations/*.ts, must find no
# source text that the files lack and must drop none they hold, so every text a user can see has
# an entry for every language. Run with
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P check_translations.cmake
file(GLOB ts_files "${SOURCE_DIR}/translations/*.ts")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(faults 0)
foreach(ts IN LISTS ts_files)
  get_filename_component(name "${ts}" NAME)
  file(COPY "${ts}" DESTINATION "${WORK_DIR}")
  execute_process(COMMAND "${LUPDATE}" -no-obsolete -locations none "${SOURCE_DIR}/src" -ts "${WORK_DIR}/${name}"
                  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
  file(READ "${ts}" before)
  file(READ "${WORK_DIR}/${name}" after)
  if(NOT status EQUAL 0 OR NOT before STREQUAL after)
    message(SEND_ERROR "translations/${name} is not up to date with the sources: ${output}"
                       "Run lupdate (see docs/translating.md) and translate the new texts.")
    math(EXPR faults "${faults} + 1")
  endif()
endforeach()
list(LENGTH ts_files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no translation files in ${SOURCE_DIR}/translations")
endif()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} translation file(s) out of date")
endif()
message(STATUS "${count} translation files up to date")
