#pragma once

#include <QFont>
#include <QStringList>

// Fonts that really exist: the first of the wished families that is
// installed, else the user-interface font. Asking for a missing family lets
// the system substitute one by a style hint, and some systems answer with a
// symbol face that shows every letter as a dingbat.
class Schriftwahl {
public:
    static QFont installierte(const QStringList& familien, int punkte);
};
