#include "bank/random_draw.h"

#include "core/app_context.h"
#include "core/number_text.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

namespace examsim {

namespace {

class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom()
        : engine_(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                  static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_;
};

RandomSource& randomSource(AppContext& ctx) {
    static ClockSeededRandom fallback;
    return ctx.host.random ? *ctx.host.random : fallback;
}

}  // namespace

std::int32_t randomIndex(AppContext& ctx, std::int32_t n) {
    const double r = randomSource(ctx).next();
    return static_cast<std::int32_t>(roundHalfEven(r * static_cast<double>(n)));
}

std::vector<std::int32_t> pickDistinctIndexes(AppContext& ctx, std::int32_t count, std::int32_t wanted) {
    std::vector<std::int32_t> positions(static_cast<std::size_t>(std::max(count, 0)) + 1, 0);
    std::vector<bool> used(positions.size(), false);
    used[0] = true;  // an unfilled entry holds 0, so 0 is never taken
    std::int32_t filled = 0;
    while (filled < count) {
        const std::int32_t candidate = randomIndex(ctx, count);
        if (candidate < 0 || candidate > count || used[static_cast<std::size_t>(candidate)]) continue;
        used[static_cast<std::size_t>(candidate)] = true;
        positions[static_cast<std::size_t>(filled++)] = candidate;
        if (filled - 1 == wanted) break;
    }
    return positions;
}

std::vector<std::int32_t> drawPositions(AppContext& ctx, std::int32_t length, std::int32_t wanted) {
    std::vector<std::int32_t> order(static_cast<std::size_t>(std::max(length, 0)));
    std::iota(order.begin(), order.end(), 0);
    const std::size_t taken = std::min(order.size(), static_cast<std::size_t>(std::max(wanted, 0)));
    RandomSource& random = randomSource(ctx);
    // A partial shuffle: each step takes one of the positions not yet taken.
    for (std::size_t k = 0; k < taken; ++k) {
        const std::size_t left = order.size() - k;
        const auto offset = static_cast<std::size_t>(random.next() * static_cast<double>(left));
        std::swap(order[k], order[k + std::min(offset, left - 1)]);
    }
    order.resize(taken);
    return order;
}

}  // namespace examsim
