#include "support/WizardSteps.h"

#include "catalog/Version.h"

using namespace Qt::StringLiterals;

namespace morvane::support {
namespace {

QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QString noMoreHelpAdvice()
{
    return s(u"This wizard can't help you any further.") + u"\n\n" +
           s(u"If your problem is not solved, please email me at ") + supportAddress() +
           s(u", explain the problem, copy the complete HTML code of your page into the mail "
             u"and attach the applet class file.") +
           u"\n\n" + s(u"I will answer you as soon as possible.");
}

QString programErrorAdvice()
{
    return s(u"Each version of Morvane is tested under Windows 95, 98 and 2000 before it is "
             u"published. On a Windows installation that has run for a long time, some system "
             u"libraries or files may be damaged and make a program crash. So either Morvane "
             u"has a real bug, or Windows should be reinstalled.") +
           u"\n\n" + s(u"Please email me at ") + supportAddress() +
           s(u" a description of the problem, your Windows version and the exact error "
             u"message.");
}

QList<WizardStep> buildSteps()
{
    const QString none;
    QList<WizardStep> steps;
    steps.append(
        {1,
         s(u"Live Support"),
         none,
         s(u"This Live Support will help you to solve your problem. Make your choice "
           u"then click the Next button and follow the instructions.\n\nIf this wizard "
           u"has not found a solution then email me the HTML code of the page where you "
           u"have put the applet, explain the problem and, if you can, attach the applet "
           u"class file. Or better, make a test page on line, and email me the Web "
           u"address; it will be easier to me to find what is wrong."),
         false,
         versionLine(),
         s(u"What is your problem ?"),
         {{s(u"An applet doesn't work on line"), 2},
          {s(u"An applet works on line but a functionnality of the applet doesn't work"), 9},
          {s(u"An error occurs in Morvane"), 12}},
         0});
    steps.append({2,
                  none,
                  s(u"1/3"),
                  s(u"All the files (applet class files and needed files such as images or "
                    u"sounds files) must be on your site in the same directory than your HTML "
                    u"file containing the applet is."),
                  false,
                  none,
                  s(u"Are all the files in the same directory than the HTML file is ?"),
                  {{s(u"Yes, they are"), 4}, {s(u"No, they aren't"), 3}},
                  1});
    steps.append({3,
                  none,
                  s(u"1/3"),
                  s(u"Put all the files in the same directory than the HTML file is !"),
                  true,
                  none,
                  none,
                  {},
                  2});
    steps.append({4,
                  none,
                  s(u"2/3"),
                  s(u"You mustn't rename an applet class file. Moreover once the applet HTML code "
                    u"is built and pasted in your HTML source, you mustn't rename a needed file "
                    u"(like image or sound file).\n\nNote: A tool you have used, such as a web "
                    u"editor, could have renamed a file, so check it."),
                  false,
                  none,
                  s(u"Has a file been renamed ?"),
                  {{s(u"No"), 6}, {s(u"Yes, a file has been renamed"), 5}},
                  2});
    steps.append({5,
                  none,
                  s(u"2/3"),
                  s(u"Leave the original name and try again."),
                  true,
                  none,
                  none,
                  {},
                  4});
    steps.append({6,
                  none,
                  s(u"3/3"),
                  s(u"The applets from Morvane are written in Java 1.1 . Too old browsers doesn't "
                    u"support this Java version. If your browser is older than Internet Explorer "
                    u"4.0 or Netscape 4.0 then you could have troubles to make the applet work or "
                    u"the applet would not work at all."),
                  false,
                  none,
                  s(u"Is your browser older than Internet Explorer 4.0 or Netscape 4.0 ?"),
                  {{s(u"No"), 8}, {s(u"Yes, it is"), 7}},
                  4});
    steps.append({7, none, s(u"3/3"), s(u"Please update your browser !"), true, none, none, {}, 6});
    steps.append({8, none, s(u"3/3"), noMoreHelpAdvice(), false, none, none, {}, 6});
    steps.append({9,
                  none,
                  s(u"1/1"),
                  s(u"If the applet comes from an old Morvane version, it could have been updated "
                    u"in a recent version. So be sure to use on your site the applets from the "
                    u"current last version."),
                  false,
                  none,
                  s(u"Does the applet come from an old version ?"),
                  {{s(u"No, the applet comes from this version"), 11},
                   {s(u"Yes, the applet comes from an older version than this one"), 10}},
                  1});
    steps.append({10,
                  none,
                  s(u"1/1"),
                  s(u"Please build the applet with this version, paste the applet HTML code from "
                    u"this version in your HTML source  and upload the class file(s) from this "
                    u"version."),
                  false,
                  none,
                  none,
                  {},
                  9});
    steps.append({11, none, s(u"1/1"), noMoreHelpAdvice(), false, none, none, {}, 9});
    steps.append({12, none, none, programErrorAdvice(), false, none, none, {}, 1});
    return steps;
}

} // namespace

QString supportAddress()
{
    return u"support@morvane.net"_s;
}

QString versionLine()
{
    return s(u"Morvane version: ") + versionText() + s(u", released date: ") + releaseDateText();
}

const QList<WizardStep>& wizardSteps()
{
    static const QList<WizardStep> steps = buildSteps();
    return steps;
}

const WizardStep* wizardStep(int number)
{
    if (number < kFirstStep || number > kStepCount) {
        return nullptr;
    }
    return &wizardSteps().at(number - 1);
}

} // namespace morvane::support
