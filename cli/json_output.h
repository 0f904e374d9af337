// JSON as the commands print it, written as it goes: objects keep their keys in the order written,
// strings are escaped as JSON requires, and every Single is written as the shortest decimal that
// reads back to the same float (40.0, 14840.074, 8.333333e-05).
#pragma once

#include <concepts>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace korveld::cli {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the object being written.
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& integer(std::int64_t value);
    JsonWriter& boolean(bool value);
    JsonWriter& single(float value);

    // A member: its key, then its value.
    JsonWriter& member(std::string_view name, std::string_view text) { return key(name).string(text); }
    JsonWriter& member(std::string_view name, const char* text) { return key(name).string(text); }
    template <std::integral T>
    requires(!std::same_as<T, bool>) JsonWriter& member(std::string_view name, T value) {
        return key(name).integer(value);
    }
    JsonWriter& member(std::string_view name, bool value) { return key(name).boolean(value); }
    JsonWriter& memberSingle(std::string_view name, float value) { return key(name).single(value); }

    const std::string& text() const { return m_text; }
    // Starts again with nothing written, keeping the storage.
    void clear();

private:
    // A comma before every element of an object or array but its first.
    void beginValue();

    std::string m_text;
    std::vector<bool> m_hasElements; // one per open object or array
    bool m_afterKey = false;
};

// A Single as a JSON number: the shortest decimal that reads back to it; null when not finite.
void AppendSingle(std::string& out, float value);
// A string as a JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
void AppendJsonString(std::string& out, std::string_view text);

// {"message":{"title":...,"text":...}}
void WriteMessageJson(JsonWriter& json, std::string_view title, std::string_view text);

// The writer's text on one line.
void WriteJson(const JsonWriter& json, std::ostream& out);

} // namespace korveld::cli
