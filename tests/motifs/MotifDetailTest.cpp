// Every motif must make a playable 64-piece puzzle: each piece shows detail of its own, and
// no two pieces look alike, so a player can tell where each one belongs.

#include "picturedialog/MotifLibrary.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

constexpr int Side = 8;               // the largest puzzle: 8 x 8 pieces
constexpr int Coarse = 8;             // a piece as a player sees it at a glance: 8 x 8 patches
constexpr double MinimumSpread = 7;   // luminance standard deviation inside a piece
constexpr int MinimumColours = 18;    // distinct colours at 4 bits per channel
constexpr double MinimumDistance = 7; // mean channel difference of the patches

struct Piece {
    double spread = 0;
    int colours = 0;
    std::array<double, Coarse * Coarse * 3> patches{};
};

Piece Measure(const QImage& board, const QRect& area) {
    Piece piece;
    std::set<int> colours;
    double sum = 0;
    double squares = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* line = board.constScanLine(y);
        const int py = (y - area.top()) * Coarse / area.height();
        for (int x = area.left(); x <= area.right(); ++x) {
            const uchar* p = line + x * 3;
            const double luminance = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
            sum += luminance;
            squares += luminance * luminance;
            colours.insert((p[0] >> 4) << 8 | (p[1] >> 4) << 4 | (p[2] >> 4));
            const int px = (x - area.left()) * Coarse / area.width();
            for (int c = 0; c < 3; ++c)
                piece.patches[(py * Coarse + px) * 3 + c] += p[c];
        }
    }
    const double n = static_cast<double>(area.width()) * area.height();
    piece.spread = std::sqrt(std::max(0.0, squares / n - (sum / n) * (sum / n)));
    piece.colours = static_cast<int>(colours.size());
    const double perPatch = n / (Coarse * Coarse);
    for (double& value : piece.patches)
        value /= perPatch;
    return piece;
}

double Distance(const Piece& a, const Piece& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.patches.size(); ++i)
        sum += std::abs(a.patches[i] - b.patches[i]);
    return sum / a.patches.size();
}

} // namespace

TEST(MotifDetail, EveryPieceOfTheLargestPuzzleIsDistinct) {
    for (int k = 1; k <= tsMotiveCount(); ++k) {
        SCOPED_TRACE(k);
        QImage motif;
        LoadMotiv(&motif, k);
        ASSERT_FALSE(motif.isNull());
        // The board shows the picture scaled to 500 pixels height, and cuts it there.
        const QImage board = motif.height() == 500
                                 ? motif
                                 : motif.scaledToHeight(500, Qt::SmoothTransformation)
                                       .convertToFormat(QImage::Format_RGB888);
        const int pieceWidth = board.width() / Side;
        const int pieceHeight = board.height() / Side;
        std::vector<Piece> pieces;
        for (int row = 0; row < Side; ++row)
            for (int column = 0; column < Side; ++column)
                pieces.push_back(Measure(
                    board, QRect(column * pieceWidth, row * pieceHeight, pieceWidth, pieceHeight)));
        // Pieces are numbered in reading order, as the game numbers them.
        std::size_t flattest = 0;
        std::size_t poorest = 0;
        for (std::size_t i = 1; i < pieces.size(); ++i) {
            if (pieces[i].spread < pieces[flattest].spread)
                flattest = i;
            if (pieces[i].colours < pieces[poorest].colours)
                poorest = i;
        }
        EXPECT_GE(pieces[flattest].spread, MinimumSpread) << "piece " << flattest + 1;
        EXPECT_GE(pieces[poorest].colours, MinimumColours) << "piece " << poorest + 1;
        double closest = 1e9;
        std::size_t first = 0;
        std::size_t second = 0;
        for (std::size_t a = 0; a < pieces.size(); ++a) {
            for (std::size_t b = a + 1; b < pieces.size(); ++b) {
                const double distance = Distance(pieces[a], pieces[b]);
                if (distance < closest) {
                    closest = distance;
                    first = a;
                    second = b;
                }
            }
        }
        EXPECT_GE(closest, MinimumDistance) << "pieces " << first + 1 << " and " << second + 1;
    }
}
