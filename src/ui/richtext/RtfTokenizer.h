#pragma once

#include <QByteArrayView>

namespace morvane::ui::richtext {

enum class RtfTokenType {
    End,
    GroupStart,
    GroupEnd,
    ControlWord,   // word, and parameter when hasParameter
    ControlSymbol, // symbol: the character after the backslash
    HexByte,       // byte: the value of \'hh
    Text,          // data: a run of plain bytes
    Binary,        // data: the bytes of \binN
};

struct RtfToken {
    RtfTokenType type = RtfTokenType::End;
    QByteArrayView word;
    bool hasParameter = false;
    int parameter = 0;
    char symbol = 0;
    unsigned char byte = 0;
    QByteArrayView data;
};

// Splits RTF into tokens in one forward pass. Every call consumes at least one byte until the
// input is used up, and no token can claim more than what is left, whatever the input says.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input)
        : m_input(input)
    {}

    RtfToken next();
    bool atEnd() const { return m_pos >= m_input.size(); }

private:
    RtfToken controlWord();
    RtfToken afterBackslash();

    QByteArrayView m_input;
    qsizetype m_pos = 0;
};

} // namespace morvane::ui::richtext
