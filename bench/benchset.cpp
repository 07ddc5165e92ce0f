#include "benchset.h"

#include "storage/questionrecord.h"
#include "storage/questionset.h"
#include "storage/saferewrite.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <random>

#include <unistd.h>

namespace {

// Question numbers at 9000 and above are reserved (9999 marks the header), so
// 32766 questions cannot all have numbers of their own: in a set that large
// they run through 2 .. 8998 again and again, as in a set merged from
// several, and only the last question has a number, 8999, that no other
// record has. A smaller set numbers its questions by position, as adding
// does, and so still takes one more question.
constexpr int kLastNumber = QuestionSet::FIRST_RESERVED_NUMBER - 1;
constexpr int kCycledNumbers = kLastNumber - 2;

int numberOfRecord(int n, int records)
{
    if (records < kLastNumber)
        return n;
    return n == records ? kLastNumber : 2 + (n - 2) % kCycledNumbers;
}

int roundOfRecord(int n)
{
    return 1 + (n - 2) % 15;
}

// Upper case, as the program stores texts; letters from all over Western
// Europe and signs from the top of the code page (€, …, ’, Œ, Š).
const QStringList kWords = {
    QStringLiteral("CAFÉ"),      QStringLiteral("MÜNCHEN"),  QStringLiteral("SÃO PAULO"),
    QStringLiteral("ŒUVRE"),     QStringLiteral("ZÜRICH"),   QStringLiteral("ÆRØ"),
    QStringLiteral("SEÑOR"),     QStringLiteral("FRANÇAIS"), QStringLiteral("ÅLESUND"),
    QStringLiteral("ŠKODA"),     QStringLiteral("€20"),      QStringLiteral("£1000"),
    QStringLiteral("RIVER"),     QStringLiteral("MOUNTAIN"), QStringLiteral("COMPOSER"),
    QStringLiteral("PAINTER"),   QStringLiteral("ELEMENT"),  QStringLiteral("CAPITAL"),
    QStringLiteral("CENTURY"),   QStringLiteral("NOVEL"),    QStringLiteral("PLANET"),
    QStringLiteral("ISLAND"),    QStringLiteral("OPERA"),    QStringLiteral("BRIDGE"),
    QStringLiteral("KING’S"),    QStringLiteral("TREATY"),   QStringLiteral("ORCHESTRA"),
    QStringLiteral("GÖTEBORG"),  QStringLiteral("BJÖRK"),    QStringLiteral("BARTÓK"),
};

class Texts
{
public:
    QString words(int minChars, int maxChars)
    {
        const int target = std::uniform_int_distribution<int>(minChars, maxChars)(m_random);
        QString out;
        while (out.size() < target) {
            if (!out.isEmpty())
                out += QLatin1Char(' ');
            out += kWords.at(std::uniform_int_distribution<int>(0, int(kWords.size()) - 1)(m_random));
        }
        return out;
    }

    QString question(int n)
    {
        const QString text = QStringLiteral("QUESTION %1: WHICH OF THESE GOES WITH %2…?")
                                 .arg(n)
                                 .arg(words(20, 150));
        return text.left(QuestionRecord::QUESTION_WIDTH);
    }

    QChar letter() { return QChar(u'a' + std::uniform_int_distribution<int>(0, 3)(m_random)); }

private:
    std::mt19937 m_random{9};
};

} // namespace

BenchSet &BenchSet::instance()
{
    static BenchSet set;
    return set;
}

BenchSet::BenchSet()
{
    bool given = false;
    const int wanted = qEnvironmentVariableIntValue("QUORVANE_BENCH_RECORDS", &given);
    if (given)
        m_records = std::clamp(wanted, 16, FULL_RECORDS);
    m_lastNumber = numberOfRecord(m_records, m_records);
    m_ok = generate();
}

bool BenchSet::generate()
{
    if (!m_dir.isValid()) {
        m_problem = QStringLiteral("no temporary folder: %1").arg(m_dir.errorString());
        return false;
    }
    m_state.folders.programDir = m_dir.path();
    m_state.set.name = QStringLiteral("largest.dat");
    m_state.set.path = m_state.folders.setPathFor(m_state.set.name);
    QDir().mkpath(m_state.folders.questionsDir());

    QByteArray bytes;
    bytes.reserve(qsizetype(m_records) * QuestionRecord::LENGTH);
    bytes += QuestionRecord::header(QStringLiteral("Fragen für jeden Schritt der Leiter — bonne chance !"),
                                    QStringLiteral("Zoë Brønstad-Ñúñez"),
                                    QString::fromUtf8(PASSWORD))
                 .toBytes();
    Texts texts;
    for (int n = 2; n <= m_records; ++n) {
        QuestionRecord q;
        q.round = qint16(roundOfRecord(n));
        q.number = qint16(numberOfRecord(n, m_records));
        q.question = texts.question(n);
        q.answer_a = texts.words(3, 50).left(QuestionRecord::ANSWER_WIDTH);
        q.answer_b = texts.words(3, 50).left(QuestionRecord::ANSWER_WIDTH);
        q.answer_c = texts.words(3, 50).left(QuestionRecord::ANSWER_WIDTH);
        q.answer_d = texts.words(3, 50).left(QuestionRecord::ANSWER_WIDTH);
        q.right_answer = texts.letter();
        bytes += q.toBytes();
    }
    if (!SafeRewrite::replace(m_state.set.path, bytes, &m_problem))
        return false;

    // A second name for the same bytes, from which a deleted question is put
    // back without writing the file again.
    m_pristine = programFile(QStringLiteral("largest.pristine"));
    if (::link(QFile::encodeName(m_state.set.path).constData(),
               QFile::encodeName(m_pristine).constData())
        != 0) {
        m_problem = QStringLiteral("could not link %1").arg(m_pristine);
        return false;
    }
    return true;
}

int BenchSet::questionsOfRound(int round) const
{
    int count = 0;
    for (int n = 2; n <= m_records; ++n)
        count += roundOfRecord(n) == round ? 1 : 0;
    return count;
}

bool BenchSet::restore()
{
    const QByteArray set = QFile::encodeName(m_state.set.path);
    ::unlink(set.constData());
    return ::link(QFile::encodeName(m_pristine).constData(), set.constData()) == 0;
}

QString BenchSet::programFile(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}
