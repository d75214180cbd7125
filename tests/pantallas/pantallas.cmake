# rectaviva_pruebas_qt(target screen...): registers the GoogleTest cases of
# `target` once per screen; each run uses Qt's offscreen platform with the
# screen file tests/pantallas/<screen>.json.
set(RECTAVIVA_PANTALLAS ${CMAKE_CURRENT_LIST_DIR})

function(rectaviva_pruebas_qt target)
    target_sources(${target} PRIVATE ${RECTAVIVA_PANTALLAS}/principal_qt.cpp)
    target_include_directories(${target} PRIVATE ${RECTAVIVA_PANTALLAS})
    target_compile_definitions(${target} PRIVATE RECTAVIVA_PANTALLAS="${RECTAVIVA_PANTALLAS}")
    target_link_libraries(${target} PRIVATE GTest::gtest Qt6::Widgets Qt6::Test)
    foreach(pantalla ${ARGN})
        gtest_discover_tests(${target}
            TEST_PREFIX "${pantalla}."
            DISCOVERY_TIMEOUT 60
            PROPERTIES ENVIRONMENT "RECTAVIVA_PANTALLA=${pantalla}")
    endforeach()
endfunction()
