// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of building one component image of every kind, as the renderer does
// once per element on every repaint.

#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace sw {
namespace {

void BuildImage(benchmark::State& state, const std::function<QImage()>& build) {
    long long pixels = 0;
    for (auto _ : state) {
        QImage image = build();
        benchmark::DoNotOptimize(image.constBits());
        pixels += image.width() * image.height();
    }
    state.counters["pixels/s"] = benchmark::Counter(double(pixels), benchmark::Counter::kIsRate);
}

#define SW_IMAGE_BENCH(label, expr) \
    BENCHMARK_CAPTURE(BuildImage, label, [] { return expr; })->Unit(benchmark::kMicrosecond)

SW_IMAGE_BENCH(Resistor, MakeResistorImage("R12", 0.588));
SW_IMAGE_BENCH(Capacitor, MakeCapacitorImage("C3", kPi / 2));
SW_IMAGE_BENCH(Diode, MakeDiodeImage("D1", kPi));
SW_IMAGE_BENCH(Led, MakeLedImage("D2", 0));
SW_IMAGE_BENCH(Electrolyte, MakeElectrolyteImage("C1", "Large", -kPi / 2));
SW_IMAGE_BENCH(IC_8pin, MakeICImage(3, 2, 6, 5, "U1"));
SW_IMAGE_BENCH(Relay, MakeRelayImage(8, 2, 3, 4, "K1"));
SW_IMAGE_BENCH(Switch_3x2, MakeSwitchImage(1, 1, 3, 2, "S1"));
SW_IMAGE_BENCH(Transformer, MakeTransformerImage(1, 1, 5, 5, "T1"));
SW_IMAGE_BENCH(LineIC_8pin, MakeLineICImage(5, 2, 5, 9, "U2"));
SW_IMAGE_BENCH(Transistor, MakeTransistorImage("Q1", kPi));
SW_IMAGE_BENCH(Trimmer, MakeTrimmerImage("VR1", 4, kPi / 2));
SW_IMAGE_BENCH(Pot, MakePotImage("P1", 3 * kPi / 2));
SW_IMAGE_BENCH(Jack, MakeJackImage("J1", true, kPi));
SW_IMAGE_BENCH(Tube, MakeTubeImage("V1", "Octal", kPi / 2));
// The largest body still drawn: a 4080-pixel square single in-line IC.
SW_IMAGE_BENCH(LineIC_largest, MakeLineICImage(1, 1, 204, 1, "U3"));

// Rotation alone, the per-pixel part every builder shares.
void RotateOnly(benchmark::State& state) {
    const int side = int(state.range(0));
    QImage image = NewComponentImage(side, side);
    for (auto _ : state) {
        QImage turned = RotateImage(image, 0.588);
        benchmark::DoNotOptimize(turned.constBits());
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(RotateOnly)->Arg(40)->Arg(170)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sw
