#pragma once

#include "questionrecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class SetLock;

// One question set file and every rule about it: its header and details, the
// questions per round, where a new question goes and which number it gets,
// the password, what typed text can be stored and how. A QuestionSet only
// knows its path; each operation opens the file, does its work and closes it
// again, so nothing stays open between events.
class QuestionSet
{
    // Its messages are shown by the screens in the player's language.
    Q_DECLARE_TR_FUNCTIONS(QuestionSet)

public:
    // Numbers from here on are never given to a question, and a record that
    // holds one is no question: 9999 marks the header and the numbers close
    // to it are kept clear.
    static constexpr int FIRST_RESERVED_NUMBER = 9000;

    // What a header holds for a creator or message left blank.
    static QString noCreator() { return QStringLiteral("Not Given"); }
    static QString noMessage() { return QStringLiteral("No Message"); }

    using RoundCounts = std::array<int, 15>; // index i holds round i + 1

    struct Found
    {
        int n = 0; // record number
        QuestionRecord record;
        QByteArray bytes; // the record as it stands in the file
    };

    struct Slot
    {
        int record = 0; // record number to write at
        int number = 0; // question number to give
    };

    // Where new questions go: behind the file's last record, numbered one
    // past both that record and the highest number below the reserved ones,
    // so numbers stay unique after deletions.
    struct Numbering
    {
        int records = 0; // records in the file
        int highest = 0; // the highest number below FIRST_RESERVED_NUMBER
        void see(QByteArrayView raw);
        int next() const;
        // How many more questions the records and the numbers left can take.
        int room() const;
    };

    // A question picked from the list: its position and its bytes as they
    // were read. Sets can hold two questions with one number, so a pick is
    // known by where it stands and what it held.
    struct Pick
    {
        int record = 0;
        QByteArray bytes;
        QuestionRecord question() const { return QuestionRecord::fromBytes(bytes); }
    };

    struct Removal
    {
        int removed = 0;   // records dropped
        int remaining = 0; // records left in the file
    };

    struct Details
    {
        QString creator;
        QString message;
        QString password;
    };

    // Who asks for a set's password. Adding a question and importing into a
    // set take it letter for letter; the manager's gate ignores letter case.
    enum class Purpose { Adding, Managing, Importing };

    enum class Unlock {
        Opened,
        WrongPassword,
        NoHeader,   // no header to compare with: the set has lost it or is gone
        Unreadable, // the file could not be read
    };

    // What keeps a typed text from being stored, looked for in this order.
    struct TextFault
    {
        enum Kind { None, ControlCharacter, OutsideCodePage, TooLong };
        Kind kind = None;
        char32_t character = 0; // the first one at fault
        qsizetype at = 0; // where it stands, counted in characters from 0; for
                          // TooLong, the first character past the field
    };

    // How blank details are filled: each blank one alone (a new set), or both
    // together when either is blank (the manager's details).
    enum BlankDetails { FillEachBlank, FillBothWhenEitherBlank };

    enum class Change {
        Done,
        Refused,    // the set cannot take it (full, unreadable, no header); nothing written
        Moved,      // the picked record no longer holds what was picked; nothing written
        Unreadable, // the file could not be read; nothing written
        Failed,     // the change could not be saved; the file is as it was
    };

    explicit QuestionSet(const QString &path);
    QString path() const { return m_path; }

    // ---- what a set holds, applying to any set

    // A question is a record of a round 1 to 15 numbered below the reserved
    // numbers; counts, the game's draw, the manager's list, export and check
    // all go by this.
    static bool isQuestion(QByteArrayView raw);
    // A game needs at least one question in every round.
    static bool playable(const RoundCounts &counts);
    // The sets in a folder, as the start screen lists them: its files (not
    // folders, not hidden ones) whose names end in ".dat" in any letter case,
    // in name order.
    static QStringList namesIn(const QString &folder);

    // ---- rules on text, applying to any set

    // A character a set can store: one of Windows-1252's one-byte characters,
    // and no control character (a line break or tab shows as nothing and
    // breaks a CSV row).
    static bool canStore(char32_t c);
    // Whether typed can be stored in a field width characters wide: every
    // character storable and, once stored (see storedText()), at most width
    // long. A control character is named before any other.
    static TextFault textFault(QStringView typed, qsizetype width);
    // Empty when every character of text can be stored (canStore());
    // otherwise one sentence naming the field and the characters that
    // cannot, so that none is silently stored as '?'. The screens' boxes take
    // no more characters than the field holds.
    static QString textProblem(const QString &field, const QString &text);
    // Upper case letter by letter, and only where the capital is one
    // Windows-1252 character ("ÿ" becomes "Ÿ", "ß" and "µ" stay), so a stored
    // text never grows longer than typed.
    static QString upperCased(const QString &typed);
    // A question or answer as it is stored: upper-cased, then trimmed of spaces.
    static QString storedText(const QString &typed);
    // Packs typed into a field width bytes wide at to, as storedText() and
    // FixedText::pack() together store it, in one pass; false, with to of
    // no use, when textFault() finds a fault. An import packs every field so.
    static bool storeInto(char *to, QStringView typed, qsizetype width);
    // The first of the question and its four answers that cannot be stored
    // once upper-cased, described; or empty.
    static QString questionProblem(const QuestionRecord &typed);
    // Why a set's file name cannot be used inside the Questions folder, or
    // empty when it can. A name too long for the hidden copy every change
    // writes beside the set is refused too.
    static QString nameProblem(const QString &fileName);
    // The name a set called fileName takes in folder: its own while nothing
    // there has it, else the first free one of "Name (2).dat", "Name (3).dat"
    // and on, Name cut short where the number would make it longer than
    // nameProblem() allows.
    static QString freeName(const QString &folder, const QString &fileName);
    // Details with the blank creator or message filled in; a text counts as
    // blank when only spaces are left, and texts that are not blank stay as given.
    static Details withDefaults(Details details, BlankDetails rule);
    // A typed round as the whole number it is stored as: a plain decimal
    // number (rounded to the nearest, ties to even) or a prize of the ladder
    // ("£1000" is 5); nothing outside 1 to 15 or for any other text.
    // Spaces around and letter case do not count. The main window's round
    // box, the manager's and import all read rounds so.
    static std::optional<qint16> typedRound(const QString &typed);
    // A typed right answer as the stored letter "a" to "d": any text sorting
    // from "A" to "D" once upper-cased and trimmed gives its first letter;
    // anything else gives an empty text.
    static QString typedRight(const QString &typed);

    // ---- reading

    // Opens the file, creating it (and its folder) empty when it is missing,
    // and counts its records (length / 405, rounded). Nothing, with error
    // set, when it cannot.
    std::optional<int> openCounting(QString *error = nullptr) const;
    // Why the file could neither be opened nor created, as one sentence; empty
    // when it can. A file made for the test is removed again.
    QString openProblem() const;
    // The first record whose number is 9999, wherever it stands.
    std::optional<Found> findHeader(QString *error = nullptr) const;
    // Questions per round.
    RoundCounts countRounds(QString *error = nullptr) const;
    // Calls visit for every question, in file order. False when the file
    // cannot be read.
    bool forEachQuestion(const std::function<void(int n, QByteArrayView raw)> &visit,
                         QString *error = nullptr) const;
    // True while the set has no record yet (missing or empty): the main
    // window gives such a set the header typed for it.
    bool isNew() const;
    // Whether the typed password lets the user into the set for purpose:
    // Opened when some header of the set (a record numbered 9999, wherever
    // it stands) holds it, spaces around either side not counting, and letter
    // case counting except for Managing. A set without a header opens for no
    // password; NoHeader and Unreadable set error (see missingHeader()).
    Unlock unlock(const QString &typed, Purpose purpose, QString *error = nullptr) const;
    // Why a set without a header cannot be used: it no longer exists, or
    // it has lost its header.
    QString missingHeader() const;
    // Record n as it stands now. Nothing when the file has no whole record n;
    // a file that cannot be opened gives nothing too and sets error.
    std::optional<Pick> pick(int n, QString *error = nullptr) const;

    // ---- changing

    // Every change holds the set against other writers (SetLock) while it
    // reads what it needs and writes, and works from the file as it stands
    // then, never from what was read before. A set that may not be written,
    // or that another program keeps for longer than SetLock::WAIT, is
    // Refused; one that is gone or no plain file is Unreadable; error says
    // which.
    using Work = std::function<Change(SetLock &held)>;
    Change locked(const Work &work, QString *error = nullptr) const;

    // Where the next question goes (see Numbering). Nothing, with problem
    // set, when the set is full or unreadable.
    std::optional<Slot> nextSlot(QString *problem = nullptr) const;
    // The set's numbering as the file stands; a missing file has none
    // taken. Nothing, with error set, when it cannot be read.
    std::optional<Numbering> numbering(QString *error = nullptr) const;
    // Writes the header of a new set as record 1; recordCount becomes 1. A
    // set that has records by then (another program made it first) keeps
    // them, and recordCount follows the file.
    Change writeHeader(int &recordCount, const QuestionRecord &header,
                       QString *error = nullptr) const;
    // Adds a typed question in the next free slot, its texts stored as
    // storedText() gives them; recordCount follows the record written.
    // Refused (the set is full, read-only or busy) or Failed, with problem set.
    Change add(QuestionRecord typed, int &recordCount, QString *problem = nullptr) const;
    // Writes edited over the picked record while it still holds the picked
    // bytes, and makes the pick hold the new ones. Texts are stored as
    // storedText() gives them. A pick not found because the set has lost its
    // header is Refused, with error saying so, rather than Moved.
    Change edit(Pick &picked, QuestionRecord edited, QString *error = nullptr) const;
    // Drops the picked record while it still holds the picked bytes; all
    // others keep their contents and order. The file is replaced as a whole
    // and atomically; on failure it is left exactly as it was. Refused as
    // edit() is when the set has lost its header.
    Change remove(const Pick &picked, Removal &removal, QString *error = nullptr) const;
    // Drops record n, whatever it holds (see remove()).
    std::optional<Removal> removeRecord(int n, QString *error = nullptr) const;
    // Rewrites the header with the typed details, trimmed: both blanks filled
    // when either is blank, a blank password keeping the stored one; loaded
    // is the header as the screen read it (record 0 and no bytes for none),
    // and follows the write. Moved, with nothing written, when the header
    // in the file no longer holds loaded's bytes (another program changed
    // the details since); Refused, with error set, when the set has no header.
    Change changeDetails(Pick &loaded, const Details &typed, QString *error = nullptr) const;

private:
    QString m_path;
};
