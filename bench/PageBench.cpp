// Micro-benchmarks of the core: writing a page file and building the tree.
#include "nav/TreeBuilder.h"
#include "pages/Builders.h"
#include "platform/NodeTree.h"
#include "platform/Process.h"
#include "platform/Resources.h"
#include "store/ContentStore.h"
#include "store/Pinyin.h"
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

// A poem page with pinyin, the readings' lookup included: 行宫 (ID 14) and
// the longest text, 长恨歌 (ID 263). The readings are parsed before timing,
// as they are at the first page with pinyin.
void PoemPageWritePinyin(benchmark::State& state) {
    const int id = int(state.range(0));
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    content.openCategory(0);
    auto& poems = content.category(0);
    poems.FindFirst(QStringLiteral("ID = ") + QString::number(id));
    const QString title = poems.Fields(QStringLiteral("TiMu")).toString();
    const QString text = poems.Fields(QStringLiteral("NeiRong")).toString();
    const QString notes = poems.Fields(QStringLiteral("ZhuShi")).toString();
    const QString analysis = poems.Fields(QStringLiteral("JianXi")).toString();
    const store::Pinyin& pinyin = store::Pinyin::shipped();
    for (auto _ : state) {
        const store::PieceReadings* piece = pinyin.piece(QStringLiteral("TangShi"), id);
        const pages::Readings readings{&piece->title, &piece->lines};
        pages::Html(target(), title, text, notes, analysis, &readings);
    }
}
BENCHMARK(PoemPageWritePinyin)->Arg(14)->Arg(263)->Unit(benchmark::kMicrosecond);

// The plain page of the longest text, beside the one with pinyin.
void LongPoemPageWrite(benchmark::State& state) {
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    content.openCategory(0);
    auto& poems = content.category(0);
    poems.FindFirst(QStringLiteral("ID = 263"));
    const QString text = poems.Fields(QStringLiteral("NeiRong")).toString();
    const QString notes = poems.Fields(QStringLiteral("ZhuShi")).toString();
    const QString analysis = poems.Fields(QStringLiteral("JianXi")).toString();
    for (auto _ : state)
        pages::Html(target(), QStringLiteral("长恨歌"), text, notes, analysis);
}
BENCHMARK(LongPoemPageWrite)->Unit(benchmark::kMicrosecond);

// Reading all the readings from the embedded resources: what the first page
// with pinyin, or an index over every title and name, pays once.
void PinyinLoad(benchmark::State& state) {
    const QByteArray verse = platform::resources::load(QStringLiteral("pinyin/verse.json"));
    const QByteArray names = platform::resources::load(QStringLiteral("pinyin/names.json"));
    for (auto _ : state) {
        const store::Pinyin pinyin(verse, names);
        benchmark::DoNotOptimize(pinyin.titles().size());
    }
}
BENCHMARK(PinyinLoad)->Unit(benchmark::kMillisecond);

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
