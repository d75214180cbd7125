// Every result box on published data in their own units (values by year,
// a calibration line, census counts) against a double-precision fit of the
// same points computed here: each within half a unit of its last digit.
#include "../motor/motor_prueba.h"
#include "cajas.h"
#include "distribuciones.h"
#include "escala.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace rectaviva::prueba {
namespace {

struct Conjunto {
    const char* nombre;
    std::vector<double> x, y;
};

std::vector<double> desde(double inicio, std::size_t n, double paso = 1) {
    std::vector<double> v;
    for (std::size_t i = 0; i < n; ++i) {
        v.push_back(inicio + paso * static_cast<double>(i));
    }
    return v;
}

// NOAA GML, Mauna Loa annual mean CO2 (ppm), 1974-2023.
const std::vector<double> kCO2 = {
    330.19, 331.13, 332.03, 333.84, 335.41, 336.84, 338.76, 340.12, 341.48, 343.15,
    344.87, 346.35, 347.61, 349.31, 351.69, 353.20, 354.45, 355.70, 356.54, 357.21,
    358.96, 360.97, 362.74, 363.88, 366.84, 368.54, 369.71, 371.32, 373.45, 375.98,
    377.70, 379.98, 382.09, 384.02, 385.83, 387.64, 390.10, 391.85, 394.06, 396.74,
    398.81, 401.01, 404.41, 406.76, 408.72, 411.65, 414.21, 416.41, 418.53, 421.08};
// Met Office HadCRUT5 global annual temperature anomaly (°C), 1981-2020.
const std::vector<double> kHadCRUT = {
    0.25001204, 0.034268282, 0.22380984, 0.04799352, 0.049729742, 0.09568698, 0.2430264,
    0.2821517,  0.1792503,   0.36058238, 0.33889654, 0.12489683,  0.16570719, 0.23354979,
    0.37686613, 0.27668938,  0.4223085,  0.5773417,  0.32448497,  0.33108476, 0.48928034,
    0.5434665,  0.54417014,  0.46737072, 0.6068625,  0.5725527,   0.5917013,  0.46564984,
    0.5967816,  0.6803714,   0.53769773, 0.57760704, 0.6235753,   0.67287165, 0.8251144,
    0.9329271,  0.84517425,  0.76265407, 0.8910726,  0.9229205};

const std::vector<Conjunto>& conjuntos() {
    static const std::vector<Conjunto> c = {
        {"CO2 2005-2020", desde(2005, 16), {kCO2.begin() + 31, kCO2.begin() + 47}},
        {"CO2 1974-2023", desde(1974, 50), kCO2},
        {"HadCRUT5 2010-2020", desde(2010, 11), {kHadCRUT.begin() + 29, kHadCRUT.end()}},
        {"HadCRUT5 1981-2020", desde(1981, 40), kHadCRUT},
        // Olympic men's 100 m winning times (s), 1960-2016.
        {"100 m 1960-2016",
         desde(1960, 15, 4),
         {10.2, 10.0, 9.95, 10.14, 10.06, 10.25, 9.99, 9.92, 9.96, 9.84, 9.87, 9.85, 9.69, 9.63,
          9.81}},
        // NIST StRD "Norris" (calibration of ozone monitors): x, y.
        {"Norris",
         {0.2, 337.4, 118.2, 884.6, 10.1,  226.5, 666.3, 996.3, 448.6, 777.0, 558.2, 0.4,
          0.6, 775.5, 666.9, 338.0, 447.5, 11.6,  556.0, 228.1, 995.8, 887.6, 120.2, 0.3,
          0.3, 556.8, 339.1, 887.2, 999.0, 779.0, 11.1,  118.3, 229.2, 669.1, 448.9, 0.5},
         {0.1, 338.8, 118.1, 888.0, 9.2,   228.1, 668.5, 998.5, 449.1, 778.9, 559.2, 0.3,
          0.1, 778.1, 668.8, 339.3, 448.9, 10.8,  557.7, 228.3, 998.0, 888.8, 119.6, 0.3,
          0.6, 557.6, 339.3, 888.0, 998.5, 778.9, 10.2,  117.6, 228.9, 668.4, 449.2, 0.2}},
        // US census resident population, 1840-2010.
        {"Censo 1840-2010",
         desde(1840, 18, 10),
         {17069453, 23191876, 31443321, 38558371, 50189209, 62979766, 76212168, 92228496, 106021537,
          123202624, 132164569, 151325798, 179323175, 203211926, 226545805, 248709873, 281421906,
          308745538}}};
    return c;
}

// Each box's value, by its accessible name, from a two-pass double fit.
std::map<std::string, double> referencia(const Conjunto& c, const Globales& g) {
    const double n = static_cast<double>(c.x.size()), gl = n - 2;
    double mx = 0, my = 0, sxx = 0, syy = 0, sxy = 0, sce = 0;
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        mx += c.x[i] / n, my += c.y[i] / n;
    }
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        sxx += (c.x[i] - mx) * (c.x[i] - mx), syy += (c.y[i] - my) * (c.y[i] - my);
        sxy += (c.x[i] - mx) * (c.y[i] - my);
    }
    const double b = sxy / sxx, a = my - b * mx, scr = sxy * sxy / sxx;
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        sce += (c.y[i] - a - b * c.x[i]) * (c.y[i] - a - b * c.x[i]);
    }
    const double s2 = sce / gl, eeA = std::sqrt(s2 * (1 / n + mx * mx / sxx));
    const double eeB = std::sqrt(s2 / sxx), tA = a / eeA, tB = b / eeB, f = scr / s2;
    const distribuciones::T t(gl);
    const auto q = [&](double nivel) { return boost::math::quantile(t, 0.5 + nivel / 200); };
    const auto p = [&](double v) { return 2 * cdf(complement(t, std::fabs(v))); };
    const double xp = g.xPred, yp = a + b * xp, d2 = (xp - mx) * (xp - mx) / sxx;
    const double wI = q(g.nivelPred) * std::sqrt(s2 * (1 + 1 / n + d2));
    const double wM = q(g.nivelPred) * std::sqrt(s2 * (1 / n + d2));
    return {{"Intercepto a, estimador puntual", a},
            {"Pendiente b, estimador puntual", b},
            {"Varianza del error", s2},
            {"Intercepto a, error estándar", eeA},
            {"Pendiente b, error estándar", eeB},
            {"Intercepto a, límite inferior del intervalo de confianza", a - q(g.nivelConf) * eeA},
            {"Intercepto a, límite superior del intervalo de confianza", a + q(g.nivelConf) * eeA},
            {"Pendiente b, límite inferior del intervalo de confianza", b - q(g.nivelConf) * eeB},
            {"Pendiente b, límite superior del intervalo de confianza", b + q(g.nivelConf) * eeB},
            {"Nivel de confianza, en %", g.nivelConf},
            {"Intercepto a, estadístico de prueba", tA},
            {"Pendiente b, estadístico de prueba", tB},
            {"Intercepto a, valor-p", p(tA)},
            {"Pendiente b, valor-p", p(tB)},
            {"Coeficiente de determinación, en %", 100 * scr / syy},
            {"Promedio de X", mx},
            {"Promedio de Y", my},
            {"Varianza de X", sxx / (n - 1)},
            {"Varianza de Y", syy / (n - 1)},
            {"Desviación estándar de X", std::sqrt(sxx / (n - 1))},
            {"Desviación estándar de Y", std::sqrt(syy / (n - 1))},
            {"Correlación entre X e Y", sxy / std::sqrt(sxx * syy)},
            {"Sxx", sxx},
            {"Syy", syy},
            {"Sxy", sxy},
            {"Tamaño muestral", n},
            {"Suma de cuadrados de la regresión", scr},
            {"Suma de cuadrados del error", sce},
            {"Suma de cuadrados total", syy},
            {"Grados de libertad de la regresión", 1},
            {"Grados de libertad del error", gl},
            {"Grados de libertad total", n - 1},
            {"Cuadrado medio de la regresión", scr},
            {"Cuadrado medio del error", s2},
            {"Cuociente F", f},
            {"Valor-p del análisis de varianza", p(std::sqrt(f))},
            {"Nivel de la predicción, en %", g.nivelPred},
            {"Predicción en x", xp},
            {"Predicción de una observación, límite inferior", yp - wI},
            {"Predicción de una observación, límite superior", yp + wI},
            {"Respuesta media, límite inferior", yp - wM},
            {"Respuesta media, límite superior", yp + wM},
            {"Predicción puntual", yp}};
}

// Whether a box's text is its value rounded: within half a unit of its last
// digit ("5.44e6" has units of 10^4), plus the float the value is kept in.
::testing::AssertionResult muestra(const std::string& texto, double valor) {
    if (texto == "<0.0001") {
        return valor < 0.0001 ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
    }
    const std::size_t e = texto.find('e'), punto = texto.find('.');
    const std::string mantisa = texto.substr(0, e);
    const int decimales = punto == std::string::npos ? 0 : int(mantisa.size() - punto - 1);
    const int exponente = e == std::string::npos ? 0 : std::stoi(texto.substr(e + 1));
    const double unidad = std::pow(10.0, exponente - decimales);
    const double error = std::fabs(std::stod(texto) - valor);
    if (error <= 0.5 * unidad * (1 + 1e-9) + std::fabs(valor) * 2e-7) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << texto << " for " << valor;
}

TEST(DatosReales, CadaCajaEnMediaUnidadDeSuUltimaCifra) {
    for (const Conjunto& c : conjuntos()) {
        SCOPED_TRACE(c.nombre);
        Motor m;
        MuestraDatos d;
        d.x = c.x, d.y = c.y;
        ASSERT_TRUE(cargarMuestra(m.g, d));
        m.g.valoresExactos = 1;
        m.g.prediccionActiva = 1;
        m.recalcular();
        const auto ref = referencia(c, m.g);
        for (const FilaCaja& f : filasCajas()) {
            SCOPED_TRACE(f.nombre);
            EXPECT_TRUE(muestra(textoCaja(f, m.g, "."), ref.at(f.nombre)));
        }
    }
}

// The certified values of Norris, how its boxes read them and its residuals'
// sum; the yearly values 2005-2020 have Sxx 340 exactly; decimals on a line
// through the origin fit it exactly.
TEST(DatosReales, NorrisYLosAnos) {
    const auto caja = [](const Globales& g, const char* nombre) {
        for (const FilaCaja& f : filasCajas()) {
            if (std::string(f.nombre) == nombre) {
                return textoCaja(f, g, ".");
            }
        }
        return std::string();
    };
    Motor m;
    MuestraDatos d;
    d.x = conjuntos()[5].x, d.y = conjuntos()[5].y;
    ASSERT_TRUE(cargarMuestra(m.g, d));
    m.g.residuosActivos = 1;
    m.recalcular();
    m.calculos.residuos();
    EXPECT_EQ(m.g.sumaResiduos, 0.0f);
    EXPECT_NEAR(m.g.preciso.a, -0.262323073774029, 1e-12);
    EXPECT_NEAR(m.g.preciso.b, 1.00211681802045, 1e-13);
    EXPECT_NEAR(m.g.preciso.eeA, 0.232818234301152, 1e-12);
    EXPECT_NEAR(m.g.preciso.eeB, 0.429796848199937e-3, 1e-15);
    EXPECT_NEAR(m.g.preciso.SCErr, 26.6173985294224, 1e-9);
    EXPECT_EQ(caja(m.g, "Cuociente F"), "5.44e6");
    EXPECT_EQ(caja(m.g, "Intercepto a, estadístico de prueba"), "-1.127");
    Motor anos;
    d.x = conjuntos()[0].x, d.y = conjuntos()[0].y;
    ASSERT_TRUE(cargarMuestra(anos.g, d));
    anos.recalcular();
    EXPECT_EQ(caja(anos.g, "Sxx"), "340.0");
    // A line through the origin written in decimals: no error, no intercept.
    Motor recta;
    d.x = {1, 2, 3, 4, 5}, d.y = {0.1, 0.2, 0.3, 0.4, 0.5};
    ASSERT_TRUE(cargarMuestra(recta.g, d));
    recta.g.residuosActivos = 1;
    recta.recalcular();
    recta.calculos.residuos();
    EXPECT_EQ(caja(recta.g, "Intercepto a, estimador puntual"), "0.00");
    EXPECT_EQ(caja(recta.g, "Suma de cuadrados del error"), "0.0");
    EXPECT_EQ(caja(recta.g, "Pendiente b, estadístico de prueba"), "100000.000");
    EXPECT_EQ(caja(recta.g, "Intercepto a, estadístico de prueba"), "\u2014");
    EXPECT_EQ(recta.g.residuo(3), 0.0f);
}

} // namespace
} // namespace rectaviva::prueba
