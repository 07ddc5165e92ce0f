#include "questiondraw.h"

#include "randomsource.h"
#include "storage/appstate.h"
#include "storage/questionrecord.h"
#include "storage/setfile.h"

#include <QDir>
#include <QFile>
#include <QList>

namespace {

// Whole records of the scratch file: length / 403, nearest whole number.
// 403 is odd, so a remainder can never be exactly half a record.
int recordsIn(qint64 bytes)
{
    const qint64 whole = bytes / DrawRecord::LENGTH;
    return int(2 * (bytes % DrawRecord::LENGTH) > DrawRecord::LENGTH ? whole + 1 : whole);
}

bool writeRecord(QFile &file, int n, const QByteArray &raw)
{
    const qint64 at = qint64(n - 1) * DrawRecord::LENGTH;
    const qint64 size = file.size();
    if (at > size && (!file.seek(size) || file.write(QByteArray(at - size, '\0')) != at - size))
        return false;
    return file.seek(at) && file.write(raw) == raw.size();
}

// The last record in file order whose sequence number is r.
std::optional<DrawRecord> findInScratch(QFile &file, int r, bool &readOk)
{
    std::optional<DrawRecord> found;
    readOk = file.seek(0);
    while (readOk) {
        const QByteArray raw = file.read(DrawRecord::LENGTH);
        if (raw.size() < DrawRecord::LENGTH)
            break;
        if (DrawRecord::seqOf(raw) == r)
            found = DrawRecord::fromBytes(raw);
    }
    return found;
}

} // namespace

namespace QuestionDraw {

QString scratchPath(const AppState &state)
{
    return QDir(state.questionsDir()).filePath(QStringLiteral("q_rand.tmp"));
}

Result run(AppState &state, int round, RandomSource &random)
{
    Result result;
    state.draw_path = scratchPath(state);
    state.DRAW_RECORD_LEN = DrawRecord::LENGTH;

    QFile scratch(state.draw_path);
    // A file left over by an interrupted run keeps its records; ours follow
    // them, and the search below keeps the last match, which is ours.
    bool scratchOk = scratch.open(QIODevice::ReadWrite);
    state.draw_count = scratchOk ? recordsIn(scratch.size()) : 0;

    // Kept as well in memory, so that a scratch file that cannot be written
    // does not stop the game: the draw is the same either way.
    QList<QByteArray> copies;
    const bool setOk = SetFile::scan(
        state.set_path,
        [&](int, QByteArrayView raw) {
            if (QuestionRecord::roundOf(raw) != round)
                return true;
            const QByteArray record = DrawRecord::pack(qint16(copies.size() + 1), raw);
            copies.append(record);
            ++state.draw_count;
            if (scratchOk)
                scratchOk = writeRecord(scratch, state.draw_count, record);
            return true;
        },
        &result.error);

    result.count = int(copies.size());
    result.drawn = random.pick(result.count);
    if (!setOk) {
        result.ok = false;
    } else if (result.count > 0) {
        bool readOk = false;
        if (scratchOk)
            result.record = findInScratch(scratch, result.drawn, readOk);
        if (!readOk || !result.record)
            result.record = DrawRecord::fromBytes(copies.at(result.drawn - 1));
    }
    scratch.close();
    scratch.remove();
    return result;
}

} // namespace QuestionDraw
