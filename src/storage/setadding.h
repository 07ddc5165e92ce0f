#pragma once

#include <QString>

#include <optional>

// The file side of adding a question to a set: the password check, where the
// new question goes and which number it gets, and how its texts are stored.
namespace SetAdding {

// Numbers from here on are never given to a question: the manager hides them
// and 9999 marks the header.
constexpr int FIRST_RESERVED_NUMBER = 9000;

// True when a header of the set holds the typed password; both sides are
// trimmed of spaces and compared case and all. A file that cannot be read
// sets error.
bool passwordMatches(const QString &path, const QString &typed, QString *error = nullptr);

struct Slot
{
    int record = 0; // record number to write at
    int number = 0; // question number to give
};

// The next question is written at record_count + 1 (or behind the file's last
// record, when the file has grown since it was counted) and numbered one past
// both that and the highest number in the file, so numbers stay unique after
// deletions. Empty, with problem set, when the set is full or unreadable.
std::optional<Slot> nextSlot(const QString &path, int record_count, QString *problem = nullptr);

} // namespace SetAdding
