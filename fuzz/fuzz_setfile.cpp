// Reads arbitrary bytes as a set file the way every screen does: the record
// count, the scan, the header search, the round statistics, the game's draw,
// the manager's list and the checks of quorvane-sets. Each count must agree
// with one worked out here from the bytes, and reading never changes the file.
#include "fuzzsupport.h"

#include "ui/services.h"
#include "game/questiondraw.h"
#include "manage/questionmanager.h"
#include "storage/appstate.h"
#include "storage/questionset.h"
#include "storage/setcheck.h"
#include "storage/setexport.h"
#include "storage/setfile.h"
#include "storage/setlisting.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdint>

namespace {

QTemporaryDir *g_dir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives as long as the process, as libFuzzer's own state does: tearing
    // Qt's font caches down at exit is not what is under test.
    static QApplication *app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    g_dir = new QTemporaryDir;
    QDir().mkpath(g_dir->path() + QStringLiteral("/Questions"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    AppState state;
    state.folders.programDir = g_dir->path();
    state.set.name = QStringLiteral("fuzz.dat");
    state.set.path = state.folders.setPathFor(state.set.name);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    writeWhole(state.set.path, bytes);
    const int whole = int(size / QuestionRecord::LENGTH);

    // What every reader must make of the bytes, worked out here byte by byte
    // rather than through the file layer: the questions (rounds 1 to 15,
    // numbers below the reserved ones) in each round.
    QuestionSet::RoundCounts perRound{};
    for (int n = 0; n < whole; ++n) {
        const auto *raw = reinterpret_cast<const uchar *>(data) + n * QuestionRecord::LENGTH;
        const int round = qint16(raw[0] | raw[1] << 8);
        const int number = qint16(raw[2] | raw[3] << 8);
        if (round >= 1 && round <= 15 && number < QuestionSet::FIRST_RESERVED_NUMBER)
            ++perRound[round - 1];
    }

    // Record count and reading record by record.
    const int count = SetFile::countFromLength(qint64(size));
    FUZZ_CHECK(count == whole || count == whole + 1);
    SetFile file(state.set.path);
    FUZZ_CHECK(file.openReadOnly());
    FUZZ_CHECK(file.recordCount() == count);
    QuestionRecord record;
    int read = 0;
    for (int n = 1; file.read(n, record); ++n) {
        ++read;
        FUZZ_CHECK(record.question.size() <= QuestionRecord::QUESTION_WIDTH);
        FUZZ_CHECK(QuestionRecord::fromBytes(record.toBytes()) == record);
    }
    FUZZ_CHECK(read == whole && file.atEnd());
    file.close();

    // The scan sees every whole record once, in order.
    int scanned = 0;
    FUZZ_CHECK(SetFile::scan(state.set.path, [&](int n, QByteArrayView raw) {
        FUZZ_CHECK(n == ++scanned && raw.size() == QuestionRecord::LENGTH);
        return true;
    }));
    FUZZ_CHECK(scanned == whole);

    QString error;
    const QuestionSet set(state.set.path);
    const auto header = set.findHeader(&error);
    FUZZ_CHECK(error.isEmpty());
    FUZZ_CHECK(!header || (header->n >= 1 && header->n <= whole && header->record.isHeader()));
    const QuestionSet::RoundCounts counts = set.countRounds(&error);
    int questions = 0;
    for (int c : counts)
        questions += c;
    FUZZ_CHECK(counts == perRound && questions <= whole);
    set.unlock(QStringLiteral("pw"), QuestionSet::Purpose::Adding, &error);
    set.unlock(QStringLiteral("pw"), QuestionSet::Purpose::Managing, &error);
    set.nextSlot();
    const std::optional<QuestionSet::Pick> first = set.pick(1, &error);
    FUZZ_CHECK(bool(first) == (whole >= 1));

    const SetCheck::Report report = SetCheck::check(state.set.path);
    FUZZ_CHECK(report.readable() && report.records == whole && report.questions == questions);
    report.verdict();
    QStringList lines;
    FUZZ_CHECK(SetListing::lines(state.set.path, lines, &error));
    const SetExport::Result exported = SetExport::toCsv(state.set.path);
    FUZZ_CHECK(exported.error.isEmpty() && exported.rows <= questions);

    // The game's draw of one round, picked by the input's length.
    FixedRandom random;
    const int round = 1 + int(size % 15);
    QuestionDraw draw;
    FUZZ_CHECK(draw.read(state.set.path, &error) && draw.count(round) == counts[round - 1]);
    const std::optional<QuestionRecord> drawn = draw.draw(round, random);
    FUZZ_CHECK(bool(drawn) == (draw.count(round) > 0));
    FUZZ_CHECK(!drawn || drawn->round == round);

    // The manager's list, and picking its first row.
    SilentDialogs dialogs;
    Services services;
    services.dialogs = &dialogs;
    {
        QuestionManager form(state.set.path, services);
        auto *list = form.findChild<QTreeView *>(QStringLiteral("ListView1"));
        const int rows = list->model()->rowCount();
        FUZZ_CHECK(rows == questions);
        if (rows > 0) {
            list->setCurrentIndex(list->model()->index(rows - 1, 0));
            form.updateList();
        }
    }
    // Reading never writes: the file is byte for byte what was given.
    QFile after(state.set.path);
    FUZZ_CHECK(after.open(QIODevice::ReadOnly) && after.readAll() == bytes);
    return 0;
}
