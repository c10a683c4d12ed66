#include "study/shuffle.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace memvalo {

void shuffleBox(StudyContext& app, int box, int count) {
    if (count <= 1) return;
    Box& k = app.store.k(box);
    // Slot 0 is unused, so the numbering matches the box.
    std::vector<int> ziel(static_cast<std::size_t>(count) + 1);
    std::iota(ziel.begin(), ziel.end(), 0);
    for (int j = count; j >= 2; --j) {
        // The minimum guards against a source that rounds up to exactly 1.
        const int z = std::min(static_cast<int>(app.random.next() * j) + 1, j);
        std::swap(ziel[static_cast<std::size_t>(j)], ziel[static_cast<std::size_t>(z)]);
    }
    k.permute(ziel);
}

}  // namespace memvalo
