#include "lectura.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace rectaviva {

namespace {

bool esBlanco(char c) {
    return c == ' ' || c == '\t';
}
bool esDigito(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double leerNumero(std::string_view texto) {
    // The accepted prefix is copied without its blanks: sign, digits, an
    // optional point with digits, and an exponent only when digits follow it.
    std::string limpio;
    limpio.reserve(texto.size());
    std::size_t i = 0;
    auto saltarBlancos = [&] {
        while (i < texto.size() && esBlanco(texto[i])) {
            ++i;
        }
    };

    saltarBlancos();
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
        negativo = texto[i] == '-';
        ++i;
    }
    int cifrasMantisa = 0;
    long cifrasEnteras = 0; // significant digits before the point
    bool punto = false;
    for (;; ++i) {
        saltarBlancos();
        if (i >= texto.size()) {
            break;
        }
        const char c = texto[i];
        if (esDigito(c)) {
            if (!punto && (cifrasEnteras > 0 || c != '0')) {
                ++cifrasEnteras;
            }
            ++cifrasMantisa;
            limpio.push_back(c);
        } else if (c == '.' && !punto) {
            punto = true;
            limpio.push_back(c);
        } else {
            break;
        }
    }
    if (cifrasMantisa == 0) {
        return 0.0;
    }

    // An exponent counts only when at least one digit follows its letter.
    long exponente = 0;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        std::size_t j = i + 1;
        auto saltar = [&] {
            while (j < texto.size() && esBlanco(texto[j])) {
                ++j;
            }
        };
        saltar();
        bool expNegativo = false;
        if (j < texto.size() && (texto[j] == '-' || texto[j] == '+')) {
            expNegativo = texto[j] == '-';
            ++j;
        }
        std::string cifrasExp;
        for (;; ++j) {
            saltar();
            if (j >= texto.size() || !esDigito(texto[j])) {
                break;
            }
            // Past a few digits the exponent only decides between an
            // infinity and zero; the value is kept bounded.
            if (exponente < 100000) {
                exponente = exponente * 10 + (texto[j] - '0');
            }
            cifrasExp.push_back(texto[j]);
        }
        if (!cifrasExp.empty()) {
            if (expNegativo) {
                exponente = -exponente;
            }
            limpio.push_back('e');
            limpio += std::to_string(exponente);
        } else {
            exponente = 0;
        }
    }

    double valor = 0.0;
    const auto [fin, error] = std::from_chars(limpio.data(), limpio.data() + limpio.size(), valor,
                                              std::chars_format::general);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: decide by the magnitude.
        valor = (cifrasEnteras + exponente > 0) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        valor = 0.0;
    }
    return negativo ? -valor : valor;
}

std::string escribirNumero(float v) {
    char buffer[64];
    const auto [fin, error] = std::to_chars(buffer, buffer + sizeof buffer, v);
    if (error != std::errc{}) {
        return "0";
    }
    return std::string(buffer, fin);
}

} // namespace rectaviva
