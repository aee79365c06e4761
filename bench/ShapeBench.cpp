// ShapeFromBitmap on the sizes of the program's windows, beside one plain copy of the
// same pixels as the yardstick.
#include "controls/DropShadow.h"
#include "controls/Shape.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace vardex {
namespace {

// A window background: rounded-off corners and a notch in the key colour, the rest a
// gradient, as a skin has it.
std::vector<std::uint32_t> Background(int width, int height)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int dx = std::min(x, width - 1 - x);
            const int dy = std::min(y, height - 1 - y);
            const bool corner = dx + dy < 12;
            const bool notch = y < 20 && x > width / 3 && x < width / 2;
            pixels[static_cast<std::size_t>(y) * width + x] =
                corner || notch ? kShapeKeyColour : Rgb(20 + x % 40, 24, 28 + y % 50);
        }
    }
    return pixels;
}

void Shape(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const std::vector<std::uint32_t> pixels = Background(width, height);
    for (auto _ : state)
        benchmark::DoNotOptimize(ShapeFromBitmap({width, height, pixels}, kShapeKeyColour));
}
BENCHMARK(Shape)->Args({801, 581})->Args({369, 81})->Unit(benchmark::kMicrosecond);

// The shadow's rebuild: the owner's rows from its shape, then the layered image.
void ShadowRebuild(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const std::vector<std::uint32_t> pixels = Background(width, height);
    const std::vector<SRect> shape = ShapeFromBitmap({width, height, pixels}, kShapeKeyColour);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildShadowImage(OwnerSpans(shape, width, height), width, height, kDialogShadow));
}
BENCHMARK(ShadowRebuild)->Args({801, 581})->Args({369, 81})->Unit(benchmark::kMicrosecond);

void PlainCopy(benchmark::State& state)
{
    const std::vector<std::uint32_t> pixels = Background(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<std::uint32_t> copy(pixels.size());
    for (auto _ : state) {
        std::copy(pixels.begin(), pixels.end(), copy.begin());
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(PlainCopy)->Args({801, 581})->Args({369, 81})->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vardex
