// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the golden records of the image codec and the JSON format: korvisel_golden_records FILE.gz.
// They were made once, before the codec was rewritten from its field table, and are kept as they
// are: run this only to see what a changed codec would give, never to refresh the kept file.
#include "json/GoldenRecords.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvisel_golden_records FILE.gz\n");
        return 2;
    }
    gzFile file = gzopen(argv[1], "wb9");
    if (!file)
        return 1;
    for (std::uint32_t seed = 1; seed <= 500; ++seed)
        for (const char* kind : {"image", "project"}) {
            const std::string record =
                korvisel::test::Serialized(korvisel::test::MakeGoldenRecord(kind, seed));
            gzwrite(file, record.data(), static_cast<unsigned>(record.size()));
        }
    return gzclose(file) == Z_OK ? 0 : 1;
}
