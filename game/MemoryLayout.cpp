#include "MemoryLayout.h"

#include "platform/Random.h"

#include <algorithm>
#include <array>

namespace MemoryLayout {

namespace {

struct SizeRow {
    int pairs;
    QSize board;
};

constexpr std::array<SizeRow, 6> Sizes{{
    {3, QSize(300, 200)},
    {6, QSize(400, 300)},
    {10, QSize(500, 400)},
    {15, QSize(600, 500)},
    {21, QSize(700, 600)},
    {24, QSize(800, 600)},
}};

const SizeRow& RowFor(int gameSize) {
    return Sizes[static_cast<std::size_t>(std::clamp(gameSize, 1, 6) - 1)];
}

} // namespace

int PairsFor(int gameSize) {
    return RowFor(gameSize).pairs;
}

QSize BoardFor(int gameSize) {
    return RowFor(gameSize).board;
}

std::vector<int> DrawMotifs(int pairs) {
    std::vector<int> motifs;
    while (static_cast<int>(motifs.size()) < pairs) {
        const int motif = 1 + Random::Next(MotifCount);
        if (std::find(motifs.begin(), motifs.end(), motif) == motifs.end())
            motifs.push_back(motif);
    }
    return motifs;
}

std::vector<int> DealOrder(int pairs) {
    std::vector<int> order;
    std::vector<bool> dealt(static_cast<std::size_t>(pairs) + 1, false);
    while (static_cast<int>(order.size()) < pairs) {
        const int pair = 1 + Random::Next(pairs);
        if (dealt[static_cast<std::size_t>(pair)])
            continue;
        dealt[static_cast<std::size_t>(pair)] = true;
        order.push_back(pair);
    }
    return order;
}

} // namespace MemoryLayout
