// The rounds of the challenges, drawn from their codes: the clouds (plain
// ones and ones whose r misleads), the lines to guess and the targets to
// build, all in whole plot units inside the design's plot. The residual
// rounds have their own file (retos_residuos.cpp).
#include "retos.h"

#include "azar_reto.h"
#include "puntuacion.h"
#include "retos_privado.h"
#include "retos_residuos.h"

#include <algorithm>
#include <cmath>

namespace rectaviva {

namespace {

using namespace plano;

struct Nube {
    double cx, cy, sx, sy;
};

// A centre and spreads that keep most of a normal cloud inside the plot.
Nube nubeAlAzar(AzarReto& a) {
    return {entre(a, 15, 45), entre(a, 15, 45), 8 + 10 * a.uniforme(), 8 + 10 * a.uniforme()};
}

// n points of a bivariate normal cloud with correlation rho.
void nubeNormal(AzarReto& a, std::vector<PuntoReto>& p, int n, double rho, const Nube& c) {
    const double resto = std::sqrt(1 - rho * rho);
    for (int i = 0; i < n; ++i) {
        p.push_back(dentroDelPlano([&] {
            const double z1 = a.normal(), z2 = a.normal();
            return std::pair{c.cx + c.sx * z1, c.cy + c.sy * (rho * z1 + resto * z2)};
        }));
    }
}

// A parabola over the cloud's width with little noise: a strong relation
// whose r stays small, or moderate when its vertex lies off centre.
void curva(AzarReto& a, std::vector<PuntoReto>& p, int n) {
    const double cx = a.entero(20, 40), ancho = 30 + 15 * a.uniforme();
    const double vertice = cx + ancho * 0.6 * (a.uniforme() - 0.5);
    const double altura = signo(a) * (35 + 20 * a.uniforme());
    const double base = altura > 0 ? a.entero(-20, 0) : a.entero(60, 80);
    const double ruido = 2 + 3 * a.uniforme();
    for (int i = 0; i < n; ++i) {
        p.push_back(dentroDelPlano([&] {
            const double x = cx - ancho + 2 * ancho * a.uniforme();
            const double d = (x - vertice) / ancho;
            return std::pair{x, base + altura * d * d + ruido * a.normal()};
        }));
    }
}

// One point far from a cloud: either a shapeless cloud that the point gives
// a strong r, or a tight line that the point, across its trend, breaks.
void atipico(AzarReto& a, std::vector<PuntoReto>& p, int n) {
    const double s = signo(a);
    if (a.uniforme() < 0.5) {
        const double lejos = 55 + 15 * a.uniforme();
        const Nube c{entre(a, -15, 5), s > 0 ? entre(a, -15, 5) : entre(a, 55, 75),
                     5 + 3 * a.uniforme(), 5 + 3 * a.uniforme()};
        nubeNormal(a, p, n - 1, 0.3 * (a.uniforme() - 0.5), c);
        p.push_back(punto(c.cx + lejos, c.cy + s * lejos));
    } else {
        const Nube c = nubeAlAzar(a);
        nubeNormal(a, p, n - 1, s * (0.85 + 0.1 * a.uniforme()), c);
        p.push_back(punto(c.cx + 2.5 * c.sx, c.cy - s * 2.5 * c.sy));
    }
}

// Two separate groups, each without a trend of its own (or with the
// opposite one), whose separation gives the whole an r of its own.
void grupos(AzarReto& a, std::vector<PuntoReto>& p, int n) {
    const double s = signo(a);
    const double dentroDeGrupo = a.uniforme() < 0.5 ? 0.0 : -s * 0.6;
    const double separacion = 45 + 15 * a.uniforme();
    const double x0 = a.entero(-15, 0), y0 = s > 0 ? a.entero(-15, 0) : a.entero(60, 75);
    const double dispersion = 5 + 3 * a.uniforme();
    const int primero = n / 2;
    nubeNormal(a, p, primero, dentroDeGrupo, {x0, y0, dispersion, dispersion});
    nubeNormal(a, p, n - primero, dentroDeGrupo,
               {x0 + separacion, y0 + s * separacion, dispersion, dispersion});
}

RondaReto correlacion(AzarReto& a, RondaReto r) {
    const int n = a.entero(10, 50);
    if (a.uniforme() < 0.2) {
        r.engano = static_cast<Engano>(a.entero(1, 3));
    }
    switch (r.engano) {
    case Engano::Ninguno:
        nubeNormal(a, r.puntos, n, 2 * a.uniforme() - 1, nubeAlAzar(a));
        break;
    case Engano::Curva:
        curva(a, r.puntos, n);
        break;
    case Engano::Atipico:
        atipico(a, r.puntos, n);
        break;
    case Engano::Grupos:
        grupos(a, r.puntos, n);
        break;
    }
    return r;
}

RondaReto recta(AzarReto& a, RondaReto r) {
    const double rho = signo(a) * (0.6 + 0.37 * a.uniforme());
    nubeNormal(a, r.puntos, a.entero(10, 50), rho, nubeAlAzar(a));
    return r;
}

// Whether a drawn cloud already lies near its target, by a fit in double:
// near enough to the float engine's to keep a starting cloud well away.
bool cercaDelObjetivo(const Objetivo& o, const std::vector<PuntoReto>& p) {
    double mx = 0, my = 0;
    for (const PuntoReto q : p) {
        mx += q.x;
        my += q.y;
    }
    const auto n = static_cast<double>(p.size());
    mx /= n;
    my /= n;
    double sxx = 0, syy = 0, sxy = 0;
    for (const PuntoReto q : p) {
        sxx += (q.x - mx) * (q.x - mx);
        syy += (q.y - my) * (q.y - my);
        sxy += (q.x - mx) * (q.y - my);
    }
    if (sxx == 0 || syy == 0) {
        return true;
    }
    const double r = sxy / std::sqrt(sxx * syy), b = sxy / sxx;
    const double s = std::sqrt(std::max(0.0, syy - b * sxy) / (n - 2));
    switch (o.tipo) {
    case TipoObjetivo::Correlacion:
        // The cloud starts on the other side of 0 from its target.
        return r * o.valor >= 0;
    case TipoObjetivo::Pendiente:
        return std::fabs(b - o.valor) <= 3 * o.tolerancia && 100 * r * r >= o.minimoR2 - 10;
    case TipoObjetivo::Plana:
        return std::fabs(r) <= 3 * o.tolerancia && s <= 1.5 * o.valor;
    }
    return false;
}

RondaReto nube(AzarReto& a, RondaReto r) {
    const int n = a.entero(10, 20);
    Objetivo& o = r.objetivo;
    o.tipo = static_cast<TipoObjetivo>(a.entero(0, 2));
    double rho = 0;
    switch (o.tipo) {
    case TipoObjetivo::Correlacion:
        // ±0.3 to ±0.9; the cloud starts weak and on the other side.
        o.valor = static_cast<float>(signo(a) * a.entero(3, 9) / 10.0);
        o.tolerancia = 0.03f;
        rho = -0.3 * o.valor;
        break;
    case TipoObjetivo::Pendiente: {
        static constexpr float pendientes[] = {-2, -1, -0.5f, 0.5f, 1, 2};
        o.valor = pendientes[a.entero(0, 5)];
        o.tolerancia = 0.1f * std::fabs(o.valor);
        o.minimoR2 = 90;
        rho = 0.3 * (a.uniforme() - 0.5);
        break;
    }
    case TipoObjetivo::Plana:
        o.valor = 4;
        o.tolerancia = 0.1f;
        rho = signo(a) * (0.7 + 0.2 * a.uniforme());
        break;
    }
    // A cloud that already met its target would leave nothing to build.
    do {
        r.puntos.clear();
        nubeNormal(a, r.puntos, n, rho, nubeAlAzar(a));
    } while (cercaDelObjetivo(o, r.puntos));
    return r;
}

} // namespace

int codigoAlAzar(double u) {
    const int cuantos = ultimoCodigo - primerCodigo + 1;
    return primerCodigo + std::clamp(static_cast<int>(u * cuantos), 0, cuantos - 1);
}

RondaReto rondaDeCodigo(Reto reto, int codigo) {
    RondaReto r;
    r.codigo = codigo;
    r.reto = reto;
    // Each challenge has its own rounds: the same code draws unrelated clouds.
    AzarReto a((static_cast<std::uint64_t>(reto) << 32U) | static_cast<std::uint32_t>(codigo));
    switch (r.reto) {
    case Reto::Correlacion:
        return correlacion(a, std::move(r));
    case Reto::Recta:
        return recta(a, std::move(r));
    case Reto::Nube:
        return nube(a, std::move(r));
    case Reto::Residuos:
        // The pattern from the code's own stream; its points from the pattern's.
        return rondaDePatron(static_cast<Patron>(a.entero(0, numPatrones - 1)), codigo);
    }
    return r;
}

// On the values as the panel shows them, in units of their last decimal:
// r, b and s with two decimals, R² in percent with none.
bool objetivoCumplido(const Objetivo& o, const Globales& g) {
    if (g.nActivos < minActivos) {
        return false;
    }
    const auto u = [](double v, int decimales = 2) { return unidadesMostradas(v, decimales); };
    const auto cerca = [&](double v) {
        return std::isfinite(v) && std::llabs(u(v) - u(o.valor)) <= u(o.tolerancia);
    };
    switch (o.tipo) {
    case TipoObjetivo::Correlacion:
        return cerca(g.correlacion);
    case TipoObjetivo::Pendiente:
        return cerca(g.pendiente) && std::isfinite(g.R2) && u(g.R2, 0) >= u(o.minimoR2, 0);
    case TipoObjetivo::Plana: {
        const double s = std::sqrt(g.varError);
        return std::isfinite(g.correlacion) && std::isfinite(s) &&
               std::llabs(u(g.correlacion)) <= u(o.tolerancia) && u(s) <= u(o.valor);
    }
    }
    return false;
}

} // namespace rectaviva
