#pragma once

#include "base/ColorRef.h"

#include <QHash>
#include <QString>

#include <variant>

namespace morvane::settings {

inline constexpr int kNoChoice = -1;

// The values of one group of fields (the common fields, or one kind's specific fields), keyed by
// their setting key. Each value keeps its form: text, color, choice (-1 = none) or flag.
class ValueSet {
public:
    QString text(const QString& key) const;
    ColorRef color(const QString& key) const;
    int choice(const QString& key) const;
    bool flag(const QString& key) const;

    void setText(const QString& key, const QString& value) { m_values.insert(key, value); }
    void setColor(const QString& key, ColorRef value)
    {
        m_values.insert(key, Color{value & 0xFFFFFFu});
    }
    void setChoice(const QString& key, int value) { m_values.insert(key, Choice{value}); }
    void setFlag(const QString& key, bool value) { m_values.insert(key, value); }

    bool contains(const QString& key) const { return m_values.contains(key); }
    friend bool operator==(const ValueSet&, const ValueSet&) = default;

private:
    struct Color {
        ColorRef value;
        friend bool operator==(const Color&, const Color&) = default;
    };
    struct Choice {
        int index;
        friend bool operator==(const Choice&, const Choice&) = default;
    };
    using Value = std::variant<QString, Color, Choice, bool>;

    template <typename T> const T* find(const QString& key) const
    {
        const auto it = m_values.constFind(key);
        return it == m_values.constEnd() ? nullptr : std::get_if<T>(&it.value());
    }

    QHash<QString, Value> m_values;
};

} // namespace morvane::settings
