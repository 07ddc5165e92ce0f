#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Text fields of set files are padded with spaces, and only spaces count as
// padding: tabs and other blanks are part of the text.
namespace FixedText {

QString trimSpaces(QStringView text);
// The same without a copy.
QStringView trimmedView(QStringView text);

// Trimmed, encoded in Windows-1252, then cut or space-padded to width bytes.
QByteArray pack(QStringView text, int width);
// The same, behind what out already holds.
void packInto(QByteArray &out, QStringView text, int width);

} // namespace FixedText
