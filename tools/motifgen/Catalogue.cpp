#include "Motifs.h"

namespace Motifs {

std::vector<Recipe> Catalogue() {
    return {
        {"hills", 101, HillsAndForests},
        {"mandelbrot", 102, MandelbrotSpirals},
        {"city", 103, CityAtDusk},
        {"meadow", 104, FlowerMeadow},
        {"reef", 105, CoralReef},
        {"autumn", 106, AutumnForest},
        {"market", 107, FruitMarket},
        {"planets", 108, Planets},
        {"mosaic", 109, Mosaic},
        {"glass", 110, StainedGlass},
        {"julia", 111, JuliaLace},
        {"azulejos", 112, Azulejos},
        {"abstract", 113, AbstractPainting},
        {"balloons", 114, BalloonValley},
        {"lighthouse", 115, LighthouseCoast},
        {"agate", 116, AgateSlice},
        {"patchwork", 117, Patchwork},
        {"marbles", 118, Marbles},
        {"harbour", 119, Harbour},
        {"butterflies", 120, Butterflies},
        {"books", 121, Bookshelf},
        {"aurora", 122, AuroraLake},
        {"newton", 123, NewtonStar},
        {"rooftops", 124, Rooftops},
    };
}

} // namespace Motifs
