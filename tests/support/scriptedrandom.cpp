#include "scriptedrandom.h"

#include <QTest>

double ScriptedRandom::uniform()
{
    ++taken;
    if (values.isEmpty()) {
        QTest::qFail("unscripted random number", __FILE__, __LINE__);
        return 0.0;
    }
    return values.dequeue();
}
