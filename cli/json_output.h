// JSON as the commands print it, written as it goes: objects keep their keys in the order written,
// strings are escaped as JSON requires (bytes that are not UTF-8 become U+FFFD), and every Single
// is written as the shortest decimal that reads back to the same float (40.0, 14840.074,
// 8.333333e-05).
#pragma once

#include "engine/conditions.h"

#include <concepts>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace korveld::cli {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the object being written: a name of the program's own,
    // ASCII letters, digits and underscores, written as it is.
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& integer(std::int64_t value);
    JsonWriter& boolean(bool value);
    // A Single: the shortest decimal that reads back to it; null when it is not finite.
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

    std::string_view text() const { return {m_storage.data(), m_size}; }
    // Starts again with nothing written, keeping the storage.
    void clear();

private:
    // A comma before every element of an object or array but its first.
    void beginValue();
    void put(char c) {
        if (m_size == m_storage.size()) {
            grow(1);
        }
        m_storage[m_size++] = c;
    }
    void put(std::string_view text);
    void grow(std::size_t more);
    void putString(std::string_view text);
    void putSingle(float value);
    void putLaidOut(std::string_view digits, int point);

    std::string m_storage; // m_size characters written, the rest room to write in
    std::size_t m_size = 0;
    std::string m_hasElements; // per open object or array: '1' once it has an element
    bool m_afterKey = false;
};

// {"message":{"title":...,"text":...}}
void WriteMessageJson(JsonWriter& json, std::string_view title, std::string_view text);

// The writer's text on one line.
void WriteJson(const JsonWriter& json, std::ostream& out);

// The "conditions" member of both commands: the running calculation of a rating or a selection.
void WriteConditions(JsonWriter& json, const Conditions& c);

} // namespace korveld::cli
