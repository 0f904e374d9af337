#include "cli/json_output.h"

#include "engine/float_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>

namespace korveld::cli {

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

} // namespace

void JsonWriter::grow(std::size_t more) {
    m_storage.resize(std::max(2 * m_storage.size(), m_size + more + 256));
}

void JsonWriter::put(std::string_view text) {
    if (m_size + text.size() > m_storage.size()) {
        grow(text.size());
    }
    std::memcpy(m_storage.data() + m_size, text.data(), text.size());
    m_size += text.size();
}

// Numbers laid out as the common JSON writers do: fixed notation while the decimal point falls
// between 10^-4 and 10^15 (a whole number gets ".0"), otherwise d.ddde+XX with at least two
// exponent digits. `point` is where the decimal point falls after the first of the digits.
void JsonWriter::putLaidOut(std::string_view digits, int point) {
    const int count = static_cast<int>(digits.size());
    constexpr int kMinPoint = -4;
    constexpr int kMaxPoint = 15;
    if (count <= point && point <= kMaxPoint) {
        put(digits);
        for (int i = count; i < point; ++i) {
            put('0');
        }
        put(".0");
    } else if (0 < point && point <= kMaxPoint) {
        put(digits.substr(0, static_cast<std::size_t>(point)));
        put('.');
        put(digits.substr(static_cast<std::size_t>(point)));
    } else if (kMinPoint < point && point <= 0) {
        put("0.");
        for (int i = point; i < 0; ++i) {
            put('0');
        }
        put(digits);
    } else {
        put(digits.front());
        if (count > 1) {
            put('.');
            put(digits.substr(1));
        }
        const int exponent = point - 1;
        put('e');
        put(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            put('0');
        }
        std::array<char, 8> text{};
        const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude);
        put(std::string_view(text.data(), static_cast<std::size_t>(written.ptr - text.data())));
    }
}

void JsonWriter::putSingle(float value) {
    if (!std::isfinite(value)) {
        put("null");
        return;
    }
    if (std::signbit(value)) {
        put('-');
        value = -value;
    }
    if (value == 0.0f) {
        put("0.0");
        return;
    }
    // The shortest text that reads back to the float, fixed or scientific as it is shorter (an
    // integer prints exactly); then its significant digits and where the decimal point falls.
    std::array<char, 64> text{};
    const auto written = WriteShortest(text.data(), text.data() + text.size(), value);
    const std::string_view shortest(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t e = shortest.find('e');
    const std::string_view mantissa = shortest.substr(0, e);
    const std::size_t dot = mantissa.find('.');
    int point = static_cast<int>(dot == std::string_view::npos ? mantissa.size() : dot);
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
    putLaidOut(std::string_view(digits.data(), count), point);
}

void JsonWriter::putString(std::string_view text) {
    const std::size_t start = m_size;
    put('"');
    std::size_t plain = 0; // start of the characters not yet written, which need no escape
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            // Beyond ASCII the UTF-8 must be checked: the JSON library does that, replacing what is not.
            m_size = start;
            put(nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
            return;
        }
        if (c >= 0x20 && c != '"' && c != '\\') {
            continue;
        }
        put(text.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
        case '"':
            put("\\\"");
            break;
        case '\\':
            put("\\\\");
            break;
        case '\b':
            put("\\b");
            break;
        case '\f':
            put("\\f");
            break;
        case '\n':
            put("\\n");
            break;
        case '\r':
            put("\\r");
            break;
        case '\t':
            put("\\t");
            break;
        default:
            put("\\u00");
            put(kHexDigits[c >> 4]);
            put(kHexDigits[c & 0xF]);
        }
    }
    put(text.substr(plain));
    put('"');
}

void JsonWriter::beginValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasElements.empty()) {
        if (m_hasElements.back() == '1') {
            put(',');
        }
        m_hasElements.back() = '1';
    }
}

JsonWriter& JsonWriter::beginObject() {
    beginValue();
    put('{');
    m_hasElements.push_back('0');
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    put('}');
    m_hasElements.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beginValue();
    put('[');
    m_hasElements.push_back('0');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    put(']');
    m_hasElements.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beginValue();
    put('"');
    put(name);
    put("\":");
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    beginValue();
    putString(text);
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t value) {
    beginValue();
    std::array<char, 24> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    put(std::string_view(text.data(), static_cast<std::size_t>(written.ptr - text.data())));
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beginValue();
    put(value ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::single(float value) {
    beginValue();
    putSingle(value);
    return *this;
}

void JsonWriter::clear() {
    m_size = 0;
    m_hasElements.clear();
    m_afterKey = false;
}

void WriteMessageJson(JsonWriter& json, std::string_view title, std::string_view text) {
    json.beginObject().key("message").beginObject().member("title", title).member("text", text).endObject().endObject();
}

void WriteJson(const JsonWriter& json, std::ostream& out) {
    out << json.text() << '\n';
}

void WriteConditions(JsonWriter& json, const Conditions& c) {
    json.key("conditions").beginObject();
    json.memberSingle("EvapTemp", c.EvapTemp);
    json.memberSingle("CondTemp", c.CondTemp);
    json.memberSingle("LiqTemp", c.LiqTemp);
    json.memberSingle("PEvap", c.PEvap);
    json.memberSingle("PCond", c.PCond);
    json.memberSingle("HVap", c.HVap);
    json.memberSingle("HLiq", c.HLiq);
    json.memberSingle("LiqDensity", c.LiqDensity);
    json.memberSingle("DistPressDrop", c.DistPressDrop);
    json.memberSingle("DeltaP", c.DeltaP);
    json.memberSingle("MassFlow", c.MassFlow);
    json.memberSingle("Sensit", c.Sensit);
    json.endObject();
}

} // namespace korveld::cli
