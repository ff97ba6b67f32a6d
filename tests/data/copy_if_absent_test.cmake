# A rebuild must never replace a teacher's POM.CFG or exercise: the copy
# happens once, into an empty place, and never again.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/delivered" "delivered settings")

function(copy target)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK}/delivered -DTARGET=${target} -P ${SCRIPT}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "copy_if_absent failed for ${target}")
  endif()
endfunction()

function(expect file text)
  file(READ "${file}" content)
  if(NOT content STREQUAL text)
    message(FATAL_ERROR "${file} holds \"${content}\", expected \"${text}\"")
  endif()
endfunction()

# Absent: copied, also into a runtime folder not made yet.
copy("${WORK}/velmir/POM.CFG")
expect("${WORK}/velmir/POM.CFG" "delivered settings")

# The teacher changes it; the next two builds leave it alone.
file(WRITE "${WORK}/velmir/POM.CFG" "teacher's settings")
copy("${WORK}/velmir/POM.CFG")
copy("${WORK}/velmir/POM.CFG")
expect("${WORK}/velmir/POM.CFG" "teacher's settings")

# Exercises are guarded the same way.
file(WRITE "${WORK}/velmir/mine.cvc" "teacher's exercise")
copy("${WORK}/velmir/mine.cvc")
expect("${WORK}/velmir/mine.cvc" "teacher's exercise")

# Even an empty file is the teacher's: it is reported at start-up, not replaced.
file(WRITE "${WORK}/velmir/empty/POM.CFG" "")
copy("${WORK}/velmir/empty/POM.CFG")
expect("${WORK}/velmir/empty/POM.CFG" "")
