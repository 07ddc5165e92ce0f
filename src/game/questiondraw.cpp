#include "questiondraw.h"

#include "randomsource.h"
#include "storage/appstate.h"
#include "storage/questionrecord.h"
#include "storage/questionset.h"
#include "storage/setfile.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Writes records one after another from record n on, in one write.
bool writeRecords(QFile &file, int n, const QByteArray &raw)
{
    const qint64 at = qint64(n - 1) * DrawRecord::LENGTH;
    const qint64 size = file.size();
    if (at > size && (!file.seek(size) || file.write(QByteArray(at - size, '\0')) != at - size))
        return false;
    return file.seek(at) && file.write(raw) == raw.size() && file.flush();
}

// The record whose sequence number is r. The draw's records are numbered 1,
// 2, 3, ... from record first on, so that is record first + r - 1: read just
// that one.
std::optional<DrawRecord> findInScratch(QFile &file, int first, int r, bool &readOk)
{
    readOk = file.seek(qint64(first + r - 2) * DrawRecord::LENGTH);
    if (!readOk)
        return std::nullopt;
    const QByteArray raw = file.read(DrawRecord::LENGTH);
    readOk = raw.size() == DrawRecord::LENGTH;
    if (!readOk || DrawRecord::seqOf(raw) != r)
        return std::nullopt;
    return DrawRecord::fromBytes(raw);
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

    // The scratch file is made anew for each draw and only by us: whatever
    // has its name (a file an interrupted run left, or a link planted to make
    // us write elsewhere) is removed first, never written through.
    const QByteArray path = QFile::encodeName(state.draw_path);
    ::unlink(path.constData());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    QFile scratch;
    bool scratchOk = fd >= 0 && scratch.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle);
    if (fd >= 0 && !scratchOk)
        ::close(fd);
    state.draw_count = 0;

    // The round's records as the scratch file holds them, gathered in one
    // pass over the set and written in one go. Kept in memory as well, so
    // that a scratch file that cannot be written does not stop the game: the
    // draw is the same either way.
    QByteArray packed;
    const int first = state.draw_count + 1;
    const bool setOk = SetFile::scan(
        state.set_path,
        [&](int, QByteArrayView raw) {
            if (!QuestionSet::isQuestion(raw) || QuestionRecord::roundOf(raw) != round)
                return true;
            ++result.count;
            DrawRecord::packInto(packed, qint16(result.count), raw);
            return true;
        },
        &result.error);
    state.draw_count += result.count;
    if (scratchOk && result.count > 0)
        scratchOk = writeRecords(scratch, first, packed);

    result.drawn = random.pick(result.count);
    if (!setOk) {
        result.ok = false;
    } else if (result.count > 0) {
        bool readOk = false;
        if (scratchOk)
            result.record = findInScratch(scratch, first, result.drawn, readOk);
        if (!readOk || !result.record) {
            result.record = DrawRecord::fromBytes(
                QByteArrayView(packed).sliced(qsizetype(result.drawn - 1) * DrawRecord::LENGTH,
                                              DrawRecord::LENGTH));
        }
    }
    scratch.close();
    if (fd >= 0)
        ::unlink(path.constData());
    return result;
}

} // namespace QuestionDraw
