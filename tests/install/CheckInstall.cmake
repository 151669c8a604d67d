# Run by CTest: install, then use the installed programs the way a user would.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

foreach(file VelkEval velkeval-cli syncdelay saxdump velk-register velk-board libsax.so libvelk_component.so libportio.so VelkEval.xml)
  if(NOT EXISTS "${PREFIX}/${PROGRAM_DIR}/${file}")
    message(FATAL_ERROR "${file} is not in the program folder ${PREFIX}/${PROGRAM_DIR}")
  endif()
endforeach()

# A registry of the test's own and no extra component folders: the programs
# must find the component beside themselves. Through the bin/ link, the
# sample description is parsed by the installed component.
set(environment "${CMAKE_COMMAND}" -E env --unset=VELK_COMPONENT_PATH --unset=LD_LIBRARY_PATH
  "VELK_COMPONENT_REGISTRY=${PREFIX}/registry")
execute_process(COMMAND ${environment} "${PREFIX}/${BIN_DIR}/velkeval-cli" devices "${PREFIX}/${PROGRAM_DIR}/VelkEval.xml"
  RESULT_VARIABLE status OUTPUT_VARIABLE devices ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR devices STREQUAL "")
  message(FATAL_ERROR "the installed velkeval-cli could not read the sample description (${status}): ${errors}")
endif()

file(WRITE "${PREFIX}/one.xml" "<a x=\"1\"/>")
execute_process(COMMAND ${environment} "${PREFIX}/${BIN_DIR}/saxdump" "${PREFIX}/one.xml"
  RESULT_VARIABLE status OUTPUT_VARIABLE events ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT events MATCHES "\"event\":\"startElement\"")
  message(FATAL_ERROR "the installed saxdump could not parse (${status}): ${events} ${errors}")
endif()
