# cmake -DBUILD_DIR=... -DPREFIX=... -P install.cmake
# A fresh install of the build into PREFIX, for the consumer tests.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
