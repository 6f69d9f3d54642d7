// Micro-benchmarks of the core: writing a page file and building the tree.
#include "nav/TreeBuilder.h"
#include "pages/Builders.h"
#include "platform/NodeTree.h"
#include "platform/Process.h"
#include "store/ContentStore.h"
#include "store/Queries.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

pages::Target target() {
    return {folder().filePath(QStringLiteral("~temp.$$$")),
            folder().filePath(QStringLiteral("Dian"))};
}

void PoemPageWrite(benchmark::State& state) {
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    content.openCategory(0);
    auto& poems = content.category(0);
    poems.FindFirst(QStringLiteral("ID = 14"));
    const QString text = poems.Fields(QStringLiteral("NeiRong")).toString();
    const QString notes = poems.Fields(QStringLiteral("ZhuShi")).toString();
    const QString analysis = poems.Fields(QStringLiteral("JianXi")).toString();
    for (auto _ : state)
        pages::Html(target(), QStringLiteral("行宫"), text, notes, analysis);
}
BENCHMARK(PoemPageWrite)->Unit(benchmark::kMicrosecond);

void EraPageWrite(benchmark::State& state) {
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    const QString name = QStringLiteral("唐");
    for (auto _ : state) {
        state.PauseTiming(); // the query is the selection's, not the builder's
        auto rows = content.database().OpenRecordset(store::queries::eraRows(name));
        state.ResumeTiming();
        pages::Jyb(target(), rows, QStringLiteral("简介"), false);
    }
}
BENCHMARK(EraPageWrite)->Unit(benchmark::kMicrosecond);

void IdiomPageWrite(benchmark::State& state) {
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    auto idioms = content.database().OpenRecordset(store::queries::idioms());
    const QString idiom = idioms.Fields(QStringLiteral("chengyu")).toString();
    const QString story = idioms.Fields(QStringLiteral("gushi")).toString();
    for (auto _ : state)
        pages::Cy(target(), idiom, story);
}
BENCHMARK(IdiomPageWrite)->Unit(benchmark::kMicrosecond);

// The whole tree with the full content: every query and every node added to
// the real tree control.
void TreeBuild(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming(); // the window makes the tree control, not the build
        auto tree = std::make_unique<platform::NodeTree>();
        state.ResumeTiming();
        store::ContentStore content(QStringLiteral(QUILLORA_DIC));
        nav::buildTree(*tree, content);
        benchmark::DoNotOptimize(tree->nodeCount());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(TreeBuild)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    platform::prepareProcess();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
