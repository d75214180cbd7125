# The window's benchmark: a whole start of the program up to its first paint
# (a child process, with its peak memory), the same start inside one process,
# and one full repaint of the window with 50 points and both views on.
add_executable(bench_ventana ${CMAKE_CURRENT_LIST_DIR}/bench_ventana.cpp
    ${CMAKE_CURRENT_LIST_DIR}/principal_qt_bench.cpp)
target_link_libraries(bench_ventana PRIVATE rectaviva_ventana benchmark::benchmark)
add_dependencies(bench_ventana rectaviva)
target_compile_definitions(bench_ventana PRIVATE
    RECTAVIVA_PROGRAMA="$<TARGET_FILE:rectaviva>"
    RECTAVIVA_PANTALLA_1024="${PROJECT_SOURCE_DIR}/tests/pantallas/1024x768.json")
