// Not a test: writes every default a hint of the parameter page promises ("milliseconds (Default
// is 50)"), under the parameter name the generator writes for the hinted key, as JSON rows
// {kind, key, param, hint, default}. The runtime's tests hold its own defaults against these, so
// that the page's hints stay the one place a default is promised.
// Usage: morvane_page_defaults OUTPUT.json
#include "generator/KindBlocks.h"
#include "ui/page/KindSections.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// A number, unless it is part of a ratio or a share ("Default is 1/2", "Default is 50 %").
std::optional<QJsonValue> promisedDefault(const QString& hint)
{
    static const QRegularExpression number(uR"(Default is (-?\d+)\b(?!\s*[/%]))"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression text(uR"re(default is "([^"]*)")re"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    if (const auto match = number.match(hint); match.hasMatch()) {
        return QJsonValue(match.captured(1).toInt());
    }
    if (const auto match = text.match(hint); match.hasMatch()) {
        return QJsonValue(match.captured(1));
    }
    return std::nullopt;
}

QJsonArray promisedDefaults()
{
    QJsonArray rows;
    for (const ui::page::SpecificSectionEntry& entry :
         ui::page::SpecificSectionRegistry::entries()) {
        const QString kind = QString::fromUtf16(entry.kind);
        for (const ui::page::FieldSpec& field : entry.section.fields) {
            if (!field.key || !field.hint) {
                continue;
            }
            const QString hint = QString::fromUtf16(field.hint);
            const std::optional<QJsonValue> promised = promisedDefault(hint);
            if (!promised) {
                continue;
            }
            for (const generator::Step& step : generator::kindSteps(kind)) {
                if (!step.source.key || !step.param ||
                    QStringView(step.source.key) != QStringView(field.key)) {
                    continue;
                }
                rows.append(QJsonObject{{u"kind"_s, kind},
                                        {u"key"_s, QString::fromUtf16(field.key)},
                                        {u"param"_s, QString::fromUtf16(step.param)},
                                        {u"hint"_s, hint},
                                        {u"default"_s, *promised}});
            }
        }
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: morvane_page_defaults OUTPUT.json\n";
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(QJsonDocument(promisedDefaults()).toJson()) < 0) {
        QTextStream(stderr) << "cannot write " << out.fileName() << "\n";
        return 1;
    }
    return 0;
}
