#pragma once

#include <QString>

// Set files hold one Windows-1252 byte per character. Text typed into the
// program is checked before it is stored, so that no character is silently
// turned into '?'.
namespace StorableText {

// Empty when every character of text fits; otherwise one sentence naming the
// field and the characters that do not.
QString problem(const QString &field, const QString &text);

// Upper case as questions and answers are stored: letter by letter, and only
// where the capital is one Windows-1252 character ("ÿ" becomes "Ÿ", while
// "ß" and "µ" stay), so a stored text never grows longer than typed.
QString upperCased(const QString &typed);

} // namespace StorableText
