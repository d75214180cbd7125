<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="es">
<context>
    <name>Form1</name>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Generar</source>
        <translation>Gerar</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Análisis de varianza</source>
        <translation>Análise de variância</translation>
    </message>
    <message>
        <source>Predicción</source>
        <translation>Predição</translation>
    </message>
    <message>
        <source>Bandas de confianza 95%</source>
        <translation>Bandas de confiança 95%</translation>
    </message>
    <message>
        <source>Valores p exactos</source>
        <translation>Valores-p exatos</translation>
    </message>
    <message>
        <source>Calcula los valores p y los cuantiles con la distribución t exacta en lugar de la tabla</source>
        <translation>Calcula os valores-p e os quantis com a distribuição t exata em vez da tabela</translation>
    </message>
    <message>
        <source>Ampliar a la pantalla</source>
        <translation>Ajustar à tela</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Etimación de parámetros</source>
        <translation>Estimação de parâmetros</translation>
    </message>
    <message>
        <source>Intercepto a</source>
        <translation>Intercepto a</translation>
    </message>
    <message>
        <source>Pendiente b</source>
        <translation>Inclinação b</translation>
    </message>
    <message>
        <source>Varianza del error</source>
        <translation>Variância do erro</translation>
    </message>
    <message>
        <source>Estimador puntual</source>
        <translation>Estimativa pontual</translation>
    </message>
    <message>
        <source>Error estándar</source>
        <translation>Erro padrão</translation>
    </message>
    <message>
        <source>Intervalo de confianza coeficiente</source>
        <translation>Intervalo de confiança</translation>
    </message>
    <message>
        <source>Prueba hipótesis :</source>
        <translation>Teste de hipótese:</translation>
    </message>
    <message>
        <source>Estadístico de prueba observado</source>
        <translation>Estatística de teste observada</translation>
    </message>
    <message>
        <source>Valor-p</source>
        <translation>Valor-p</translation>
    </message>
    <message>
        <source>Coeficiente de determinación</source>
        <translation>Coeficiente de determinação</translation>
    </message>
    <message>
        <source>entre 65 y 99</source>
        <translation>entre 65 e 99</translation>
    </message>
    <message>
        <source>Estadísticos de las variables </source>
        <translation>Estatísticas das variáveis </translation>
    </message>
    <message>
        <source>Promedio</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Varianza</source>
        <translation>Variância</translation>
    </message>
    <message>
        <source>Desv. estándar</source>
        <translation>Desvio padrão</translation>
    </message>
    <message>
        <source>Correlación entre X e Y</source>
        <translation>Correlação entre X e Y</translation>
    </message>
    <message>
        <source>Cálculos auxiliares</source>
        <translation>Cálculos auxiliares</translation>
    </message>
    <message>
        <source>Tamaño muestral</source>
        <translation>Tamanho amostral</translation>
    </message>
    <message>
        <source>Mínimo 3 y máximo 50</source>
        <translation>Mínimo 3 e máximo 50</translation>
    </message>
    <message>
        <source>mover el punto %1</source>
        <translation>mover o ponto %1</translation>
    </message>
    <message>
        <source>  PARA  UTILIZAR  ESTE  RECURSO  DIDACTICO</source>
        <translation>  PARA  USAR  ESTE  RECURSO  DIDÁTICO</translation>
    </message>
    <message>
        <source>    DEBE  CONFIGURAR  LA  PANTALLA  CON</source>
        <translation>    CONFIGURE  A  TELA  COM</translation>
    </message>
    <message>
        <source>      RESOLUCION  1024 X 768  PIXELES</source>
        <translation>      RESOLUÇÃO  1024 X 768  PIXELS</translation>
    </message>
    <message>
        <source>  Tutorvia sobre Regresión Lineal Simple.</source>
        <translation>  Tutor de Regressão Linear Simples.</translation>
    </message>
    <message>
        <source>  Permite visualizar el efecto de cambios</source>
        <translation>  Permite visualizar o efeito de mudanças</translation>
    </message>
    <message>
        <source>  en las observaciones sobre diversas medidas y</source>
        <translation>  nas observações sobre diversas medidas e</translation>
    </message>
    <message>
        <source>  estimadores relacionados con el modelo de</source>
        <translation>  estimadores relacionados ao modelo de</translation>
    </message>
    <message>
        <source>  Regresión Lineal Simple. </source>
        <translation>  Regressão Linear Simples. </translation>
    </message>
    <message>
        <source>  Mueva los puntos y observe qué pasa </source>
        <translation>  Mova os pontos e observe o que acontece </translation>
    </message>
    <message>
        <source>  con los indicadores.</source>
        <translation>  com os indicadores,</translation>
    </message>
    <message>
        <source>  o elimine puntos con el </source>
        <translation>  ou exclua pontos com o botão direito do mouse.</translation>
    </message>
    <message>
        <source>   Recurso didáctico desarrollado por</source>
        <translation>   Recurso didático desenvolvido pela</translation>
    </message>
    <message>
        <source>   el equipo de Rectaviva</source>
        <translation>   equipe do Rectaviva</translation>
    </message>
    <message>
        <source>   para la enseñanza de la</source>
        <translation>   para o ensino da</translation>
    </message>
    <message>
        <source>   Regresión Lineal Simple.</source>
        <translation>   Regressão Linear Simples.</translation>
    </message>
    <message>
        <source>CSV para hojas de cálculo en español: «;» y coma decimal (*.csv)</source>
        <translation>CSV para planilhas em português: “;” e vírgula decimal (*.csv)</translation>
    </message>
    <message>
        <source>CSV internacional: «,» y punto decimal (*.csv)</source>
        <translation>CSV internacional: “,” e ponto decimal (*.csv)</translation>
    </message>
    <message>
        <source>Texto separado por tabuladores, coma decimal (*.tsv *.txt)</source>
        <translation>Texto separado por tabulações, vírgula decimal (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>Texto separado por tabuladores, punto decimal (*.tsv *.txt)</source>
        <translation>Texto separado por tabulações, ponto decimal (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>Datos</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Conjuntos de ejemplo</source>
        <translation>Conjuntos de exemplo</translation>
    </message>
    <message>
        <source>Pegar datos…</source>
        <translation>Colar dados…</translation>
    </message>
    <message>
        <source>Abrir datos…</source>
        <translation>Abrir dados…</translation>
    </message>
    <message>
        <source>Guardar datos…</source>
        <translation>Salvar dados…</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Copiar resultados</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Copiar gráfico</source>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>Guardar gráfico…</source>
        <translation>Salvar gráfico…</translation>
    </message>
    <message>
        <source>cambiar el tamaño a %1</source>
        <translation>alterar o tamanho para %1</translation>
    </message>
    <message>
        <source>cambiar el nivel de confianza</source>
        <translation>alterar o nível de confiança</translation>
    </message>
    <message>
        <source>cambiar el nivel de predicción</source>
        <translation>alterar o nível de predição</translation>
    </message>
    <message>
        <source>cambiar la x de la predicción</source>
        <translation>alterar o x da predição</translation>
    </message>
    <message>
        <source>eliminar el punto %1</source>
        <translation>excluir o ponto %1</translation>
    </message>
    <message>
        <source>recuperar el punto %1</source>
        <translation>recuperar o ponto %1</translation>
    </message>
    <message>
        <source>en uso</source>
        <translation>em uso</translation>
    </message>
</context>
<context>
    <name>accesible</name>
    <message>
        <source>del gráfico</source>
        <translation>do gráfico</translation>
    </message>
    <message>
        <source>de los estadísticos de las variables</source>
        <translation>das estatísticas das variáveis</translation>
    </message>
    <message>
        <source>de los cálculos auxiliares</source>
        <translation>dos cálculos auxiliares</translation>
    </message>
    <message>
        <source>de la estimación de los parámetros</source>
        <translation>da estimação dos parâmetros</translation>
    </message>
    <message>
        <source>de la prueba de hipótesis</source>
        <translation>do teste de hipótese</translation>
    </message>
    <message>
        <source>de la varianza del error y del coeficiente de determinación</source>
        <translation>da variância do erro e do coeficiente de determinação</translation>
    </message>
    <message>
        <source>del análisis de varianza</source>
        <translation>da análise de variância</translation>
    </message>
    <message>
        <source>de la predicción</source>
        <translation>da predição</translation>
    </message>
    <message>
        <source>Mantenga pulsada la barra espaciadora</source>
        <translation>Mantenha a barra de espaço pressionada</translation>
    </message>
    <message>
        <source>Explicación %1</source>
        <translation>Explicação %1</translation>
    </message>
    <message>
        <source>Fórmulas %1</source>
        <translation>Fórmulas %1</translation>
    </message>
    <message>
        <source>Gráfico de dispersión</source>
        <translation>Gráfico de dispersão</translation>
    </message>
    <message>
        <source>Lista de puntos</source>
        <translation>Lista de pontos</translation>
    </message>
    <message>
        <source>Estimación de parámetros</source>
        <translation>Estimação de parâmetros</translation>
    </message>
    <message>
        <source>Estadísticos de las variables</source>
        <translation>Estatísticas das variáveis</translation>
    </message>
    <message>
        <source>Análisis de varianza</source>
        <translation>Análise de variância</translation>
    </message>
    <message>
        <source>Herramientas</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Predicción</source>
        <translation>Predição</translation>
    </message>
    <message>
        <source>Eliminar o recuperar</source>
        <translation>Excluir ou recuperar</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>cajas</name>
    <message>
        <source>Intercepto a, estimador puntual</source>
        <translation>Intercepto a, estimativa pontual</translation>
    </message>
    <message>
        <source>Pendiente b, estimador puntual</source>
        <translation>Inclinação b, estimativa pontual</translation>
    </message>
    <message>
        <source>Varianza del error</source>
        <translation>Variância do erro</translation>
    </message>
    <message>
        <source>Intercepto a, error estándar</source>
        <translation>Intercepto a, erro padrão</translation>
    </message>
    <message>
        <source>Pendiente b, error estándar</source>
        <translation>Inclinação b, erro padrão</translation>
    </message>
    <message>
        <source>Intercepto a, límite inferior del intervalo de confianza</source>
        <translation>Intercepto a, limite inferior do intervalo de confiança</translation>
    </message>
    <message>
        <source>Intercepto a, límite superior del intervalo de confianza</source>
        <translation>Intercepto a, limite superior do intervalo de confiança</translation>
    </message>
    <message>
        <source>Pendiente b, límite inferior del intervalo de confianza</source>
        <translation>Inclinação b, limite inferior do intervalo de confiança</translation>
    </message>
    <message>
        <source>Pendiente b, límite superior del intervalo de confianza</source>
        <translation>Inclinação b, limite superior do intervalo de confiança</translation>
    </message>
    <message>
        <source>Nivel de confianza, en %</source>
        <translation>Nível de confiança, em %</translation>
    </message>
    <message>
        <source>Intercepto a, estadístico de prueba</source>
        <translation>Intercepto a, estatística de teste</translation>
    </message>
    <message>
        <source>Pendiente b, estadístico de prueba</source>
        <translation>Inclinação b, estatística de teste</translation>
    </message>
    <message>
        <source>Intercepto a, valor-p</source>
        <translation>Intercepto a, valor-p</translation>
    </message>
    <message>
        <source>Pendiente b, valor-p</source>
        <translation>Inclinação b, valor-p</translation>
    </message>
    <message>
        <source>Coeficiente de determinación, en %</source>
        <translation>Coeficiente de determinação, em %</translation>
    </message>
    <message>
        <source>Promedio de X</source>
        <translation>Média de X</translation>
    </message>
    <message>
        <source>Promedio de Y</source>
        <translation>Média de Y</translation>
    </message>
    <message>
        <source>Varianza de X</source>
        <translation>Variância de X</translation>
    </message>
    <message>
        <source>Varianza de Y</source>
        <translation>Variância de Y</translation>
    </message>
    <message>
        <source>Desviación estándar de X</source>
        <translation>Desvio padrão de X</translation>
    </message>
    <message>
        <source>Desviación estándar de Y</source>
        <translation>Desvio padrão de Y</translation>
    </message>
    <message>
        <source>Correlación entre X e Y</source>
        <translation>Correlação entre X e Y</translation>
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
        <translation>Tamanho amostral</translation>
    </message>
    <message>
        <source>Suma de cuadrados de la regresión</source>
        <translation>Soma de quadrados da regressão</translation>
    </message>
    <message>
        <source>Suma de cuadrados del error</source>
        <translation>Soma de quadrados do erro</translation>
    </message>
    <message>
        <source>Suma de cuadrados total</source>
        <translation>Soma de quadrados total</translation>
    </message>
    <message>
        <source>Grados de libertad de la regresión</source>
        <translation>Graus de liberdade da regressão</translation>
    </message>
    <message>
        <source>Grados de libertad del error</source>
        <translation>Graus de liberdade do erro</translation>
    </message>
    <message>
        <source>Grados de libertad total</source>
        <translation>Graus de liberdade total</translation>
    </message>
    <message>
        <source>Cuadrado medio de la regresión</source>
        <translation>Quadrado médio da regressão</translation>
    </message>
    <message>
        <source>Cuadrado medio del error</source>
        <translation>Quadrado médio do erro</translation>
    </message>
    <message>
        <source>Cuociente F</source>
        <translation>Razão F</translation>
    </message>
    <message>
        <source>Valor-p del análisis de varianza</source>
        <translation>Valor-p da análise de variância</translation>
    </message>
    <message>
        <source>Nivel de la predicción, en %</source>
        <translation>Nível da predição, em %</translation>
    </message>
    <message>
        <source>Predicción en x</source>
        <translation>Predição em x</translation>
    </message>
    <message>
        <source>Predicción de una observación, límite inferior</source>
        <translation>Predição de uma observação, limite inferior</translation>
    </message>
    <message>
        <source>Predicción de una observación, límite superior</source>
        <translation>Predição de uma observação, limite superior</translation>
    </message>
    <message>
        <source>Respuesta media, límite inferior</source>
        <translation>Resposta média, limite inferior</translation>
    </message>
    <message>
        <source>Respuesta media, límite superior</source>
        <translation>Resposta média, limite superior</translation>
    </message>
    <message>
        <source>Predicción puntual</source>
        <translation>Predição pontual</translation>
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
        <translation>Uma nuvem de pontos em torno de uma reta: o caso em que a reta descreve bem os dados.</translation>
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
        <translation>As mesmas estatísticas dos outros três, mas os pontos seguem uma curva.</translation>
    </message>
    <message>
        <source>Anscombe III</source>
        <translation>Anscombe III</translation>
    </message>
    <message>
        <source>Los mismos estadísticos, pero los puntos están en una recta salvo uno, que tira de ella.</source>
        <translation>As mesmas estatísticas, mas os pontos estão sobre uma reta, exceto um, que a puxa para si.</translation>
    </message>
    <message>
        <source>Anscombe IV</source>
        <translation>Anscombe IV</translation>
    </message>
    <message>
        <source>Los mismos estadísticos, pero todos los puntos tienen la misma x menos uno, que decide él solo la pendiente.</source>
        <translation>As mesmas estatísticas, mas todos os pontos têm o mesmo x menos um, que sozinho decide a inclinação.</translation>
    </message>
    <message>
        <source>Frenado de 50 coches</source>
        <translation>Distância de frenagem de 50 carros</translation>
    </message>
    <message>
        <source>La distancia que necesitaron 50 coches de los años veinte para detenerse, según la velocidad a la que iban.</source>
        <translation>A distância de que 50 carros dos anos 1920 precisaram para parar, conforme a velocidade em que andavam.</translation>
    </message>
    <message>
        <source>Velocidad (mph)</source>
        <translation>Velocidade (mph)</translation>
    </message>
    <message>
        <source>Distancia de frenado (pies)</source>
        <translation>Distância de frenagem (pés)</translation>
    </message>
    <message>
        <source>Ebullición en los Alpes</source>
        <translation>Ebulição nos Alpes</translation>
    </message>
    <message>
        <source>La temperatura a la que hierve el agua según la presión del aire, medida a distintas alturas.</source>
        <translation>A temperatura em que a água ferve segundo a pressão do ar, medida em diferentes altitudes.</translation>
    </message>
    <message>
        <source>Presión (pulgadas de mercurio)</source>
        <translation>Pressão (polegadas de mercúrio)</translation>
    </message>
    <message>
        <source>Punto de ebullición (°F)</source>
        <translation>Ponto de ebulição (°F)</translation>
    </message>
    <message>
        <source>Galaxias de Hubble</source>
        <translation>Galáxias de Hubble</translation>
    </message>
    <message>
        <source>La distancia de 24 galaxias y la velocidad con que se alejan: la pendiente es la constante de Hubble tal como él la midió.</source>
        <translation>A distância de 24 galáxias e a velocidade com que se afastam: a inclinação é a constante de Hubble tal como ele a mediu.</translation>
    </message>
    <message>
        <source>Distancia (Mpc)</source>
        <translation>Distância (Mpc)</translation>
    </message>
    <message>
        <source>Velocidad de alejamiento (km/s)</source>
        <translation>Velocidade de afastamento (km/s)</translation>
    </message>
    <message>
        <source>Peso y estatura de 15 mujeres</source>
        <translation>Peso e altura de 15 mulheres</translation>
    </message>
    <message>
        <source>El peso medio de las mujeres estadounidenses de cada estatura, de 58 a 72 pulgadas.</source>
        <translation>O peso médio das mulheres americanas de cada altura, de 58 a 72 polegadas.</translation>
    </message>
    <message>
        <source>Estatura (pulgadas)</source>
        <translation>Altura (polegadas)</translation>
    </message>
    <message>
        <source>Peso medio (libras)</source>
        <translation>Peso médio (libras)</translation>
    </message>
    <message>
        <source>Población de EE. UU.</source>
        <translation>População dos EUA</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Población (habitantes)</source>
        <translation>População (habitantes)</translation>
    </message>
    <message>
        <source>Planetas de Kepler</source>
        <translation>Planetas de Kepler</translation>
    </message>
    <message>
        <source>La distancia de los ocho planetas al Sol y lo que tardan en darle la vuelta: con el logaritmo de las dos, una recta de pendiente 3/2, la tercera ley de Kepler.</source>
        <translation>A distância dos oito planetas ao Sol e o tempo que levam para dar a volta nele: com o logaritmo dos dois, uma reta de inclinação 3/2, a terceira lei de Kepler.</translation>
    </message>
    <message>
        <source>Distancia media al Sol (millones de km)</source>
        <translation>Distância média ao Sol (milhões de km)</translation>
    </message>
    <message>
        <source>Periodo orbital (días)</source>
        <translation>Período orbital (dias)</translation>
    </message>
    <message>
        <source>Cerebro y cuerpo de 28 animales</source>
        <translation>Peso do cérebro e do corpo de 28 animais</translation>
    </message>
    <message>
        <source>El peso del cuerpo y el del cerebro de 28 especies: con el logaritmo de los dos se alinean, salvo tres dinosaurios que quedan muy por debajo de los demás.</source>
        <translation>O peso do corpo e o do cérebro de 28 espécies: com o logaritmo dos dois eles se alinham, exceto três dinossauros que ficam muito abaixo dos demais.</translation>
    </message>
    <message>
        <source>Peso del cuerpo (kg)</source>
        <translation>Peso do corpo (kg)</translation>
    </message>
    <message>
        <source>Peso del cerebro (g)</source>
        <translation>Peso do cérebro (g)</translation>
    </message>
    <message>
        <source>Los habitantes de Estados Unidos en cada censo desde 1790: con el logaritmo de la población la curva se endereza mucho, pero sigue curvada, porque el crecimiento se frenó.</source>
        <translation>Os habitantes dos Estados Unidos em cada censo desde 1790: com o logaritmo da população a curva fica bem mais reta, mas continua curva, porque o crescimento desacelerou.</translation>
    </message>
    <message>
        <source>Picos de 342 pingüinos</source>
        <translation>Bicos de 342 pinguins</translation>
    </message>
    <message>
        <source>El largo y el alto del pico de 342 pingüinos de tres especies de la Antártida: con todos juntos la recta baja, pero dentro de cada especie sube. A 2 de los 344 pingüinos medidos les faltan las dos medidas y se dejan fuera.</source>
        <translation>O comprimento e a altura do bico de 342 pinguins de três espécies da Antártida: com todos juntos a reta desce, mas dentro de cada espécie sobe. Faltam as duas medidas a 2 dos 344 pinguins medidos, que ficam de fora.</translation>
    </message>
    <message>
        <source>Largo del pico (mm)</source>
        <translation>Comprimento do bico (mm)</translation>
    </message>
    <message>
        <source>Alto del pico (mm)</source>
        <translation>Altura do bico (mm)</translation>
    </message>
    <message>
        <source>Erupciones del géiser Old Faithful</source>
        <translation>Erupções do gêiser Old Faithful</translation>
    </message>
    <message>
        <source>Lo que duraron 272 erupciones del géiser Old Faithful, en Yellowstone, y la espera hasta la siguiente: cuanto más dura una erupción, más larga es la espera, y las erupciones forman dos grupos.</source>
        <translation>Quanto duraram 272 erupções do gêiser Old Faithful, em Yellowstone, e a espera até a seguinte: quanto mais dura uma erupção, mais longa é a espera, e as erupções formam dois grupos.</translation>
    </message>
    <message>
        <source>Duración de la erupción (min)</source>
        <translation>Duração da erupção (min)</translation>
    </message>
    <message>
        <source>Espera hasta la siguiente (min)</source>
        <translation>Espera até a seguinte (min)</translation>
    </message>
</context>
<context>
    <name>cuadrados</name>
    <message>
        <source>Con más de 50 puntos no se dibujan los cuadrados.</source>
        <translation>Com mais de 50 pontos os quadrados não são desenhados.</translation>
    </message>
</context>
<context>
    <name>datos</name>
    <message>
        <source>Línea %1, columna %2: «%3» tiene más cifras de las que el programa guarda; se lee como %4.</source>
        <translation>Linha %1, coluna %2: “%3” tem mais algarismos do que o programa guarda; é lido como %4.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» tiene más cifras de las que el programa guarda; se lee como %4. Otro número se lee redondeado también.</source>
        <translation>Linha %1, coluna %2: “%3” tem mais algarismos do que o programa guarda; é lido como %4. Outro número também é lido arredondado.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» tiene más cifras de las que el programa guarda; se lee como %4. Otros %5 números se leen redondeados también.</source>
        <translation>Linha %1, coluna %2: “%3” tem mais algarismos do que o programa guarda; é lido como %4. Outros %5 números também são lidos arredondados.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; se lee como %4.</source>
        <translation>Linha %1, coluna %2: “%3” é menor do que o programa guarda; é lido como %4.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; se lee como %4. Otro número se lee redondeado también.</source>
        <translation>Linha %1, coluna %2: “%3” é menor do que o programa guarda; é lido como %4. Outro número também é lido arredondado.</translation>
    </message>
    <message>
        <source>Línea %1, columna %2: «%3» es más pequeño de lo que el programa guarda; se lee como %4. Otros %5 números se leen redondeados también.</source>
        <translation>Linha %1, coluna %2: “%3” é menor do que o programa guarda; é lido como %4. Outros %5 números também são lidos arredondados.</translation>
    </message>
    <message>
        <source>No hay números en el texto.</source>
        <translation>O texto não tem números.</translation>
    </message>
    <message>
        <source>Los datos tienen una sola columna; hacen falta dos (x e y).</source>
        <translation>Os dados têm uma só coluna; são necessárias duas (x e y).</translation>
    </message>
    <message>
        <source>La columna elegida no está en los datos.</source>
        <translation>A coluna escolhida não está nos dados.</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» no es un número finito</source>
        <translation>linha %1, coluna %2: “%3” não é um número finito</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» no es un número</source>
        <translation>linha %1, coluna %2: “%3” não é um número</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» pasa de 10¹⁵, el mayor valor que el programa lee</source>
        <translation>linha %1, coluna %2: “%3” passa de 10¹⁵, o maior valor que o programa lê</translation>
    </message>
    <message>
        <source>línea %1, columna %2: «%3» no es 1 ni 0</source>
        <translation>linha %1, coluna %2: “%3” não é 1 nem 0</translation>
    </message>
    <message>
        <source>Hacen falta al menos 3 filas completas; hay %1.</source>
        <translation>São necessárias pelo menos 3 linhas completas; há %1.</translation>
    </message>
    <message>
        <source>Los valores de la columna %1 están demasiado juntos: el gráfico no puede separarlos.</source>
        <translation>Os valores da coluna %1 estão próximos demais: o gráfico não consegue separá-los.</translation>
    </message>
    <message>
        <source>«%1» puede leerse como %2 o como %3; se lee con coma decimal.</source>
        <translation>“%1” pode ser lido como %2 ou como %3; é lido com vírgula decimal.</translation>
    </message>
    <message>
        <source>«%1» puede leerse como %2 o como %3; se lee con punto decimal.</source>
        <translation>“%1” pode ser lido como %2 ou como %3; é lido com ponto decimal.</translation>
    </message>
    <message>
        <source>El archivo no es de texto.</source>
        <translation>O arquivo não é de texto.</translation>
    </message>
    <message>
        <source>Elija dos columnas distintas para x y para y.</source>
        <translation>Escolha duas colunas diferentes para x e para y.</translation>
    </message>
    <message>
        <source>Hacen falta al menos 3 puntos en uso; los datos marcan %1.</source>
        <translation>São necessários pelo menos 3 pontos em uso; os dados marcam %1.</translation>
    </message>
    <message>
        <source>Los datos tienen %1 filas con números; el programa lee hasta 100 000. Guarde en otro archivo solo una parte de las filas y ábralo.</source>
        <translation>Os dados têm %1 linhas com números; o programa lê até 100.000. Salve em outro arquivo só uma parte das linhas e abra-o.</translation>
    </message>
    <message>
        <source>La muestra necesita al menos 3 filas.</source>
        <translation>A amostra precisa de pelo menos 3 linhas.</translation>
    </message>
    <message>
        <source>La última fila va antes de la primera.</source>
        <translation>A última linha vem antes da primeira.</translation>
    </message>
    <message>
        <source>«%1» pasa de 50 MB, el mayor archivo que el programa abre. Guarde solo las columnas que necesita, o una parte de las filas, y ábralo de nuevo.</source>
        <translation>“%1” passa de 50 MB, o maior arquivo que o programa abre. Salve só as colunas de que precisa, ou uma parte das linhas, e abra-o de novo.</translation>
    </message>
    <message>
        <source>Escriba un número en cada casilla de las filas.</source>
        <translation>Digite um número em cada caixa das linhas.</translation>
    </message>
</context>
<context>
    <name>hojas</name>
    <message>
        <source>La hoja «%1» tiene fechas u horas (la primera en la fila %2, columna %3), que no se leen como números: sus columnas no se ofrecen para x ni y.</source>
        <translation>A planilha “%1” tem datas ou horas (a primeira na linha %2, coluna %3), que não são lidas como números: suas colunas não são oferecidas para x nem y.</translation>
    </message>
    <message>
        <source>El archivo no es un libro de hoja de cálculo: no tiene el formato zip de los archivos .xlsx y .ods.</source>
        <translation>O arquivo não é de planilha: não tem o formato zip dos arquivos .xlsx e .ods.</translation>
    </message>
    <message>
        <source>El archivo está dañado o incompleto y no se puede leer como libro de hoja de cálculo. Ábralo en su programa de hojas de cálculo y guárdelo de nuevo.</source>
        <translation>O arquivo está danificado ou incompleto e não pode ser lido como planilha. Abra-o no seu programa de planilhas e salve-o de novo.</translation>
    </message>
    <message>
        <source>El archivo zip no tiene dentro un libro .xlsx ni .ods con hojas.</source>
        <translation>O arquivo zip não contém uma planilha .xlsx ou .ods.</translation>
    </message>
    <message>
        <source>El libro pasa de 200 MB al descomprimirlo, más de lo que el programa lee. Guarde en un libro nuevo solo la hoja y las columnas que necesita.</source>
        <translation>Descompactado, o arquivo passa de 200 MB, mais do que o programa lê. Salve num arquivo novo só a planilha e as colunas de que precisa.</translation>
    </message>
    <message>
        <source>La hoja «%1» pasa de 100.000 filas de datos, las más que el programa lee. Guarde solo una parte de las filas y ábralo de nuevo.</source>
        <translation>A planilha “%1” passa de 100.000 linhas de dados, o máximo que o programa lê. Salve só uma parte das linhas e abra-a de novo.</translation>
    </message>
</context>
<context>
    <name>influencia</name>
    <message>
        <source>Punto %1: x = %2, y = %3, residuo = %4, residuo estandarizado = %5, apalancamiento = %6, distancia de Cook = %7</source>
        <translation>Ponto %1: x = %2; y = %3; resíduo = %4; resíduo padronizado = %5; alavancagem = %6; distância de Cook = %7</translation>
    </message>
    <message>
        <source>Influencia</source>
        <translation>Influência</translation>
    </message>
</context>
<context>
    <name>laminas</name>
    <message>
        <source>Fórmulas %1</source>
        <translation>Fórmulas %1</translation>
    </message>
    <message>
        <source>Explicación %1</source>
        <translation>Explicação %1</translation>
    </message>
    <message>
        <source>de la influencia</source>
        <translation>da influência</translation>
    </message>
    <message>
        <source>de mi recta</source>
        <translation>da minha reta</translation>
    </message>
    <message>
        <source>de los residuos</source>
        <translation>dos resíduos</translation>
    </message>
    <message>
        <source>de la simulación</source>
        <translation>da simulação</translation>
    </message>
    <message>
        <source>del remuestreo</source>
        <translation>da reamostragem</translation>
    </message>
    <message>
        <source>de los retos</source>
        <translation>dos desafios</translation>
    </message>
    <message>
        <source>de los residuos en los retos</source>
        <translation>do desafio dos resíduos</translation>
    </message>
    <message>
        <source>de las transformaciones</source>
        <translation>das transformações</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>rectaviva: no hay pantalla donde mostrar la ventana (DISPLAY y WAYLAND_DISPLAY vacíos)
</source>
        <translation>rectaviva: não há tela onde mostrar a janela (DISPLAY e WAYLAND_DISPLAY vazios)
</translation>
    </message>
    <message>
        <source>rectaviva: no se pudo abrir la pantalla donde mostrar la ventana
</source>
        <translation>rectaviva: não foi possível abrir a tela onde mostrar a janela
</translation>
    </message>
</context>
<context>
    <name>mirecta</name>
    <message>
        <source>Con todas las x iguales no existe la recta de mínimos cuadrados.</source>
        <translation>Com todos os x iguais não existe reta de mínimos quadrados.</translation>
    </message>
    <message>
        <source>Los puntos están sobre una recta y tu recta es esa misma.</source>
        <translation>Os pontos estão sobre uma reta e sua reta é essa mesma.</translation>
    </message>
    <message>
        <source>Los puntos están sobre una recta y tu recta no es esa: la de mínimos cuadrados no deja error.</source>
        <translation>Os pontos estão sobre uma reta e a sua não é essa: a de mínimos quadrados não deixa erro.</translation>
    </message>
    <message>
        <source>Tu recta deja un %1 % más de error que la de mínimos cuadrados.</source>
        <translation>Sua reta deixa %1&#xa0;% mais erro que a de mínimos quadrados.</translation>
    </message>
    <message>
        <source>Asa izquierda de mi recta</source>
        <translation>Alça esquerda da minha reta</translation>
    </message>
    <message>
        <source>Asa derecha de mi recta</source>
        <translation>Alça direita da minha reta</translation>
    </message>
    <message>
        <source>Mi recta</source>
        <translation>Minha reta</translation>
    </message>
    <message>
        <source>Suma de cuadrados de mi recta</source>
        <translation>Minha reta: soma de quadrados</translation>
    </message>
    <message>
        <source>SCErr de mínimos cuadrados</source>
        <translation>SQE de mínimos quadrados</translation>
    </message>
    <message>
        <source>La recta de mínimos cuadrados es menos empinada que la de las desviaciones estándar cuando |r| &lt; 1: es el efecto de regresión. Muchas rectas trazadas a ojo siguen la segunda.</source>
        <translation>A reta de mínimos quadrados é menos inclinada que a dos desvios padrão quando |r| &lt; 1: é o efeito de regressão. Muitas retas traçadas a olho seguem a segunda.</translation>
    </message>
    <message>
        <source>Mostrar la recta de mínimos cuadrados</source>
        <translation>Mostrar a reta de mínimos quadrados</translation>
    </message>
    <message>
        <source>Probar otra vez</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Cuadrados</source>
        <translation>Quadrados</translation>
    </message>
    <message>
        <source>Suma de cuadrados de la recta de mínimos cuadrados</source>
        <translation>Soma de quadrados da reta de mínimos quadrados</translation>
    </message>
    <message>
        <source>Cuadrados de mi recta</source>
        <translation>Quadrados da minha reta</translation>
    </message>
</context>
<context>
    <name>paneles</name>
    <message>
        <source>Analisis de varianza</source>
        <translation>Análise de variância</translation>
    </message>
    <message>
        <source>Fuente de variación</source>
        <translation>Fonte de variação</translation>
    </message>
    <message>
        <source>Suma de cuadrados</source>
        <translation>Soma de quadrados</translation>
    </message>
    <message>
        <source>Grados lib.</source>
        <translation>GL</translation>
    </message>
    <message>
        <source>Cuadrados medios</source>
        <translation>Quadrados médios</translation>
    </message>
    <message>
        <source>Cuociente F</source>
        <translation>Razão F</translation>
    </message>
    <message>
        <source>Valor-p</source>
        <translation>Valor-p</translation>
    </message>
    <message>
        <source>Regresión</source>
        <translation>Regressão</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Predicción </source>
        <translation>Predição </translation>
    </message>
    <message>
        <source>Respuesta media</source>
        <translation>Resposta média</translation>
    </message>
    <message>
        <source>Predicción de una observación </source>
        <translation>Predição de uma observação </translation>
    </message>
    <message>
        <source>Predicción en   x =</source>
        <translation>Predição em   x =</translation>
    </message>
    <message>
        <source>Predicción puntual</source>
        <translation>Predição pontual</translation>
    </message>
    <message>
        <source>Intervalo de confianza coeficiente</source>
        <translation>Nível de confiança</translation>
    </message>
    <message>
        <source>Contrae los puntos verticalmente</source>
        <translation>Contrai os pontos verticalmente</translation>
    </message>
    <message>
        <source>Expande los puntos verticalmente</source>
        <translation>Expande os pontos verticalmente</translation>
    </message>
    <message>
        <source>Contrae los puntos horizontalmente</source>
        <translation>Contrai os pontos horizontalmente</translation>
    </message>
    <message>
        <source>Expande los puntos horizontalmente</source>
        <translation>Expande os pontos horizontalmente</translation>
    </message>
    <message>
        <source>Sube los puntos</source>
        <translation>Sobe os pontos</translation>
    </message>
    <message>
        <source>Baja los puntos</source>
        <translation>Desce os pontos</translation>
    </message>
    <message>
        <source>Mueve los puntos a la izquierda</source>
        <translation>Move os pontos para a esquerda</translation>
    </message>
    <message>
        <source>Mueve los puntos a la derecha</source>
        <translation>Move os pontos para a direita</translation>
    </message>
    <message>
        <source>Contrae los puntos</source>
        <translation>Contrai os pontos</translation>
    </message>
    <message>
        <source>Expande los puntos</source>
        <translation>Expande os pontos</translation>
    </message>
</context>
<context>
    <name>rectaviva::DialogoDatos</name>
    <message>
        <source>Columna %1: %2</source>
        <translation>Coluna %1: %2</translation>
    </message>
    <message>
        <source>Columna %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Cargar datos: %1</source>
        <translation>Carregar dados: %1</translation>
    </message>
    <message>
        <source>Tabulador</source>
        <translation>Tabulação</translation>
    </message>
    <message>
        <source>Punto y coma (;)</source>
        <translation>Ponto e vírgula (;)</translation>
    </message>
    <message>
        <source>Coma (,)</source>
        <translation>Vírgula (,)</translation>
    </message>
    <message>
        <source>Espacios</source>
        <translation>Espaços</translation>
    </message>
    <message>
        <source>Punto (1.5)</source>
        <translation>Ponto (1.5)</translation>
    </message>
    <message>
        <source>Coma (1,5)</source>
        <translation>Vírgula (1,5)</translation>
    </message>
    <message>
        <source>La primera fila tiene los nombres</source>
        <translation>A primeira linha tem os nomes</translation>
    </message>
    <message>
        <source>Cargar</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Separador de campos:</source>
        <translation>Separador de campos:</translation>
    </message>
    <message>
        <source>Marca decimal:</source>
        <translation>Separador decimal:</translation>
    </message>
    <message>
        <source>Columnas:</source>
        <translation>Colunas:</translation>
    </message>
    <message>
        <source>Separador, marca decimal y nombres deducidos del texto; cámbielos si no son los de sus datos.</source>
        <translation>Separador, separador decimal e nomes deduzidos do texto; altere-os se não corresponderem aos seus dados.</translation>
    </message>
    <message numerus="yes">
        <source>Se cargarán %n puntos.</source>
        <translation>
            <numerusform>Será carregado %n ponto.</numerusform>
            <numerusform>Serão carregados %n pontos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hoja:</source>
        <translation>Planilha:</translation>
    </message>
    <message>
        <source>Filas:</source>
        <translation>Linhas:</translation>
    </message>
    <message numerus="yes">
        <source>La vista muestra los %1 primeros puntos; se cargarán %n más.</source>
        <translation>
            <numerusform>A prévia mostra os %1 primeiros pontos; será carregado mais um.</numerusform>
            <numerusform>A prévia mostra os %1 primeiros pontos; serão carregados mais %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n filas sin número en x o y se dejan fuera.</source>
        <translation>
            <numerusform>Uma linha sem número em x ou y fica de fora.</numerusform>
            <numerusform>%n linhas sem número em x ou y ficam de fora.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rectaviva::EleccionDeFilas</name>
    <message>
        <source>Todas las filas</source>
        <translation>Todas as linhas</translation>
    </message>
    <message>
        <source>Una muestra al azar de</source>
        <translation>Uma amostra aleatória de</translation>
    </message>
    <message>
        <source>Filas de la muestra</source>
        <translation>Linhas da amostra</translation>
    </message>
    <message>
        <source>Código de la muestra</source>
        <translation>Código da amostra</translation>
    </message>
    <message>
        <source>Las filas de la</source>
        <translation>As linhas da</translation>
    </message>
    <message>
        <source>Primera fila</source>
        <translation>Primeira linha</translation>
    </message>
    <message>
        <source>Última fila</source>
        <translation>Última linha</translation>
    </message>
    <message>
        <source>filas, código</source>
        <translation>linhas, código</translation>
    </message>
    <message>
        <source>a la</source>
        <translation>à</translation>
    </message>
</context>
<context>
    <name>rectaviva::Form1</name>
    <message>
        <source>%1 de %2: %3, en uso</source>
        <translation>%1 de %2: %3, em uso</translation>
    </message>
    <message>
        <source>%1 de %2: %3, eliminado</source>
        <translation>%1 de %2: %3, excluído</translation>
    </message>
    <message>
        <source>Punto %1</source>
        <translation>Ponto %1</translation>
    </message>
    <message>
        <source>x %1, y %2</source>
        <translation>x %1; y %2</translation>
    </message>
    <message>
        <source>%1
Fuente: %2</source>
        <translation>%1
Fonte: %2</translation>
    </message>
    <message>
        <source>El portapapeles no tiene texto. Copie antes dos columnas de una hoja de cálculo o de un archivo de texto.</source>
        <translation>A área de transferência não tem texto. Copie antes duas colunas de uma planilha ou de um arquivo de texto.</translation>
    </message>
    <message>
        <source>portapapeles</source>
        <translation>área de transferência</translation>
    </message>
    <message>
        <source>Abrir datos</source>
        <translation>Abrir dados</translation>
    </message>
    <message>
        <source>No se pudo abrir «%1»: %2</source>
        <translation>Não foi possível abrir “%1”: %2</translation>
    </message>
    <message>
        <source>«%1»: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>pegar los datos</source>
        <translation>colar os dados</translation>
    </message>
    <message>
        <source>cargar %1</source>
        <translation>carregar %1</translation>
    </message>
    <message>
        <source>Guardar datos</source>
        <translation>Salvar dados</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1»: %2</source>
        <translation>Não foi possível salvar “%1”: %2</translation>
    </message>
    <message>
        <source>cargar los datos</source>
        <translation>carregar os dados</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Deshacer «%1»</source>
        <translation>Desfazer “%1”</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Rehacer «%1»</source>
        <translation>Refazer “%1”</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1».</source>
        <translation>Não foi possível salvar “%1”.</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Imagen PNG al doble de tamaño (*.png)</source>
        <translation>Imagem PNG no dobro do tamanho (*.png)</translation>
    </message>
    <message>
        <source>Imagen PNG al cuádruple de tamaño (*.png)</source>
        <translation>Imagem PNG no quádruplo do tamanho (*.png)</translation>
    </message>
    <message>
        <source>Dibujo SVG, nítido a cualquier tamaño (*.svg)</source>
        <translation>Desenho SVG, nítido em qualquer tamanho (*.svg)</translation>
    </message>
    <message>
        <source>Guardar gráfico</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>%1 tomada</source>
        <translation>%1 agarrada</translation>
    </message>
    <message>
        <source>%1 tomado</source>
        <translation>%1 agarrado</translation>
    </message>
    <message>
        <source>%1 soltada: %2</source>
        <translation>%1 solta: %2</translation>
    </message>
    <message>
        <source>%1 soltado: %2</source>
        <translation>%1 solto: %2</translation>
    </message>
    <message>
        <source>cancelado</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>x %1; y %2</source>
        <translation>x %1; y %2</translation>
    </message>
    <message numerus="yes">
        <source>Pendiente %1; R² %2 %; %n puntos en uso</source>
        <translation>
            <numerusform>Inclinação %1; R² %2&#xa0;%; %n ponto em uso</numerusform>
            <numerusform>Inclinação %1; R² %2&#xa0;%; %n pontos em uso</numerusform>
        </translation>
    </message>
    <message>
        <source>Nada que deshacer</source>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>Deshecho: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Nada que rehacer</source>
        <translation>Nada para refazer</translation>
    </message>
    <message>
        <source>Rehecho: %1</source>
        <translation>Refeito: %1</translation>
    </message>
    <message>
        <source>Tablas de datos (*.csv *.tsv *.txt *.xlsx *.ods);;Todos los archivos (*)</source>
        <translation>Tabelas de dados (*.csv *.tsv *.txt *.xlsx *.ods);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>«%1» pasa de 50 MB, el mayor archivo que el programa abre. Guarde solo las columnas que necesita, o una parte de las filas, y ábralo de nuevo.</source>
        <translation>“%1” passa de 50 MB, o maior arquivo que o programa abre. Salve só as colunas de que precisa, ou uma parte das linhas, e abra-o de novo.</translation>
    </message>
    <message>
        <source>Desplazar la lista de puntos</source>
        <translation>Rolar a lista de pontos</translation>
    </message>
    <message>
        <source>La tabla llega a %1 grados de libertad; con %2 se usa la distribución t.</source>
        <translation>A tabela vai até %1 graus de liberdade; com %2, usa-se a própria distribuição t.</translation>
    </message>
    <message numerus="yes">
        <source>%n puntos, x de %1 a %2, y de %3 a %4</source>
        <translation>
            <numerusform>%n ponto, x de %1 a %2, y de %3 a %4</numerusform>
            <numerusform>%n pontos, x de %1 a %2, y de %3 a %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>residuos</name>
    <message>
        <source>Residuos</source>
        <translation>Resíduos</translation>
    </message>
    <message>
        <source>SCTot = SCReg + SCErr</source>
        <translation>SQT = SQR + SQE</translation>
    </message>
    <message>
        <source>SCReg</source>
        <translation>SQR</translation>
    </message>
    <message>
        <source>SCErr</source>
        <translation>SQE</translation>
    </message>
    <message>
        <source>SCTot</source>
        <translation>SQT</translation>
    </message>
    <message>
        <source>Suma de residuos</source>
        <translation>Soma dos resíduos</translation>
    </message>
    <message>
        <source>Suma de cuadrados de residuos</source>
        <translation>Soma de quadrados dos resíduos</translation>
    </message>
    <message>
        <source>Cuadrados</source>
        <translation>Quadrados</translation>
    </message>
    <message>
        <source>R², en %</source>
        <translation>R², em %</translation>
    </message>
    <message>
        <source>Gráfico de residuos</source>
        <translation>Gráfico de resíduos</translation>
    </message>
    <message>
        <source>Cuadrados de los residuos</source>
        <translation>Quadrados dos resíduos</translation>
    </message>
</context>
<context>
    <name>retos</name>
    <message>
        <source>reto %1</source>
        <translation>desafio %1</translation>
    </message>
    <message>
        <source>Respuesta contra r verdadero</source>
        <translation>Sua resposta contra o r verdadeiro</translation>
    </message>
    <message>
        <source>r verdadero</source>
        <translation>r verdadeiro</translation>
    </message>
    <message>
        <source>tu respuesta</source>
        <translation>sua resposta</translation>
    </message>
    <message>
        <source>Adivina la correlación</source>
        <translation>Adivinhe a correlação</translation>
    </message>
    <message>
        <source>Adivina la recta</source>
        <translation>Adivinhe a reta</translation>
    </message>
    <message>
        <source>Construye una nube</source>
        <translation>Construa uma nuvem</translation>
    </message>
    <message>
        <source>Historial de retos</source>
        <translation>Histórico de desafios</translation>
    </message>
    <message>
        <source>Reto</source>
        <translation>Desafio</translation>
    </message>
    <message>
        <source>Código</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Respuesta</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Verdad</source>
        <translation>Verdade</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Rondas jugadas</source>
        <translation>Rodadas jogadas</translation>
    </message>
    <message>
        <source>Guardar historial…</source>
        <translation>Salvar histórico…</translation>
    </message>
    <message>
        <source>Guardar historial</source>
        <translation>Salvar histórico</translation>
    </message>
    <message>
        <source>Archivos CSV (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Historial guardado en «%1».</source>
        <translation>Histórico salvo em “%1”.</translation>
    </message>
    <message>
        <source>Escribe un valor de r entre -1 y 1 y pulsa Comprobar.</source>
        <translation>Digite um valor de r entre -1 e 1 e clique em Verificar.</translation>
    </message>
    <message>
        <source>Reto terminado.</source>
        <translation>Desafio encerrado.</translation>
    </message>
    <message>
        <source>Retos</source>
        <translation>Desafios</translation>
    </message>
    <message>
        <source>Código de reto…</source>
        <translation>Código do desafio…</translation>
    </message>
    <message>
        <source>Historial</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Tu r:</source>
        <translation>Seu r:</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Otra ronda</source>
        <translation>Nova rodada</translation>
    </message>
    <message>
        <source>Terminar</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>r = %1 (± %2)</source>
        <translation>r = %1 (± %2)</translation>
    </message>
    <message>
        <source>pendiente %1 (± %2) con R² al menos %3 %</source>
        <translation>inclinação %1 (± %2) com R² de pelo menos %3&#xa0;%</translation>
    </message>
    <message>
        <source>r cerca de 0 (|r| ≤ %1) con una recta que sí describe los puntos (s ≤ %2)</source>
        <translation>r perto de 0 (|r| ≤ %1) com uma reta que descreve bem os pontos (s ≤ %2)</translation>
    </message>
    <message>
        <source>Lleva tu recta, por sus asas, adonde creas que va la de mínimos cuadrados, y pulsa Comprobar.</source>
        <translation>Arraste sua reta pelas alças até onde você acha que passa a de mínimos quadrados e clique em Verificar.</translation>
    </message>
    <message>
        <source>Mueve, elimina y recupera puntos hasta lograr %1.</source>
        <translation>Mova, exclua e recupere pontos até obter %1.</translation>
    </message>
    <message>
        <source>Racha de %1: +%2.</source>
        <translation>Sequência de %1: +%2.</translation>
    </message>
    <message>
        <source>La recta de mínimos cuadrados deja la menor suma de cuadrados posible: ninguna otra recta, tampoco la tuya, deja menos.</source>
        <translation>A reta de mínimos quadrados deixa a menor soma de quadrados possível: nenhuma outra reta, nem a sua, deixa menos.</translation>
    </message>
    <message>
        <source>Los puntos siguen una curva: la relación es fuerte, pero r solo mide cuánto se parecen a una recta.</source>
        <translation>Os pontos seguem uma curva: a relação é forte, mas r só mede o quanto eles se parecem com uma reta.</translation>
    </message>
    <message>
        <source>Un punto lejos de los demás pesa mucho en r: puede crear una correlación que la nube no tiene, o romper la que tiene.</source>
        <translation>Um ponto longe dos demais pesa muito em r: pode criar uma correlação que a nuvem não tem, ou romper a que ela tem.</translation>
    </message>
    <message>
        <source>Son dos grupos separados: r mide sobre todo la distancia entre ellos, no una tendencia dentro de cada uno.</source>
        <translation>São dois grupos separados: r mede sobretudo a distância entre eles, não uma tendência dentro de cada um.</translation>
    </message>
    <message>
        <source>Ahora r = %1.</source>
        <translation>Agora r = %1.</translation>
    </message>
    <message>
        <source>Ahora pendiente %1 con R² %2 %.</source>
        <translation>Agora inclinação %1 com R² %2&#xa0;%.</translation>
    </message>
    <message>
        <source>Ahora r = %1 y s = %2.</source>
        <translation>Agora r = %1 e s = %2.</translation>
    </message>
    <message>
        <source>Movimientos: %1.</source>
        <translation>Movimentos: %1.</translation>
    </message>
    <message>
        <source>Reto %1</source>
        <translation>Desafio %1</translation>
    </message>
    <message>
        <source>Tu respuesta: r</source>
        <translation>Sua resposta: r</translation>
    </message>
    <message>
        <source>Código de reto</source>
        <translation>Código do desafio</translation>
    </message>
    <message>
        <source>Reto:</source>
        <translation>Desafio:</translation>
    </message>
    <message>
        <source>Código (1000 a 9999):</source>
        <translation>Código (1000 a 9999):</translation>
    </message>
    <message>
        <source>¿Qué dicen los residuos?</source>
        <translation>O que dizem os resíduos?</translation>
    </message>
    <message>
        <source>Veinte gráficos de residuos</source>
        <translation>Vinte gráficos de resíduos</translation>
    </message>
    <message>
        <source>Las flechas recorren los gráficos; Intro o Espacio elige el que destaca.</source>
        <translation>As setas percorrem os gráficos; Enter ou Espaço escolhe o que se destaca.</translation>
    </message>
    <message>
        <source>Gráfico %1 de %2</source>
        <translation>Gráfico %1 de %2</translation>
    </message>
    <message>
        <source>%1: tu muestra</source>
        <translation>%1: sua amostra</translation>
    </message>
    <message>
        <source>%1: tu elección</source>
        <translation>%1: sua escolha</translation>
    </message>
    <message>
        <source>Tu muestra</source>
        <translation>Sua amostra</translation>
    </message>
    <message>
        <source>Rueda de residuos</source>
        <translation>Alinhamento de resíduos</translation>
    </message>
    <message>
        <source>Diecinueve de estos gráficos son de muestras en las que el modelo se cumple; uno es de tu muestra. ¿Cuál destaca?</source>
        <translation>Dezenove destes gráficos são de amostras em que o modelo vale; um é da sua amostra. Qual se destaca?</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Elige una de las seis respuestas y pulsa Comprobar.</source>
        <translation>Escolha uma das seis respostas e clique em Verificar.</translation>
    </message>
    <message>
        <source>La «Rueda de residuos» necesita una muestra con al menos 3 puntos en uso.</source>
        <translation>O “Alinhamento de resíduos” precisa de uma amostra com pelo menos 3 pontos em uso.</translation>
    </message>
    <message>
        <source>Nada indica que el modelo falle</source>
        <translation>Nada indica que o modelo falhe</translation>
    </message>
    <message>
        <source>Curvatura: la relación no es una recta</source>
        <translation>Curvatura: a relação não é uma reta</translation>
    </message>
    <message>
        <source>La dispersión crece (o decrece) con x</source>
        <translation>A dispersão cresce (ou decresce) com x</translation>
    </message>
    <message>
        <source>Un valor atípico en y</source>
        <translation>Um valor atípico em y</translation>
    </message>
    <message>
        <source>Un punto de mucha palanca que tira de la recta</source>
        <translation>Um ponto de alta alavancagem que puxa a reta</translation>
    </message>
    <message>
        <source>Dos grupos distintos</source>
        <translation>Dois grupos distintos</translation>
    </message>
    <message>
        <source>Los residuos forman una banda horizontal de ancho parejo, sin forma: una recta con dispersión constante describe los datos.</source>
        <translation>Os resíduos formam uma faixa horizontal de largura uniforme, sem forma: uma reta com dispersão constante descreve os dados.</translation>
    </message>
    <message>
        <source>Los residuos siguen un arco, la curva marcada: la relación no es una recta.</source>
        <translation>Os resíduos seguem um arco, a curva marcada: a relação não é uma reta.</translation>
    </message>
    <message>
        <source>Los residuos se abren (o se cierran) a lo largo de x, entre las dos rectas marcadas: la varianza no es constante.</source>
        <translation>Os resíduos se abrem (ou se fecham) ao longo de x, entre as duas retas marcadas: a variância não é constante.</translation>
    </message>
    <message>
        <source>Un residuo queda muy lejos de los demás, el del punto marcado: un valor atípico en y, con x cerca del centro.</source>
        <translation>Um resíduo fica muito longe dos demais, o do ponto marcado: um valor atípico em y, com x perto do centro.</translation>
    </message>
    <message>
        <source>El punto marcado está lejos en x y tira de la recta hacia sí: su residuo puede ser pequeño, pero inclina los de los demás.</source>
        <translation>O ponto marcado está longe em x e puxa a reta para si: seu resíduo pode ser pequeno, mas inclina os dos demais.</translation>
    </message>
    <message>
        <source>Los residuos forman dos nubes, en dos colores: los puntos vienen de dos grupos distintos.</source>
        <translation>Os resíduos formam duas nuvens, em duas cores: os pontos vêm de dois grupos distintos.</translation>
    </message>
    <message>
        <source>Se transforma y (logaritmo, raíz) o se usan mínimos cuadrados ponderados: los errores estándar, los intervalos y las pruebas suponen varianza constante.</source>
        <translation>Transforme y (logaritmo, raiz) ou use mínimos quadrados ponderados: os erros padrão, os intervalos e os testes supõem variância constante.</translation>
    </message>
    <message>
        <source>Se revisa ese dato (¿un error al copiarlo? ¿otra población?) y se informa el ajuste con y sin él; no se borra solo porque estorba.</source>
        <translation>Revise esse dado (um erro de cópia? outra população?) e informe o ajuste com e sem ele; não o apague só porque atrapalha.</translation>
    </message>
    <message>
        <source>Se revisa ese punto, se ajusta con y sin él, y no se extrapola más allá de los datos.</source>
        <translation>Revise esse ponto, faça o ajuste com e sem ele e não extrapole além dos dados.</translation>
    </message>
    <message>
        <source>Se ajusta un modelo por grupo, o se agrega al modelo una variable que indique el grupo.</source>
        <translation>Ajuste um modelo por grupo ou acrescente ao modelo uma variável que indique o grupo.</translation>
    </message>
    <message>
        <source>Sin patrón se vería una banda horizontal pareja alrededor de 0.</source>
        <translation>Sem padrão, você veria uma faixa horizontal uniforme em torno de 0.</translation>
    </message>
    <message>
        <source>Una curvatura se vería como un arco: residuos positivos en los extremos y negativos en medio, o al revés.</source>
        <translation>Uma curvatura apareceria como um arco: resíduos positivos nos extremos e negativos no meio, ou o contrário.</translation>
    </message>
    <message>
        <source>Una dispersión que cambia se vería como un embudo: residuos cada vez más abiertos, o más juntos, a lo largo de x.</source>
        <translation>Uma dispersão que muda apareceria como um funil: resíduos cada vez mais abertos, ou mais juntos, ao longo de x.</translation>
    </message>
    <message>
        <source>Un valor atípico se vería como un residuo solo, muy arriba o muy abajo de la banda de los demás.</source>
        <translation>Um valor atípico apareceria como um resíduo isolado, muito acima ou muito abaixo da faixa dos demais.</translation>
    </message>
    <message>
        <source>Un punto de mucha palanca se vería solo, lejos en x, con los demás residuos inclinados por él.</source>
        <translation>Um ponto de alta alavancagem apareceria isolado, longe em x, com os demais resíduos inclinados por ele.</translation>
    </message>
    <message>
        <source>Dos grupos se verían como dos nubes de residuos separadas, cada una con su nivel o su tendencia.</source>
        <translation>Dois grupos apareceriam como duas nuvens de resíduos separadas, cada uma com seu nível ou sua tendência.</translation>
    </message>
    <message>
        <source>La «Rueda de residuos» pone a prueba al ojo.</source>
        <translation>O “Alinhamento de resíduos” põe o olho à prova.</translation>
    </message>
    <message numerus="yes">
        <source>Rondas: %1; total: %n puntos; mejor racha: %2; error medio absoluto de r: %3</source>
        <translation>
            <numerusform>Rodadas: %1; total: %n ponto; melhor sequência: %2; erro absoluto médio de r: %3</numerusform>
            <numerusform>Rodadas: %1; total: %n pontos; melhor sequência: %2; erro absoluto médio de r: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>r = %1. Tu respuesta: %2; error %3: %n puntos.</source>
        <translation>
            <numerusform>r = %1. Sua resposta: %2; erro %3: %n ponto.</numerusform>
            <numerusform>r = %1. Sua resposta: %2; erro %3: %n pontos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>SCErr de mínimos cuadrados %1; la de tu recta %2: %n puntos.</source>
        <translation>
            <numerusform>SQE de mínimos quadrados %1; a da sua reta %2: %n ponto.</numerusform>
            <numerusform>SQE de mínimos quadrados %1; a da sua reta %2: %n pontos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>¡Correcto! %n puntos.</source>
        <translation>
            <numerusform>Certo! %n ponto.</numerusform>
            <numerusform>Certo! %n pontos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Incorrecto: %n puntos.</source>
        <translation>
            <numerusform>Errado: %n ponto.</numerusform>
            <numerusform>Errado: %n pontos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Objetivo logrado con %n movimientos: %1 puntos.</source>
        <translation>
            <numerusform>Objetivo alcançado com %n movimento: %1 pontos.</numerusform>
            <numerusform>Objetivo alcançado com %n movimentos: %1 pontos.</numerusform>
        </translation>
    </message>
    <message>
        <source>¡La encontraste sin haber visto tus residuos! Si el modelo se cumpliera, acertar por azar tendría probabilidad 1/20 = %1. Es evidencia de que tus residuos difieren de los de una muestra en la que el modelo se cumple; no dice qué patrón es ni prueba que el modelo sea falso.</source>
        <translation>Você a encontrou sem ter visto seus resíduos! Se o modelo valesse, acertar por acaso teria probabilidade 1/20 = %1. É evidência de que seus resíduos diferem dos de uma amostra em que o modelo vale; não diz qual padrão é nem prova que o modelo seja falso.</translation>
    </message>
    <message>
        <source>Es tu muestra, pero ya habías visto sus datos: la elección no fue a ciegas y no se le puede dar una probabilidad.</source>
        <translation>É a sua amostra, mas você já tinha visto os dados dela: a escolha não foi às cegas e não se pode dar a ela uma probabilidade.</translation>
    </message>
    <message>
        <source>Elegiste la n.º %2, en rojo, y tu muestra era la n.º %1, en verde: esta vez el ojo no la distinguió de las muestras en las que el modelo se cumple.</source>
        <translation>Você escolheu o nº %2, em vermelho, e a sua amostra era o nº %1, em verde: desta vez o olho não a distinguiu das amostras em que o modelo vale.</translation>
    </message>
    <message>
        <source>Aún no hay rondas en el historial.</source>
        <translation>Ainda não há rodadas no histórico.</translation>
    </message>
    <message>
        <source>Nada en los residuos muestra que la recta falle, aunque eso no prueba que sea el modelo correcto.</source>
        <translation>Nada nos resíduos mostra que a reta falhe, embora isso não prove que ela seja o modelo correto.</translation>
    </message>
    <message>
        <source>Se transforma una variable en «Transformar…»: logaritmo, raíz, inversa o x², con la que se ajusta y = a + b·x² en lugar de la recta.</source>
        <translation>Transforme uma variável em “Transformar…”: logaritmo, raiz, inversa ou x², com a qual se ajusta y = a + b·x² em vez da reta.</translation>
    </message>
    <message>
        <source>Respuesta sobre los residuos: %1</source>
        <translation>Resposta sobre os resíduos: %1</translation>
    </message>
    <message>
        <source>Paso 1 de 2, antes de ver tus datos: en la «Rueda de residuos», uno de los veinte gráficos es el de tu muestra, en un lugar al azar. ¿Cuál destaca? Al cerrarla verás tu nube.</source>
        <translation>Passo 1 de 2, antes de ver seus dados: no “Alinhamento de resíduos”, um dos vinte gráficos é o da sua amostra, em um lugar ao acaso. Qual se destaca? Ao fechá-lo, você verá sua nuvem.</translation>
    </message>
    <message>
        <source>Cuadrados de tu recta en el reto</source>
        <translation>Quadrados da sua reta no desafio</translation>
    </message>
</context>
<context>
    <name>simulacion</name>
    <message>
        <source>Distribución de %1</source>
        <translation>Distribuição de %1</translation>
    </message>
    <message>
        <source>Con todas las x iguales no hay pendiente que simular.</source>
        <translation>Com todos os x iguais não há inclinação a simular.</translation>
    </message>
    <message>
        <source>Media de %1: %2 (teoría %3)</source>
        <translation>Média de %1: %2 (teoria %3)</translation>
    </message>
    <message>
        <source>Desv. estándar: %1 (teoría %2)</source>
        <translation>Desvio padrão: %1 (teoria %2)</translation>
    </message>
    <message>
        <source>La prueba rechaza β₁ = 0 en el %1 %: error de tipo I (esperado %2 %)</source>
        <translation>O teste rejeita β₁ = 0 em %1&#xa0;%: erro tipo I (esperado %2&#xa0;%)</translation>
    </message>
    <message>
        <source>La prueba rechaza β₁ = 0 en el %1 %: es su potencia al %2 % (esperada %3 %)</source>
        <translation>O teste rejeita β₁ = 0 em %1&#xa0;%: é seu poder com α = %2&#xa0;% (esperado %3&#xa0;%)</translation>
    </message>
    <message>
        <source>La tabla interpola: su valor crítico %1 da un %2 % en vez de %3 %</source>
        <translation>A tabela interpola: seu valor crítico %1 dá %2&#xa0;% em vez de %3&#xa0;%</translation>
    </message>
    <message>
        <source>Media de b*: %1; b de la muestra: %2</source>
        <translation>Média de b*: %1; b da amostra: %2</translation>
    </message>
    <message>
        <source>Desv. estándar de b*: %1</source>
        <translation>Desvio padrão de b*: %1</translation>
    </message>
    <message>
        <source>Valor p de la prueba t de la pendiente: %1</source>
        <translation>Valor-p do teste t da inclinação: %1</translation>
    </message>
    <message>
        <source>Intervalo percentil al %1 %: %2 a %3</source>
        <translation>Intervalo percentil de %1&#xa0;%: %2 a %3</translation>
    </message>
    <message>
        <source>Intervalo t al %1 %: %2 a %3</source>
        <translation>Intervalo t de %1&#xa0;%: %2 a %3</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Animar</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulação</translation>
    </message>
    <message>
        <source>Distribución de b</source>
        <translation>Distribuição de b</translation>
    </message>
    <message>
        <source>Intervalos para β₁</source>
        <translation>Intervalos para β₁</translation>
    </message>
    <message>
        <source>El modelo: y = β₀ + β₁ x + ε, con ε normal de media 0 y desviación σ, en las x de tus puntos. Entre −100 y 100 para β₀, entre −10 y 10 para β₁, σ mayor que 0 y hasta 50.</source>
        <translation>O modelo: y = β₀ + β₁ x + ε, com ε normal de média 0 e desvio σ, nos x dos seus pontos. Entre −100 e 100 para β₀, entre −10 e 10 para β₁, σ maior que 0 e até 50.</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Barajar</source>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <source>Bootstrap</source>
        <translation>Bootstrap</translation>
    </message>
    <message>
        <source>Reiniciar</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>β₀ del modelo</source>
        <translation>β₀ do modelo</translation>
    </message>
    <message>
        <source>β₁ del modelo</source>
        <translation>β₁ do modelo</translation>
    </message>
    <message>
        <source>σ del modelo</source>
        <translation>σ do modelo</translation>
    </message>
    <message>
        <source>Histograma de la pendiente b</source>
        <translation>Histograma da inclinação b</translation>
    </message>
    <message>
        <source>Histograma del intercepto a</source>
        <translation>Histograma do intercepto a</translation>
    </message>
    <message>
        <source>Histograma de la varianza del error s²</source>
        <translation>Histograma da variância do erro s²</translation>
    </message>
    <message>
        <source>Histograma del estadístico t</source>
        <translation>Histograma da estatística t</translation>
    </message>
    <message>
        <source>Muestras del modelo</source>
        <translation>Amostras do modelo</translation>
    </message>
    <message>
        <source>Barajar las y sobre las x</source>
        <translation>Embaralhar os y entre os x</translation>
    </message>
    <message>
        <source>Remuestrear los puntos con reposición</source>
        <translation>Reamostrar os pontos com reposição</translation>
    </message>
    <message>
        <source>Histograma</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Últimos intervalos para β₁</source>
        <translation>Últimos intervalos para β₁</translation>
    </message>
    <message numerus="yes">
        <source>%n muestras de %1 puntos</source>
        <translation>
            <numerusform>%n amostra de %1 pontos</numerusform>
            <numerusform>%n amostras de %1 pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n intervalos contienen β₁ (esperado %2 %)</source>
        <translation>
            <numerusform>%1 de %n intervalo contém β₁ (esperado %2&#xa0;%)</numerusform>
            <numerusform>%1 de %n intervalos contêm β₁ (esperado %2&#xa0;%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n observaciones nuevas en x = %2 en su intervalo (esperado %3 %)</source>
        <translation>
            <numerusform>%1 de %n observação nova em x = %2 caiu no seu intervalo de predição (esperado %3&#xa0;%)</numerusform>
            <numerusform>%1 de %n observações novas em x = %2 caíram nos seus intervalos de predição (esperado %3&#xa0;%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 de %n intervalos de la respuesta media la contienen (esperado %2 %)</source>
        <translation>
            <numerusform>%1 de %n intervalo da resposta média a contém (esperado %2&#xa0;%)</numerusform>
            <numerusform>%1 de %n intervalos da resposta média a contêm (esperado %2&#xa0;%)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n barajadas de %1 puntos</source>
        <translation>
            <numerusform>%n embaralhamento de %1 pontos</numerusform>
            <numerusform>%n embaralhamentos de %1 pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remuestras de %1 puntos</source>
        <translation>
            <numerusform>%n reamostra de %1 pontos</numerusform>
            <numerusform>%n reamostras de %1 pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>|b*| ≥ |b| en %1 de %n barajadas: valor p %2</source>
        <translation>
            <numerusform>|b*| ≥ |b| em %1 de %n embaralhamento: valor-p %2</numerusform>
            <numerusform>|b*| ≥ |b| em %1 de %n embaralhamentos: valor-p %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n remuestras sin pendiente</source>
        <translation>
            <numerusform>%n reamostra sem inclinação</numerusform>
            <numerusform>%n reamostras sem inclinação</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Agregar %n muestras</source>
        <translation>
            <numerusform>Adicionar %n amostra</numerusform>
            <numerusform>Adicionar %n amostras</numerusform>
        </translation>
    </message>
    <message>
        <source>Sin muestras: pulsa 1, 10, 100 o 1000.</source>
        <translation>Sem amostras: pressione 1, 10, 100 ou 1000.</translation>
    </message>
    <message>
        <source>El modelo: y = β₀ + β₁ x + ε, con ε normal de media 0 y desviación σ, en las x de tus puntos. En las unidades de los datos: β₀ y β₁ hasta 10¹⁵ en valor absoluto, σ mayor que 0 y hasta 10¹⁵.</source>
        <translation>O modelo: y = β₀ + β₁ x + ε, com ε normal de média 0 e desvio σ, nos x dos seus pontos. Nas unidades dos dados: β₀ e β₁ até 10¹⁵ em valor absoluto, σ maior que 0 e até 10¹⁵.</translation>
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
        <translation>transformar os dados</translation>
    </message>
    <message>
        <source>Transformar…</source>
        <translation>Transformar…</translation>
    </message>
    <message>
        <source>Transformar</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>ninguna</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Escala de los datos</source>
        <translation>Escala dos dados</translation>
    </message>
    <message>
        <source>No se puede: algún valor no lo admite o no hay datos cargados.</source>
        <translation>Não é possível: algum valor não o admite ou não há dados carregados.</translation>
    </message>
    <message>
        <source>Escala de los datos: los puntos y la curva en sus unidades.</source>
        <translation>Escala dos dados: os pontos e a curva em suas unidades.</translation>
    </message>
    <message>
        <source>Escala transformada: la recta.</source>
        <translation>Escala transformada: a reta.</translation>
    </message>
    <message>
        <source>El punto se detiene en el borde: más allá la transformación no se puede deshacer.</source>
        <translation>O ponto para na borda: além dela a transformação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Solo con datos: «Datos» carga un conjunto.</source>
        <translation>Requer dados: “Dados” carrega um conjunto.</translation>
    </message>
    <message>
        <source>Valores que no la admiten: %1.</source>
        <translation>Valores que não a admitem: %1.</translation>
    </message>
    <message>
        <source>, de %1 sobre %2</source>
        <translation>, de %1 sobre %2</translation>
    </message>
    <message>
        <source>logaritmo decimal</source>
        <translation>logaritmo decimal</translation>
    </message>
    <message>
        <source>logaritmo natural</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <source>raíz cuadrada</source>
        <translation>raiz quadrada</translation>
    </message>
    <message>
        <source>inversa</source>
        <translation>inversa</translation>
    </message>
    <message>
        <source>cuadrado</source>
        <translation>quadrado</translation>
    </message>
    <message>
        <source>Residuos sin transformar</source>
        <translation>Resíduos sem transformar</translation>
    </message>
    <message>
        <source>Residuos transformados</source>
        <translation>Resíduos transformados</translation>
    </message>
    <message>
        <source>«Datos» carga un conjunto para transformarlo.</source>
        <translation>“Dados” carrega um conjunto para transformá-lo.</translation>
    </message>
    <message>
        <source>Elige una transformación de x, de y o de las dos.</source>
        <translation>Escolha uma transformação de x, de y ou das duas.</translation>
    </message>
    <message>
        <source>Sin recta: hacen falta tres puntos con x distintas.</source>
        <translation>Sem reta: são necessários três pontos com x diferentes.</translation>
    </message>
    <message>
        <source>La curva lleva esa recta a las unidades de los datos.</source>
        <translation>A curva leva essa reta às unidades dos dados.</translation>
    </message>
    <message>
        <source>Cada vez que x se multiplica por %1, y cambia en %2.</source>
        <translation>Cada vez que x é multiplicado por %1, y muda em %2.</translation>
    </message>
    <message>
        <source>La nube se detiene en el borde: más allá la transformación no se puede deshacer.</source>
        <translation>A nuvem para na borda: além dela a transformação não pode ser desfeita.</translation>
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
        <translation>Ajuste de %1 sobre %2</translation>
    </message>
    <message>
        <source>No se ofrece mientras haya una transformación: «Ver» → «Transformar…», «ninguna» en x y en y.</source>
        <translation>Não é oferecido enquanto houver uma transformação: “Exibir” → “Transformar…”, “nenhuma” em x e em y.</translation>
    </message>
    <message>
        <source>Hay valores negativos y positivos: así no es monótona, y la curva devuelta no tendría sentido.</source>
        <translation>Há valores negativos e positivos: assim ela não é monótona, e a curva de volta não teria sentido.</translation>
    </message>
    <message>
        <source>Sin transformar, R² de y: %1&#xa0;%</source>
        <translation>Sem transformar, R² de y: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Transformado, R² de %1: %2&#xa0;%</source>
        <translation>Transformado, R² de %1: %2&#xa0;%</translation>
    </message>
    <message>
        <source>En el modelo, y crece a un ritmo fijo: se multiplica por %1 (un %2&#xa0;% más) con cada aumento de 1 en x; el de los datos puede variar.</source>
        <translation>No modelo, y cresce a uma taxa fixa: é multiplicado por %1 (%2&#xa0;% a mais) a cada aumento de 1 em x; a taxa dos dados pode variar.</translation>
    </message>
    <message>
        <source>En el modelo, y decrece a un ritmo fijo: se multiplica por %1 (un %2&#xa0;% menos) con cada aumento de 1 en x; el de los datos puede variar.</source>
        <translation>No modelo, y decresce a uma taxa fixa: é multiplicado por %1 (%2&#xa0;% a menos) a cada aumento de 1 em x; a taxa dos dados pode variar.</translation>
    </message>
    <message>
        <source>Un 1&#xa0;% más de x va con cerca de un %1&#xa0;% más de y (la elasticidad).</source>
        <translation>1&#xa0;% a mais de x vem com cerca de %1&#xa0;% a mais de y (a elasticidade).</translation>
    </message>
    <message>
        <source>R²: %1&#xa0;% sin transformar y %2&#xa0;% con x transformada; los dos son partes de la varianza de y y se comparan.</source>
        <translation>R²: %1&#xa0;% sem transformar e %2&#xa0;% com x transformado; os dois são partes da variância de y e podem ser comparados.</translation>
    </message>
    <message>
        <source>R² de %1: %2&#xa0;%, de su varianza, no de la de y; en unidades de y, la curva deja más error que la media sola, y la recta sin transformar explica el %3&#xa0;%.</source>
        <translation>R² de %1: %2&#xa0;%, da sua variância, não da de y; nas unidades de y, a curva deixa mais erro que a média sozinha, e a reta sem transformar explica %3&#xa0;%.</translation>
    </message>
    <message>
        <source>R² de %1: %2&#xa0;%, de su varianza, no de la de y; en unidades de y, la curva explica el %3&#xa0;% y la recta sin transformar, el %4&#xa0;%.</source>
        <translation>R² de %1: %2&#xa0;%, da sua variância, não da de y; nas unidades de y, a curva explica %3&#xa0;% e a reta sem transformar, %4&#xa0;%.</translation>
    </message>
    <message>
        <source>En x = %1: mediana de y = %2; al %3&#xa0;%, mediana de %4 a %5, una observación de %6 a %7.</source>
        <translation>Em x = %1: mediana de y = %2; a %3&#xa0;%, mediana de %4 a %5, uma observação de %6 a %7.</translation>
    </message>
    <message>
        <source>En x = %1: y = %2; al %3&#xa0;%, media de %4 a %5, una observación de %6 a %7.</source>
        <translation>Em x = %1: y = %2; a %3&#xa0;%, média de %4 a %5, uma observação de %6 a %7.</translation>
    </message>
    <message>
        <source>Transformación de x</source>
        <translation>Transformação de x</translation>
    </message>
    <message>
        <source>Transformación de y</source>
        <translation>Transformação de y</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
