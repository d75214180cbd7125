// The numbers of the example data sets, as published. Each is written as a
// double literal, which is the double nearest to its decimal text; the sets
// of more than 50 rows are in conjuntos_medidos.cpp.
#include "conjuntos.h"
#include "conjuntos_medidos.h"

namespace rectaviva {

const std::vector<ConjuntoEjemplo>& conjuntosEjemplo() {
    static const char* const kAnscombe =
        "Anscombe, F. J. (1973). Graphs in statistical analysis. The American Statistician, "
        "27(1), 17–21.";
    static const std::vector<double> kXAnscombe = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
    static const std::vector<ConjuntoEjemplo> conjuntos = {
        {MENSAJE("conjuntos", "Anscombe I"),
         MENSAJE(
             "conjuntos",
             "Una nube de puntos alrededor de una recta: el caso en que la recta describe bien los "
             "datos."),
         kAnscombe,
         MENSAJE("conjuntos", "x"),
         MENSAJE("conjuntos", "y"),
         kXAnscombe,
         {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68}},
        {MENSAJE("conjuntos", "Anscombe II"),
         MENSAJE("conjuntos",
                 "Los mismos estadísticos que los otros tres, pero los puntos siguen una curva."),
         kAnscombe,
         MENSAJE("conjuntos", "x"),
         MENSAJE("conjuntos", "y"),
         kXAnscombe,
         {9.14, 8.14, 8.74, 8.77, 9.26, 8.10, 6.13, 3.10, 9.13, 7.26, 4.74}},
        {MENSAJE("conjuntos", "Anscombe III"),
         MENSAJE(
             "conjuntos",
             "Los mismos estadísticos, pero los puntos están en una recta salvo uno, que tira de "
             "ella."),
         kAnscombe,
         MENSAJE("conjuntos", "x"),
         MENSAJE("conjuntos", "y"),
         kXAnscombe,
         {7.46, 6.77, 12.74, 7.11, 7.81, 8.84, 6.08, 5.39, 8.15, 6.42, 5.73}},
        {MENSAJE("conjuntos", "Anscombe IV"),
         MENSAJE("conjuntos", "Los mismos estadísticos, pero todos los puntos tienen la misma x "
                              "menos uno, que decide él solo la pendiente."),
         kAnscombe,
         MENSAJE("conjuntos", "x"),
         MENSAJE("conjuntos", "y"),
         {8, 8, 8, 8, 8, 8, 8, 19, 8, 8, 8},
         {6.58, 5.76, 7.71, 8.84, 8.47, 7.04, 5.25, 12.50, 5.56, 7.91, 6.89}},
        {MENSAJE("conjuntos", "Frenado de 50 coches"),
         MENSAJE(
             "conjuntos",
             "La distancia que necesitaron 50 coches de los años veinte para detenerse, según la "
             "velocidad a la que iban."),
         "Ezekiel, M. (1930). Methods of Correlation Analysis. Wiley.",
         MENSAJE("conjuntos", "Velocidad (mph)"),
         MENSAJE("conjuntos", "Distancia de frenado (pies)"),
         {4,  4,  7,  7,  8,  9,  10, 10, 10, 11, 11, 12, 12, 12, 12, 13, 13,
          13, 13, 14, 14, 14, 14, 15, 15, 15, 16, 16, 17, 17, 17, 18, 18, 18,
          18, 19, 19, 19, 20, 20, 20, 20, 20, 22, 23, 24, 24, 24, 24, 25},
         {2,  10, 4,  22, 16, 10, 18, 26, 34, 17, 28, 14, 20, 24, 28,  26, 34,
          34, 46, 26, 36, 60, 80, 20, 26, 54, 32, 40, 32, 40, 50, 42,  56, 76,
          84, 36, 46, 68, 32, 48, 52, 56, 64, 66, 54, 70, 92, 93, 120, 85}},
        {MENSAJE("conjuntos", "Ebullición en los Alpes"),
         MENSAJE(
             "conjuntos",
             "La temperatura a la que hierve el agua según la presión del aire, medida a distintas "
             "alturas."),
         "Forbes, J. D. (1857). Further experiments and remarks on the measurement of heights by "
         "the boiling point of water. Transactions of the Royal Society of Edinburgh, 21, "
         "235–243.",
         MENSAJE("conjuntos", "Presión (pulgadas de mercurio)"),
         MENSAJE("conjuntos", "Punto de ebullición (°F)"),
         {20.79, 20.79, 22.40, 22.67, 23.15, 23.35, 23.89, 23.99, 24.02, 24.01, 25.14, 26.57, 28.49,
          27.76, 29.04, 29.88, 30.06},
         {194.5, 194.3, 197.9, 198.4, 199.4, 199.9, 200.9, 201.1, 201.4, 201.3, 203.6, 204.6, 209.5,
          208.6, 210.7, 211.9, 212.2}},
        {MENSAJE("conjuntos", "Galaxias de Hubble"),
         MENSAJE("conjuntos",
                 "La distancia de 24 galaxias y la velocidad con que se alejan: la pendiente es la "
                 "constante de Hubble tal como él la midió."),
         "Hubble, E. (1929). A relation between distance and radial velocity among "
         "extra-galactic nebulae. Proceedings of the National Academy of Sciences, 15(3), "
         "168–173.",
         MENSAJE("conjuntos", "Distancia (Mpc)"),
         MENSAJE("conjuntos", "Velocidad de alejamiento (km/s)"),
         {0.032, 0.034, 0.214, 0.263, 0.275, 0.275, 0.45, 0.5, 0.5, 0.63, 0.8, 0.9,
          0.9,   0.9,   0.9,   1.0,   1.1,   1.1,   1.4,  1.7, 2.0, 2.0,  2.0, 2.0},
         {170, 290, -130, -70, -185, -220, 200, 290, 270, 200, 300, -30,
          650, 150, 500,  920, 450,  500,  500, 960, 500, 850, 800, 1090}},
        {MENSAJE("conjuntos", "Peso y estatura de 15 mujeres"),
         MENSAJE(
             "conjuntos",
             "El peso medio de las mujeres estadounidenses de cada estatura, de 58 a 72 pulgadas."),
         "The World Almanac and Book of Facts (1975), según McNeil, D. R. (1977). Interactive "
         "Data Analysis. Wiley.",
         MENSAJE("conjuntos", "Estatura (pulgadas)"),
         MENSAJE("conjuntos", "Peso medio (libras)"),
         {58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72},
         {115, 117, 120, 123, 126, 129, 132, 135, 139, 142, 146, 150, 154, 159, 164}},
        {MENSAJE("conjuntos", "Población de EE. UU."),
         MENSAJE("conjuntos",
                 "Los habitantes de Estados Unidos en cada censo desde 1790: con el logaritmo de "
                 "la población la curva se endereza mucho, pero sigue curvada, porque el "
                 "crecimiento se frenó."),
         "U.S. Census Bureau. Decennial censuses of population, 1790–2020.",
         MENSAJE("conjuntos", "Año"),
         MENSAJE("conjuntos", "Población (habitantes)"),
         {1790, 1800, 1810, 1820, 1830, 1840, 1850, 1860, 1870, 1880, 1890, 1900,
          1910, 1920, 1930, 1940, 1950, 1960, 1970, 1980, 1990, 2000, 2010, 2020},
         {3929214,   5308483,   7239881,   9638453,   12866020,  17069453,  23191876,  31443321,
          38558371,  50189209,  62979766,  76212168,  92228496,  106021537, 123202624, 132164569,
          151325798, 179323175, 203211926, 226545805, 248709873, 281421906, 308745538, 331449281}},
        {MENSAJE("conjuntos", "Planetas de Kepler"),
         MENSAJE("conjuntos",
                 "La distancia de los ocho planetas al Sol y lo que tardan en darle la vuelta: con "
                 "el logaritmo de las dos, una recta de pendiente 3/2, la tercera ley de Kepler."),
         "Williams, D. R. Planetary Fact Sheet. NASA Goddard Space Flight Center.",
         MENSAJE("conjuntos", "Distancia media al Sol (millones de km)"),
         MENSAJE("conjuntos", "Periodo orbital (días)"),
         {57.9, 108.2, 149.6, 228.0, 778.5, 1432.0, 2867.0, 4515.0},
         {88.0, 224.7, 365.2, 687.0, 4331, 10747, 30589, 59800}},
        {MENSAJE("conjuntos", "Cerebro y cuerpo de 28 animales"),
         MENSAJE("conjuntos",
                 "El peso del cuerpo y el del cerebro de 28 especies: con el logaritmo de los dos "
                 "se alinean, salvo tres dinosaurios que quedan muy por debajo de los demás."),
         "Jerison, H. J. (1973). Evolution of the Brain and Intelligence. Academic Press, según "
         "Rousseeuw, P. J. y Leroy, A. M. (1987). Robust Regression and Outlier Detection. Wiley.",
         MENSAJE("conjuntos", "Peso del cuerpo (kg)"),
         MENSAJE("conjuntos", "Peso del cerebro (g)"),
         // Mountain beaver, cow, grey wolf, goat, guinea pig, Diplodocus, Asian
         // elephant, donkey, horse, potar monkey, cat, giraffe, gorilla, human,
         // African elephant, Triceratops, rhesus monkey, kangaroo, golden
         // hamster, mouse, rabbit, sheep, jaguar, chimpanzee, rat,
         // Brachiosaurus, mole, pig.
         {1.35, 465,  36.33, 27.66, 1.04, 11700, 2547, 187.1, 521, 10,    3.3,  529,   207,   62,
          6654, 9400, 6.8,   35,    0.12, 0.023, 2.5,  55.5,  100, 52.16, 0.28, 87000, 0.122, 192},
         {8.1,  423, 119.5, 115, 5.5, 50,  4603, 419, 655, 115, 25.6, 680,   406, 1320,
          5712, 70,  179,   56,  1,   0.4, 12.1, 175, 157, 440, 1.9,  154.5, 3,   180}},
        {MENSAJE("conjuntos", "Picos de 342 pingüinos"),
         MENSAJE("conjuntos",
                 "El largo y el alto del pico de 342 pingüinos de tres especies de la Antártida: "
                 "con todos juntos la recta baja, pero dentro de cada especie sube. A 2 de los "
                 "344 pingüinos medidos les faltan las dos medidas y se dejan fuera."),
         "Gorman, K. B., Williams, T. D. y Fraser, W. R. (2014). Ecological sexual dimorphism "
         "and environmental variability within a community of Antarctic penguins (genus "
         "Pygoscelis). PLoS ONE, 9(3), e90081; según Horst, A. M., Hill, A. P. y Gorman, K. B. "
         "(2020). palmerpenguins, paquete de R (CC0).",
         MENSAJE("conjuntos", "Largo del pico (mm)"), MENSAJE("conjuntos", "Alto del pico (mm)"),
         pinguinosLargoPico(), pinguinosAltoPico()},
        {MENSAJE("conjuntos", "Erupciones del géiser Old Faithful"),
         MENSAJE("conjuntos",
                 "Lo que duraron 272 erupciones del géiser Old Faithful, en Yellowstone, y la "
                 "espera hasta la siguiente: cuanto más dura una erupción, más larga es la espera, "
                 "y las erupciones forman dos grupos."),
         "Härdle, W. (1991). Smoothing Techniques with Implementation in S. Springer; Azzalini, "
         "A. y Bowman, A. W. (1990). A look at some data on the Old Faithful geyser. Applied "
         "Statistics, 39(3), 357–365; conjunto faithful de R (paquete datasets).",
         MENSAJE("conjuntos", "Duración de la erupción (min)"),
         MENSAJE("conjuntos", "Espera hasta la siguiente (min)"), geiserDuracion(), geiserEspera()},
    };
    return conjuntos;
}

} // namespace rectaviva
