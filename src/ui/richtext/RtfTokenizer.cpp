#include "ui/richtext/RtfTokenizer.h"

#include <limits>

namespace morvane::ui::richtext {
namespace {

constexpr qsizetype kMaxWordLength = 32;
constexpr long long kParameterLimit = std::numeric_limits<int>::max();

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    if (atEnd()) {
        return token;
    }
    const char c = m_input[m_pos];
    if (c == '{') {
        ++m_pos;
        token.type = RtfTokenType::GroupStart;
    } else if (c == '}') {
        ++m_pos;
        token.type = RtfTokenType::GroupEnd;
    } else if (c == '\\') {
        ++m_pos;
        token = afterBackslash();
    } else {
        const qsizetype start = m_pos;
        while (!atEnd() && m_input[m_pos] != '{' && m_input[m_pos] != '}' &&
               m_input[m_pos] != '\\') {
            ++m_pos;
        }
        token.type = RtfTokenType::Text;
        token.data = m_input.sliced(start, m_pos - start);
    }
    return token;
}

RtfToken RtfTokenizer::afterBackslash()
{
    RtfToken token;
    if (atEnd()) {
        return token;
    }
    const char c = m_input[m_pos];
    if (isLetter(c)) {
        return controlWord();
    }
    ++m_pos;
    if (c == '\'' && m_pos + 1 < m_input.size()) {
        const int high = hexValue(m_input[m_pos]);
        const int low = hexValue(m_input[m_pos + 1]);
        if (high >= 0 && low >= 0) {
            m_pos += 2;
            token.type = RtfTokenType::HexByte;
            token.byte = static_cast<unsigned char>(high * 16 + low);
            return token;
        }
    }
    token.type = RtfTokenType::ControlSymbol;
    token.symbol = c;
    return token;
}

RtfToken RtfTokenizer::controlWord()
{
    RtfToken token;
    token.type = RtfTokenType::ControlWord;
    const qsizetype start = m_pos;
    while (!atEnd() && isLetter(m_input[m_pos])) {
        ++m_pos;
    }
    token.word = m_input.sliced(start, qMin(m_pos - start, kMaxWordLength));

    const bool negative = !atEnd() && m_input[m_pos] == '-' && m_pos + 1 < m_input.size() &&
                          isDigit(m_input[m_pos + 1]);
    if (negative) {
        ++m_pos;
    }
    if (!atEnd() && isDigit(m_input[m_pos])) {
        long long value = 0;
        while (!atEnd() && isDigit(m_input[m_pos])) {
            value = qMin(value * 10 + (m_input[m_pos] - '0'), kParameterLimit);
            ++m_pos;
        }
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    if (!atEnd() && m_input[m_pos] == ' ') {
        ++m_pos;
    }

    if (token.word == "bin" && token.hasParameter) {
        const qsizetype length =
            qBound(qsizetype(0), qsizetype(token.parameter), m_input.size() - m_pos);
        token.type = RtfTokenType::Binary;
        token.data = m_input.sliced(m_pos, length);
        m_pos += length;
    }
    return token;
}

} // namespace morvane::ui::richtext
