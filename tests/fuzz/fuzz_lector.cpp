// The libFuzzer target of the reader: any bytes through the path of "Abrir
// datos…", stopped at the first input that breaks comprobarLector.
#include "comprobar_lector.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const std::string fallo =
        rectaviva::prueba::comprobarLector({reinterpret_cast<const char*>(datos), n});
    if (!fallo.empty()) {
        std::fprintf(stderr, "comprobarLector: %s\n", fallo.c_str());
        std::abort();
    }
    return 0;
}
