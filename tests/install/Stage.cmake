# Installs the build into a fresh prefix inside the build tree, the way a
# person's `cmake --install` would, so the tests start the installed program.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P Stage.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed: ${result}")
endif()
