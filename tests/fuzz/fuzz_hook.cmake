# Included into the project's own project() call (CMAKE_PROJECT_INCLUDE) by
# build.sh: once the whole tree is configured, define the fuzz targets. The
# tree itself stays unaware of them.
set(KT_FUZZ_TARGETS ${CMAKE_CURRENT_LIST_DIR}/fuzz_targets.cmake)
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL include ${KT_FUZZ_TARGETS})
