// Writes the bash completion of vavivor-cli to the file named by its one argument; the build
// runs it, so that the completion follows the option table.
#include "cli_options.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vavivor_completion FILE\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << vavivor::cli::bashCompletionScript();
    out.close();
    if (!out) {
        std::fprintf(stderr, "vavivor_completion: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
