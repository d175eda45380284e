#pragma once
// The painting library of Tessaly's artwork generators (tools/*gen): everything the
// generators share, so that a new picture is a few calls and every window looks like a
// piece of the same furniture. Include this header, or only the part you need.
//
//   Colours.h       the wooden palette (DeepShadow … Brass, the key colour) and colour
//                   arithmetic: Mix, Shade, Alpha, SmoothStep
//   Palette.h       a colour ramp through stops, read at 0..1 (plain or cyclic)
//   ValueNoise.h    seeded smooth value noise: plain, periodic (for tiles), fractal, ridged
//   GradientNoise.h seeded gradient noise and its fractal sum
//   WoodGrain.h     planks for windows and controls: tileable grain, grain filled into an
//                   area, a path filled with shaded wood
//   WoodTexture.h   ring wood with latewood and pores for large boards and frames
//   Carving.h       bevels, brass frames and rules, screws, nails, drop shadows, the window
//                   frame, heading plates and rimmed plates (buttons, captions), parchment
//   Emblem.h        the puzzle-piece outline and its brass emblem
//   Lettering.h     the serif font by pixel size, engraved text, ink on parchment
//   Pixels.h        canvases, per-pixel fills, weathering, key-colour and opaque bitmaps
//   ImageFiles.h    writing pictures: any Qt format, and JPEG without chroma subsampling
//   Generator.h     the frame of a generator's main(): offscreen application, output folder
//
// Everything lives in namespace Paint. All of it is deterministic: the same seed gives the
// same picture on every machine, so generated files can be committed and compared.

#include "tools/paint/Carving.h"
#include "tools/paint/Colours.h"
#include "tools/paint/Emblem.h"
#include "tools/paint/Generator.h"
#include "tools/paint/GradientNoise.h"
#include "tools/paint/ImageFiles.h"
#include "tools/paint/Lettering.h"
#include "tools/paint/Palette.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/ValueNoise.h"
#include "tools/paint/WoodGrain.h"
#include "tools/paint/WoodTexture.h"
