// The drawing of the simulation ("Simulación"): the model's true line, the
// last fitted lines and the animated sample on the plot; in the panel, the
// histogram of the chosen statistic with its theoretical density, the strip
// of the last slope intervals, and the counts of what hit beside what the
// theory expects of them.
#pragma once

#include "mostrar.h"
#include "simulador.h"

namespace rectaviva {

struct PantallaSimulacion {
    Line& Line19;           ///< the model's line in Picture1, dashed
    Matriz<Line>& Line20;   ///< the last fitted lines, 0..19
    Line& Line21;           ///< the animated sample's line
    Matriz<Shape>& Shape10; ///< the animated sample's points, hollow, 1..50
    PictureBox& Picture5;   ///< the histogram
    Matriz<Shape>& Shape11; ///< its bars, 0..39
    Matriz<Line>& Line22;   ///< the density, 0..59
    Line& Line23;           ///< the student's own value on the histogram's axis
    PictureBox& Picture6;   ///< the strip of intervals
    Matriz<Line>& Line24;   ///< the intervals, 0..49, the newest at the bottom
    Line& Line25;           ///< the true slope across the strip
    Matriz<Label>& Label8;  ///< the panel's texts (TextoSimulacion)
};

// The texts of the panel that the drawing writes.
enum TextoSimulacion : int {
    tituloHistograma = 4,
    ejeIzquierdo = 6,
    ejeCentro = 7,
    ejeDerecho = 8,
    cuentaSimulada = 9,
    mediaSimulada = 10,
    desviacionSimulada = 11,
    cubrenSimulados = 12,
    prediccionesSimuladas = 13,
    mediasSimuladas = 14,
    rechazosSimulados = 15,
    notaTabla = 16, ///< what the table's interpolated critical value covers
};

class PresentacionSimulacion {
public:
    static constexpr int kDensidad = 60; ///< segments of the density curve

    PresentacionSimulacion(Globales& g, mostrar& m, PantallaSimulacion& p) : g_(g), m_(m), p_(p) {}

    // Everything from the simulation's state, for statistic e; the animated
    // sample's points and line only with `animada`.
    void mostrarSimulacion(const Simulador& s, Estadistica e, bool animada);
    // Hides what the view added on the plot (the view turned off).
    void ocultarSimulacion();
    // The student's own value of e, on the histogram's axis.
    void marcarPropio(const Simulador& s, Estadistica e);
    // The texts under the histogram and across the bottom: the counts and
    // what the theory expects of them, or in the resampling modes what the
    // boxes say of the same sample at its current level.
    void mostrarCuentas(const Simulador& s, Estadistica e);
    // What a screen reader hears after a batch: the panel's texts.
    QString resumen() const;

private:
    void mostrarHistograma(const Simulador& s, Estadistica e);
    void mostrarIntervalos(const Simulador& s);
    void mostrarRemuestreo(const Simulador& s);
    // The line that tells what the table's critical value covers, where it
    // is not the level; empty with the exact quantiles.
    QString notaDeLaTabla(const Simulador& s, const Simulador::Esperado& esperado) const;
    std::string numero(double v, Formato f) const;
    // A share (0..1) as a percentage with one decimal; a level as its
    // entry shows it, whole or with one decimal.
    QString porcentaje(double parte) const;
    QString nivel(Single v) const;

    Globales& g_;
    mostrar& m_;
    PantallaSimulacion& p_;
};

// The statistic's name as the panel writes it: "b", "a", "s²", "t".
const char* nombreEstadistica(Estadistica e);
// The student's own value of e from the fit (t at the model's slope β₁).
double valorPropio(const Globales& g, Estadistica e, double beta1);

} // namespace rectaviva
