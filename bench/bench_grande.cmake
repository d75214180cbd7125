# The benchmarks of large data sets: loading 100,000 rows, the drag tick and
# a held tool on a cloud, the memory of a drag's undo step and of the loaded
# window; the drag ticks again on a 3840 x 2160 screen.
add_executable(memoria_grande ${CMAKE_CURRENT_LIST_DIR}/memoria_grande.cpp)
target_link_libraries(memoria_grande PRIVATE rectaviva_ventana)
target_compile_definitions(memoria_grande PRIVATE
    RECTAVIVA_PANTALLA="${PROJECT_SOURCE_DIR}/tests/pantallas/1024x768.json")

foreach(v grande grande_4k)
    add_executable(bench_${v} ${CMAKE_CURRENT_LIST_DIR}/bench_grande.cpp
        ${CMAKE_CURRENT_LIST_DIR}/grande.cpp
        ${CMAKE_CURRENT_LIST_DIR}/interaccion.cpp
        ${CMAKE_CURRENT_LIST_DIR}/principal_qt_bench.cpp)
    target_link_libraries(bench_${v} PRIVATE rectaviva_ventana rectaviva_libro_prueba
        QuaZip::QuaZip benchmark::benchmark)
    add_dependencies(bench_${v} memoria_grande)
endforeach()
target_compile_definitions(bench_grande PRIVATE
    RECTAVIVA_MEMORIA_GRANDE="$<TARGET_FILE:memoria_grande>"
    RECTAVIVA_PANTALLA="${PROJECT_SOURCE_DIR}/tests/pantallas/1024x768.json")
target_compile_definitions(bench_grande_4k PRIVATE RECTAVIVA_AMPLIADA
    RECTAVIVA_PANTALLA="${CMAKE_CURRENT_LIST_DIR}/pantallas/3840x2160.json")
