# cmake -DSOURCE=<file> -DTARGET=<file> -P copy_if_absent.cmake
#
# Copies SOURCE to TARGET only when TARGET does not exist.  Used for the files
# a teacher changes in the runtime folder (POM.CFG, exercises *.cvc): a
# rebuild must never replace them.
if(NOT DEFINED SOURCE OR NOT DEFINED TARGET)
  message(FATAL_ERROR "copy_if_absent: SOURCE and TARGET are required")
endif()
if(EXISTS "${TARGET}" OR IS_SYMLINK "${TARGET}")
  return()
endif()
if(NOT EXISTS "${SOURCE}")
  message(FATAL_ERROR "copy_if_absent: ${SOURCE} does not exist")
endif()
get_filename_component(folder "${TARGET}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(COPY_FILE "${SOURCE}" "${TARGET}")
