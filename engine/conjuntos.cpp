// The numbers of the example data sets, as published. Each is written as a
// float literal, which is the float nearest to its decimal text.
#include "conjuntos.h"

namespace rectaviva {

const std::vector<ConjuntoEjemplo>& conjuntosEjemplo() {
    static const char* const kAnscombe =
        "Anscombe, F. J. (1973). Graphs in statistical analysis. The American Statistician, "
        "27(1), 17–21.";
    static const std::vector<float> kXAnscombe = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
    static const std::vector<ConjuntoEjemplo> conjuntos = {
        {"Anscombe I",
         "Una nube de puntos alrededor de una recta: el caso en que la recta describe bien los "
         "datos.",
         kAnscombe,
         "x",
         "y",
         kXAnscombe,
         {8.04f, 6.95f, 7.58f, 8.81f, 8.33f, 9.96f, 7.24f, 4.26f, 10.84f, 4.82f, 5.68f}},
        {"Anscombe II",
         "Los mismos estadísticos que los otros tres, pero los puntos siguen una curva.",
         kAnscombe,
         "x",
         "y",
         kXAnscombe,
         {9.14f, 8.14f, 8.74f, 8.77f, 9.26f, 8.10f, 6.13f, 3.10f, 9.13f, 7.26f, 4.74f}},
        {"Anscombe III",
         "Los mismos estadísticos, pero los puntos están en una recta salvo uno, que tira de "
         "ella.",
         kAnscombe,
         "x",
         "y",
         kXAnscombe,
         {7.46f, 6.77f, 12.74f, 7.11f, 7.81f, 8.84f, 6.08f, 5.39f, 8.15f, 6.42f, 5.73f}},
        {"Anscombe IV",
         "Los mismos estadísticos, pero todos los puntos tienen la misma x menos uno, que decide "
         "él solo la pendiente.",
         kAnscombe,
         "x",
         "y",
         {8, 8, 8, 8, 8, 8, 8, 19, 8, 8, 8},
         {6.58f, 5.76f, 7.71f, 8.84f, 8.47f, 7.04f, 5.25f, 12.50f, 5.56f, 7.91f, 6.89f}},
        {"Frenado de 50 coches",
         "La distancia que necesitaron 50 coches de los años veinte para detenerse, según la "
         "velocidad a la que iban.",
         "Ezekiel, M. (1930). Methods of Correlation Analysis. Wiley.",
         "Velocidad (mph)",
         "Distancia de frenado (pies)",
         {4,  4,  7,  7,  8,  9,  10, 10, 10, 11, 11, 12, 12, 12, 12, 13, 13,
          13, 13, 14, 14, 14, 14, 15, 15, 15, 16, 16, 17, 17, 17, 18, 18, 18,
          18, 19, 19, 19, 20, 20, 20, 20, 20, 22, 23, 24, 24, 24, 24, 25},
         {2,  10, 4,  22, 16, 10, 18, 26, 34, 17, 28, 14, 20, 24, 28,  26, 34,
          34, 46, 26, 36, 60, 80, 20, 26, 54, 32, 40, 32, 40, 50, 42,  56, 76,
          84, 36, 46, 68, 32, 48, 52, 56, 64, 66, 54, 70, 92, 93, 120, 85}},
        {"Ebullición en los Alpes",
         "La temperatura a la que hierve el agua según la presión del aire, medida a distintas "
         "alturas.",
         "Forbes, J. D. (1857). Further experiments and remarks on the measurement of heights by "
         "the boiling point of water. Transactions of the Royal Society of Edinburgh, 21, "
         "235–243.",
         "Presión (pulgadas de mercurio)",
         "Punto de ebullición (°F)",
         {20.79f, 20.79f, 22.40f, 22.67f, 23.15f, 23.35f, 23.89f, 23.99f, 24.02f, 24.01f, 25.14f,
          26.57f, 28.49f, 27.76f, 29.04f, 29.88f, 30.06f},
         {194.5f, 194.3f, 197.9f, 198.4f, 199.4f, 199.9f, 200.9f, 201.1f, 201.4f, 201.3f, 203.6f,
          204.6f, 209.5f, 208.6f, 210.7f, 211.9f, 212.2f}},
        {"Galaxias de Hubble",
         "La distancia de 24 galaxias y la velocidad con que se alejan: la pendiente es la "
         "constante de Hubble tal como él la midió.",
         "Hubble, E. (1929). A relation between distance and radial velocity among "
         "extra-galactic nebulae. Proceedings of the National Academy of Sciences, 15(3), "
         "168–173.",
         "Distancia (Mpc)",
         "Velocidad de alejamiento (km/s)",
         {0.032f, 0.034f, 0.214f, 0.263f, 0.275f, 0.275f, 0.45f, 0.5f, 0.5f, 0.63f, 0.8f, 0.9f,
          0.9f,   0.9f,   0.9f,   1.0f,   1.1f,   1.1f,   1.4f,  1.7f, 2.0f, 2.0f,  2.0f, 2.0f},
         {170, 290, -130, -70, -185, -220, 200, 290, 270, 200, 300, -30,
          650, 150, 500,  920, 450,  500,  500, 960, 500, 850, 800, 1090}},
        {"Peso y estatura de 15 mujeres",
         "El peso medio de las mujeres estadounidenses de cada estatura, de 58 a 72 pulgadas.",
         "The World Almanac and Book of Facts (1975), según McNeil, D. R. (1977). Interactive "
         "Data Analysis. Wiley.",
         "Estatura (pulgadas)",
         "Peso medio (libras)",
         {58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72},
         {115, 117, 120, 123, 126, 129, 132, 135, 139, 142, 146, 150, 154, 159, 164}},
    };
    return conjuntos;
}

} // namespace rectaviva
