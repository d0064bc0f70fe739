# libFuzzer targets; every library they link is already built with coverage
# instrumentation and the sanitizers (see build.sh).
get_filename_component(KT_FUZZ_DIR ${KT_FUZZ_TARGETS} DIRECTORY)

add_executable(kt_fuzz_export_args ${KT_FUZZ_DIR}/export_args_fuzz.cpp)
target_link_libraries(kt_fuzz_export_args PRIVATE kt_export)

add_executable(kt_fuzz_document_open ${KT_FUZZ_DIR}/document_open_fuzz.cpp)
target_link_libraries(kt_fuzz_document_open PRIVATE kt_platform)

foreach(target kt_fuzz_export_args kt_fuzz_document_open)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endforeach()
