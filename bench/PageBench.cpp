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

// A poem's fields, read once before timing.
struct Poem {
    QString title;
    QString text;
    QString notes;
    QString analysis;
};

Poem poem(store::ContentStore& content, int id) {
    content.openCategory(0);
    auto& poems = content.category(0);
    poems.FindFirst(QStringLiteral("ID = ") + QString::number(id));
    return {poems.Fields(QStringLiteral("TiMu")).toString(),
            poems.Fields(QStringLiteral("NeiRong")).toString(),
            poems.Fields(QStringLiteral("ZhuShi")).toString(),
            poems.Fields(QStringLiteral("JianXi")).toString()};
}

void plainPoemPage(benchmark::State& state, int id) {
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    const Poem p = poem(content, id);
    for (auto _ : state)
        pages::Html(target(), p.title, p.text, p.notes, p.analysis);
}

// 行宫 (ID 14).
void PoemPageWrite(benchmark::State& state) {
    plainPoemPage(state, 14);
}
BENCHMARK(PoemPageWrite)->Unit(benchmark::kMicrosecond);

// A poem page with pinyin, the readings' lookup included: 行宫 (ID 14) and
// the longest text, 长恨歌 (ID 263). The readings are parsed before timing,
// as they are at the first page with pinyin.
void PoemPageWritePinyin(benchmark::State& state) {
    const int id = int(state.range(0));
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    const Poem p = poem(content, id);
    const store::Pinyin& pinyin = store::Pinyin::shipped();
    for (auto _ : state) {
        const store::PieceReadings* piece = pinyin.piece(QStringLiteral("TangShi"), id);
        const pages::Readings readings{&piece->title, &piece->lines};
        pages::Html(target(), p.title, p.text, p.notes, p.analysis, &readings);
    }
}
BENCHMARK(PoemPageWritePinyin)->Arg(14)->Arg(263)->Unit(benchmark::kMicrosecond);

// The plain page of the longest text, 长恨歌 (ID 263), beside the one with
// pinyin.
void LongPoemPageWrite(benchmark::State& state) {
    plainPoemPage(state, 263);
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
