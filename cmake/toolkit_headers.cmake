# The toolkit's headers, compiled once and shared by the targets that use
# them most, each of which would otherwise parse them again (about a tenth
# of a full build).
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/kt_qt_headers.cpp CONTENT "")
add_library(kt_qt_headers OBJECT ${CMAKE_BINARY_DIR}/kt_qt_headers.cpp)
target_link_libraries(kt_qt_headers PRIVATE Qt6::Widgets)
target_precompile_headers(kt_qt_headers PRIVATE <QtWidgets/QApplication> <QtWidgets/QWidget>
                          <QtWidgets/QMainWindow> <QtGui/QImage> <QtGui/QPainter>)
foreach(target kt_platform_core kt_platform_draw kt_platform_window kt_platform_shell kt_test_support
               kt_tests_platform kt_tests_app kt_tests_render kortalwind-bench)
  if(TARGET ${target})
    target_precompile_headers(${target} REUSE_FROM kt_qt_headers)
  endif()
endforeach()
