#include "screen/NameRules.h"

bool isAcceptableName(const QString &name)
{
    return !name.isEmpty() && name != QStringLiteral(" ") && name != QStringLiteral("　");
}
