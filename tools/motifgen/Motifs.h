#pragma once
// The catalogue of motifs: each one a function that paints a finished picture.

#include <QImage>
#include <vector>

namespace Motifs {

struct Recipe {
    const char* name;
    unsigned seed;
    QImage (*paint)();
};

// Every motif in library order (motif 1 first).
std::vector<Recipe> Catalogue();

// Landscapes
QImage HillsAndForests();
QImage FlowerMeadow();
QImage AutumnForest();
QImage LighthouseCoast();
QImage AuroraLake();
QImage BalloonValley();

// Fractals
QImage MandelbrotSpirals();
QImage JuliaLace();
QImage NewtonStar();

// Patterns
QImage Mosaic();
QImage StainedGlass();
QImage Azulejos();
QImage Patchwork();
QImage AbstractPainting();
QImage AgateSlice();
QImage Marbles();

// Scenes
QImage CityAtDusk();
QImage CoralReef();
QImage FruitMarket();
QImage Planets();
QImage Harbour();
QImage Butterflies();
QImage Bookshelf();
QImage Rooftops();

} // namespace Motifs
