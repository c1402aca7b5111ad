#pragma once

class QCoreApplication;

namespace smscfg {

// Loads Qt's own Simplified Chinese texts (the standard buttons' "确定"),
// whatever the system's locale. Returns false when they are not installed.
bool installQtChineseTranslations(QCoreApplication &app);

}  // namespace smscfg
