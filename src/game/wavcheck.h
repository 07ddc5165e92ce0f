#pragma once

#include <QString>

class QIODevice;

// Whether a WAV file's header agrees with the file itself. QSoundEffect
// believes the header: its loader waits for ever for data the header promises
// and the file lacks, and the program then hangs when the sound is dropped.
// So a file goes to the sound engine only once its RIFF, "fmt " and "data"
// sizes fit the file's real length and the data holds whole frames.
namespace WavCheck {

// Empty when the WAV held by the device adds up; otherwise what does not.
// Reads from the device's start.
QString problem(QIODevice &wav);
// The same for the file at path; a file that cannot be opened is a problem.
QString problemWithFile(const QString &path);

} // namespace WavCheck
