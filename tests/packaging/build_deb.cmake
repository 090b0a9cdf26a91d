# Builds the Debian packages into a fresh folder: cmake -DBUILD_DIR=... -DOUT_DIR=... -P
file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT_DIR}"
    WORKING_DIRECTORY "${BUILD_DIR}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages "${OUT_DIR}/*.deb")
if(NOT result EQUAL 0 OR NOT packages)
    message(FATAL_ERROR "cpack made no package, status ${result}:\n${output}")
endif()
