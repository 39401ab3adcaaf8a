// The cost of Analizing by the number of parameter entries, without a window.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "veltanlib.h"

namespace {

// Entries of the rules' vocabulary and others, in turn.
const veltantest::Pairs kMix = {
    {u"А: Крючок", u"Маленький"},
    {u"Наклон почерка", u"Легкий наклон вправо"},
    {u"А: Остроконечность", u"Остроконечная"},
    {u"Размер", u"Мелкий"},
    {u"Нижим", u"Буквы: сильный нажим"},
    {u"Посторонний ключ", u"Посторонее значение"},
    {u"Ё", u"Точки поставлены высоко"},
    {u"Стиль букв", u"Украшения"},
};

void Analizing(benchmark::State& state) {
    const auto& lib = veltantest::Veltan();
    lib.ClearINFO();
    lib.SetPerson({u"Иван", u"Мужской", u"Лично"});
    for (int i = 0; i < state.range(0); ++i) {
        const auto& [key, value] = kMix[static_cast<std::size_t>(i) % kMix.size()];
        lib.Add(key, value);
    }
    for (auto _ : state) benchmark::DoNotOptimize(lib.Analizing());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(Analizing)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
    // Measured without a window: no window system for the module's own application.
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const std::string dir = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    setenv("VELTRA_BIN_DIR", dir.c_str(), 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
