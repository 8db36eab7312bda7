// Opening a large topic document: 10000 lines, 1000 topics and a generated
// index, the largest document the reader is meant for. Also one page of links.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/NoticeWnd.h"
#include "reader/TopicDocument.h"

namespace {

// Writes the document once; topics of ten lines each, the first an index in
// three columns. Compiled with a cp932 execution character set.
std::string LargeDocument() {
    static const std::string path = [] {
        std::filesystem::path file = std::filesystem::temp_directory_path() / "quillary-bench-large.txt";
        std::ofstream out(file, std::ios::binary);
        out << "[*]\nk1:目次\nl3:\nd:\n\n\n\n\n\n\n";
        for (int i = 1; i < 1000; ++i) {
            std::string n = std::to_string(i);
            out << "[*]\nk1:話題" << n << "\nk2:わだい" << n << "\nk3:topic" << n << "\n"
                << "d:これは話題" << n << "の本文です。\t話題" << (i * 7 % 1000) << "を見よ。\n"
                << "俳句は五七五の十七音からなる短い詩である。\n"
                << "季語を一つ含むのが普通である。話題" << (i * 13 % 1000) << "\n"
                << "\n// 注記\n";
        }
        return file.string();
    }();
    return path;
}

void BM_LoadLargeDocument(benchmark::State& state) {
    const std::string path = LargeDocument();
    for (auto _ : state) {
        CTopicDocument document;
        int result = document.Load(path);
        benchmark::DoNotOptimize(result);
        if (document.GetTopicCount() != 1000 || document.GetIndexTopic() != 0)
            state.SkipWithError("unexpected document");
    }
}
BENCHMARK(BM_LoadLargeDocument)->Unit(benchmark::kMillisecond);

void BM_LinksOfOnePage(benchmark::State& state) {
    CTopicDocument document;
    document.Load(LargeDocument());
    TopicSelection shown = document.SelectTopic("話題500");
    for (auto _ : state) {
        std::size_t links = 0;
        for (int row = 0; row < 15; ++row)
            links += document.FindLinks(shown.body[static_cast<std::size_t>(row % shown.BodyCount())], "話題500").size();
        benchmark::DoNotOptimize(links);
    }
}
BENCHMARK(BM_LinksOfOnePage)->Unit(benchmark::kMicrosecond);

}  // namespace
