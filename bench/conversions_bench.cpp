// Conversions per second of the number texts, next to the C library's.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "numbers/numbers.h"

namespace {

// Values of every size a page shows: random digits, exponents -20 to 20.
const std::vector<double>& sampleValues() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<double> mantissa(1, 10);
        std::uniform_int_distribution<int> exponent(-20, 20);
        std::vector<double> out(4096);
        for (double& value : out) value = mantissa(random) * std::pow(10.0, exponent(random));
        return out;
    }();
    return values;
}

const std::vector<std::string>& sampleTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> out;
        for (double value : sampleValues()) {
            char text[32];
            std::snprintf(text, sizeof text, "%.13g", value);
            out.emplace_back(text);
        }
        return out;
    }();
    return texts;
}

template <typename Convert>
void runOverValues(benchmark::State& state, Convert convert) {
    const auto& values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        convert(values[i]);
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

template <typename Convert>
void runOverTexts(benchmark::State& state, Convert convert) {
    const auto& texts = sampleTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        convert(texts[i]);
        i = (i + 1) % texts.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void numberToText(benchmark::State& state) {
    runOverValues(state,
                  [](double value) { benchmark::DoNotOptimize(tessaril::numberToText(value)); });
}

void snprintfGeneral(benchmark::State& state) {
    runOverValues(state, [](double value) {
        char text[32];
        benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.13g", value));
        benchmark::DoNotOptimize(text);
    });
}

void numberToFixedText(benchmark::State& state) {
    runOverValues(state, [](double value) {
        benchmark::DoNotOptimize(tessaril::numberToFixedText(value, 2));
    });
}

void textToNumber(benchmark::State& state) {
    runOverTexts(state, [](const std::string& text) {
        benchmark::DoNotOptimize(tessaril::textToNumber(text));
    });
}

void strtodText(benchmark::State& state) {
    runOverTexts(state, [](const std::string& text) {
        benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
    });
}

}  // namespace

BENCHMARK(numberToText);
BENCHMARK(snprintfGeneral);
BENCHMARK(numberToFixedText);
BENCHMARK(textToNumber);
BENCHMARK(strtodText);

BENCHMARK_MAIN();
