#include "controls/Schriftwahl.h"

#include <QFontDatabase>
#include <QGuiApplication>

QFont Schriftwahl::installierte(const QStringList& familien, int punkte)
{
    QFont schrift = QGuiApplication::font();
    for (const QString& familie : familien) {
        if (QFontDatabase::hasFamily(familie)) {
            schrift.setFamilies({ familie });
            break;
        }
    }
    schrift.setPointSize(punkte);
    return schrift;
}
