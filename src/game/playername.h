#pragma once

#include <QString>
#include <QStringView>

// What counts as a player's name.
namespace PlayerName {

// The most characters the certificate's name line shows at a readable size.
constexpr int MAX_LENGTH = 40;

// True when the name would show nothing: every character a space of any kind
// (no-break, ideographic, ...), a control character or an invisible format
// character (zero-width space, joiners, direction marks).
bool isBlank(QStringView typed);
// Why a name is too long for the certificate, as the player is told it; empty
// when it fits. Characters are counted whole, as the player sees them typed.
QString lengthProblem(QStringView typed);

} // namespace PlayerName
