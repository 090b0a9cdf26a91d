# Configures and builds the consumer project, the example form, against the staged install.
#   -DPREFIX=<staged prefix> -DWORK_DIR=<scratch> -DSOURCE_DIR=<consumer> -DEXAMPLE_DIR=<example>
#   [-DWANTED_VERSION=x]
# With WANTED_VERSION set, the configure step must fail: the package refuses it.
file(REMOVE_RECURSE "${WORK_DIR}")
find_program(CCACHE ccache)
if(CCACHE)
    set(launcher "-DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}" -G Ninja
            -DCMAKE_BUILD_TYPE=Release "-DCMAKE_PREFIX_PATH=${PREFIX}"
            "-DWANTED_VERSION=${WANTED_VERSION}" "-DEXAMPLE_DIR=${EXAMPLE_DIR}"
            -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF ${launcher}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(WANTED_VERSION)
    if(result EQUAL 0)
        message(FATAL_ERROR "find_package(TrellAuto ${WANTED_VERSION}) was accepted:\n${output}")
    endif()
    if(NOT output MATCHES "TrellAutoConfig.cmake, version: 1\\.")
        message(FATAL_ERROR "the refusal does not name the package's version:\n${output}")
    endif()
    return()
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring against the installed package failed:\n${output}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" --build "${WORK_DIR}" --parallel 2
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "building against the installed package failed:\n${output}")
endif()

