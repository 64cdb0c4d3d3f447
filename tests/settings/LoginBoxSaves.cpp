#include "LoginBoxSaves.h"

using namespace Qt::StringLiterals;

namespace morvane::settings::saves {
namespace {

const QString kTarget = u"LoginBoxTarget"_s;
using catalog::ListFileId;

constexpr ListFileId kLists[] = {ListFileId::LoginBoxLogins, ListFileId::LoginBoxPasswords,
                                 ListFileId::LoginBoxLinks};

qsizetype lengthOf(int number)
{
    return 1 + number % 4;
}

QString entry(ListFileId list, int number, qsizetype index)
{
    return catalog::listFileName(list).left(4) + u'-' + QString::number(number) + u'-' +
           QString::number(index);
}

} // namespace

void fillSave(WorkingCopy& copy, int number)
{
    copy.specific(kLoginBox).setText(kTarget, u"save-" + QString::number(number));
    copy.common().setText(u"Width"_s, QString::number(number));
    for (const ListFileId list : kLists) {
        QStringList& lines = copy.list(list);
        lines.clear();
        for (qsizetype i = 0; i < lengthOf(number); ++i) {
            lines.append(entry(list, number, i));
        }
    }
}

int wholeSaveNumber(const WorkingCopy& copy)
{
    const QString target = copy.specific(kLoginBox).text(kTarget);
    bool ok = false;
    const int number = target.mid(5).toInt(&ok);
    if (!ok || !target.startsWith(u"save-") ||
        copy.common().text(u"Width"_s) != QString::number(number)) {
        return -1;
    }
    for (const ListFileId list : kLists) {
        const QStringList lines = copy.list(list);
        if (lines.size() != lengthOf(number)) {
            return -1;
        }
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i) != entry(list, number, i)) {
                return -1;
            }
        }
    }
    return number;
}

} // namespace morvane::settings::saves
