# The interaction benchmark: steps per second of a held cloud tool and the
# time of one drag step, each with 50 points and both views on; with a data
# set, a transformation, undo and the simulation.
add_executable(bench_interaccion ${CMAKE_CURRENT_LIST_DIR}/bench_interaccion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bench_interaccion_datos.cpp
    ${CMAKE_CURRENT_LIST_DIR}/interaccion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/principal_qt_bench.cpp)
target_link_libraries(bench_interaccion PRIVATE rectaviva_ventana benchmark::benchmark)
target_compile_definitions(bench_interaccion PRIVATE
    RECTAVIVA_PANTALLA="${PROJECT_SOURCE_DIR}/tests/pantallas/1024x768.json")
