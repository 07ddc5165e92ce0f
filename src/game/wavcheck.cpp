#include "wavcheck.h"

#include <QFile>
#include <QtEndian>

namespace {

quint32 wavWord(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 wavHalf(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The bytes of one frame as a "fmt " chunk describes it; 0 when the chunk
// makes no sense (no channels, no rate, a block size that is not the
// channels' samples).
int frameBytes(const QByteArray &fmt)
{
    if (fmt.size() < 16)
        return 0;
    const int channels = wavHalf(fmt, 2);
    const quint32 rate = wavWord(fmt, 4);
    const int block = wavHalf(fmt, 12);
    const int bits = wavHalf(fmt, 14);
    if (channels < 1 || rate == 0 || bits < 1 || bits % 8 != 0 || block != channels * bits / 8)
        return 0;
    return block;
}

} // namespace

namespace WavCheck {

QString problem(QIODevice &wav)
{
    const qint64 length = wav.size();
    const QByteArray head = wav.seek(0) ? wav.read(12) : QByteArray();
    if (head.size() < 12 || !head.startsWith("RIFF") || head.sliced(8) != "WAVE")
        return QStringLiteral("not a RIFF WAVE file");
    const qint64 end = 8 + qint64(wavWord(head, 4));
    if (end > length)
        return QStringLiteral("the RIFF header claims %1 bytes but the file has %2")
            .arg(end)
            .arg(length);
    int frame = 0;
    qint64 at = 12;
    while (at + 8 <= end) {
        const QByteArray chunk = wav.seek(at) ? wav.read(8) : QByteArray();
        if (chunk.size() < 8)
            return QStringLiteral("cannot be read");
        const QString id = QString::fromLatin1(chunk.first(4));
        const qint64 size = wavWord(chunk, 4);
        const qint64 left = end - at - 8;
        if (size > left)
            return QStringLiteral("its \"%1\" chunk claims %2 bytes but %3 follow it")
                .arg(id)
                .arg(size)
                .arg(left);
        if (id == QLatin1String("fmt ")) {
            frame = frameBytes(wav.read(qMin<qint64>(size, 16)));
            if (frame == 0)
                return QStringLiteral("its \"fmt \" chunk describes no sound");
        } else if (id == QLatin1String("data")) {
            if (frame == 0)
                return QStringLiteral("its \"data\" chunk comes before its \"fmt \" chunk");
            if (size == 0)
                return QStringLiteral("its \"data\" chunk is empty");
            if (size % frame != 0)
                return QStringLiteral("its %1 bytes of sound are not whole frames of %2 bytes")
                    .arg(size)
                    .arg(frame);
            return {};
        }
        at += 8 + size + (size & 1); // chunks are padded to an even length
    }
    return QStringLiteral("it has no \"data\" chunk");
}

QString problemWithFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be opened: %1").arg(file.errorString());
    return problem(file);
}

} // namespace WavCheck
