// Sorvelin: an arithmetic tutor for the sixth year of primary school.
#include "app/Run.h"

int main(int argc, char* argv[]) {
    return runSorvelin(argc, argv);
}
