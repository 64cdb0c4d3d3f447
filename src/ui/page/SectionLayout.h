#pragma once

#include "catalog/ListFileTable.h"

#include <QString>

#include <optional>

#include <span>

namespace morvane::ui::page {

// The controls a section table can name; each is bound to its setting by form: edits and
// drop-downs hold text, check boxes a flag, swatches a color, radio groups a choice. The list
// editors name one of the kind's list files (for a record list, the file that counts the items)
// and are built by buildListEditor(); their entry fields are part of the editor.
enum class Control {
    Edit,
    PathEdit,       // edit + "Browse..."
    ColorSwatch,    // 33 x 25, click to choose
    CheckBox,       // its label is the box's caption
    TargetDropDown, // editable: "_self", "_blank", "_parent", "_top", "frame name"
    RadioGroup,     // its label is the group's caption; buttons from the key table's choices
    Note,           // a plain label, bound to nothing
    Group,          // starts a framed group captioned by its label; bound to nothing
    ImageList,      // rows of image paths, "Add..." and "Remove"
    RecordList,     // rows of two or three values held in parallel lists, with entry fields
    LinkList,       // rows of links, "Enter a link :", "Add" and "Remove"
    MenuTree,       // "Root" and the menu under it, with "Text :" and "Link :"
};

constexpr bool isListEditor(Control control)
{
    return control == Control::ImageList || control == Control::RecordList ||
           control == Control::LinkList || control == Control::MenuTree;
}

enum class Placement {
    NewRow,     // label at the left, control after it
    SameRow,    // continues the row before it
    LabelAbove, // label on a line of its own, control below at full width
    BesideItem, // an edit beside the next item of the radio group before it
};

enum class FileKind { Images, Sounds, AllFiles };

struct FieldSpec {
    Control control = Control::Edit;
    const char16_t* key = nullptr; // setting key; none for a note or a list editor
    std::optional<catalog::ListFileId> list = std::nullopt; // what a list editor edits
    // nullptr: a specific key's label from the key table; u"": no label.
    const char16_t* label = nullptr;
    const char16_t* hint = nullptr; // note at the right of the control
    Placement placement = Placement::NewRow;
    int width = 0; // of the control; 0: its usual width, or the rest of the row for edits
    FileKind files = FileKind::Images;
    // What a screen reader calls the control, where its label alone would read like another
    // control's of the same section.
    const char16_t* spoken = nullptr;
};

struct HelpSpec {
    const char16_t* text;
    // nullptr: near the bottom-right corner; otherwise beside the field with this key or the
    // group with this caption.
    const char16_t* beside = nullptr;
};

struct SectionLayout {
    const char16_t* objectName; // nullptr for a specific section: named after its kind
    int height;
    std::span<const FieldSpec> fields;
    std::span<const HelpSpec> help;

    QString name() const { return objectName ? QString::fromUtf16(objectName) : QString(); }
};

} // namespace morvane::ui::page
