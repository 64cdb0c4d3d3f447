#pragma once

#include "base/Outcome.h"
#include "catalog/Catalog.h"
#include "generator/FileProbe.h"
#include "settings/Markup.h"
#include "settings/WorkingCopy.h"

#include <QString>
#include <QStringList>

namespace morvane::generator {

// The code of one generation that succeeded.
struct Generation {
    QStringList lines; // the HTML lines
    QStringList media; // the media files' paths, as typed, in validation order
};

struct GenerationInput {
    QString kind;
    const settings::WorkingCopy& values;
    catalog::Support support;
    QString appDir;       // relative paths are taken from here; cfg/pass.txt is written below it
    bool runtime = false; // generateClosed() adds the applet runtime's script line and file
    settings::Markup markup = settings::Markup::Applet;
};

// What a kind's block works with: the values to read, the lines and media to add to, and the
// first failure.
class GenerationContext {
public:
    explicit GenerationContext(const GenerationInput& input);
    GenerationContext(GenerationInput&&) = delete; // it keeps a reference to the input

    const QString& kind() const { return m_input.kind; }
    const QString& appDir() const { return m_input.appDir; }
    settings::Markup markup() const { return m_input.markup; }
    bool supports(catalog::CommonParameter parameter) const
    {
        return m_input.support.has(parameter);
    }
    const settings::ValueSet& common() const { return m_input.values.common(); }
    const settings::ValueSet& specific() const { return m_input.values.specific(m_input.kind); }
    QStringList list(catalog::ListFileId file) const { return m_input.values.list(file); }
    settings::MenuTree tree(catalog::ListFileId file) const { return m_input.values.tree(file); }

    FileState probe(const QString& path) const { return probeFile(path, m_input.appDir); }

    void param(const QString& name, const QString& value);
    void colorParam(const QString& name, ColorRef color);
    void addMedia(const QString& path) { m_code.media.append(path); }
    QStringList& lines() { return m_code.lines; }

    // Records the failure and returns false, so a step can `return ctx.fail(...)`.
    bool fail(const QString& message);

    // The code gathered, or the failure recorded when `ok` is false.
    Outcome<Generation> finish(bool ok);

private:
    const GenerationInput& m_input;
    Generation m_code;
    QString m_failure;
};

} // namespace morvane::generator
