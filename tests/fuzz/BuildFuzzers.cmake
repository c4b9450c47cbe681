# Configures and builds the native fuzz project with clang:
#   cmake -DSOURCE_DIR=<fuzz sources> -DBINARY_DIR=<tree> -P BuildFuzzers.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -DCMAKE_CXX_COMPILER=clang++
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} -j2 COMMAND_ERROR_IS_FATAL ANY)
