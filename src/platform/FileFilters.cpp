#include "platform/FileFilters.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace morvane::platform {

namespace {

// "All images (*.gif, *.jpg)" -> "All images": the patterns are listed again after it.
QString descriptionWithoutPatterns(const QString& description)
{
    const QString trimmed = description.trimmed();
    if (!trimmed.endsWith(u')')) {
        return trimmed;
    }
    const qsizetype open = trimmed.lastIndexOf(u'(');
    return open < 0 ? trimmed : trimmed.left(open).trimmed();
}

QStringList qtPatterns(const QString& windowsPatterns)
{
    QStringList patterns;
    const auto addOnce = [&patterns](const QString& pattern) {
        if (!patterns.contains(pattern)) {
            patterns.append(pattern);
        }
    };
    const QStringList parts = windowsPatterns.split(u';', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString pattern = part.trimmed();
        if (pattern == u"*.*" || pattern == u"*") {
            addOnce(u"*"_s);
        } else if (!pattern.isEmpty()) {
            addOnce(pattern.toLower());
            addOnce(pattern.toUpper());
        }
    }
    return patterns;
}

} // namespace

QString qtFilterFromWindowsFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = qtPatterns(parts.at(i + 1));
        if (patterns.isEmpty()) {
            continue;
        }
        QString description = descriptionWithoutPatterns(parts.at(i));
        if (description.isEmpty()) {
            description = patterns.join(u' ');
        }
        qtFilters.append(description + u" (" + patterns.join(u' ') + u')');
    }
    return qtFilters.join(u";;");
}

bool filterOffers(const QString& filter, const QString& fileName)
{
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        for (const QString& pattern : qtPatterns(parts.at(i + 1))) {
            if (QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive)
                    .match(fileName)
                    .hasMatch()) {
                return true;
            }
        }
    }
    return false;
}

} // namespace morvane::platform
