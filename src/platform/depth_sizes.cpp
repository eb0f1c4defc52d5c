#include "depth_sizes.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

std::vector<int> DepthPreference(int requested) {
    if (requested <= 0) return {0};
    std::vector<int> common = {32, 24, 16};
    std::stable_sort(common.begin(), common.end(), [requested](int a, int b) {
        return std::abs(a - requested) < std::abs(b - requested);
    });
    std::vector<int> order = {requested};
    for (int size : common) {
        if (size != requested) order.push_back(size);
    }
    return order;
}

}  // namespace platform
