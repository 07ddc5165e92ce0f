#pragma once

#include <QString>

// Set files hold one Windows-1252 byte per character. Text typed into the
// program is checked before it is stored, so that no character is silently
// turned into '?'.
namespace StorableText {

// Empty when every character of text fits; otherwise one sentence naming the
// field and the characters that do not.
QString problem(const QString &field, const QString &text);

} // namespace StorableText
