// Form1's composition: every control of the window with its design position
// (twips, relative to its container), texts, tooltips, fonts, colours and
// pictures. Labels are created before the text boxes and icons of their
// panel so that a box always lies above a label that it overlaps.
#include "Form1.h"

#include "Grafico.h"
#include "colores.h"
#include "composicion.h"
#include "cuadricula.h"

#include <QMenuBar>

#include <array>

namespace rectaviva {

Form1::Form1(QWidget* padre) : QMainWindow(padre) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    // A new window starts at its design size, whatever an earlier one chose.
    fijarAmpliacion(1.0);
    setFont(fuente(9));
    instalarAccesibilidad();
    vistas_ = Vistas::crear(*this);
    componer();
    Form_Load();
}

Form1::~Form1() {
    // Destroying the window moves the keyboard focus, and a control that
    // loses it tells its handler: no signal of a child may reach this window
    // once its destruction has begun.
    for (QObject* hijo : findChildren<QObject*>()) {
        QObject::disconnect(hijo, nullptr, this, nullptr);
    }
}

void Form1::componer() {
    Cliente = new Contenedor(this);
    Cliente->setObjectName(QStringLiteral("Cliente"));
    setCentralWidget(Cliente);
    componerMenus();
    componerPlano();

    Picture2 = new PictureBox(Cliente, QStringLiteral("Picture2"));
    Picture2->Move(480, 1920, 1935, 10215);
    Picture2->setBackColor(colorLista);
    // The point list has one row per unit of 54 over its height; a smaller
    // type than the panels' keeps each row inside its unit.
    Picture2->setFont(fuente(7));

    Frame1 = new Frame(Cliente, QStringLiteral("Frame1"));
    Frame1->Move(10080, 1920, 5415, 5175);
    componerFrame1();
    Frame2 = new Frame(Cliente, QStringLiteral("Frame2"));
    Frame2->Move(10560, 8520, 5055, 4815);
    componerFrame2();
    componerBarraLista();
    Frame3 = new Frame(Cliente, QStringLiteral("Frame3"));
    Frame3->Move(3000, 10200, 6975, 2775);
    componerFrame3();
    componerAvisoTabla();
    Frame5 = new Frame(Cliente, QStringLiteral("Frame5"));
    Frame5->Move(2640, 7080, 6975, 2775);
    componerFrame5();
    Frame4 = new Frame(Cliente, QStringLiteral("Frame4"));
    Frame4->Move(10200, 1000, 2415, 255);
    Frame4->setBackColor(colorHerramientas);
    componerFrame4();

    // The analysis of variance and the prediction share the slot under the
    // plot with the views' panels; leaving the prediction turns its view off.
    ranura_.agregar(*Frame3, nullptr);
    ranura_.agregar(*Frame5, [this] {
        g.prediccionActiva = 0;
        g.oMostrar->ocultarGrafPred();
    });
    for (const auto& v : vistas_) {
        v->componerPanel();
    }

    componerLaminas();
    componerListas();

    Timer1 = new Timer(this, QStringLiteral("Timer1"));
    Timer1->setInterval(60);
}

void Form1::componerMenus() {
    QMenuBar& barra = *menuBar();
    mnuGene = new Menu(barra, QStringLiteral("mnuGene"), FUENTE("Form1", "Generar"), false);
    mnuVe = new Menu(barra, QStringLiteral("mnuVe"), FUENTE("Form1", "Ver"), true);
    mnuAv = new Menu(*mnuVe, QStringLiteral("mnuAv"), FUENTE("Form1", "Análisis de varianza"));
    mnuPr = new Menu(*mnuVe, QStringLiteral("mnuPr"), FUENTE("Form1", "Predicción"));
    mnuBan = new Menu(*mnuVe, QStringLiteral("mnuBan"), FUENTE("Form1", "Bandas de confianza 95%"));
    for (const auto& v : vistas_) {
        v->componerMenu(*mnuVe);
    }
    mnuExa = new Menu(*mnuVe, QStringLiteral("mnuExa"), FUENTE("Form1", "Valores p exactos"));
    mnuExa->setCheckable(true);
    traducirAyuda(*mnuExa->accion(),
                  FUENTE("Form1", "Calcula los valores p y los cuantiles con la distribución t "
                                  "exacta en lugar de la tabla"));
    // Only an entry given a tooltip of its own shows one.
    mnuVe->desplegable()->setToolTipsVisible(true);
    mnuAmp = new Menu(*mnuVe, QStringLiteral("mnuAmp"), FUENTE("Form1", "Ampliar a la pantalla"));
    mnuAmp->setCheckable(true);
    componerMenuIdioma();
    componerMenuDatos();
    componerMenuEditar();
    for (const auto& v : vistas_) {
        v->componerBarra(barra);
    }
    mnuDesc = new Menu(barra, QStringLiteral("mnuDesc"), FUENTE("Form1", "Descripción"), false);
    mnuAcer = new Menu(barra, QStringLiteral("mnuAcer"), FUENTE("Form1", "Acerca de"), false);
    mnuSali = new Menu(barra, QStringLiteral("mnuSali"), FUENTE("Form1", "Salir"), false);
    connect(mnuDesc, &Menu::Click, this, &Form1::mnuDesc_Click);
    connect(mnuAcer, &Menu::Click, this, &Form1::mnuAcer_Click);
    connect(mnuSali, &Menu::Click, this, &Form1::mnuSali_Click);
    connect(mnuExa, &Menu::Click, this, &Form1::mnuExa_Click);
    connect(mnuAmp, &Menu::Click, this, &Form1::mnuAmp_Click);
}

void Form1::componerPlano() {
    Picture1 = new PictureBox(Cliente, QStringLiteral("Picture1"));
    Picture1->Move(1920, 1080, 7185, 6765);
    Picture1->setPintorFondo(pintarCuadricula);

    // Segments first, markers last: a marker is never hidden under a line.
    Line3 = linea(*Picture1, QStringLiteral("Line3"), 0, 0, 7185, 6765, colorRecta, 3);
    // The bands are curves drawn as segments end to end: square ends join
    // them as round ones would, at a fraction of the cost.
    for (int k = 0; k <= 41; ++k) {
        Line12.agregar(k,
                       linea(*Picture1, nombre("Line12", k), 0, 0, 120, 120, colorObservacion, 2));
        Line12(k).setExtremo(Line::Extremo::Cuadrado);
    }
    for (int k = 0; k <= 50; ++k) {
        Line13.agregar(
            k, linea(*Picture1, nombre("Line13", k), 0, 0, 120, 120, colorMediaRespuesta, 2));
        Line13(k).setExtremo(Line::Extremo::Cuadrado);
    }
    Line14.agregar(0, linea(*Picture1, nombre("Line14", 0), 0, 0, 0, 600, colorObservacion, 3));
    Line14.agregar(1, linea(*Picture1, nombre("Line14", 1), 0, 0, 0, 600, colorMediaRespuesta, 5));
    // The squares that views draw on the segments from the points to a
    // line, hidden until one is on; then each view's items under the markers.
    for (int k = 1; k <= maxPuntos; ++k) {
        Shape* c = Picture1->agregarShape(nombre("Shape5", k));
        c->setFillColor(colorCuadrado);
        c->setBorderColor(colorResiduo);
        c->setVisible(false);
        Shape5.agregar(k, c);
    }
    for (const auto& v : vistas_) {
        v->componerPlano(Capa::BajoMarcadores);
    }
    Nube1 = Picture1->agregarNube(QStringLiteral("Nube1"));
    Nube1->setVisible(false);
    for (int k = 0; k <= 51; ++k) {
        Shape* s = Picture1->agregarShape(nombre("Shape1", k));
        s->setForma(Shape::Forma::Circulo);
        s->Move(120, 120, 135, 135);
        colorearMarcador(*s, colorPuntoActivo);
        s->setVisible(false);
        Shape1.agregar(k, s);
    }
    for (const auto& v : vistas_) {
        v->componerPlano(Capa::SobreMarcadores);
    }

    ayuda(Picture1, Image2, 0, 120, 120);
    for (const auto& v : vistas_) {
        v->componerPlano(Capa::Controles);
    }

    Frame6 = new Frame(Picture1, QStringLiteral("Frame6"));
    Frame6->Move(3600, 720, 1215, 495);
    Frame6->setBackColor(colorHerramientas);
    crearLabels(Frame6, Label5, "Label5",
                {{FUENTE("Form1", "Eliminar"), 120, 0, 1575, 255, izq, 9, false},
                 {FUENTE("Form1", "Recuperar"), 120, 240, 1575, 255, izq, 9, false}});
    for (Label* l : Label5) {
        l->setForeColor(colorEnlace);
        l->setBackColor(colorHerramientas);
    }
}

void Form1::componerFrame1() {
    crearLabels(
        Frame1, Label1, "Label1",
        {{FUENTE("Form1", "Etimación de parámetros"), 1200, 120, 3135, 375, izq, 9.75, true},
         {FUENTE("Form1", "Intercepto a"), 2160, 360, 1215, 375, izq, 9, false},
         {FUENTE("Form1", "Pendiente b"), 3720, 360, 1215, 375, izq, 9, false},
         {FUENTE("Form1", "Varianza del error"), 120, 4440, 975, 495, izq, 9, false},
         {FUENTE("Form1", "Estimador puntual"), 480, 720, 1335, 495, der, 9, false},
         {FUENTE("Form1", "Error estándar"), 480, 1320, 1335, 495, der, 9, false},
         {FUENTE("Form1", "Intervalo de confianza coeficiente"), 120, 1800, 1815, 735, izq, 9,
          false},
         {"%", 1560, 2160, 255, 255, der, 9, false},
         {FUENTE("Form1", "Prueba hipótesis :"), 80, 2700, 1815, 255, cen, 9, false},
         {FUENTE("Form1", "Estadístico de prueba observado"), 240, 3020, 1095, 735, izq, 9, false},
         {FUENTE("Form1", "Valor-p"), 480, 3840, 855, 255, izq, 9, false},
         {FUENTE("Form1", "Coeficiente de determinación"), 2400, 4440, 1575, 495, izq, 9, false},
         {"a = 0", 2280, 2760, 615, 255, cen, 9, false},
         {"b = 0", 3840, 2760, 735, 255, cen, 9, false}});
    Line1 = linea(*Frame1, QStringLiteral("Line1"), 120, 2640, 5295, 2640, rojoLinea, 2);
    Line2 = linea(*Frame1, QStringLiteral("Line2"), 120, 4380, 5295, 4380, rojoLinea, 2);
    Line6 = linea(*Frame1, QStringLiteral("Line6"), 2280, 4440, 2280, 5100, rojoLinea, 2);
    Line7 = linea(*Frame1, QStringLiteral("Line7"), 3360, 360, 3360, 4260, rojoLinea, 2);
    crearCajas(Frame1, Text1, "Text1", 9,
               {{2160, 720, 855, 405},
                {3720, 720, 855, 405},
                {1320, 4560, 855, 405},
                {2160, 1320, 855, 405},
                {3720, 1320, 855, 405},
                {1950, 1920, 615, 405},
                {2610, 1920, 615, 405},
                {3510, 1920, 615, 405},
                {4170, 1920, 615, 405},
                {1200, 2160, 375, 330},
                {2160, 3000, 855, 405},
                {3720, 3000, 855, 405},
                {2160, 3720, 855, 405},
                {3720, 3720, 855, 405},
                {3960, 4560, 855, 405}});
    Text1(9).setLocked(false);
    traducirAyuda(Text1(9), FUENTE("Form1", "entre 65 y 99"));
    for (int k = 0; k <= 11; ++k) {
        barra(*Frame1, Shape2, k);
    }
    ayuda(Frame1, Image2, 3, 4980, 120);
    ayuda(Frame1, Image2, 4, 4980, 2700);
    ayuda(Frame1, Image2, 5, 4980, 4560);
}

void Form1::componerFrame2() {
    crearLabels(
        Frame2, Label3, "Label3",
        {{FUENTE("Form1", "Estadísticos de las variables "), 720, 120, 3495, 375, cen, 9.75, true},
         {"X                   Y", 1680, 720, 2055, 375, der, 9.75, true},
         {FUENTE("Form1", "Promedio"), 360, 1080, 975, 375, der, 9.75, false},
         {FUENTE("Form1", "Varianza"), 240, 1680, 975, 375, der, 9.75, false},
         {FUENTE("Form1", "Desv. estándar"), 240, 2160, 1095, 615, der, 9.75, false},
         {FUENTE("Form1", "Correlación entre X e Y"), 120, 2880, 2415, 255, der, 9.75, false},
         {FUENTE("Form1", "Cálculos auxiliares"), 960, 3360, 2295, 375, der, 9.75, true},
         {"Sxx                       Syy   ", 240, 3960, 2535, 375, izq, 9.75, false},
         {" Sxy  ", 2280, 4440, 495, 255, izq, 9.75, false},
         {FUENTE("Form1", "Tamaño muestral"), 960, 480, 1815, 255, der, 9.75, false}});
    Label3(0).setForeColor(colorRotulo);
    Label3(6).setForeColor(colorRotuloAuxiliar);
    // The names of the sums lie partly over the value bars of the boxes above.
    Label3(7).setTransparente(true);
    Label3(8).setTransparente(true);
    Line9 = linea(*Frame2, QStringLiteral("Line9"), 120, 2715, 4935, 2715, rojoLinea, 2);
    Line4 = linea(*Frame2, QStringLiteral("Line4"), 120, 3300, 4935, 3300, rojoLinea, 2);
    Line5 = linea(*Frame2, QStringLiteral("Line5"), 2950, 960, 2950, 2670, rojoLinea, 2);
    crearCajas(Frame2, Text2, "Text2", 9,
               {{1800, 960, 855, 375},
                {3240, 960, 855, 375},
                {1800, 1560, 855, 375},
                {3240, 1560, 855, 375},
                {1800, 2160, 855, 375},
                {3240, 2160, 855, 375},
                {2640, 2760, 855, 375},
                // Sxx and Syy are lower than the others so that their bars
                // end above the names printed under them.
                {120, 3600, 855, 315},
                {1800, 3600, 855, 315},
                {2760, 4200, 855, 375},
                {2880, 480, 495, 375}});
    Text2(10).setLocked(false);
    traducirAyuda(Text2(10), FUENTE("Form1", "Mínimo 3 y máximo 50"));
    for (int k = 12; k <= 21; ++k) {
        barra(*Frame2, Shape2, k);
    }
    ayuda(Frame2, Image2, 1, 4560, 120);
    ayuda(Frame2, Image2, 2, 3480, 3360);
}

} // namespace rectaviva
