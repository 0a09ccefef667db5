# Fails when a C++ file of src, tests or bench differs from the layout that
# .clang-format describes. To fix the layout of every file:
#   find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i
# Run as: cmake -DSOURCE_DIR=<repository> -DCLANG_FORMAT=<program> -P check_layout.cmake
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/tests/*.cpp
     ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror --style=file ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Layout differs from .clang-format:\n${complaints}")
endif()
list(LENGTH sources count)
message(STATUS "Layout holds in ${count} files.")
