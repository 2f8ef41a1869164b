#include "start/PasswordFilter.h"

#include <algorithm>

namespace {

bool buchstabe(QChar zeichen)
{
    const char16_t c = zeichen.unicode();
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace

bool PasswordFilter::erlaubt(QChar zeichen)
{
    return buchstabe(zeichen) || zeichen == QChar(u'\b');
}

bool PasswordFilter::gueltig(const QString& passwort)
{
    return std::all_of(passwort.cbegin(), passwort.cend(), buchstabe);
}
