// The text rules per call, natively: the composition, the split, the name
// derivation, and the containment test over a realistic process list.

#include <benchmark/benchmark.h>

#include <vector>

#include "browser/CommandRules.h"
#include "browser/WatchRules.h"
#include "launcher/ArgumentRules.h"

namespace {

const Text kCommand = u"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"";
const Text kUrl = u"https://www.example.com/partner/iframe/10?cid=en";

// About 300 image names, as a busy desktop lists them; the browser is last.
std::vector<Text> ProcessList()
{
    const Text names[] = {u"svchost.exe", u"RuntimeBroker.exe", u"conhost.exe", u"explorer.exe",
                          u"SearchHost.exe", u"msedgewebview2.exe", u"Teams.exe", u"dllhost.exe",
                          u"OneDrive.exe", u"SecurityHealthService.exe", u"audiodg.exe", u"ctfmon.exe"};
    std::vector<Text> list;
    for (int i = 0; i < 299; ++i)
        list.push_back(names[i % 12]);
    list.push_back(u"firefox.exe");
    return list;
}

void ComposeBrowserArgumentsBench(benchmark::State& state)
{
    const Text argumentTemplate = u" -osint -url \"%1\"";
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeBrowserArguments(argumentTemplate, kUrl));
}
BENCHMARK(ComposeBrowserArgumentsBench);

void SplitBrowserCommandBench(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitBrowserCommand(kCommand));
}
BENCHMARK(SplitBrowserCommandBench);

void DeriveWatchedImageNameBench(benchmark::State& state)
{
    const Text program = u"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\"";
    for (auto _ : state)
        benchmark::DoNotOptimize(DeriveWatchedImageName(program));
}
BENCHMARK(DeriveWatchedImageNameBench);

void ScanOf300ImageNamesBench(benchmark::State& state)
{
    const std::vector<Text> list = ProcessList();
    const Text name = u"firefox.exe";
    for (auto _ : state) {
        bool found = false;
        for (const Text& image : list) {
            if (ImageNameContains(image, name)) {
                found = true;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(ScanOf300ImageNamesBench);

}  // namespace

BENCHMARK_MAIN();
