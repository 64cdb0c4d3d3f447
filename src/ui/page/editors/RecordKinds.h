#pragma once

#include "ui/page/SectionLayout.h"

#include <QString>

#include <span>

namespace morvane::ui::page {

// How a record's field is entered; the stored text follows from it: as typed, "yes"/"no" for
// a check box, a decimal color (red in the low byte) for a swatch.
enum class Entry { Edit, PathEdit, CheckBox, Swatch };

struct RecordColumn {
    catalog::ListFileId file; // the item list this field of every record lives in
    const char16_t* label;    // of its entry field; a check box's caption
    Entry entry = Entry::Edit;
    FileKind files = FileKind::Images; // for a path edit's "Browse..."
    // Shown when the field is empty at "Add"; none for fields that always hold a value.
    const char16_t* emptyMessage = nullptr;

    QString name() const { return catalog::listFileName(file); }
};

// A kind whose items are records held in parallel item lists. Columns stand in the order of
// their entry fields on screen, which is also the order "Add" checks them in.
struct RecordKind {
    const char16_t* kind;
    const char16_t* caption; // what the list is called when the section gives it no caption
    std::span<const RecordColumn> columns;
    std::span<const int> display; // the columns the row shows, joined by " - "
    bool rowClickFillsEntries = true;
};

const RecordKind* findRecordKind(const QString& kind);
std::span<const RecordKind> recordKinds();

} // namespace morvane::ui::page
