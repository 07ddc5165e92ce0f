// Times what the screens do to the largest set file against the floor of
// simply reading (or reading and rewriting) that file. Every benchmark calls
// the same functions the screens call.
#include "benchset.h"

#include "game/questiondraw.h"
#include "game/randomsource.h"
#include "manage/questionlistmodel.h"
#include "storage/cp1252.h"
#include "storage/questionrecord.h"
#include "storage/questionset.h"
#include "storage/saferewrite.h"
#include "storage/setexport.h"
#include "storage/setimport.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <numeric>

#include <unistd.h>

// Failed screen benchmarks (screenbench.cpp).
int screenBenchFailures();

namespace {

int g_failures = 0;

// Marks the benchmark as failed; the run then exits with a non-zero status,
// so a smoke test notices a benchmark that no longer does its work.
void fail(benchmark::State &state, const QString &why)
{
    ++g_failures;
    state.SkipWithError(why.toStdString().c_str());
}

// Hands the set to a benchmark, or fails it when the set could not be made.
BenchSet *benchSet(benchmark::State &state)
{
    BenchSet &set = BenchSet::instance();
    if (!set.ok()) {
        fail(state, QStringLiteral("no benchmark set: ") + set.problem());
        return nullptr;
    }
    return &set;
}

class MiddleRandom final : public RandomSource
{
public:
    double uniform() override { return 0.5; }
};

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    QByteArray bytes(file.size(), Qt::Uninitialized);
    if (file.read(bytes.data(), bytes.size()) != bytes.size())
        return {};
    return bytes;
}

void BM_FloorRead(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    const qint64 expected = qint64(set->records()) * QuestionRecord::LENGTH;
    for (auto _ : state) {
        const QByteArray bytes = readWhole(set->path());
        benchmark::DoNotOptimize(bytes.constData());
        if (bytes.size() != expected)
            return fail(state, QStringLiteral("short read"));
    }
    state.SetBytesProcessed(state.iterations() * expected);
}

// Reads the set, or its first state.range(0) records, and writes it to a new
// file in the same folder with the same atomic replace and flush to disk that
// a deletion, an import or an add growing the file end with.
void BM_FloorRewrite(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    const QString source = set->programFile(QStringLiteral("floor_source.dat"));
    const int records = state.range(0) > 0 ? std::min(int(state.range(0)), set->records())
                                           : set->records();
    if (!SafeRewrite::replace(source,
                              readWhole(set->path()).left(qint64(records) * QuestionRecord::LENGTH)))
        return fail(state, QStringLiteral("no file to rewrite"));
    const QString copy = set->programFile(QStringLiteral("floor_copy.dat"));
    for (auto _ : state) {
        // A new file each time, as the deletion's copy is.
        state.PauseTiming();
        QFile::remove(copy);
        state.ResumeTiming();
        const QByteArray bytes = readWhole(source);
        QString error;
        if (bytes.isEmpty() || !SafeRewrite::replace(copy, bytes, &error))
            return fail(state, QStringLiteral("rewrite failed: ") + error);
    }
}

// What saving one edited record cannot do without: its 405 bytes written
// over the last record of the set, and synced to disk before success is told.
void BM_FloorSyncedWrite(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    QFile file(set->path());
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(state, QStringLiteral("cannot open the set: ") + file.errorString());
    const qint64 at = qint64(set->lastRecord() - 1) * QuestionRecord::LENGTH;
    const QByteArray record = file.seek(at) ? file.read(QuestionRecord::LENGTH) : QByteArray();
    if (record.size() != QuestionRecord::LENGTH)
        return fail(state, QStringLiteral("cannot read the last record"));
    for (auto _ : state) {
        if (::pwrite(file.handle(), record.constData(), record.size(), at) != record.size()
            || ::fdatasync(file.handle()) != 0)
            return fail(state, QStringLiteral("synced write failed"));
    }
}

void BM_MainWindowLoad(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    const QuestionSet questions(set->path());
    for (auto _ : state) {
        // The record count from the file length, the header, then totals.
        QString error;
        const std::optional<int> record_count = questions.openCounting(&error);
        if (!record_count)
            return fail(state, error);
        const auto header = questions.findHeader(&error);
        const QuestionSet::RoundCounts counts = questions.countRounds(&error);
        const int total = std::accumulate(counts.begin(), counts.end(), 0);
        if (*record_count != set->records() || !header || total != set->records() - 1)
            return fail(state, QStringLiteral("wrong count, header or totals ") + error);
    }
}

void BM_Draw(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    AppState &app = set->state();
    MiddleRandom random;
    const int expected = set->questionsOfRound(15);
    // A game reads the set once and then draws from what it read.
    for (auto _ : state) {
        QuestionDraw draw;
        QString error;
        if (!draw.read(app.set.path, &error) || draw.count(15) != expected
            || !draw.draw(15, random))
            return fail(state, QStringLiteral("draw went wrong ") + error);
    }
}

void BM_ListFill(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    QuestionListModel model;
    for (auto _ : state) {
        QString error;
        model.fill(set->path(), &error);
        if (model.rowCount() != set->listedRows() || !error.isEmpty())
            return fail(state, QStringLiteral("list has the wrong rows ") + error);
    }
}

void BM_Filter(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    QuestionListModel model;
    model.fill(set->path());
    // The first search reads the texts; what is timed is each keystroke after
    // it, typing the last letter of "cafe" and taking it back, on the whole list.
    QString error;
    model.setFilter(QStringLiteral("caf"), &error);
    const QString typed[] = {QStringLiteral("cafe"), QStringLiteral("caf")};
    int keystroke = 0;
    for (auto _ : state) {
        model.setFilter(typed[keystroke++ % 2], &error);
        if (model.rowCount() == 0 || model.rowCount() == set->listedRows() || !error.isEmpty())
            return fail(state, QStringLiteral("the search found the wrong rows ") + error);
    }
}

void BM_Sort(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    QuestionListModel model;
    model.fill(set->path());
    const int last = model.rowCount() - 1;
    for (auto _ : state) {
        model.sort(QuestionListModel::QuestionColumn, Qt::AscendingOrder);
        if (last < 1
            || QuestionSearch::compare(Cp1252::encode(model.question(0)),
                                       Cp1252::encode(model.question(last)))
                   > 0)
            return fail(state, QStringLiteral("the list is not in order"));
    }
}

void BM_Pick(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    QuestionListModel model;
    model.fill(set->path());
    const int last = model.rowCount() - 1;
    if (last < 0)
        return fail(state, QStringLiteral("empty list"));
    for (auto _ : state) {
        QString error;
        const auto pick = QuestionSet(set->path()).pick(model.row(last).record, &error);
        if (!pick || pick->question().number != set->lastNumber())
            return fail(state, QStringLiteral("picked the wrong record ") + error);
    }
}

void BM_Edit(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    const QuestionSet questions(set->path());
    QString error;
    std::optional<QuestionSet::Pick> pick = questions.pick(set->lastRecord(), &error);
    if (!pick || pick->question().number != set->lastNumber())
        return fail(state, QStringLiteral("last question not found ") + error);
    const QuestionRecord boxes = pick->question();
    for (auto _ : state) {
        // Pressing Edit on the picked last question with its boxes unchanged:
        // under the set's lock the record is checked and written back as it
        // was, and synced. Picking it is BM_Pick.
        if (questions.edit(*pick, boxes, &error) != QuestionSet::Change::Done)
            return fail(state, QStringLiteral("edit failed ") + error);
    }
}

void BM_Delete(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    for (auto _ : state) {
        QString error;
        const auto removal = QuestionSet(set->path()).removeRecord(set->records(), &error);
        state.PauseTiming();
        const bool restored = set->restore();
        state.ResumeTiming();
        if (!removal || removal->removed != 1 || removal->remaining != set->records() - 1)
            return fail(state, QStringLiteral("delete went wrong ") + error);
        if (!restored)
            return fail(state, QStringLiteral("could not put the set back"));
    }
}

// Adding on a set as large as can still take a question. A new question's
// number is one past both the record count and the highest number, and must
// stay below 9000, so that is a set of 8998 records numbered up to 8998: the
// bench set's first 8998 records. The add writes record 8999 with number
// 8999, after reading the whole set for its numbering; the copy is cut back
// between rounds, outside the timing.
void BM_Add(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    const QString path = set->programFile(QStringLiteral("add.dat"));
    const int records = std::min(set->records() - 1, QuestionSet::FIRST_RESERVED_NUMBER - 2);
    const qint64 roomy = qint64(records) * QuestionRecord::LENGTH;
    if (!SafeRewrite::replace(path, readWhole(set->path()).left(roomy)))
        return fail(state, QStringLiteral("no set to add to"));
    const QuestionSet questions(path);
    QuestionRecord record;
    record.round = 15;
    record.question = QStringLiteral("Which city lies on the Danube?");
    record.answer_a = QStringLiteral("Wien");
    record.answer_b = QStringLiteral("Zürich");
    record.answer_c = QStringLiteral("Genève");
    record.answer_d = QStringLiteral("Málaga");
    record.right_answer = QStringLiteral("a");
    for (auto _ : state) {
        // As the Add Question button does: the password, the next free slot
        // and the synced write.
        QString error;
        int record_count = records;
        if (questions.unlock(QString::fromUtf8(BenchSet::PASSWORD), QuestionSet::Purpose::Adding,
                             &error)
            != QuestionSet::Unlock::Opened)
            return fail(state, QStringLiteral("password refused ") + error);
        if (questions.add(record, record_count, &error) != QuestionSet::Change::Done
            || record_count != records + 1)
            return fail(state, QStringLiteral("add failed ") + error);
        state.PauseTiming();
        const bool cut = QFile::resize(path, roomy);
        state.ResumeTiming();
        if (!cut)
            return fail(state, QStringLiteral("could not take the question out again"));
    }
}

// What the manager's File > Import does with a CSV of state.range(0) rows
// (fewer on a smaller bench set) and a set holding only its header: read and
// check every row, then append them all in one crash-safe write. A set numbers
// at most 8998 questions, so a file with more is refused once it has been read
// and checked, and nothing is written.
void BM_Import(benchmark::State &state)
{
    BenchSet *set = benchSet(state);
    if (!set)
        return;
    const int rows = std::min(int(state.range(0)), set->listedRows());
    const bool fits = rows < QuestionSet::FIRST_RESERVED_NUMBER - 1;
    const SetExport::Result exported = SetExport::toCsv(set->path());
    const QList<QByteArray> lines = exported.csv.split('\n');
    const QString csv = set->programFile(QStringLiteral("import.csv"));
    const QString empty = set->programFile(QStringLiteral("empty.dat"));
    const QByteArray header = readWhole(set->path()).left(QuestionRecord::LENGTH);
    if (lines.size() < rows + 1
        || !SafeRewrite::replace(csv, lines.mid(0, rows + 1).join('\n') + '\n'))
        return fail(state, QStringLiteral("no CSV to import ") + exported.error);
    for (auto _ : state) {
        state.PauseTiming();
        const bool emptied = SafeRewrite::replace(empty, header);
        state.ResumeTiming();
        QString error;
        const std::optional<SetImport::Rows> read = SetImport::readCsvFile(csv, &error);
        if (!emptied || !read || !read->ok() || read->questions.size() != rows)
            return fail(state, QStringLiteral("the CSV was not read ") + error);
        const SetImport::Result result = SetImport::append(empty, read->questions);
        if ((result.status == SetImport::Result::Written) != fits
            || (fits && result.records != rows + 1))
            return fail(state, QStringLiteral("import went wrong ") + result.messages.join(u' '));
    }
    state.SetLabel(fits ? "written" : "refused: more questions than a set numbers");
}

} // namespace

BENCHMARK(BM_FloorRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FloorRewrite)->Arg(0)->Arg(QuestionSet::FIRST_RESERVED_NUMBER - 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FloorSyncedWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MainWindowLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Draw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListFill)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Sort)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pick)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Edit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Add)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Import)->Arg(8998)->Arg(32000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    // The screens' benchmarks need widgets (offscreen in tools/bench.sh).
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const int failures = g_failures + screenBenchFailures();
    if (failures > 0)
        std::fprintf(stderr, "%d benchmark(s) failed\n", failures);
    return failures > 0 ? 1 : 0;
}
