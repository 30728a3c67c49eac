#include "study.h"

#include <cstring>

// kalvo-inductance-accuracy STUDY: prints the study's CSV table; without a known study,
// lists the studies.
int main(int argc, char** argv)
{
    using namespace kalvo::accuracy;
    constexpr Study studies[] = {
        {"circular-loop", writeCircularLoop},
        {"rectangular-loop", writeRectangularLoop},
        {"loop-mutual", writeLoopMutual},
        {"loop-mutual-squares", writeLoopMutualSquares},
        {"line-mutual", writeLineMutual},
        {"single-layer-coil", writeSingleLayerCoil},
        {"multi-layer-coil", writeMultiLayerCoil},
        {"optimized-coil", writeOptimizedCoil},
        {"toroid", writeToroid},
        {"shielding", writeShielding},
        {"platinum-rtd", writePlatinumRtd},
    };
    for (const Study& study : studies)
        if (argc == 2 && std::strcmp(argv[1], study.name) == 0) {
            study.write(stdout);
            return 0;
        }
    std::fputs("usage: kalvo-inductance-accuracy STUDY\nstudies:", stderr);
    for (const Study& study : studies)
        std::fprintf(stderr, " %s", study.name);
    std::fputc('\n', stderr);
    return 2;
}
