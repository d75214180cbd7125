// The screen that a Qt test run was started with, read from its screen file,
// so that a suite can state its expectations for it.
#pragma once

struct PantallaEsperada {
    int ancho = 0; ///< pixels
    int alto = 0;  ///< pixels
    int dpi = 0;   ///< logical dots per inch
};

PantallaEsperada pantallaEsperada();
