#include "process/version.h"

namespace smscfg {

QString programVersion()
{
    return QStringLiteral(SMSCFG_VERSION);
}

}  // namespace smscfg
