// Form1's start-up: the load handler, the wiring of the design's controls to
// their handlers (the views wire their own as they compose them, the
// keyboard's in Form1_teclado.cpp), the resolution warning, and the
// description, credits and exit commands.
#include "Form1.h"
#include "idioma.h"

#include <QApplication>
#include <QScreen>

#include <span>
#include <tuple>
#include <utility>

namespace rectaviva {

namespace {

// Where the description and the credits open, in layout units.
constexpr LugarLista lugarDescripcion{10, 200, 10, 450};
constexpr LugarLista lugarCreditos{10, 140, 550, 400};

// The rows of the text panels, as written; an empty row stays empty.
constexpr const char* filasResolucion[] = {
    "", QT_TRANSLATE_NOOP("Form1", "  PARA  UTILIZAR  ESTE  RECURSO  DIDACTICO"),
    QT_TRANSLATE_NOOP("Form1", "    DEBE  CONFIGURAR  LA  PANTALLA  CON"),
    QT_TRANSLATE_NOOP("Form1", "      RESOLUCION  1024 X 768  PIXELES")};
constexpr const char* filasDescripcion[] = {
    "",
    QT_TRANSLATE_NOOP("Form1", "  Tutorvia sobre Regresión Lineal Simple."),
    QT_TRANSLATE_NOOP("Form1", "  Permite visualizar el efecto de cambios"),
    QT_TRANSLATE_NOOP("Form1", "  en las observaciones sobre diversas medidas y"),
    QT_TRANSLATE_NOOP("Form1", "  estimadores relacionados con el modelo de"),
    QT_TRANSLATE_NOOP("Form1", "  Regresión Lineal Simple. "),
    QT_TRANSLATE_NOOP("Form1", "  Mueva los puntos y observe qué pasa "),
    QT_TRANSLATE_NOOP("Form1", "  con los indicadores."),
    QT_TRANSLATE_NOOP("Form1", "  o elimine puntos con el ")};
constexpr const char* filasCreditos[] = {
    "",
    QT_TRANSLATE_NOOP("Form1", "   Recurso didáctico desarrollado por"),
    QT_TRANSLATE_NOOP("Form1", "   el equipo de Rectaviva"),
    QT_TRANSLATE_NOOP("Form1", "   para la enseñanza de la"),
    QT_TRANSLATE_NOOP("Form1", "   Regresión Lineal Simple."),
    ""};

} // namespace

double Form1::anchoPantallaTwips() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? pixelesATwips(s->geometry().width()) : 0.0;
}

double Form1::altoPantallaTwips() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? pixelesATwips(s->geometry().height()) : 0.0;
}

void Form1::Form_Load() {
    ajustarPantalla();
    azar_ = std::make_unique<GeneradorReloj>();
    List5->setVisible(false);
    // 13000 twips: about 867 pixels at 15 twips per pixel.
    if (anchoPantallaTwips() < 13000) {
        avisoResolucion();
    }
    g.listaSinResaltar = 1;

    calculos_ = std::make_unique<Calculos>(g);
    g.oCalculos = calculos_.get();
    tablas_ = std::make_unique<Tablas>(g);
    g.oTablas = tablas_.get();
    pantalla_ =
        std::make_unique<Pantalla>(Pantalla{Text1, Text2, Text3, Text4, Shape1, Shape2, *Line3,
                                            Line12, Line13, Line14, *Picture1, *Picture2});
    mostrar_ = std::make_unique<mostrar>(g, *pantalla_);
    mostrar_->setCuadrados(&Shape5);
    g.oMostrar = mostrar_.get();
    for (const auto& v : vistas_) {
        v->cargar(*mostrar_);
        v->setHablar([this](const QString& texto) { hablar(texto); });
    }

    g.oTablas->tablaT(g.valoresT);
    g.oCalculos->PuntosPrediccion();

    g.nivelPred = 95.0f;
    g.xPred = 20.0f;
    g.nivelConf = 95.0f;
    g.prediccionActiva = 0;

    // Until the first sample there is nothing for the views to show.
    mnuAv->setEnabled(false);
    mnuPr->setEnabled(false);
    mnuBan->setEnabled(false);
    for (const auto& v : vistas_) {
        v->menu().setEnabled(!v->pideMuestra());
    }
    conectarEventos();
}

// Every control's events reach one handler, with the element's index
// captured where the control belongs to an array.
void Form1::conectarEventos() {
    connect(mnuGene, &Menu::Click, this, &Form1::mnuGene_Click);
    connect(mnuAv, &Menu::Click, this, &Form1::mnuAv_Click);
    connect(mnuPr, &Menu::Click, this, &Form1::mnuPr_Click);
    connect(mnuBan, &Menu::Click, this, &Form1::mnuBan_Click);

    // The entry boxes: each array's Change and KeyPress with the box's index.
    const auto conectarCajas = [this](Matriz<TextBox>& cajas, void (Form1::*cambio)(Integer),
                                      void (Form1::*tecla)(Integer, int&)) {
        for (int i = cajas.LBound(); i <= cajas.UBound(); ++i) {
            const Integer k = static_cast<Integer>(i);
            connect(&cajas(i), &TextBox::Change, this, [this, k, cambio] { (this->*cambio)(k); });
            connect(&cajas(i), &TextBox::KeyPress, this,
                    [this, k, tecla](int& a) { (this->*tecla)(k, a); });
        }
    };
    // A click on any element of an array, with the element's index.
    const auto conectarClicks = [this](auto& matriz, auto senal, void (Form1::*clic)(Integer)) {
        for (int i = matriz.LBound(); i <= matriz.UBound(); ++i) {
            const Integer k = static_cast<Integer>(i);
            connect(&matriz(i), senal, this, [this, k, clic] { (this->*clic)(k); });
        }
    };
    conectarCajas(Text1, &Form1::Text1_Change, &Form1::Text1_KeyPress);
    conectarCajas(Text2, &Form1::Text2_Change, &Form1::Text2_KeyPress);
    conectarCajas(Text4, &Form1::Text4_Change, &Form1::Text4_KeyPress);
    conectarClicks(Image2, &Image::Click, &Form1::Image2_Click);

    connect(Picture1, &PictureBox::MouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &PictureBox::MouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBox::MouseUp, this, &Form1::Picture1_MouseUp);
    connect(Picture2, &PictureBox::MouseDown, this, &Form1::Picture2_MouseDown);
    connect(Picture2, &PictureBox::MouseUp, this, &Form1::Picture2_MouseUp);
    connect(Timer1, &Timer::Tick, this, &Form1::Timer1_Timer);

    conectarClicks(Label5, &Label::Click, &Form1::Label5_Click);
    for (int i = Image1.LBound(); i <= Image1.UBound(); ++i) {
        const Integer k = static_cast<Integer>(i);
        connect(&Image1(i), &Image::MouseDown, this,
                [this, k](int b, int s, float x, float y) { Image1_MouseDown(k, b, s, x, y); });
        connect(&Image1(i), &Image::MouseUp, this,
                [this, k](int b, int s, float x, float y) { Image1_MouseUp(k, b, s, x, y); });
    }

    // The held tool's next step and a put-off paint: armed for their due
    // time; a precise timer keeps the 0.01 s pacing to the millisecond.
    const auto relojPreciso = [this](auto alVencer) {
        auto* reloj = new QTimer(this);
        reloj->setTimerType(Qt::PreciseTimer);
        reloj->setSingleShot(true);
        connect(reloj, &QTimer::timeout, this, alVencer);
        return reloj;
    };
    relojHerramienta_ = relojPreciso([this] { pasoDeHerramienta(); });
    relojPintado_ = relojPreciso([this] { pedirPintado(); });
    conectarTeclado();
    nombrarControles();
}

void Form1::avisoResolucion() {
    List5->setFont([&] {
        QFont f = List5->font();
        f.setPointSizeF(13);
        return f;
    }());
    llenarLista(*List5, filasResolucion);
    List5->setWidth(8000);
    List5->setHeight(4000);
    List5->setTop((altoPantallaTwips() - List5->Height()) / 2);
    List5->setLeft((anchoPantallaTwips() - List5->Width()) / 2);
    mnuGene->setEnabled(false);
    mnuVe->setEnabled(false);
    List5->setVisible(true);
}

// Places a text panel in layout units, so that twips scale with the screen;
// a translation's rows longer or more than its place holds widen or
// lengthen it, so that every row shows whole. In Spanish the panel keeps its
// place exactly.
void Form1::ubicarLista(ListBox& lista, const LugarLista& lugar) {
    lista.setTop(lugar.arriba * g.escalaY);
    lista.setHeight(lugar.alto * g.escalaY);
    lista.setLeft(lugar.izquierda * g.escalaX);
    lista.setWidth(lugar.ancho * g.escalaX);
    const QString idioma = idiomaActual();
    if (idioma.isEmpty() || idioma == QLatin1String("es") || lista.count() == 0 ||
        lista.width() <= 0 || lista.height() <= 0) {
        return;
    }
    int alto = 0;
    for (int i = 0; i < lista.count(); ++i) {
        alto += lista.sizeHintForRow(i);
    }
    const int sobraAncho = lista.sizeHintForColumn(0) - lista.viewport()->width();
    const int sobraAlto = alto - lista.viewport()->height();
    if (sobraAncho > 0) {
        lista.setWidth(lista.Width() * (lista.width() + sobraAncho) / lista.width());
    }
    if (sobraAlto > 0) {
        lista.setHeight(lista.Height() * (lista.height() + sobraAlto) / lista.height());
    }
}

void Form1::ubicarListas() {
    ubicarLista(*List6, lugarDescripcion);
    ubicarLista(*List3, lugarCreditos);
}

// Opens a text panel at its place with its rows, or closes it if it is open.
// Reopening clears the rows first, so they never pile up.
void Form1::alternarLista(ListBox& lista, const LugarLista& lugar,
                          std::span<const char* const> filas) {
    if (lista.Visible()) {
        lista.setVisible(false);
        return;
    }
    lista.setVisible(true);
    llenarLista(lista, filas);
    ubicarLista(lista, lugar);
    // A screen reader reads the panel as soon as it opens.
    lista.setFocus(Qt::OtherFocusReason);
}

// The rows in the language in use, in place of any there were.
void Form1::llenarLista(ListBox& lista, std::span<const char* const> filas) {
    lista.Clear();
    for (const char* fila : filas) {
        lista.AddItem(*fila ? QCoreApplication::translate("Form1", fila) : QString());
    }
}

// An open text panel in the language now in use.
void Form1::retraducirListas() {
    if (List5->Visible()) {
        llenarLista(*List5, filasResolucion);
    }
    const std::tuple<ListBox*, std::span<const char* const>, LugarLista> listas[] = {
        {List6, filasDescripcion, lugarDescripcion}, {List3, filasCreditos, lugarCreditos}};
    for (const auto& [lista, filas, lugar] : listas) {
        if (lista->Visible()) {
            llenarLista(*lista, filas);
            ubicarLista(*lista, lugar);
        }
    }
}

void Form1::mnuDesc_Click() {
    alternarLista(*List6, lugarDescripcion, filasDescripcion);
}

void Form1::mnuAcer_Click() {
    alternarLista(*List3, lugarCreditos, filasCreditos);
}

void Form1::mnuSali_Click() {
    close();
    QCoreApplication::quit();
}

} // namespace rectaviva
