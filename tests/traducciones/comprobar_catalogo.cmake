# Checks one catalogue: lupdate over a copy leaves it as it is, and lrelease
# of it reports every translation finished.
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
get_filename_component(nombre ${TS} NAME)
set(copia ${DIR}/${nombre})
file(COPY_FILE ${TS} ${copia})
separate_arguments(opciones UNIX_COMMAND "${OPCIONES}")
execute_process(COMMAND ${LUPDATE} ${opciones} @${FUENTES} -ts ${copia}
                RESULT_VARIABLE r OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
if(NOT r EQUAL 0)
    message(FATAL_ERROR "lupdate falló:\n${salida}")
endif()
execute_process(COMMAND diff -u ${TS} ${copia} OUTPUT_VARIABLE diferencias)
if(diferencias)
    message(FATAL_ERROR "${nombre} no está al día con el código "
                        "(cmake --build build --target actualizar_catalogos):\n${diferencias}")
endif()
execute_process(COMMAND ${LRELEASE} ${copia} -qm ${DIR}/prueba.qm
                RESULT_VARIABLE r OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
message("${salida}")
if(NOT r EQUAL 0 OR NOT salida MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
   OR salida MATCHES "Ignored [0-9]+ untranslated")
    message(FATAL_ERROR "${nombre} tiene traducciones sin terminar o que faltan")
endif()
