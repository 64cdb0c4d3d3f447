#include "cli/SamplePages.h"

#include "catalog/Catalog.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "catalog/SamplePaths.h"
#include "catalog/Version.h"
#include "generator/Generator.h"
#include "generator/Html.h"
#include "generator/KindBlocks.h"
#include "generator/NeededFiles.h"
#include "settings/AtomicFile.h"
#include "settings/Markup.h"
#include "settings/Profile.h"
#include "settings/SettingsStore.h"

#include <QDir>

#include <span>

namespace morvane::cli {
namespace {

using namespace Qt::StringLiterals;
using catalog::CommonParameter;

QString escapeHtml(const QString& text)
{
    return text.toHtmlEscaped();
}

// Every page links the one stylesheet at the top of the samples folder.
QStringList pageHead(const QString& title, const QString& stylesheet)
{
    return {u"<!DOCTYPE html>"_s,
            u"<html lang=\"en\">"_s,
            u"<head>"_s,
            u"<meta charset=\"utf-8\">"_s,
            u"<title>"_s + escapeHtml(title) + u"</title>"_s,
            u"<link rel=\"stylesheet\" href=\""_s + stylesheet + u"\">"_s,
            u"</head>"_s,
            u"<body>"_s};
}

const QStringList kStylesheet{
    u"body { font-family: sans-serif; margin: 2em auto; max-width: 60em; color: #222; }"_s,
    u"h1 { color: #1d4f91; }"_s,
    u"pre { background: #f4f4f4; padding: 1em; overflow-x: auto; }"_s,
    u"table { border-collapse: collapse; }"_s,
    u"td, th { border: 1px solid #bbb; padding: 0.3em 0.6em; vertical-align: top; text-align: left; }"_s,
    u".applet { border: 1px dashed #888; padding: 1em; display: inline-block; }"_s,
};

QStringList pageFoot()
{
    return {u"<hr>"_s,
            u"<p><small>Made with Morvane "_s + versionText() + u" &mdash; <a href=\""_s +
                makerHomePage() + u"\">"_s + makerHomePage() + u"</a></small></p>"_s,
            u"</body>"_s, u"</html>"_s};
}

struct CommonParameterHelp {
    CommonParameter parameter;
    const char16_t* names;
    const char16_t* meaning;
    const char16_t* field;
};

// clang-format off
constexpr CommonParameterHelp kCommonHelp[] = {
    {CommonParameter::Dimensions, u"WIDTH, HEIGHT", u"The size of the applet area on the page, in pixels.", u"Dimensions: Width, Height"},
    {CommonParameter::BackgroundColor, u"background_color", u"The color of the applet area.", u"Background Color"},
    {CommonParameter::BackgroundImage, u"background_image", u"A picture drawn behind the applet.", u"Background Image"},
    {CommonParameter::NoJavaMessage, u"(text)", u"Shown instead of the applet by browsers without Java.", u"No Java Message"},
    {CommonParameter::LoadSound, u"sound_name, loop_sound", u"A sound played when the applet starts, once or looped.", u"On load sound, Loop"},
    {CommonParameter::StatusbarMessage, u"status_bar_text", u"Shown in the browser's status bar while the mouse is over the applet.", u"On mouse over status bar Message"},
    {CommonParameter::MouseOverSound, u"enter_sound_name", u"A sound played when the mouse enters the applet.", u"On mouse over sound"},
    {CommonParameter::MouseOverColor, u"enter_background_color", u"The background color while the mouse is over the applet.", u"On mouse over background Color"},
    {CommonParameter::MouseOverMessage, u"enter_text, enter_text_color, enter_text_height", u"A message centered on the applet while the mouse is over it.", u"On mouse over message display"},
    {CommonParameter::ClickSound, u"clic_sound_name", u"A sound played when the visitor clicks the applet.", u"On click sound"},
    {CommonParameter::ClickLink, u"link, target", u"The page opened when the visitor clicks the applet, and the window it opens in.", u"On click link"},
};
// clang-format on

struct KindNote {
    const char16_t* kind;
    const char16_t* html;
};

// What a kind's users need to know beyond its parameters.
constexpr KindNote kKindNotes[] = {
    {u"GuestBook",
     u"<p>The messages live in <code>guestbook.txt</code>, beside the applet. Add each message "
     u"you receive at the top of the file, as a block of lines: <code>Name: </code> and the "
     u"name, <code>E-mail: </code> and the address (may stay empty), <code>Date: </code> and "
     u"the date as YYYY-MM-DD, one or more lines of text, then a line holding only "
     u"<code>%%</code>.</p>"},
    {u"LoginBox",
     u"<p>The logins and passwords are written to <code>pass.txt</code>, which must stand "
     u"beside the applet on your site. Anyone who asks for that file by name can read it: use "
     u"this applet to keep casual visitors out, never to protect anything that matters.</p>"},
    {u"FontImageScrolling",
     u"<p>The shipped <code>letters.gif</code> holds 42 letters of 20 &times; 30 pixels, in "
     u"this order: <code>ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !?.,-</code> (the cell after 9 "
     u"is a blank). The letters map must list the letters of your image in the same "
     u"order.</p>"},
};

// What a visitor of a kind's sample page needs to try it.
constexpr KindNote kSampleNotes[] = {
    {u"LoginBox",
     u"<p>Try it: log in as <code>guest</code> with the password <code>welcome</code>, or as "
     u"<code>member</code> with the password <code>sunrise</code>. The sample's "
     u"<code>pass.txt</code> holds these two logins.</p>"},
};

QString noteOf(const QString& kind, std::span<const KindNote> notes = kKindNotes)
{
    for (const KindNote& note : notes) {
        if (kind == QStringView(note.kind)) {
            return QString::fromUtf16(note.html);
        }
    }
    return {};
}

QString meaningOf(generator::Rule rule)
{
    using generator::Rule;
    switch (rule) {
    case Rule::PositiveInt:
        return u"A whole number greater than 0; left empty, the applet uses its own default."_s;
    case Rule::AnyInt:
        return u"A whole number, negative values allowed; left empty, the applet's default."_s;
    case Rule::RequiredText:
        return u"A text; required."_s;
    case Rule::OptionalText:
        return u"A text; left empty, nothing is written."_s;
    case Rule::File:
        return u"A file, copied beside the page; the parameter holds its name."_s;
    case Rule::FileList:
        return u"A list of files, numbered from 1, copied beside the page."_s;
    case Rule::TextList:
        return u"A list of texts, numbered from 1."_s;
    case Rule::Color:
        return u"A color, written #RRGGBB."_s;
    case Rule::AsTyped:
        return u"A text written as typed."_s;
    case Rule::Choice:
    case Rule::Index:
        return u"One of the choices of the field."_s;
    case Rule::Flag:
        return u"Set by ticking the box."_s;
    case Rule::FileName:
        return u"The name of a file you place beside the page yourself; optional."_s;
    case Rule::MenuTree:
        return u"The menu items: text and link of every item and sub-item, numbered by their "
               u"position (text1, text12, ...)."_s;
    case Rule::Custom:
        return u"Written from the field as described on the sample page."_s;
    }
    return {};
}

// The field's label and default for a step's source: a setting key or a list file.
std::pair<QString, QString> fieldOf(const QString& kind, const generator::StepSource& source)
{
    if (source.list) {
        return {u"the list of the section (cfg/"_s + catalog::listFileName(*source.list) + u")"_s,
                u"(empty list)"_s};
    }
    const QString settingKey = source.key ? QString::fromUtf16(source.key) : QString();
    if (const catalog::SettingKey* key = catalog::findSpecificKey(kind, settingKey)) {
        QString shown = key->defaultText();
        if (key->form == catalog::ValueForm::Choice) {
            const QStringList captions = key->choiceCaptions();
            shown = captions.value(shown.toInt(), shown);
        }
        return {key->labelText(), shown};
    }
    return {settingKey, QString()};
}

// How the valid HTML5 markup carries the parameters: as elements of their own, unless the
// kind's code is a script that writes the applet itself.
QString modernMarkupNote(const QStringList& modernCode)
{
    const QString howToChoose =
        u"the valid HTML5 markup (Tools &gt; Options &gt; Write valid HTML5 markup)"_s;
    if (modernCode.value(0).startsWith(u'<' + generator::appletElement(settings::Markup::Modern))) {
        return u"<p>In "_s + howToChoose +
               u", the same names and values are written as <code>&lt;morvane-param&gt;</code> "
               u"elements.</p>"_s;
    }
    return u"<p>In "_s + howToChoose +
           u", the script that writes these parameters stays the same but for its start tag, a "
           u"plain <code>&lt;script&gt;</code>.</p>"_s;
}

QStringList helpPage(const QString& kind, const catalog::Support& support,
                     const QStringList& modernCode)
{
    QStringList page = pageHead(kind + u" parameters"_s, u"../samples.css"_s);
    page << u"<h1>"_s + kind + u" parameters</h1>"_s
         << u"<p>Every parameter Morvane writes for this applet, with the field of the "
            u"parameter page that sets it. <a href=\""_s +
                catalog::samplePageName(kind) + u"\">Back to the sample</a>.</p>"_s
         << modernMarkupNote(modernCode);

    page << u"<h2>Common parameters</h2>"_s << u"<table>"_s
         << u"<tr><th>Parameter</th><th>Meaning</th><th>Field</th></tr>"_s;
    for (const CommonParameterHelp& help : kCommonHelp) {
        if (!support.has(help.parameter)) {
            continue;
        }
        page << u"<tr><td><code>"_s + QString::fromUtf16(help.names) + u"</code></td><td>"_s +
                    escapeHtml(QString::fromUtf16(help.meaning)) + u"</td><td>"_s +
                    escapeHtml(QString::fromUtf16(help.field)) + u"</td></tr>"_s;
    }
    page << u"</table>"_s;

    page << u"<h2>Specific parameters</h2>"_s;
    if (const QString note = noteOf(kind); !note.isEmpty()) {
        page << note;
    }
    const std::span<const generator::Step> steps = generator::kindSteps(kind);
    if (steps.empty()) {
        page << u"<p>This applet has no specific parameters.</p>"_s;
    } else {
        page << u"<table>"_s
             << u"<tr><th>Parameter</th><th>Meaning</th><th>Default</th><th>Field</th></tr>"_s;
        for (const generator::Step& step : steps) {
            const auto [label, defaultValue] = fieldOf(kind, step.source);
            QString name = QString::fromUtf16(step.param);
            if (step.rule == generator::Rule::FileList || step.rule == generator::Rule::TextList) {
                name += u"1, "_s + name + u"2, ..."_s;
            }
            page << u"<tr><td><code>"_s + escapeHtml(name) + u"</code></td><td>"_s +
                        escapeHtml(meaningOf(step.rule)) + u"</td><td>"_s +
                        (defaultValue.isEmpty() ? u"&mdash;"_s : escapeHtml(defaultValue)) +
                        u"</td><td>"_s + escapeHtml(label) + u"</td></tr>"_s;
        }
        page << u"</table>"_s;
    }
    page << pageFoot();
    return page;
}

// The code of one kind in both markups; the page runs the classic one.
struct SampleCode {
    generator::Generation classic;
    QStringList modern;
};

QStringList samplePage(const QString& kind, const QString& description, const SampleCode& code,
                       const QStringList& neededFiles)
{
    QStringList page = pageHead(kind + u" sample"_s, u"../samples.css"_s);
    page << u"<h1>"_s + kind + u"</h1>"_s << u"<p>"_s + escapeHtml(description) + u"</p>"_s;
    page << u"<h2>The applet</h2>"_s << u"<div class=\"applet\">"_s;
    // The page runs the applet with the installation's runtime, two folders up.
    QStringList live = code.classic.lines;
    live.replaceInStrings(generator::runtimeScriptLine(),
                          u"<script src=\"../../runtime/morvane-applets.js\" defer></script>"_s);
    live.replaceInStrings(
        generator::runtimeStyleLine(),
        u"<link rel=\"stylesheet\" href=\"../../runtime/morvane-applets.css\">"_s);
    page << live;
    page << u"</div>"_s;
    if (const QString note = noteOf(kind, kSampleNotes); !note.isEmpty()) {
        page << note;
    }
    page << u"<h2>Its code</h2>"_s
         << u"<p>The code Morvane writes for the settings it ships with:</p>"_s;
    page << u"<pre>"_s + escapeHtml(code.classic.lines.join(u'\n')) + u"</pre>"_s
         << u"<p>The same applet as valid HTML5 markup (Tools &gt; Options &gt; Write valid HTML5 "
            u"markup):</p>"_s
         << u"<pre>"_s + escapeHtml(code.modern.join(u'\n')) + u"</pre>"_s;
    page << u"<h2>Needed files</h2>"_s << u"<p>Copy these files into the folder of your page:</p>"_s
         << u"<ul>"_s;
    for (const QString& name : neededFiles) {
        page << u"<li><code>"_s + escapeHtml(name) + u"</code></li>"_s;
    }
    page << u"</ul>"_s
         << u"<p><a href=\""_s + catalog::sampleHelpPageName(kind) +
                u"\">Parameters help</a> &middot; <a href=\"../index.htm\">All applets</a></p>"_s;
    page << pageFoot();
    return page;
}

Outcome<SampleCode> sampleCode(const QString& kind, const settings::WorkingCopy& values,
                               const catalog::Support& support, const QString& appDir)
{
    const auto generate = [&](settings::Markup markup) {
        return generator::generateClosed({kind, values, support, appDir, /*runtime=*/true, markup});
    };
    Outcome<generator::Generation> classic = generate(settings::Markup::Applet);
    if (!classic) {
        return Result::failure(kind + u": "_s + classic.message());
    }
    // Both markups read the same values, so the modern code fails only where the classic did.
    Outcome<generator::Generation> modern = generate(settings::Markup::Modern);
    if (!modern) {
        return Result::failure(kind + u": "_s + modern.message());
    }
    return SampleCode{std::move(classic).value(), modern->lines};
}

QStringList indexPage(const settings::Profile& profile)
{
    QStringList page = pageHead(u"Morvane applets"_s, u"samples.css"_s);
    page << u"<h1>The Morvane applets</h1>"_s
         << u"<p>All 50 applets of Morvane "_s + versionText() +
                u", each with a sample page and its parameters help.</p>"_s
         << u"<table>"_s << u"<tr><th>Applet</th><th>Description</th><th>Help</th></tr>"_s;
    for (const QString& kind : catalog::kindNames()) {
        const QString folder = kind + u'/';
        page << u"<tr><td><a href=\""_s + folder + catalog::samplePageName(kind) + u"\">"_s + kind +
                    u"</a></td><td>"_s + escapeHtml(catalog::description(profile, kind)) +
                    u"</td><td><a href=\""_s + folder + catalog::sampleHelpPageName(kind) +
                    u"\">parameters</a></td></tr>"_s;
    }
    page << u"</table>"_s << u"<script src=\"../runtime/morvane-applets.js\" defer></script>"_s
         << pageFoot();
    return page;
}

} // namespace

Result writeSamplePages(const QString& appDir)
{
    const Outcome<settings::Profile> read =
        settings::Profile::load(settings::profilePath(appDir), appDir);
    if (!read) {
        return read.result();
    }
    const settings::Profile& profile = read.value();

    for (const QString& kind : catalog::kindNames()) {
        settings::WorkingCopy values;
        const Outcome<settings::KindLoad> load = settings::loadKind(appDir, kind, values);
        if (!load) {
            return load.result();
        }
        Outcome<SampleCode> code = sampleCode(kind, values, load->support, appDir);
        if (!code) {
            return code.result();
        }

        const QString folder = catalog::sampleFolder(appDir, kind);
        const QStringList needed = generator::neededFileNames(appDir, kind, code->classic.media);
        const QStringList pages[] = {
            samplePage(kind, catalog::description(profile, kind), code.value(), needed),
            helpPage(kind, load->support, code->modern)};
        const QString names[] = {catalog::samplePageName(kind), catalog::sampleHelpPageName(kind)};
        for (int i = 0; i < 2; ++i) {
            const Result written =
                settings::writeTextLines(QDir(folder).filePath(names[i]), pages[i], {appDir, true});
            if (!written) {
                return written;
            }
        }
    }
    const Result index = settings::writeTextLines(catalog::allAppletsPage(appDir),
                                                  indexPage(profile), {appDir, true});
    if (!index) {
        return index;
    }
    return settings::writeTextLines(QDir(catalog::samplesFolder(appDir)).filePath(u"samples.css"_s),
                                    kStylesheet, {appDir, true});
}

} // namespace morvane::cli
