# The presentation's benchmark: one drag step's redraw and a full list.
add_executable(bench_presentacion ${CMAKE_CURRENT_LIST_DIR}/bench_presentacion.cpp)
target_link_libraries(bench_presentacion PRIVATE rectaviva_presentacion benchmark::benchmark)
target_include_directories(bench_presentacion PRIVATE ${PROJECT_SOURCE_DIR}/tests/presentacion)
