// The dates of .xlsx books: the number formats that show a date or a time,
// and a date's serial number written as the date it stands for.
#include "privado.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace rectaviva::hojas {

// A number format that shows a date or a time: the built-in ones, or a code
// with a day, month, year, hour or second outside its quoted texts, colours
// and conditions.
bool esCodigoFecha(QStringView codigo) {
    for (qsizetype i = 0; i < codigo.size(); ++i) {
        const char16_t c = QChar::toLower(codigo[i].unicode());
        if (c == u'"') {
            i = codigo.indexOf(u'"', i + 1);
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype fin = codigo.indexOf(u']', i);
            const QStringView dentro = codigo.mid(i + 1, fin < 0 ? -1 : fin - i - 1);
            // "[h]", "[mm]", "[ss]": elapsed time.
            bool tiempo = !dentro.isEmpty();
            for (const QChar d : dentro) {
                tiempo = tiempo && QStringView(u"hHmMsS").contains(d);
            }
            if (tiempo) {
                return true;
            }
            i = fin;
        } else if (c == u'd' || c == u'm' || c == u'y' || c == u'h' || c == u's') {
            return true;
        }
        if (i < 0) {
            break;
        }
    }
    return false;
}

bool esFormatoFecha(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

// A date's serial number as ISO 8601 text: a day, a time, or both. Days count
// from 1899-12-30 (1900-02-29 included, as the format has it) or, in books
// of the 1904 system, from 1904-01-01.
std::string textoSerial(const std::string& v, bool de1904) {
    double serial = 0;
    const auto [fin, error] = std::from_chars(v.data(), v.data() + v.size(), serial);
    if (error != std::errc() || fin != v.data() + v.size() || !(std::fabs(serial) < 3e6)) {
        return "fecha " + v;
    }
    long long dia = static_cast<long long>(std::floor(serial));
    long long segundos = std::llround((serial - double(dia)) * 86400.0);
    if (segundos == 86400) {
        ++dia;
        segundos = 0;
    }
    char hora[64];
    std::snprintf(hora, sizeof hora, "%02lld:%02lld:%02lld", segundos / 3600, segundos / 60 % 60,
                  segundos % 60);
    if (!de1904 && dia == 0) {
        return hora;
    }
    std::string fecha = "1900-02-29";
    if (de1904 || dia != 60) {
        // Days since 1970-01-01, then the civil date (proleptic Gregorian).
        long long z = dia + (de1904 ? -24107 : dia < 60 ? -25568 : -25569) + 719468;
        const long long era = (z >= 0 ? z : z - 146096) / 146097;
        const long long doe = z - era * 146097;
        const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
        const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
        const long long mp = (5 * doy + 2) / 153;
        const long long d = doy - (153 * mp + 2) / 5 + 1;
        const long long m = mp < 10 ? mp + 3 : mp - 9;
        char texto[96];
        std::snprintf(texto, sizeof texto, "%04lld-%02lld-%02lld", yoe + era * 400 + (m <= 2), m,
                      d);
        fecha = texto;
    }
    return segundos == 0 ? fecha : fecha + 'T' + hora;
}

} // namespace rectaviva::hojas
