#include "cli/json_output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace korveld::cli {

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

// Numbers laid out as the common JSON writers do: fixed notation while the decimal point falls
// between 10^-4 and 10^15 (a whole number gets ".0"), otherwise d.ddde+XX with at least two
// exponent digits.
void appendLaidOut(std::string& out, std::string_view digits, int point) {
    const int count = static_cast<int>(digits.size());
    constexpr int kMinPoint = -4;
    constexpr int kMaxPoint = 15;
    if (count <= point && point <= kMaxPoint) {
        out.append(digits).append(static_cast<std::size_t>(point - count), '0').append(".0");
    } else if (0 < point && point <= kMaxPoint) {
        out.append(digits.substr(0, static_cast<std::size_t>(point)))
            .append(".")
            .append(digits.substr(static_cast<std::size_t>(point)));
    } else if (kMinPoint < point && point <= 0) {
        out.append("0.").append(static_cast<std::size_t>(-point), '0').append(digits);
    } else {
        out += digits.front();
        if (count > 1) {
            out.append(".").append(digits.substr(1));
        }
        const int exponent = point - 1;
        out += 'e';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            out += '0';
        }
        out.append(std::to_string(magnitude));
    }
}

} // namespace

void AppendSingle(std::string& out, float value) {
    if (!std::isfinite(value)) {
        out.append("null");
        return;
    }
    if (std::signbit(value)) {
        out += '-';
        value = -value;
    }
    if (value == 0.0f) {
        out.append("0.0");
        return;
    }
    // The shortest text that reads back to the float, fixed or scientific as it is shorter (an
    // integer prints exactly); then its significant digits and where the decimal point falls.
    std::array<char, 64> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    const std::string_view shortest(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t e = shortest.find('e');
    const std::string_view mantissa = shortest.substr(0, e);
    int point = static_cast<int>(mantissa.find('.') == std::string_view::npos ? mantissa.size() : mantissa.find('.'));
    if (e != std::string_view::npos) {
        const std::string_view exponent = shortest.substr(e + 1);
        int shift = 0;
        std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0), exponent.data() + exponent.size(), shift);
        point += shift;
    }
    std::array<char, 64> digits{};
    std::size_t count = 0;
    for (char c : mantissa) {
        if (c == '.') {
            continue;
        }
        if (count == 0 && c == '0') {
            --point; // a leading zero moves the first significant digit right
            continue;
        }
        digits[count++] = c;
    }
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }
    appendLaidOut(out, std::string_view(digits.data(), count), point);
}

void AppendJsonString(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out += '"';
    std::size_t plain = 0; // start of the characters not yet written, which need no escape
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            // Beyond ASCII the UTF-8 must be checked: the JSON library does that, replacing what is not.
            out.resize(start);
            out.append(
                nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
            return;
        }
        if (c >= 0x20 && c != '"' && c != '\\') {
            continue;
        }
        out.append(text.data() + plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\b':
            out.append("\\b");
            break;
        case '\f':
            out.append("\\f");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            out.append("\\u00");
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        }
    }
    out.append(text.data() + plain, text.size() - plain);
    out += '"';
}

void JsonWriter::beginValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasElements.empty()) {
        if (m_hasElements.back()) {
            m_text += ',';
        }
        m_hasElements.back() = true;
    }
}

JsonWriter& JsonWriter::beginObject() {
    beginValue();
    m_text += '{';
    m_hasElements.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_text += '}';
    m_hasElements.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beginValue();
    m_text += '[';
    m_hasElements.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_text += ']';
    m_hasElements.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beginValue();
    AppendJsonString(m_text, name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    beginValue();
    AppendJsonString(m_text, text);
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t value) {
    beginValue();
    std::array<char, 24> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    m_text.append(text.data(), written.ptr);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beginValue();
    m_text.append(value ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::single(float value) {
    beginValue();
    AppendSingle(m_text, value);
    return *this;
}

void JsonWriter::clear() {
    m_text.clear();
    m_hasElements.clear();
    m_afterKey = false;
}

void WriteMessageJson(JsonWriter& json, std::string_view title, std::string_view text) {
    json.beginObject().key("message").beginObject().member("title", title).member("text", text).endObject().endObject();
}

void WriteJson(const JsonWriter& json, std::ostream& out) {
    out << json.text() << '\n';
}

} // namespace korveld::cli
