# Resaving what was read changes nothing: IN -> A -> B gives A == B but for
# the DATE line.
include(${CMAKE_CURRENT_LIST_DIR}/SkipWithoutSamples.cmake)
foreach(step IN ITEMS "${IN};${DIR}/a.ESEProj" "${DIR}/a.ESEProj;${DIR}/b.ESEProj")
  list(GET step 0 from)
  list(GET step 1 to)
  execute_process(COMMAND ${CLI} resave ${from} ${to} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "resave ${from} failed with ${rc}")
  endif()
endforeach()
file(READ "${DIR}/a.ESEProj" a HEX)
file(READ "${DIR}/b.ESEProj" b HEX)
# DATE line: "DATE       : " ... CR LF; drop it from both.
string(REGEX REPLACE "444154452020202020202020203a20([0-9a-f][0-9a-f])*0d0a" "" a_nodate "${a}")
string(REGEX REPLACE "444154452020202020202020203a20([0-9a-f][0-9a-f])*0d0a" "" b_nodate "${b}")
if(NOT a_nodate STREQUAL b_nodate)
  message(FATAL_ERROR "the second resave changed the file")
endif()
