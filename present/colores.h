// The colours of the window: the markers, the list rows, the graphics over
// the plot and the panels. The window, the presentation and the tests take
// them from here.
#pragma once

#include <QColor>

namespace rectaviva {

// Markers, fill and border alike.
inline const QColor colorPuntoActivo{0, 0, 220};
inline const QColor colorElegido{0, 220, 0}; ///< the picked or dragged point
// A deleted point: its marker and its list row.
inline const QColor colorEliminado{180, 180, 180};

// List rows.
inline const QColor colorFilaActiva{0, 0, 0};
inline const QColor colorFilaElegida{0, 200, 0};

// Graphics over the plot.
inline const QColor colorRecta{230, 0, 0};            ///< the fitted line, as laid out
inline const QColor colorObservacion{0, 192, 192};    ///< one-observation interval and band
inline const QColor colorMediaRespuesta{255, 0, 255}; ///< mean-response interval and band
inline const QColor colorResiduo{102, 0, 153};        ///< residual segments, their squares' edge
inline const QColor colorCuadrado{102, 0, 153, 56};   ///< the squares' translucent fill
inline const QColor colorRegresion{0, 0, 220};        ///< SCReg's part of the decomposition
inline const QColor colorHueco{0, 0, 0, 0};           ///< a hollow marker's fill
// Influence rings by Cook's distance D: at most 4/n, up to 1, beyond 1.
inline const QColor colorAnillo{70, 70, 70};
inline const QColor colorAnilloAviso{255, 110, 0};
inline const QColor colorAnilloFuerte{200, 0, 0};
inline const QColor colorSinPunto{40, 40, 40};  ///< the dashed fit without the dragged point
inline const QColor colorMiRecta{0, 110, 80};   ///< the student's own line and its handles
inline const QColor colorDesviaciones{0, 0, 0}; ///< the dashed line of standard deviations
// The simulation: the model's line, the simulated lines and points, the
// histogram's bars and density, and the intervals that hit or miss.
inline const QColor colorModelo{128, 0, 64};
inline const QColor colorSimulada{60, 60, 150, 70};
inline const QColor colorMuestraSimulada{60, 60, 150};
inline const QColor colorFondoSimulacion{255, 255, 240};
inline const QColor colorBarraSimulada{150, 170, 235};
inline const QColor colorDensidad{0, 0, 0};
inline const QColor colorIntervaloCubre{60, 60, 150};
inline const QColor colorIntervaloFalla{220, 0, 0};

// Surfaces and panels.
inline const QColor colorPlano{255, 180, 0};           ///< the plot, under its grid
inline const QColor colorLista{192, 64, 0};            ///< the point list
inline const QColor colorPanelEstimacion{200, 100, 0}; ///< "Etimación de parámetros"
inline const QColor colorPanelVariables{180, 120, 0};  ///< the statistics of the variables
inline const QColor colorPanelInferior{220, 150, 0};   ///< every panel of the slot under the plot
inline const QColor colorHerramientas{255, 255, 0};    ///< the tool row and the pop-up
inline const QColor colorLamina{255, 255, 192};        ///< an explanation sheet
inline const QColor colorTexto{192, 192, 192};         ///< the description and credits
inline const QColor colorAviso{192, 0, 0};             ///< the resolution warning's text
inline const QColor colorSalida{200, 200, 0};          ///< an output box
inline const QColor colorEntrada{255, 120, 120};       ///< an entry box
inline const QColor colorBarra{0, 0, 255};             ///< the value bars
inline const QColor colorEnlace{0, 0, 255};            ///< a command written as text
inline const QColor colorBorde{0, 0, 0};               ///< a colour key's or handle's edge
inline const QColor colorRotulo{0, 0, 0};              ///< a panel's title
inline const QColor colorRotuloAuxiliar{128, 0, 0};    ///< "Cálculos auxiliares"

} // namespace rectaviva
