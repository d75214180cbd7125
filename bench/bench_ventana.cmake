# The window's benchmark: a whole start of the program up to its first paint
# under Xvfb (child processes, with their peak memory) beside a bare widget
# window's, the same start inside one process, and one full repaint of the
# window with 50 points and both views on, the challenges' rounds, and the
# twenty plots of the residuals' lineup.
add_executable(ventana_vacia ${CMAKE_CURRENT_LIST_DIR}/ventana_vacia.cpp)
target_include_directories(ventana_vacia PRIVATE ${PROJECT_SOURCE_DIR}/window)
target_link_libraries(ventana_vacia PRIVATE Qt6::Widgets)

add_executable(bench_ventana ${CMAKE_CURRENT_LIST_DIR}/bench_ventana.cpp
    ${CMAKE_CURRENT_LIST_DIR}/principal_qt_bench.cpp)
target_link_libraries(bench_ventana PRIVATE rectaviva_ventana benchmark::benchmark)
add_dependencies(bench_ventana rectaviva ventana_vacia)
target_compile_definitions(bench_ventana PRIVATE
    RECTAVIVA_PROGRAMA="$<TARGET_FILE:rectaviva>"
    RECTAVIVA_VENTANA_VACIA="$<TARGET_FILE:ventana_vacia>"
    RECTAVIVA_PANTALLA="${PROJECT_SOURCE_DIR}/tests/pantallas/1024x768.json")
