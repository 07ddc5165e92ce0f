#include "playername.h"

#include <QChar>
#include <QCoreApplication>

namespace PlayerName {

bool isBlank(QStringView typed)
{
    // Whole characters, so that one outside the first plane is judged as one.
    for (const char32_t c : typed.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (!QChar::isSpace(c) && category != QChar::Other_Format
            && category != QChar::Other_Control)
            return false;
    }
    return true;
}

QString lengthProblem(QStringView typed)
{
    if (typed.toUcs4().size() <= MAX_LENGTH)
        return {};
    return QCoreApplication::translate("PlayerName", "Your name can have at most %1 characters, "
                                                     "so that it fits on the certificate.")
        .arg(MAX_LENGTH);
}

} // namespace PlayerName
