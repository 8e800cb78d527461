# Builds the Debian package from the build tree into a folder of its own.
#   cmake -DCPACK=... -DBUILD_DIR=... -DOUT_DIR=... -P BuildDeb.cmake
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${BUILD_DIR} OUTPUT_QUIET RESULT_VARIABLE result)
file(GLOB debs ${OUT_DIR}/*.deb)
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (exit ${result})")
endif()
