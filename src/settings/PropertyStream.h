// The binary property stream a component's published properties are saved
// in: the signature "TPF0", the class and component names, named records of
// typed values (owned objects' properties under dotted names such as
// "Caret.TabSpaceCount"), and the end markers of the records and of the
// (always empty) list of child components.
//
// This layer knows the format only. It reads bytes into records and writes
// records back; which names and values make sense is up to the component.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mojiro {

// The type byte in front of every value.
enum class PropertyValueType : std::uint8_t {
    Null = 0, // ends a list; never a value of its own
    List = 1, // values up to a Null
    Int8 = 2, // signed integers, little-endian
    Int16 = 3,
    Int32 = 4,
    Extended = 5, // an 80-bit floating-point number, kept as its ten bytes
    String = 6,   // a text of up to 255 bytes
    Ident = 7,    // an identifier: enumeration value, colour or cursor name
    False = 8,
    True = 9,
    Binary = 10,  // bytes with a 4-byte length
    Set = 11,     // identifiers up to an empty one
    LString = 12, // a text with a 4-byte length
    Nil = 13,
    Collection = 14, // items, each a List of records ended by a zero byte
};

struct PropertyRecord;

// One typed value; which member holds the data depends on the type.
struct PropertyValue {
    PropertyValueType type = PropertyValueType::Nil;
    std::int32_t integer = 0;                       // Int8, Int16, Int32
    std::string bytes;                              // String, LString, Ident, Binary, Extended
    std::vector<std::string> set;                   // Set
    std::vector<PropertyValue> list;                // List
    std::vector<std::vector<PropertyRecord>> items; // Collection

    friend bool operator==(const PropertyValue&, const PropertyValue&);
};

struct PropertyRecord {
    std::string name;
    PropertyValue value;

    friend bool operator==(const PropertyRecord&, const PropertyRecord&);
};

struct ComponentStream {
    std::string className;
    std::string name;
    std::vector<PropertyRecord> properties;

    friend bool operator==(const ComponentStream&, const ComponentStream&);
};

// Values of each kind, typed the way the writer stores them.
[[nodiscard]] PropertyValue IntegerValue(std::int32_t value);
[[nodiscard]] PropertyValue BooleanValue(bool value);
// String up to 255 bytes, LString beyond.
[[nodiscard]] PropertyValue TextValue(std::string text);
[[nodiscard]] PropertyValue IdentValue(std::string name);
[[nodiscard]] PropertyValue SetValue(std::vector<std::string> names);
[[nodiscard]] PropertyValue ListValue(std::vector<PropertyValue> values);
[[nodiscard]] PropertyValue CollectionValue(std::vector<std::vector<PropertyRecord>> items);

// The stream of a component. An integer takes the smallest width that holds
// it and a text the short form when it fits, whatever its type says. Names,
// identifiers and set members longer than 255 bytes, a Null value or an
// Extended value that is not ten bytes are the caller's mistake:
// std::invalid_argument.
[[nodiscard]] std::string WritePropertyStream(const ComponentStream& component);

// The component in bytes, or nothing when they are no complete stream: a
// wrong signature, a length or count running past the end, an unknown type
// byte, a Null where a value belongs, lists nested deeper than a component's
// properties ever are, child components, or bytes after the end markers.
[[nodiscard]] std::optional<ComponentStream> ReadPropertyStream(std::string_view bytes);

} // namespace mojiro
