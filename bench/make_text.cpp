// Writes the benchmark text, so that the command line, espeak-ng and the
// window are all timed on exactly what the library benchmarks use.
#include "bench/long_text.h"

#include <cstdio>
#include <fstream>

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s REPOSITORY OUTPUT\n", argv[0]);
        return 2;
    }
    const std::string text = orvanta::bench::standardText(argv[1]);
    std::ofstream out(argv[2], std::ios::binary);
    out << text;
    if (!out.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
