// Not a test: draws every kind's specific section and the common sections into PNG files, for
// looking at the page at the current font. Usage: morvane_section_shots OUTPUT_FOLDER
#include "catalog/CommonParameters.h"
#include "catalog/Kinds.h"
#include "platform/fakes/FakeServices.h"
#include "ui/page/CommonSections.h"
#include "ui/page/KindSections.h"
#include "ui/page/ParameterPage.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

using namespace morvane;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: morvane_section_shots OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    QTemporaryDir appDir;
    settings::WorkingCopy copy;
    settings::Options options;
    platform::FakeServices fakes;
    ui::ParameterPage page{ui::PageContext{copy, fakes.services(), options, appDir.path()}};
    page.show();

    int written = 0;
    auto save = [&](QWidget* section, const QString& name) {
        if (section && section->grab().save(out.filePath(name + u".png"_s))) {
            ++written;
        }
    };
    for (const QString& kind : catalog::kindNames()) {
        page.loadFromCopy(kind);
        page.assemble(kind, catalog::Support::all());
        save(page.findChild<QWidget*>(ui::page::specificSectionName(kind)), kind);
    }
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        save(page.findChild<QWidget*>(ui::page::commonSection(info.id).name()),
             ui::page::commonSection(info.id).name());
    }
    QTextStream(stdout) << written << " sections drawn into " << out.path() << "\n";
    return 0;
}
