<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Form1</name>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Generar</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Análisis de varianza</source>
        <translation>Analysis of variance</translation>
    </message>
    <message>
        <source>Predicción</source>
        <translation>Prediction</translation>
    </message>
    <message>
        <source>Bandas de confianza 95%</source>
        <translation>95% confidence bands</translation>
    </message>
    <message>
        <source>Valores p exactos</source>
        <translation>Exact p-values</translation>
    </message>
    <message>
        <source>Calcula los valores p y los cuantiles con la distribución t exacta en lugar de la tabla</source>
        <translation>Computes the p-values and quantiles from the exact t distribution instead of the table</translation>
    </message>
    <message>
        <source>Ampliar a la pantalla</source>
        <translation>Fit to screen</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Etimación de parámetros</source>
        <translation>Parameter estimation</translation>
    </message>
    <message>
        <source>Intercepto a</source>
        <translation>Intercept a</translation>
    </message>
    <message>
        <source>Pendiente b</source>
        <translation>Slope b</translation>
    </message>
    <message>
        <source>Varianza del error</source>
        <translation>Error variance</translation>
    </message>
    <message>
        <source>Estimador puntual</source>
        <translation>Point estimate</translation>
    </message>
    <message>
        <source>Error estándar</source>
        <translation>Standard error</translation>
    </message>
    <message>
        <source>Intervalo de confianza coeficiente</source>
        <translation>Confidence
interval</translation>
    </message>
    <message>
        <source>Prueba hipótesis :</source>
        <translation>Hypothesis test:</translation>
    </message>
    <message>
        <source>Estadístico de prueba observado</source>
        <translation>Observed test statistic</translation>
    </message>
    <message>
        <source>Valor-p</source>
        <translation>p-value</translation>
    </message>
    <message>
        <source>Coeficiente de determinación</source>
        <translation>Coefficient of determination</translation>
    </message>
    <message>
        <source>entre 65 y 99</source>
        <translation>between 65 and 99</translation>
    </message>
    <message>
        <source>Estadísticos de las variables </source>
        <translation>Statistics of the variables </translation>
    </message>
    <message>
        <source>Promedio</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Varianza</source>
        <translation>Variance</translation>
    </message>
    <message>
        <source>Desv. estándar</source>
        <translation>Std. deviation</translation>
    </message>
    <message>
        <source>Correlación entre X e Y</source>
        <translation>Correlation of X and Y</translation>
    </message>
    <message>
        <source>Cálculos auxiliares</source>
        <translation>Auxiliary sums</translation>
    </message>
    <message>
        <source>Tamaño muestral</source>
        <translation>Sample size</translation>
    </message>
    <message>
        <source>Mínimo 3 y máximo 50</source>
        <translation>Minimum 3, maximum 50</translation>
    </message>
    <message>
        <source>mover el punto %1</source>
        <translation>move point %1</translation>
    </message>
    <message>
        <source>  PARA  UTILIZAR  ESTE  RECURSO  DIDACTICO</source>
        <translation>  TO  USE  THIS  TEACHING  RESOURCE</translation>
    </message>
    <message>
        <source>    DEBE  CONFIGURAR  LA  PANTALLA  CON</source>
        <translation>    SET  THE  SCREEN  TO  A</translation>
    </message>
    <message>
        <source>      RESOLUCION  1024 X 768  PIXELES</source>
        <translation>      RESOLUTION  OF  1024 X 768  PIXELS</translation>
    </message>
    <message>
        <source>  Tutorvia sobre Regresión Lineal Simple.</source>
        <translation>  Tutor on Simple Linear Regression.</translation>
    </message>
    <message>
        <source>  Permite visualizar el efecto de cambios</source>
        <translation>  It shows the effect of changes</translation>
    </message>
    <message>
        <source>  en las observaciones sobre diversas medidas y</source>
        <translation>  in the observations on several measures and</translation>
    </message>
    <message>
        <source>  estimadores relacionados con el modelo de</source>
        <translation>  estimators related to the model of</translation>
    </message>
    <message>
        <source>  Regresión Lineal Simple. </source>
        <translation>  Simple Linear Regression. </translation>
    </message>
    <message>
        <source>  Mueva los puntos y observe qué pasa </source>
        <translation>  Move the points and watch what happens </translation>
    </message>
    <message>
        <source>  con los indicadores.</source>
        <translation>  to the indicators,</translation>
    </message>
    <message>
        <source>  o elimine puntos con el </source>
        <translation>  or delete points with the right mouse button.</translation>
    </message>
    <message>
        <source>   Recurso didáctico desarrollado por</source>
        <translation>   Teaching resource developed by</translation>
    </message>
    <message>
        <source>   el equipo de Rectaviva</source>
        <translation>   the Rectaviva team</translation>
    </message>
    <message>
        <source>   para la enseñanza de la</source>
        <translation>   for teaching</translation>
    </message>
    <message>
        <source>   Regresión Lineal Simple.</source>
        <translation>   Simple Linear Regression.</translation>
    </message>
    <message>
        <source>CSV para hojas de cálculo en español: «;» y coma decimal (*.csv)</source>
        <translation>CSV for spreadsheets in Spanish: “;” and decimal comma (*.csv)</translation>
    </message>
    <message>
        <source>CSV internacional: «,» y punto decimal (*.csv)</source>
        <translation>International CSV: “,” and decimal point (*.csv)</translation>
    </message>
    <message>
        <source>Texto separado por tabuladores, coma decimal (*.tsv *.txt)</source>
        <translation>Tab-separated text, decimal comma (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>Texto separado por tabuladores, punto decimal (*.tsv *.txt)</source>
        <translation>Tab-separated text, decimal point (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>Datos</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Conjuntos de ejemplo</source>
        <translation>Example data sets</translation>
    </message>
    <message>
        <source>Pegar datos…</source>
        <translation>Paste data…</translation>
    </message>
    <message>
        <source>Abrir datos…</source>
        <translation>Open data…</translation>
    </message>
    <message>
        <source>Guardar datos…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Copiar resultados</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>Copiar gráfico</source>
        <translation>Copy plot</translation>
    </message>
    <message>
        <source>Guardar gráfico…</source>
        <translation>Save plot…</translation>
    </message>
    <message>
        <source>cambiar el tamaño a %1</source>
        <translation>change the size to %1</translation>
    </message>
    <message>
        <source>cambiar el nivel de confianza</source>
        <translation>change the confidence level</translation>
    </message>
    <message>
        <source>cambiar el nivel de predicción</source>
        <translation>change the prediction level</translation>
    </message>
    <message>
        <source>cambiar la x de la predicción</source>
        <translation>change the prediction&apos;s x</translation>
    </message>
    <message>
        <source>eliminar el punto %1</source>
        <translation>delete point %1</translation>
    </message>
    <message>
        <source>recuperar el punto %1</source>
        <translation>restore point %1</translation>
    </message>
    <message>
        <source>en uso</source>
        <translation>in use</translation>
    </message>
</context>
<context>
    <name>accesible</name>
    <message>
        <source>del gráfico</source>
        <translation>of the plot</translation>
    </message>
    <message>
        <source>de los estadísticos de las variables</source>
        <translation>of the variables&apos; statistics</translation>
    </message>
    <message>
        <source>de los cálculos auxiliares</source>
        <translation>of the auxiliary sums</translation>
    </message>
    <message>
        <source>de la estimación de los parámetros</source>
        <translation>of the parameter estimation</translation>
    </message>
    <message>
        <source>de la prueba de hipótesis</source>
        <translation>of the hypothesis test</translation>
    </message>
    <message>
        <source>de la varianza del error y del coeficiente de determinación</source>
        <translation>of the error variance and the coefficient of determination</translation>
    </message>
    <message>
        <source>del análisis de varianza</source>
        <translation>of the analysis of variance</translation>
    </message>
    <message>
        <source>de la predicción</source>
        <translation>of the prediction</translation>
    </message>
    <message>
        <source>Mantenga pulsada la barra espaciadora</source>
        <translation>Hold down the space bar</translation>
    </message>
    <message>
        <source>Explicación %1</source>
        <translation>Explanation %1</translation>
    </message>
    <message>
        <source>Fórmulas %1</source>
        <translation>Formulas %1</translation>
    </message>
    <message>
        <source>Gráfico de dispersión</source>
        <translation>Scatter plot</translation>
    </message>
    <message>
        <source>Lista de puntos</source>
        <translation>List of points</translation>
    </message>
    <message>
        <source>Estimación de parámetros</source>
        <translation>Parameter estimation</translation>
    </message>
    <message>
        <source>Estadísticos de las variables</source>
        <translation>Statistics of the variables</translation>
    </message>
    <message>
        <source>Análisis de varianza</source>
        <translation>Analysis of variance</translation>
    </message>
    <message>
        <source>Herramientas</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Predicción</source>
        <translation>Prediction</translation>
    </message>
    <message>
        <source>Eliminar o recuperar</source>
        <translation>Delete or restore</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>cajas</name>
    <message>
        <source>Intercepto a, estimador puntual</source>
        <translation>Intercept a, point estimate</translation>
    </message>
    <message>
        <source>Pendiente b, estimador puntual</source>
        <translation>Slope b, point estimate</translation>
    </message>
    <message>
        <source>Varianza del error</source>
        <translation>Error variance</translation>
    </message>
    <message>
        <source>Intercepto a, error estándar</source>
        <translation>Intercept a, standard error</translation>
    </message>
    <message>
        <source>Pendiente b, error estándar</source>
        <translation>Slope b, standard error</translation>
    </message>
    <message>
        <source>Intercepto a, límite inferior del intervalo de confianza</source>
        <translation>Intercept a, lower limit of the confidence interval</translation>
    </message>
    <message>
        <source>Intercepto a, límite superior del intervalo de confianza</source>
        <translation>Intercept a, upper limit of the confidence interval</translation>
    </message>
    <message>
        <source>Pendiente b, límite inferior del intervalo de confianza</source>
        <translation>Slope b, lower limit of the confidence interval</translation>
    </message>
    <message>
        <source>Pendiente b, límite superior del intervalo de confianza</source>
        <translation>Slope b, upper limit of the confidence interval</translation>
    </message>
    <message>
        <source>Nivel de confianza, en %</source>
        <translation>Confidence level, in %</translation>
    </message>
    <message>
        <source>Intercepto a, estadístico de prueba</source>
        <translation>Intercept a, test statistic</translation>
    </message>
    <message>
        <source>Pendiente b, estadístico de prueba</source>
        <translation>Slope b, test statistic</translation>
    </message>
    <message>
        <source>Intercepto a, valor-p</source>
        <translation>Intercept a, p-value</translation>
    </message>
    <message>
        <source>Pendiente b, valor-p</source>
        <translation>Slope b, p-value</translation>
    </message>
    <message>
        <source>Coeficiente de determinación, en %</source>
        <translation>Coefficient of determination, in %</translation>
    </message>
    <message>
        <source>Promedio de X</source>
        <translation>Mean of X</translation>
    </message>
    <message>
        <source>Promedio de Y</source>
        <translation>Mean of Y</translation>
    </message>
    <message>
        <source>Varianza de X</source>
        <translation>Variance of X</translation>
    </message>
    <message>
        <source>Varianza de Y</source>
        <translation>Variance of Y</translation>
    </message>
    <message>
        <source>Desviación estándar de X</source>
        <translation>Standard deviation of X</translation>
    </message>
    <message>
        <source>Desviación estándar de Y</source>
        <translation>Standard deviation of Y</translation>
    </message>
    <message>
        <source>Correlación entre X e Y</source>
        <translation>Correlation between X and Y</translation>
    </message>
    <message>
        <source>Sxx</source>
        <translation>Sxx</translation>
    </message>
    <message>
        <source>Syy</source>
        <translation>Syy</translation>
    </message>
    <message>
        <source>Sxy</source>
        <translation>Sxy</translation>
    </message>
    <message>
        <source>Tamaño muestral</source>
        <translation>Sample size</translation>
    </message>
    <message>
        <source>Suma de cuadrados de la regresión</source>
        <translation>Regression sum of squares</translation>
    </message>
    <message>
        <source>Suma de cuadrados del error</source>
        <translation>Error sum of squares</translation>
    </message>
    <message>
        <source>Suma de cuadrados total</source>
        <translation>Total sum of squares</translation>
    </message>
    <message>
        <source>Grados de libertad de la regresión</source>
        <translation>Regression degrees of freedom</translation>
    </message>
    <message>
        <source>Grados de libertad del error</source>
        <translation>Error degrees of freedom</translation>
    </message>
    <message>
        <source>Grados de libertad total</source>
        <translation>Total degrees of freedom</translation>
    </message>
    <message>
        <source>Cuadrado medio de la regresión</source>
        <translation>Regression mean square</translation>
    </message>
    <message>
        <source>Cuadrado medio del error</source>
        <translation>Error mean square</translation>
    </message>
    <message>
        <source>Cuociente F</source>
        <translation>F ratio</translation>
    </message>
    <message>
        <source>Valor-p del análisis de varianza</source>
        <translation>Analysis of variance p-value</translation>
    </message>
    <message>
        <source>Nivel de la predicción, en %</source>
        <translation>Prediction level, in %</translation>
    </message>
    <message>
        <source>Predicción en x</source>
        <translation>Prediction at x</translation>
    </message>
    <message>
        <source>Predicción de una observación, límite inferior</source>
        <translation>Prediction of one observation, lower limit</translation>
    </message>
    <message>
        <source>Predicción de una observación, límite superior</source>
        <translation>Prediction of one observation, upper limit</translation>
    </message>
    <message>
        <source>Respuesta media, límite inferior</source>
        <translation>Mean response, lower limit</translation>
    </message>
    <message>
        <source>Respuesta media, límite superior</source>
        <translation>Mean response, upper limit</translation>
    </message>
    <message>
        <source>Predicción puntual</source>
        <translation>Point prediction</translation>
    </message>
</context>
<context>
    <name>conjuntos</name>
    <message>
        <source>Anscombe I</source>
        <translation>Anscombe I</translation>
    </message>
    <message>
        <source>Una nube de puntos alrededor de una recta: el caso en que la recta describe bien los datos.</source>
        <translation>A cloud of points around a straight line: the case in which the line describes the data well.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Anscombe II</source>
        <translation>Anscombe II</translation>
    </message>
    <message>
        <source>Los mismos estadísticos que los otros tres, pero los puntos siguen una curva.</source>
        <translation>The same statistics as the other three, but the points follow a curve.</translation>
    </message>
    <message>
        <source>Anscombe III</source>
        <translation>Anscombe III</translation>
    </message>
    <message>
        <source>Los mismos estadísticos, pero los puntos están en una recta salvo uno, que tira de ella.</source>
        <translation>The same statistics, but the points lie on a line except one, which pulls the line towards it.</translation>
    </message>
    <message>
        <source>Anscombe IV</source>
        <translation>Anscombe IV</translation>
    </message>
    <message>
        <source>Los mismos estadísticos, pero todos los puntos tienen la misma x menos uno, que decide él solo la pendiente.</source>
        <translation>The same statistics, but every point has the same x except one, which alone decides the slope.</translation>
    </message>
    <message>
        <source>Frenado de 50 coches</source>
        <translation>Stopping distances of 50 cars</translation>
    </message>
    <message>
        <source>La distancia que necesitaron 50 coches de los años veinte para detenerse, según la velocidad a la que iban.</source>
        <translation>The distance 50 cars of the 1920s needed to stop, against the speed they were going.</translation>
    </message>
    <message>
        <source>Velocidad (mph)</source>
        <translation>Speed (mph)</translation>
    </message>
    <message>
        <source>Distancia de frenado (pies)</source>
        <translation>Stopping distance (ft)</translation>
    </message>
    <message>
        <source>Ebullición en los Alpes</source>
        <translation>Boiling in the Alps</translation>
    </message>
    <message>
        <source>La temperatura a la que hierve el agua según la presión del aire, medida a distintas alturas.</source>
        <translation>The temperature at which water boils, against the air pressure, measured at different altitudes.</translation>
    </message>
    <message>
        <source>Presión (pulgadas de mercurio)</source>
        <translation>Pressure (inches of mercury)</translation>
    </message>
    <message>
        <source>Punto de ebullición (°F)</source>
        <translation>Boiling point (°F)</translation>
    </message>
    <message>
        <source>Galaxias de Hubble</source>
        <translation>Hubble&apos;s galaxies</translation>
    </message>
    <message>
        <source>La distancia de 24 galaxias y la velocidad con que se alejan: la pendiente es la constante de Hubble tal como él la midió.</source>
        <translation>The distance of 24 galaxies and the speed at which they recede: the slope is Hubble&apos;s constant as he measured it.</translation>
    </message>
    <message>
        <source>Distancia (Mpc)</source>
        <translation>Distance (Mpc)</translation>
    </message>
    <message>
        <source>Velocidad de alejamiento (km/s)</source>
        <translation>Recession velocity (km/s)</translation>
    </message>
    <message>
        <source>Peso y estatura de 15 mujeres</source>
        <translation>Weight and height of 15 women</translation>
    </message>
    <message>
        <source>El peso medio de las mujeres estadounidenses de cada estatura, de 58 a 72 pulgadas.</source>
        <translation>The average weight of American women of each height, from 58 to 72 inches.</translation>
    </message>
    <message>
        <source>Estatura (pulgadas)</source>
        <translation>Height (inches)</translation>
    </message>
    <message>
        <source>Peso medio (libras)</source>
        <translation>Average weight (pounds)</translation>
    </message>
    <message>
        <source>Población de EE. UU.</source>
        <translation>US population</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Población (habitantes)</source>
        <translation>Population (inhabitants)</translation>
    </message>
    <message>
        <source>Planetas de Kepler</source>
        <translation>Kepler&apos;s planets</translation>
    </message>
    <message>
        <source>La distancia de los ocho planetas al Sol y lo que tardan en darle la vuelta: con el logaritmo de las dos, una recta de pendiente 3/2, la tercera ley de Kepler.</source>
        <translation>The eight planets&apos; distance from the Sun and the time they take to go round it: with the logarithm of both, a line of slope 3/2, Kepler&apos;s third law.</translation>
    </message>
    <message>
        <source>Distancia media al Sol (millones de km)</source>
        <translation>Mean distance from the Sun (millions of km)</translation>
    </message>
    <message>
        <source>Periodo orbital (días)</source>
        <translation>Orbital period (days)</translation>
    </message>
    <message>
        <source>Cerebro y cuerpo de 28 animales</source>
        <translation>Brain and body weights of 28 animals</translation>
    </message>
    <message>
        <source>El peso del cuerpo y el del cerebro de 28 especies: con el logaritmo de los dos se alinean, salvo tres dinosaurios que quedan muy por debajo de los demás.</source>
        <translation>The body and brain weights of 28 species: with the logarithm of both they line up, except three dinosaurs that lie far below the rest.</translation>
    </message>
    <message>
        <source>Peso del cuerpo (kg)</source>
        <translation>Body weight (kg)</translation>
    </message>
    <message>
        <source>Peso del cerebro (g)</source>
        <translation>Brain weight (g)</translation>
    </message>
    <message>
        <source>Los habitantes de Estados Unidos en cada censo desde 1790: con el logaritmo de la población la curva se endereza mucho, pero sigue curvada, porque el crecimiento se frenó.</source>
        <translation>The people of the United States at each census since 1790: the logarithm of the population straightens the curve a good deal, but it still bends, because growth slowed.</translation>
    </message>
    <message>
        <source>Picos de 342 pingüinos</source>
        <translation>Bills of 342 penguins</translation>
    </message>
    <message>
        <source>El largo y el alto del pico de 342 pingüinos de tres especies de la Antártida: con todos juntos la recta baja, pero dentro de cada especie sube. A 2 de los 344 pingüinos medidos les faltan las dos medidas y se dejan fuera.</source>
        <translation>The bill length and depth of 342 penguins of three Antarctic species: taken all together the line falls, but within each species it rises. Two of the 344 penguins measured lack both measurements and are left out.</translation>
    </message>
    <message>
        <source>Largo del pico (mm)</source>
        <translation>Bill length (mm)</translation>
    </message>
    <message>
        <source>Alto del pico (mm)</source>
        <translation>Bill depth (mm)</translation>
    </message>
    <message>
        <source>Erupciones del géiser Old Faithful</source>
        <translation>Eruptions of the Old Faithful geyser</translation>
    </message>
    <message>
        <source>Lo que duraron 272 erupciones del géiser Old Faithful, en Yellowstone, y la espera hasta la siguiente: cuanto más dura una erupción, más larga es la espera, y las erupciones forman dos grupos.</source>
        <translation>How long 272 eruptions of the Old Faithful geyser in Yellowstone lasted, and the wait until the next one: the longer an eruption, the longer the wait, and the eruptions fall into two groups.</translation>
    </message>
    <message>
        <source>Duración de la erupción (min)</source>
        <translation>Eruption duration (min)</translation>
    </message>
    <message>
        <source>Espera hasta la siguiente (min)</source>
        <translation>Wait until the next (min)</translation>
    </message>
</context>
<context>
    <name>cuadrados</name>
    <message>
        <source>Con más de 50 puntos no se dibujan los cuadrados.</source>
        <translation>With more than 50 points the squares are not drawn.</translation>
    </message>
</context>
<context>
    <name>datos</name>
    <message>
        <source>Línea %1, columna %2: «%3» tiene más cifras de las que el programa guarda; se lee como %4.</source>
        <translation>Line %1, column %2: “%3” has more digits than the program keeps; it is read as %4.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» tiene más cifras de las que el programa guarda; se lee como %4. Otro número se lee redondeado también.</source>
        <translation>Line %1, column %2: “%3” has more digits than the program keeps; it is read as %4. One more number is also read rounded.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» tiene más cifras de las que el programa guarda; se lee como %4. Otros %5 números se leen redondeados también.</source>
        <translation>Line %1, column %2: “%3” has more digits than the program keeps; it is read as %4. %5 more numbers are also read rounded.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; se lee como %4.</source>
        <translation>Line %1, column %2: “%3” is smaller than the program keeps; it is read as %4.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; se lee como %4. Otro número se lee redondeado también.</source>
        <translation>Line %1, column %2: “%3” is smaller than the program keeps; it is read as %4. One more number is also read rounded.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; se lee como %4. Otros %5 números se leen redondeados también.</source>
        <translation>Line %1, column %2: “%3” is smaller than the program keeps; it is read as %4. %5 more numbers are also read rounded.</translation>
    </message>
    <message>
        <source>No hay números en el texto.</source>
        <translation>The text has no numbers.</translation>
    </message>
    <message>
        <source>Los datos tienen una sola columna; hacen falta dos (x e y).</source>
        <translation>The data have a single column; two are needed (x and y).</translation>
    </message>
    <message>
        <source>La columna elegida no está en los datos.</source>
        <translation>The chosen column is not in the data.</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» no es un número finito</source>
        <translation>line %1, column %2: “%3” is not a finite number</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» no es un número</source>
        <translation>line %1, column %2: “%3” is not a number</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» pasa de 10¹⁵, el mayor valor que el programa lee</source>
        <translation>line %1, column %2: “%3” exceeds 10¹⁵, the largest value the program reads</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» no es 1 ni 0</source>
        <translation>line %1, column %2: “%3” is neither 1 nor 0</translation>
    </message>
    <message>
        <source>Hacen falta al menos 3 filas completas; hay %1.</source>
        <translation>At least 3 complete rows are needed; found %1.</translation>
    </message>
    <message>
        <source>Los valores de la columna %1 están demasiado juntos: el gráfico no puede separarlos.</source>
        <translation>The values of column %1 are too close together: the plot cannot tell them apart.</translation>
    </message>
    <message>
        <source>«%1» puede leerse como %2 o como %3; se lee con coma decimal.</source>
        <translation>“%1” can be read as %2 or as %3; it is read with a decimal comma.</translation>
    </message>
    <message>
        <source>«%1» puede leerse como %2 o como %3; se lee con punto decimal.</source>
        <translation>“%1” can be read as %2 or as %3; it is read with a decimal point.</translation>
    </message>
    <message>
        <source>El archivo no es de texto.</source>
        <translation>The file is not text.</translation>
    </message>
    <message>
        <source>Elija dos columnas distintas para x y para y.</source>
        <translation>Choose two different columns for x and for y.</translation>
    </message>
    <message>
        <source>Hacen falta al menos 3 puntos en uso; los datos marcan %1.</source>
        <translation>At least 3 points in use are needed; the data mark %1.</translation>
    </message>
    <message>
        <source>Los datos tienen %1 filas con números; el programa lee hasta 100 000. Guarde en otro archivo solo una parte de las filas y ábralo.</source>
        <translation>The data have %1 rows with numbers; the program reads up to 100,000. Save just part of the rows in another file and open that.</translation>
    </message>
    <message>
        <source>La muestra necesita al menos 3 filas.</source>
        <translation>The sample needs at least 3 rows.</translation>
    </message>
    <message>
        <source>La última fila va antes de la primera.</source>
        <translation>The last row comes before the first.</translation>
    </message>
    <message>
        <source>«%1» pasa de 50 MB, el mayor archivo que el programa abre. Guarde solo las columnas que necesita, o una parte de las filas, y ábralo de nuevo.</source>
        <translation>“%1” is over 50 MB, the largest file the program opens. Save only the columns you need, or part of the rows, and open it again.</translation>
    </message>
    <message>
        <source>Escriba un número en cada casilla de las filas.</source>
        <translation>Type a number in each box of the rows.</translation>
    </message>
</context>
<context>
    <name>hojas</name>
    <message>
        <source>La hoja «%1» tiene fechas u horas (la primera en la fila %2, columna %3), que no se leen como números: sus columnas no se ofrecen para x ni y.</source>
        <translation>Sheet “%1” has dates or times (the first in row %2, column %3), which are not read as numbers: their columns are not offered for x or y.</translation>
    </message>
    <message>
        <source>El archivo no es un libro de hoja de cálculo: no tiene el formato zip de los archivos .xlsx y .ods.</source>
        <translation>The file is not a spreadsheet file: it is not in the zip format of .xlsx and .ods files.</translation>
    </message>
    <message>
        <source>El archivo está dañado o incompleto y no se puede leer como libro de hoja de cálculo. Ábralo en su programa de hojas de cálculo y guárdelo de nuevo.</source>
        <translation>The file is damaged or incomplete and cannot be read as a spreadsheet file. Open it in your spreadsheet program and save it again.</translation>
    </message>
    <message>
        <source>El archivo zip no tiene dentro un libro .xlsx ni .ods con hojas.</source>
        <translation>The zip file holds no .xlsx or .ods spreadsheet with sheets.</translation>
    </message>
    <message>
        <source>El libro pasa de 200 MB al descomprimirlo, más de lo que el programa lee. Guarde en un libro nuevo solo la hoja y las columnas que necesita.</source>
        <translation>Unpacked, the file is over 200 MB, more than the program reads. Save only the sheet and the columns you need in a new file.</translation>
    </message>
    <message>
        <source>La hoja «%1» pasa de 100.000 filas de datos, las más que el programa lee. Guarde solo una parte de las filas y ábralo de nuevo.</source>
        <translation>Sheet “%1” has more than 100,000 rows of data, the most the program reads. Save only some of the rows and open it again.</translation>
    </message>
</context>
<context>
    <name>influencia</name>
    <message>
        <source>Punto %1: x = %2, y = %3, residuo = %4, residuo estandarizado = %5, apalancamiento = %6, distancia de Cook = %7</source>
        <translation>Point %1: x = %2, y = %3, residual = %4, standardized residual = %5, leverage = %6, Cook&apos;s distance = %7</translation>
    </message>
    <message>
        <source>Influencia</source>
        <translation>Influence</translation>
    </message>
</context>
<context>
    <name>laminas</name>
    <message>
        <source>Fórmulas %1</source>
        <translation>Formulas %1</translation>
    </message>
    <message>
        <source>Explicación %1</source>
        <translation>Explanation %1</translation>
    </message>
    <message>
        <source>de la influencia</source>
        <translation>of influence</translation>
    </message>
    <message>
        <source>de mi recta</source>
        <translation>of my line</translation>
    </message>
    <message>
        <source>de los residuos</source>
        <translation>of the residuals</translation>
    </message>
    <message>
        <source>de la simulación</source>
        <translation>of the simulation</translation>
    </message>
    <message>
        <source>del remuestreo</source>
        <translation>of resampling</translation>
    </message>
    <message>
        <source>de los retos</source>
        <translation>of the challenges</translation>
    </message>
    <message>
        <source>de los residuos en los retos</source>
        <translation>of the residual challenge</translation>
    </message>
    <message>
        <source>de las transformaciones</source>
        <translation>of the transformations</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>rectaviva: no hay pantalla donde mostrar la ventana (DISPLAY y WAYLAND_DISPLAY vacíos)
</source>
        <translation>rectaviva: no display to show the window on (DISPLAY and WAYLAND_DISPLAY empty)
</translation>
    </message>
    <message>
        <source>rectaviva: no se pudo abrir la pantalla donde mostrar la ventana
</source>
        <translation>rectaviva: could not open the display to show the window on
</translation>
    </message>
</context>
<context>
    <name>mirecta</name>
    <message>
        <source>Con todas las x iguales no existe la recta de mínimos cuadrados.</source>
        <translation>With all x equal there is no least-squares line.</translation>
    </message>
    <message>
        <source>Los puntos están sobre una recta y tu recta es esa misma.</source>
        <translation>The points lie on a line and your line is that very line.</translation>
    </message>
    <message>
        <source>Los puntos están sobre una recta y tu recta no es esa: la de mínimos cuadrados no deja error.</source>
        <translation>The points lie on a line and yours is not it: the least-squares line leaves no error.</translation>
    </message>
    <message>
        <source>Tu recta deja un %1 % más de error que la de mínimos cuadrados.</source>
        <translation>Your line leaves %1% more error than the least-squares line.</translation>
    </message>
    <message>
        <source>Asa izquierda de mi recta</source>
        <translation>Left handle of my line</translation>
    </message>
    <message>
        <source>Asa derecha de mi recta</source>
        <translation>Right handle of my line</translation>
    </message>
    <message>
        <source>Mi recta</source>
        <translation>My line</translation>
    </message>
    <message>
        <source>Suma de cuadrados de mi recta</source>
        <translation>Sum of squares of my line</translation>
    </message>
    <message>
        <source>SCErr de mínimos cuadrados</source>
        <translation>Least-squares SSErr</translation>
    </message>
    <message>
        <source>La recta de mínimos cuadrados es menos empinada que la de las desviaciones estándar cuando |r| &lt; 1: es el efecto de regresión. Muchas rectas trazadas a ojo siguen la segunda.</source>
        <translation>The least-squares line is less steep than the line of standard deviations when |r| &lt; 1: this is the regression effect. Many lines drawn by eye follow the latter.</translation>
    </message>
    <message>
        <source>Mostrar la recta de mínimos cuadrados</source>
        <translation>Show the least-squares line</translation>
    </message>
    <message>
        <source>Probar otra vez</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>Cuadrados</source>
        <translation>Squares</translation>
    </message>
    <message>
        <source>Suma de cuadrados de la recta de mínimos cuadrados</source>
        <translation>Sum of squares of the least-squares line</translation>
    </message>
    <message>
        <source>Cuadrados de mi recta</source>
        <translation>Squares of my line</translation>
    </message>
</context>
<context>
    <name>paneles</name>
    <message>
        <source>Analisis de varianza</source>
        <translation>Analysis of variance</translation>
    </message>
    <message>
        <source>Fuente de variación</source>
        <translation>Source of variation</translation>
    </message>
    <message>
        <source>Suma de cuadrados</source>
        <translation>Sum of squares</translation>
    </message>
    <message>
        <source>Grados lib.</source>
        <translation>df</translation>
    </message>
    <message>
        <source>Cuadrados medios</source>
        <translation>Mean squares</translation>
    </message>
    <message>
        <source>Cuociente F</source>
        <translation>F ratio</translation>
    </message>
    <message>
        <source>Valor-p</source>
        <translation>p-value</translation>
    </message>
    <message>
        <source>Regresión</source>
        <translation>Regression</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Predicción </source>
        <translation>Prediction </translation>
    </message>
    <message>
        <source>Respuesta media</source>
        <translation>Mean response</translation>
    </message>
    <message>
        <source>Predicción de una observación </source>
        <translation>Prediction of one observation </translation>
    </message>
    <message>
        <source>Predicción en   x =</source>
        <translation>Prediction at   x =</translation>
    </message>
    <message>
        <source>Predicción puntual</source>
        <translation>Point prediction</translation>
    </message>
    <message>
        <source>Intervalo de confianza coeficiente</source>
        <translation>Confidence level</translation>
    </message>
    <message>
        <source>Contrae los puntos verticalmente</source>
        <translation>Contract the points vertically</translation>
    </message>
    <message>
        <source>Expande los puntos verticalmente</source>
        <translation>Expand the points vertically</translation>
    </message>
    <message>
        <source>Contrae los puntos horizontalmente</source>
        <translation>Contract the points horizontally</translation>
    </message>
    <message>
        <source>Expande los puntos horizontalmente</source>
        <translation>Expand the points horizontally</translation>
    </message>
    <message>
        <source>Sube los puntos</source>
        <translation>Move the points up</translation>
    </message>
    <message>
        <source>Baja los puntos</source>
        <translation>Move the points down</translation>
    </message>
    <message>
        <source>Mueve los puntos a la izquierda</source>
        <translation>Move the points left</translation>
    </message>
    <message>
        <source>Mueve los puntos a la derecha</source>
        <translation>Move the points right</translation>
    </message>
    <message>
        <source>Contrae los puntos</source>
        <translation>Contract the points</translation>
    </message>
    <message>
        <source>Expande los puntos</source>
        <translation>Expand the points</translation>
    </message>
</context>
<context>
    <name>rectaviva::DialogoDatos</name>
    <message>
        <source>Columna %1: %2</source>
        <translation>Column %1: %2</translation>
    </message>
    <message>
        <source>Columna %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Cargar datos: %1</source>
        <translation>Load data: %1</translation>
    </message>
    <message>
        <source>Tabulador</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Punto y coma (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>Coma (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>Espacios</source>
        <translation>Spaces</translation>
    </message>
    <message>
        <source>Punto (1.5)</source>
        <translation>Point (1.5)</translation>
    </message>
    <message>
        <source>Coma (1,5)</source>
        <translation>Comma (1,5)</translation>
    </message>
    <message>
        <source>La primera fila tiene los nombres</source>
        <translation>The first row holds the names</translation>
    </message>
    <message>
        <source>Cargar</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Separador de campos:</source>
        <translation>Field separator:</translation>
    </message>
    <message>
        <source>Marca decimal:</source>
        <translation>Decimal mark:</translation>
    </message>
    <message>
        <source>Columnas:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>Separador, marca decimal y nombres deducidos del texto; cámbielos si no son los de sus datos.</source>
        <translation>Separator, decimal mark and names guessed from the text; change them if they don&apos;t match your data.</translation>
    </message>
    <message numerus="yes">
        <source>Se cargarán %n puntos.</source>
        <translation>
            <numerusform>%n point will be loaded.</numerusform>
            <numerusform>%n points will be loaded.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hoja:</source>
        <translation>Sheet:</translation>
    </message>
    <message>
        <source>Filas:</source>
        <translation>Rows:</translation>
    </message>
    <message numerus="yes">
        <source>La vista muestra los %1 primeros puntos; se cargarán %n más.</source>
        <translation>
            <numerusform>The preview shows the first %1 points; one more will be loaded.</numerusform>
            <numerusform>The preview shows the first %1 points; %n more will be loaded.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n filas sin número en x o y se dejan fuera.</source>
        <translation>
            <numerusform>One row without a number in x or y is left out.</numerusform>
            <numerusform>%n rows without a number in x or y are left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rectaviva::EleccionDeFilas</name>
    <message>
        <source>Todas las filas</source>
        <translation>All rows</translation>
    </message>
    <message>
        <source>Una muestra al azar de</source>
        <translation>A random sample of</translation>
    </message>
    <message>
        <source>Filas de la muestra</source>
        <translation>Rows in the sample</translation>
    </message>
    <message>
        <source>Código de la muestra</source>
        <translation>Sample code</translation>
    </message>
    <message>
        <source>Las filas de la</source>
        <translation>Rows from</translation>
    </message>
    <message>
        <source>Primera fila</source>
        <translation>First row</translation>
    </message>
    <message>
        <source>Última fila</source>
        <translation>Last row</translation>
    </message>
    <message>
        <source>filas, código</source>
        <translation>rows, code</translation>
    </message>
    <message>
        <source>a la</source>
        <translation>to</translation>
    </message>
</context>
<context>
    <name>rectaviva::Form1</name>
    <message>
        <source>%1 de %2: %3, en uso</source>
        <translation>%1 of %2: %3, in use</translation>
    </message>
    <message>
        <source>%1 de %2: %3, eliminado</source>
        <translation>%1 of %2: %3, deleted</translation>
    </message>
    <message>
        <source>Punto %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>x %1, y %2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>%1
Fuente: %2</source>
        <translation>%1
Source: %2</translation>
    </message>
    <message>
        <source>El portapapeles no tiene texto. Copie antes dos columnas de una hoja de cálculo o de un archivo de texto.</source>
        <translation>The clipboard holds no text. First copy two columns from a spreadsheet or a text file.</translation>
    </message>
    <message>
        <source>portapapeles</source>
        <translation>clipboard</translation>
    </message>
    <message>
        <source>Abrir datos</source>
        <translation>Open data</translation>
    </message>
    <message>
        <source>No se pudo abrir «%1»: %2</source>
        <translation>Could not open “%1”: %2</translation>
    </message>
    <message>
        <source>«%1»: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>pegar los datos</source>
        <translation>paste the data</translation>
    </message>
    <message>
        <source>cargar %1</source>
        <translation>load %1</translation>
    </message>
    <message>
        <source>Guardar datos</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1»: %2</source>
        <translation>Could not save “%1”: %2</translation>
    </message>
    <message>
        <source>cargar los datos</source>
        <translation>load the data</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Deshacer «%1»</source>
        <translation>Undo “%1”</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Rehacer «%1»</source>
        <translation>Redo “%1”</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1».</source>
        <translation>Could not save “%1”.</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imagen PNG al doble de tamaño (*.png)</source>
        <translation>PNG image at twice the size (*.png)</translation>
    </message>
    <message>
        <source>Imagen PNG al cuádruple de tamaño (*.png)</source>
        <translation>PNG image at four times the size (*.png)</translation>
    </message>
    <message>
        <source>Dibujo SVG, nítido a cualquier tamaño (*.svg)</source>
        <translation>SVG drawing, sharp at any size (*.svg)</translation>
    </message>
    <message>
        <source>Guardar gráfico</source>
        <translation>Save plot</translation>
    </message>
    <message>
        <source>%1 tomada</source>
        <translation>%1 grabbed</translation>
    </message>
    <message>
        <source>%1 tomado</source>
        <translation>%1 grabbed</translation>
    </message>
    <message>
        <source>%1 soltada: %2</source>
        <translation>%1 dropped: %2</translation>
    </message>
    <message>
        <source>%1 soltado: %2</source>
        <translation>%1 dropped: %2</translation>
    </message>
    <message>
        <source>cancelado</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>x %1; y %2</source>
        <translation>x %1; y %2</translation>
    </message>
    <message numerus="yes">
        <source>Pendiente %1; R² %2 %; %n puntos en uso</source>
        <translation>
            <numerusform>Slope %1; R² %2%; %n point in use</numerusform>
            <numerusform>Slope %1; R² %2%; %n points in use</numerusform>
        </translation>
    </message>
    <message>
        <source>Nada que deshacer</source>
        <translation>Nothing to undo</translation>
    </message>
    <message>
        <source>Deshecho: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>Nada que rehacer</source>
        <translation>Nothing to redo</translation>
    </message>
    <message>
        <source>Rehecho: %1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>Tablas de datos (*.csv *.tsv *.txt *.xlsx *.ods);;Todos los archivos (*)</source>
        <translation>Data tables (*.csv *.tsv *.txt *.xlsx *.ods);;All files (*)</translation>
    </message>
    <message>
        <source>«%1» pasa de 50 MB, el mayor archivo que el programa abre. Guarde solo las columnas que necesita, o una parte de las filas, y ábralo de nuevo.</source>
        <translation>“%1” is over 50 MB, the largest file the program opens. Save only the columns you need, or some of the rows, and open it again.</translation>
    </message>
    <message>
        <source>Desplazar la lista de puntos</source>
        <translation>Scroll the list of points</translation>
    </message>
    <message>
        <source>La tabla llega a %1 grados de libertad; con %2 se usa la distribución t.</source>
        <translation>The table goes up to %1 degrees of freedom; with %2, the t distribution itself is used.</translation>
    </message>
    <message numerus="yes">
        <source>%n puntos, x de %1 a %2, y de %3 a %4</source>
        <translation>
            <numerusform>%n point, x from %1 to %2, y from %3 to %4</numerusform>
            <numerusform>%n points, x from %1 to %2, y from %3 to %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>residuos</name>
    <message>
        <source>Residuos</source>
        <translation>Residuals</translation>
    </message>
    <message>
        <source>SCTot = SCReg + SCErr</source>
        <translation>SSTot = SSReg + SSErr</translation>
    </message>
    <message>
        <source>SCReg</source>
        <translation>SSReg</translation>
    </message>
    <message>
        <source>SCErr</source>
        <translation>SSErr</translation>
    </message>
    <message>
        <source>SCTot</source>
        <translation>SSTot</translation>
    </message>
    <message>
        <source>Suma de residuos</source>
        <translation>Sum of residuals</translation>
    </message>
    <message>
        <source>Suma de cuadrados de residuos</source>
        <translation>Sum of squared residuals</translation>
    </message>
    <message>
        <source>Cuadrados</source>
        <translation>Squares</translation>
    </message>
    <message>
        <source>R², en %</source>
        <translation>R², in %</translation>
    </message>
    <message>
        <source>Gráfico de residuos</source>
        <translation>Residual plot</translation>
    </message>
    <message>
        <source>Cuadrados de los residuos</source>
        <translation>Squares of the residuals</translation>
    </message>
</context>
<context>
    <name>retos</name>
    <message>
        <source>reto %1</source>
        <translation>challenge %1</translation>
    </message>
    <message>
        <source>Respuesta contra r verdadero</source>
        <translation>Your answer against the true r</translation>
    </message>
    <message>
        <source>r verdadero</source>
        <translation>true r</translation>
    </message>
    <message>
        <source>tu respuesta</source>
        <translation>your answer</translation>
    </message>
    <message>
        <source>Adivina la correlación</source>
        <translation>Guess the correlation</translation>
    </message>
    <message>
        <source>Adivina la recta</source>
        <translation>Guess the line</translation>
    </message>
    <message>
        <source>Construye una nube</source>
        <translation>Build a cloud</translation>
    </message>
    <message>
        <source>Historial de retos</source>
        <translation>Challenge history</translation>
    </message>
    <message>
        <source>Reto</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>Código</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Verdad</source>
        <translation>Truth</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Rondas jugadas</source>
        <translation>Rounds played</translation>
    </message>
    <message>
        <source>Guardar historial…</source>
        <translation>Save history…</translation>
    </message>
    <message>
        <source>Guardar historial</source>
        <translation>Save history</translation>
    </message>
    <message>
        <source>Archivos CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Historial guardado en «%1».</source>
        <translation>History saved in “%1”.</translation>
    </message>
    <message>
        <source>Escribe un valor de r entre -1 y 1 y pulsa Comprobar.</source>
        <translation>Type a value of r between -1 and 1 and press Check.</translation>
    </message>
    <message>
        <source>Reto terminado.</source>
        <translation>Challenge ended.</translation>
    </message>
    <message>
        <source>Retos</source>
        <translation>Challenges</translation>
    </message>
    <message>
        <source>Código de reto…</source>
        <translation>Challenge code…</translation>
    </message>
    <message>
        <source>Historial</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Tu r:</source>
        <translation>Your r:</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Otra ronda</source>
        <translation>New round</translation>
    </message>
    <message>
        <source>Terminar</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>r = %1 (± %2)</source>
        <translation>r = %1 (± %2)</translation>
    </message>
    <message>
        <source>pendiente %1 (± %2) con R² al menos %3 %</source>
        <translation>slope %1 (± %2) with R² at least %3%</translation>
    </message>
    <message>
        <source>r cerca de 0 (|r| ≤ %1) con una recta que sí describe los puntos (s ≤ %2)</source>
        <translation>r near 0 (|r| ≤ %1) with a line that does describe the points (s ≤ %2)</translation>
    </message>
    <message>
        <source>Lleva tu recta, por sus asas, adonde creas que va la de mínimos cuadrados, y pulsa Comprobar.</source>
        <translation>Drag your line by its handles to where you think the least-squares line goes, then press Check.</translation>
    </message>
    <message>
        <source>Mueve, elimina y recupera puntos hasta lograr %1.</source>
        <translation>Move, delete and restore points until you reach %1.</translation>
    </message>
    <message>
        <source>Racha de %1: +%2.</source>
        <translation>Streak of %1: +%2.</translation>
    </message>
    <message>
        <source>La recta de mínimos cuadrados deja la menor suma de cuadrados posible: ninguna otra recta, tampoco la tuya, deja menos.</source>
        <translation>The least-squares line leaves the smallest possible sum of squares: no other line, yours included, leaves less.</translation>
    </message>
    <message>
        <source>Los puntos siguen una curva: la relación es fuerte, pero r solo mide cuánto se parecen a una recta.</source>
        <translation>The points follow a curve: the relation is strong, but r only measures how close they are to a straight line.</translation>
    </message>
    <message>
        <source>Un punto lejos de los demás pesa mucho en r: puede crear una correlación que la nube no tiene, o romper la que tiene.</source>
        <translation>One point far from the rest weighs heavily on r: it can create a correlation the cloud does not have, or break the one it has.</translation>
    </message>
    <message>
        <source>Son dos grupos separados: r mide sobre todo la distancia entre ellos, no una tendencia dentro de cada uno.</source>
        <translation>These are two separate groups: r mostly measures the distance between them, not a trend within each.</translation>
    </message>
    <message>
        <source>Ahora r = %1.</source>
        <translation>Now r = %1.</translation>
    </message>
    <message>
        <source>Ahora pendiente %1 con R² %2 %.</source>
        <translation>Now slope %1 with R² %2%.</translation>
    </message>
    <message>
        <source>Ahora r = %1 y s = %2.</source>
        <translation>Now r = %1 and s = %2.</translation>
    </message>
    <message>
        <source>Movimientos: %1.</source>
        <translation>Moves: %1.</translation>
    </message>
    <message>
        <source>Reto %1</source>
        <translation>Challenge %1</translation>
    </message>
    <message>
        <source>Tu respuesta: r</source>
        <translation>Your answer: r</translation>
    </message>
    <message>
        <source>Código de reto</source>
        <translation>Challenge code</translation>
    </message>
    <message>
        <source>Reto:</source>
        <translation>Challenge:</translation>
    </message>
    <message>
        <source>Código (1000 a 9999):</source>
        <translation>Code (1000 to 9999):</translation>
    </message>
    <message>
        <source>¿Qué dicen los residuos?</source>
        <translation>What do the residuals say?</translation>
    </message>
    <message>
        <source>Veinte gráficos de residuos</source>
        <translation>Twenty residual plots</translation>
    </message>
    <message>
        <source>Las flechas recorren los gráficos; Intro o Espacio elige el que destaca.</source>
        <translation>The arrows move through the plots; Enter or Space picks the one that stands out.</translation>
    </message>
    <message>
        <source>Gráfico %1 de %2</source>
        <translation>Plot %1 of %2</translation>
    </message>
    <message>
        <source>%1: tu muestra</source>
        <translation>%1: your sample</translation>
    </message>
    <message>
        <source>%1: tu elección</source>
        <translation>%1: your pick</translation>
    </message>
    <message>
        <source>Tu muestra</source>
        <translation>Your sample</translation>
    </message>
    <message>
        <source>Rueda de residuos</source>
        <translation>Residual lineup</translation>
    </message>
    <message>
        <source>Diecinueve de estos gráficos son de muestras en las que el modelo se cumple; uno es de tu muestra. ¿Cuál destaca?</source>
        <translation>Nineteen of these plots come from samples where the model holds; one is from your sample. Which one stands out?</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Elige una de las seis respuestas y pulsa Comprobar.</source>
        <translation>Choose one of the six answers and press Check.</translation>
    </message>
    <message>
        <source>La «Rueda de residuos» necesita una muestra con al menos 3 puntos en uso.</source>
        <translation>The “Residual lineup” needs a sample with at least 3 points in use.</translation>
    </message>
    <message>
        <source>Nada indica que el modelo falle</source>
        <translation>Nothing suggests the model fails</translation>
    </message>
    <message>
        <source>Curvatura: la relación no es una recta</source>
        <translation>Curvature: the relation is not a line</translation>
    </message>
    <message>
        <source>La dispersión crece (o decrece) con x</source>
        <translation>The spread grows (or shrinks) with x</translation>
    </message>
    <message>
        <source>Un valor atípico en y</source>
        <translation>An outlier in y</translation>
    </message>
    <message>
        <source>Un punto de mucha palanca que tira de la recta</source>
        <translation>A high-leverage point pulling the line</translation>
    </message>
    <message>
        <source>Dos grupos distintos</source>
        <translation>Two distinct groups</translation>
    </message>
    <message>
        <source>Los residuos forman una banda horizontal de ancho parejo, sin forma: una recta con dispersión constante describe los datos.</source>
        <translation>The residuals form a horizontal band of even width, with no shape: a line with constant spread describes the data.</translation>
    </message>
    <message>
        <source>Los residuos siguen un arco, la curva marcada: la relación no es una recta.</source>
        <translation>The residuals follow an arch, the curve drawn: the relation is not a line.</translation>
    </message>
    <message>
        <source>Los residuos se abren (o se cierran) a lo largo de x, entre las dos rectas marcadas: la varianza no es constante.</source>
        <translation>The residuals fan out (or close in) along x, between the two lines drawn: the variance is not constant.</translation>
    </message>
    <message>
        <source>Un residuo queda muy lejos de los demás, el del punto marcado: un valor atípico en y, con x cerca del centro.</source>
        <translation>One residual lies far from the others, the ringed point&apos;s: an outlier in y, with x near the center.</translation>
    </message>
    <message>
        <source>El punto marcado está lejos en x y tira de la recta hacia sí: su residuo puede ser pequeño, pero inclina los de los demás.</source>
        <translation>The ringed point lies far out in x and pulls the line towards itself: its own residual may be small, but it tilts the others&apos;.</translation>
    </message>
    <message>
        <source>Los residuos forman dos nubes, en dos colores: los puntos vienen de dos grupos distintos.</source>
        <translation>The residuals form two clouds, in two colors: the points come from two distinct groups.</translation>
    </message>
    <message>
        <source>Se transforma y (logaritmo, raíz) o se usan mínimos cuadrados ponderados: los errores estándar, los intervalos y las pruebas suponen varianza constante.</source>
        <translation>Transform y (logarithm, root) or use weighted least squares: the standard errors, the intervals and the tests assume constant variance.</translation>
    </message>
    <message>
        <source>Se revisa ese dato (¿un error al copiarlo? ¿otra población?) y se informa el ajuste con y sin él; no se borra solo porque estorba.</source>
        <translation>Check that datum (a copying error? another population?) and report the fit with and without it; do not delete it just because it is in the way.</translation>
    </message>
    <message>
        <source>Se revisa ese punto, se ajusta con y sin él, y no se extrapola más allá de los datos.</source>
        <translation>Check that point, fit with and without it, and do not extrapolate beyond the data.</translation>
    </message>
    <message>
        <source>Se ajusta un modelo por grupo, o se agrega al modelo una variable que indique el grupo.</source>
        <translation>Fit one model per group, or add to the model a variable that indicates the group.</translation>
    </message>
    <message>
        <source>Sin patrón se vería una banda horizontal pareja alrededor de 0.</source>
        <translation>With no pattern you would see an even horizontal band around 0.</translation>
    </message>
    <message>
        <source>Una curvatura se vería como un arco: residuos positivos en los extremos y negativos en medio, o al revés.</source>
        <translation>Curvature would look like an arch: positive residuals at the ends and negative ones in the middle, or the reverse.</translation>
    </message>
    <message>
        <source>Una dispersión que cambia se vería como un embudo: residuos cada vez más abiertos, o más juntos, a lo largo de x.</source>
        <translation>A changing spread would look like a funnel: residuals ever wider apart, or closer together, along x.</translation>
    </message>
    <message>
        <source>Un valor atípico se vería como un residuo solo, muy arriba o muy abajo de la banda de los demás.</source>
        <translation>An outlier would look like one residual alone, far above or below the band of the others.</translation>
    </message>
    <message>
        <source>Un punto de mucha palanca se vería solo, lejos en x, con los demás residuos inclinados por él.</source>
        <translation>A high-leverage point would stand alone, far out in x, with the other residuals tilted by it.</translation>
    </message>
    <message>
        <source>Dos grupos se verían como dos nubes de residuos separadas, cada una con su nivel o su tendencia.</source>
        <translation>Two groups would look like two separate clouds of residuals, each with its own level or trend.</translation>
    </message>
    <message>
        <source>La «Rueda de residuos» pone a prueba al ojo.</source>
        <translation>The “Residual lineup” puts the eye to the test.</translation>
    </message>
    <message numerus="yes">
        <source>Rondas: %1; total: %n puntos; mejor racha: %2; error medio absoluto de r: %3</source>
        <translation>
            <numerusform>Rounds: %1; total: %n point; best streak: %2; mean absolute error of r: %3</numerusform>
            <numerusform>Rounds: %1; total: %n points; best streak: %2; mean absolute error of r: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>r = %1. Tu respuesta: %2; error %3: %n puntos.</source>
        <translation>
            <numerusform>r = %1. Your answer: %2; error %3: %n point.</numerusform>
            <numerusform>r = %1. Your answer: %2; error %3: %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCErr de mínimos cuadrados %1; la de tu recta %2: %n puntos.</source>
        <translation>
            <numerusform>Least-squares SSErr %1; your line&apos;s %2: %n point.</numerusform>
            <numerusform>Least-squares SSErr %1; your line&apos;s %2: %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>¡Correcto! %n puntos.</source>
        <translation>
            <numerusform>Right! %n point.</numerusform>
            <numerusform>Right! %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Incorrecto: %n puntos.</source>
        <translation>
            <numerusform>Wrong: %n point.</numerusform>
            <numerusform>Wrong: %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Objetivo logrado con %n movimientos: %1 puntos.</source>
        <translation>
            <numerusform>Target reached in one move: %1 points.</numerusform>
            <numerusform>Target reached in %n moves: %1 points.</numerusform>
        </translation>
    </message>
    <message>
        <source>¡La encontraste sin haber visto tus residuos! Si el modelo se cumpliera, acertar por azar tendría probabilidad 1/20 = %1. Es evidencia de que tus residuos difieren de los de una muestra en la que el modelo se cumple; no dice qué patrón es ni prueba que el modelo sea falso.</source>
        <translation>You found it without having seen your residuals! If the model held, picking it by chance would have probability 1/20 = %1. This is evidence that your residuals differ from those of a sample in which the model holds; it does not say which pattern it is, nor does it prove the model wrong.</translation>
    </message>
    <message>
        <source>Es tu muestra, pero ya habías visto sus datos: la elección no fue a ciegas y no se le puede dar una probabilidad.</source>
        <translation>It is your sample, but you had already seen its data: the pick was not blind, and no probability can be given to it.</translation>
    </message>
    <message>
        <source>Elegiste la n.º %2, en rojo, y tu muestra era la n.º %1, en verde: esta vez el ojo no la distinguió de las muestras en las que el modelo se cumple.</source>
        <translation>You picked no. %2, in red, and your sample was no. %1, in green: this time the eye did not tell it from the samples in which the model holds.</translation>
    </message>
    <message>
        <source>Aún no hay rondas en el historial.</source>
        <translation>There are no rounds in the history yet.</translation>
    </message>
    <message>
        <source>Nada en los residuos muestra que la recta falle, aunque eso no prueba que sea el modelo correcto.</source>
        <translation>Nothing in the residuals shows that the line fails, though that does not prove it is the right model.</translation>
    </message>
    <message>
        <source>Se transforma una variable en «Transformar…»: logaritmo, raíz, inversa o x², con la que se ajusta y = a + b·x² en lugar de la recta.</source>
        <translation>Transform a variable in “Transform…”: logarithm, root, reciprocal or x², with which y = a + b·x² is fitted instead of the line.</translation>
    </message>
    <message>
        <source>Respuesta sobre los residuos: %1</source>
        <translation>Answer about the residuals: %1</translation>
    </message>
    <message>
        <source>Paso 1 de 2, antes de ver tus datos: en la «Rueda de residuos», uno de los veinte gráficos es el de tu muestra, en un lugar al azar. ¿Cuál destaca? Al cerrarla verás tu nube.</source>
        <translation>Step 1 of 2, before you see your data: in the “Residual lineup”, one of the twenty plots is your sample’s, in a random place. Which one stands out? When you close it you will see your cloud.</translation>
    </message>
    <message>
        <source>Cuadrados de tu recta en el reto</source>
        <translation>Squares of your line in the challenge</translation>
    </message>
</context>
<context>
    <name>simulacion</name>
    <message>
        <source>Distribución de %1</source>
        <translation>Distribution of %1</translation>
    </message>
    <message>
        <source>Con todas las x iguales no hay pendiente que simular.</source>
        <translation>With all x equal there is no slope to simulate.</translation>
    </message>
    <message>
        <source>Media de %1: %2 (teoría %3)</source>
        <translation>Mean of %1: %2 (theory %3)</translation>
    </message>
    <message>
        <source>Desv. estándar: %1 (teoría %2)</source>
        <translation>Std. deviation: %1 (theory %2)</translation>
    </message>
    <message>
        <source>La prueba rechaza β₁ = 0 en el %1 %: error de tipo I (esperado %2 %)</source>
        <translation>The test rejects β₁ = 0 in %1%: the type I error rate (expected %2%)</translation>
    </message>
    <message>
        <source>La prueba rechaza β₁ = 0 en el %1 %: es su potencia al %2 % (esperada %3 %)</source>
        <translation>The test rejects β₁ = 0 in %1%: its power at α = %2% (expected %3%)</translation>
    </message>
    <message>
        <source>La tabla interpola: su valor crítico %1 da un %2 % en vez de %3 %</source>
        <translation>The table interpolates: its critical value %1 gives %2% instead of %3%</translation>
    </message>
    <message>
        <source>Media de b*: %1; b de la muestra: %2</source>
        <translation>Mean of b*: %1; sample b: %2</translation>
    </message>
    <message>
        <source>Desv. estándar de b*: %1</source>
        <translation>Std. deviation of b*: %1</translation>
    </message>
    <message>
        <source>Valor p de la prueba t de la pendiente: %1</source>
        <translation>p-value of the slope&apos;s t test: %1</translation>
    </message>
    <message>
        <source>Intervalo percentil al %1 %: %2 a %3</source>
        <translation>%1% percentile interval: %2 to %3</translation>
    </message>
    <message>
        <source>Intervalo t al %1 %: %2 a %3</source>
        <translation>%1% t interval: %2 to %3</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Animar</source>
        <translation>Animate</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Distribución de b</source>
        <translation>Distribution of b</translation>
    </message>
    <message>
        <source>Intervalos para β₁</source>
        <translation>Intervals for β₁</translation>
    </message>
    <message>
        <source>El modelo: y = β₀ + β₁ x + ε, con ε normal de media 0 y desviación σ, en las x de tus puntos. Entre −100 y 100 para β₀, entre −10 y 10 para β₁, σ mayor que 0 y hasta 50.</source>
        <translation>The model: y = β₀ + β₁ x + ε, with ε normal with mean 0 and standard deviation σ, at the x of your points. β₀ between −100 and 100, β₁ between −10 and 10, σ above 0 and up to 50.</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Barajar</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>Bootstrap</source>
        <translation>Bootstrap</translation>
    </message>
    <message>
        <source>Reiniciar</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>β₀ del modelo</source>
        <translation>Model&apos;s β₀</translation>
    </message>
    <message>
        <source>β₁ del modelo</source>
        <translation>Model&apos;s β₁</translation>
    </message>
    <message>
        <source>σ del modelo</source>
        <translation>Model&apos;s σ</translation>
    </message>
    <message>
        <source>Histograma de la pendiente b</source>
        <translation>Histogram of the slope b</translation>
    </message>
    <message>
        <source>Histograma del intercepto a</source>
        <translation>Histogram of the intercept a</translation>
    </message>
    <message>
        <source>Histograma de la varianza del error s²</source>
        <translation>Histogram of the error variance s²</translation>
    </message>
    <message>
        <source>Histograma del estadístico t</source>
        <translation>Histogram of the t statistic</translation>
    </message>
    <message>
        <source>Muestras del modelo</source>
        <translation>Samples from the model</translation>
    </message>
    <message>
        <source>Barajar las y sobre las x</source>
        <translation>Shuffle the y over the x</translation>
    </message>
    <message>
        <source>Remuestrear los puntos con reposición</source>
        <translation>Resample the points with replacement</translation>
    </message>
    <message>
        <source>Histograma</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Últimos intervalos para β₁</source>
        <translation>Latest intervals for β₁</translation>
    </message>
    <message numerus="yes">
        <source>%n muestras de %1 puntos</source>
        <translation>
            <numerusform>%n sample of %1 points</numerusform>
            <numerusform>%n samples of %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n intervalos contienen β₁ (esperado %2 %)</source>
        <translation>
            <numerusform>%1 of %n interval contains β₁ (expected %2%)</numerusform>
            <numerusform>%1 of %n intervals contain β₁ (expected %2%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n observaciones nuevas en x = %2 en su intervalo (esperado %3 %)</source>
        <translation>
            <numerusform>%1 of %n new observation at x = %2 fell inside its prediction interval (expected %3%)</numerusform>
            <numerusform>%1 of %n new observations at x = %2 fell inside their prediction intervals (expected %3%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n intervalos de la respuesta media la contienen (esperado %2 %)</source>
        <translation>
            <numerusform>%1 of %n mean-response interval contains it (expected %2%)</numerusform>
            <numerusform>%1 of %n mean-response intervals contain it (expected %2%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n barajadas de %1 puntos</source>
        <translation>
            <numerusform>%n shuffle of %1 points</numerusform>
            <numerusform>%n shuffles of %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remuestras de %1 puntos</source>
        <translation>
            <numerusform>%n resample of %1 points</numerusform>
            <numerusform>%n resamples of %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>|b*| ≥ |b| en %1 de %n barajadas: valor p %2</source>
        <translation>
            <numerusform>|b*| ≥ |b| in %1 of %n shuffle: p-value %2</numerusform>
            <numerusform>|b*| ≥ |b| in %1 of %n shuffles: p-value %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remuestras sin pendiente</source>
        <translation>
            <numerusform>%n resample without a slope</numerusform>
            <numerusform>%n resamples without a slope</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Agregar %n muestras</source>
        <translation>
            <numerusform>Add %n sample</numerusform>
            <numerusform>Add %n samples</numerusform>
        </translation>
    </message>
    <message>
        <source>Sin muestras: pulsa 1, 10, 100 o 1000.</source>
        <translation>No samples yet: press 1, 10, 100 or 1000.</translation>
    </message>
    <message>
        <source>El modelo: y = β₀ + β₁ x + ε, con ε normal de media 0 y desviación σ, en las x de tus puntos. En las unidades de los datos: β₀ y β₁ hasta 10¹⁵ en valor absoluto, σ mayor que 0 y hasta 10¹⁵.</source>
        <translation>The model: y = β₀ + β₁ x + ε, with ε normal of mean 0 and deviation σ, at the x of your points. In the data&apos;s units: β₀ and β₁ up to 10¹⁵ in absolute value, σ above 0 and up to 10¹⁵.</translation>
    </message>
</context>
<context>
    <name>transformar</name>
    <message>
        <source>√%1</source>
        <translation>√%1</translation>
    </message>
    <message>
        <source>1/%1</source>
        <translation>1/%1</translation>
    </message>
    <message>
        <source>%1²</source>
        <translation>%1²</translation>
    </message>
    <message>
        <source>transformar</source>
        <translation>transform the data</translation>
    </message>
    <message>
        <source>Transformar…</source>
        <translation>Transform…</translation>
    </message>
    <message>
        <source>Transformar</source>
        <translation>Transform</translation>
    </message>
    <message>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Escala de los datos</source>
        <translation>Data&apos;s own scale</translation>
    </message>
    <message>
        <source>No se puede: algún valor no lo admite o no hay datos cargados.</source>
        <translation>Not possible: some value does not allow it, or no data are loaded.</translation>
    </message>
    <message>
        <source>Escala de los datos: los puntos y la curva en sus unidades.</source>
        <translation>Data&apos;s own scale: the points and the curve in their units.</translation>
    </message>
    <message>
        <source>Escala transformada: la recta.</source>
        <translation>Transformed scale: the line.</translation>
    </message>
    <message>
        <source>El punto se detiene en el borde: más allá la transformación no se puede deshacer.</source>
        <translation>The point stops at the edge: beyond it the transformation cannot be undone.</translation>
    </message>
    <message>
        <source>Solo con datos: «Datos» carga un conjunto.</source>
        <translation>Needs data: “Data” loads a set.</translation>
    </message>
    <message>
        <source>Valores que no la admiten: %1.</source>
        <translation>Values that do not allow it: %1.</translation>
    </message>
    <message>
        <source>, de %1 sobre %2</source>
        <translation>, of %1 on %2</translation>
    </message>
    <message>
        <source>logaritmo decimal</source>
        <translation>common logarithm</translation>
    </message>
    <message>
        <source>logaritmo natural</source>
        <translation>natural logarithm</translation>
    </message>
    <message>
        <source>raíz cuadrada</source>
        <translation>square root</translation>
    </message>
    <message>
        <source>inversa</source>
        <translation>reciprocal</translation>
    </message>
    <message>
        <source>cuadrado</source>
        <translation>square</translation>
    </message>
    <message>
        <source>Residuos sin transformar</source>
        <translation>Residuals before transforming</translation>
    </message>
    <message>
        <source>Residuos transformados</source>
        <translation>Residuals after transforming</translation>
    </message>
    <message>
        <source>«Datos» carga un conjunto para transformarlo.</source>
        <translation>“Data” loads a set to transform.</translation>
    </message>
    <message>
        <source>Elige una transformación de x, de y o de las dos.</source>
        <translation>Choose a transformation of x, of y, or of both.</translation>
    </message>
    <message>
        <source>Sin recta: hacen falta tres puntos con x distintas.</source>
        <translation>No line: three points with different x are needed.</translation>
    </message>
    <message>
        <source>La curva lleva esa recta a las unidades de los datos.</source>
        <translation>The curve takes that line to the data&apos;s own units.</translation>
    </message>
    <message>
        <source>Cada vez que x se multiplica por %1, y cambia en %2.</source>
        <translation>Each time x is multiplied by %1, y changes by %2.</translation>
    </message>
    <message>
        <source>La nube se detiene en el borde: más allá la transformación no se puede deshacer.</source>
        <translation>The cloud stops at the edge: beyond it the transformation cannot be undone.</translation>
    </message>
    <message>
        <source>log₁₀(%1)</source>
        <translation>log₁₀(%1)</translation>
    </message>
    <message>
        <source>ln(%1)</source>
        <translation>ln(%1)</translation>
    </message>
    <message>
        <source>√(%1)</source>
        <translation>√(%1)</translation>
    </message>
    <message>
        <source>1/(%1)</source>
        <translation>1/(%1)</translation>
    </message>
    <message>
        <source>(%1)²</source>
        <translation>(%1)²</translation>
    </message>
    <message>
        <source>Ajuste de %1 sobre %2</source>
        <translation>Fit of %1 on %2</translation>
    </message>
    <message>
        <source>No se ofrece mientras haya una transformación: «Ver» → «Transformar…», «ninguna» en x y en y.</source>
        <translation>Not offered while a transformation is on: “View” → “Transform…”, “none” for x and for y.</translation>
    </message>
    <message>
        <source>Hay valores negativos y positivos: así no es monótona, y la curva devuelta no tendría sentido.</source>
        <translation>There are negative and positive values: over them it is not monotone, and the curve taken back would mean nothing.</translation>
    </message>
    <message>
        <source>Sin transformar, R² de y: %1&#xa0;%</source>
        <translation>Untransformed, R² of y: %1%</translation>
    </message>
    <message>
        <source>Transformado, R² de %1: %2&#xa0;%</source>
        <translation>Transformed, R² of %1: %2%</translation>
    </message>
    <message>
        <source>En el modelo, y crece a un ritmo fijo: se multiplica por %1 (un %2&#xa0;% más) con cada aumento de 1 en x; el de los datos puede variar.</source>
        <translation>In the model, y grows at a fixed rate: it is multiplied by %1 (%2% more) with each increase of 1 in x; the data&apos;s own rate may vary.</translation>
    </message>
    <message>
        <source>En el modelo, y decrece a un ritmo fijo: se multiplica por %1 (un %2&#xa0;% menos) con cada aumento de 1 en x; el de los datos puede variar.</source>
        <translation>In the model, y shrinks at a fixed rate: it is multiplied by %1 (%2% less) with each increase of 1 in x; the data&apos;s own rate may vary.</translation>
    </message>
    <message>
        <source>Un 1&#xa0;% más de x va con cerca de un %1&#xa0;% más de y (la elasticidad).</source>
        <translation>1% more x goes with about %1% more y (the elasticity).</translation>
    </message>
    <message>
        <source>R²: %1&#xa0;% sin transformar y %2&#xa0;% con x transformada; los dos son partes de la varianza de y y se comparan.</source>
        <translation>R²: %1% untransformed and %2% with x transformed; both are shares of the variance of y, so they can be compared.</translation>
    </message>
    <message>
        <source>R² de %1: %2&#xa0;%, de su varianza, no de la de y; en unidades de y, la curva deja más error que la media sola, y la recta sin transformar explica el %3&#xa0;%.</source>
        <translation>R² of %1: %2%, of its own variance, not that of y; in the units of y, the curve leaves more error than the mean alone, and the untransformed line explains %3%.</translation>
    </message>
    <message>
        <source>R² de %1: %2&#xa0;%, de su varianza, no de la de y; en unidades de y, la curva explica el %3&#xa0;% y la recta sin transformar, el %4&#xa0;%.</source>
        <translation>R² of %1: %2%, of its own variance, not that of y; in the units of y, the curve explains %3% and the untransformed line %4%.</translation>
    </message>
    <message>
        <source>En x = %1: mediana de y = %2; al %3&#xa0;%, mediana de %4 a %5, una observación de %6 a %7.</source>
        <translation>At x = %1: median of y = %2; at %3%, the median from %4 to %5, one observation from %6 to %7.</translation>
    </message>
    <message>
        <source>En x = %1: y = %2; al %3&#xa0;%, media de %4 a %5, una observación de %6 a %7.</source>
        <translation>At x = %1: y = %2; at %3%, the mean from %4 to %5, one observation from %6 to %7.</translation>
    </message>
    <message>
        <source>Transformación de x</source>
        <translation>Transformation of x</translation>
    </message>
    <message>
        <source>Transformación de y</source>
        <translation>Transformation of y</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
