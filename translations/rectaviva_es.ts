<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es">
<context>
    <name>rectaviva::DialogoDatos</name>
    <message numerus="yes">
        <source>Se cargarán %n puntos.</source>
        <translation>
            <numerusform>Se cargará %n punto.</numerusform>
            <numerusform>Se cargarán %n puntos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>La vista muestra los %1 primeros puntos; se cargarán %n más.</source>
        <translation>
            <numerusform>La vista muestra los %1 primeros puntos; se cargará uno más.</numerusform>
            <numerusform>La vista muestra los %1 primeros puntos; se cargarán %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n filas sin número en x o y se dejan fuera.</source>
        <translation>
            <numerusform>Una fila sin número en x o y se deja fuera.</numerusform>
            <numerusform>%n filas sin número en x o y se dejan fuera.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rectaviva::Form1</name>
    <message numerus="yes">
        <source>Pendiente %1; R² %2 %; %n puntos en uso</source>
        <translation>
            <numerusform>Pendiente %1; R² %2 %; %n punto en uso</numerusform>
            <numerusform>Pendiente %1; R² %2 %; %n puntos en uso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n puntos, x de %1 a %2, y de %3 a %4</source>
        <translation>
            <numerusform>%n punto, x de %1 a %2, y de %3 a %4</numerusform>
            <numerusform>%n puntos, x de %1 a %2, y de %3 a %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>retos</name>
    <message numerus="yes">
        <source>Rondas: %1; total: %n puntos; mejor racha: %2; error medio absoluto de r: %3</source>
        <translation>
            <numerusform>Rondas: %1; total: %n punto; mejor racha: %2; error medio absoluto de r: %3</numerusform>
            <numerusform>Rondas: %1; total: %n puntos; mejor racha: %2; error medio absoluto de r: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>r = %1. Tu respuesta: %2; error %3: %n puntos.</source>
        <translation>
            <numerusform>r = %1. Tu respuesta: %2; error %3: %n punto.</numerusform>
            <numerusform>r = %1. Tu respuesta: %2; error %3: %n puntos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCErr de mínimos cuadrados %1; la de tu recta %2: %n puntos.</source>
        <translation>
            <numerusform>SCErr de mínimos cuadrados %1; la de tu recta %2: %n punto.</numerusform>
            <numerusform>SCErr de mínimos cuadrados %1; la de tu recta %2: %n puntos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>¡Correcto! %n puntos.</source>
        <translation>
            <numerusform>¡Correcto! %n punto.</numerusform>
            <numerusform>¡Correcto! %n puntos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Incorrecto: %n puntos.</source>
        <translation>
            <numerusform>Incorrecto: %n punto.</numerusform>
            <numerusform>Incorrecto: %n puntos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Objetivo logrado con %n movimientos: %1 puntos.</source>
        <translation>
            <numerusform>Objetivo logrado con un movimiento: %1 puntos.</numerusform>
            <numerusform>Objetivo logrado con %n movimientos: %1 puntos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>simulacion</name>
    <message numerus="yes">
        <source>%n muestras de %1 puntos</source>
        <translation>
            <numerusform>%n muestra de %1 puntos</numerusform>
            <numerusform>%n muestras de %1 puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n intervalos contienen β₁ (esperado %2 %)</source>
        <translation>
            <numerusform>%1 de %n intervalo contiene β₁ (esperado %2 %)</numerusform>
            <numerusform>%1 de %n intervalos contienen β₁ (esperado %2 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n observaciones nuevas en x = %2 en su intervalo (esperado %3 %)</source>
        <translation>
            <numerusform>%1 de %n observación nueva en x = %2 en su intervalo (esperado %3 %)</numerusform>
            <numerusform>%1 de %n observaciones nuevas en x = %2 en su intervalo (esperado %3 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n intervalos de la respuesta media la contienen (esperado %2 %)</source>
        <translation>
            <numerusform>%1 de %n intervalo de la respuesta media la contiene (esperado %2 %)</numerusform>
            <numerusform>%1 de %n intervalos de la respuesta media la contienen (esperado %2 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n barajadas de %1 puntos</source>
        <translation>
            <numerusform>%n barajada de %1 puntos</numerusform>
            <numerusform>%n barajadas de %1 puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remuestras de %1 puntos</source>
        <translation>
            <numerusform>%n remuestra de %1 puntos</numerusform>
            <numerusform>%n remuestras de %1 puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>|b*| ≥ |b| en %1 de %n barajadas: valor p %2</source>
        <translation>
            <numerusform>|b*| ≥ |b| en %1 de %n barajada: valor p %2</numerusform>
            <numerusform>|b*| ≥ |b| en %1 de %n barajadas: valor p %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remuestras sin pendiente</source>
        <translation>
            <numerusform>%n remuestra sin pendiente</numerusform>
            <numerusform>%n remuestras sin pendiente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Agregar %n muestras</source>
        <translation>
            <numerusform>Agregar %n muestra</numerusform>
            <numerusform>Agregar %n muestras</numerusform>
        </translation>
    </message>
</context>
</TS>
