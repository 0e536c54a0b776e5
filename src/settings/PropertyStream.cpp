#include "settings/PropertyStream.h"

#include <limits>
#include <stdexcept>
#include <utility>

namespace mojiro {

// Written out member by member: a defaulted comparison of these recursive
// types crashes some compilers.
bool operator==(const PropertyValue& a, const PropertyValue& b) {
    return a.type == b.type && a.integer == b.integer && a.bytes == b.bytes && a.set == b.set &&
           a.list == b.list && a.items == b.items;
}

bool operator==(const PropertyRecord& a, const PropertyRecord& b) {
    return a.name == b.name && a.value == b.value;
}

bool operator==(const ComponentStream& a, const ComponentStream& b) {
    return a.className == b.className && a.name == b.name && a.properties == b.properties;
}

namespace {

constexpr std::string_view kSignature = "TPF0";
constexpr std::size_t kExtendedSize = 10;
constexpr std::size_t kShortTextMax = 255;
// A list inside a collection item inside a list is as deep as a component's
// properties go; a stream nesting far deeper is damaged, and reading it must
// not run the stack out.
constexpr int kMaxDepth = 16;

// ---- writing -------------------------------------------------------------

class Writer {
public:
    void Byte(PropertyValueType type) { out_.push_back(static_cast<char>(type)); }
    void Byte(std::uint8_t value) { out_.push_back(static_cast<char>(value)); }

    void LittleEndian(std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    void ShortText(std::string_view text) {
        if (text.size() > kShortTextMax)
            throw std::invalid_argument("property stream: name longer than 255 bytes");
        Byte(static_cast<std::uint8_t>(text.size()));
        out_.append(text);
    }

    void LongBytes(std::string_view bytes) {
        LittleEndian(static_cast<std::uint32_t>(bytes.size()), 4);
        out_.append(bytes);
    }

    void Records(const std::vector<PropertyRecord>& records) {
        for (const PropertyRecord& record : records) {
            if (record.name.empty())
                throw std::invalid_argument("property stream: record without a name");
            ShortText(record.name);
            Value(record.value);
        }
        Byte(PropertyValueType::Null);
    }

    void Value(const PropertyValue& value) {
        switch (value.type) {
        case PropertyValueType::Null:
            throw std::invalid_argument("property stream: Null is no value");
        case PropertyValueType::List:
            Byte(value.type);
            for (const PropertyValue& item : value.list)
                Value(item);
            Byte(PropertyValueType::Null);
            break;
        case PropertyValueType::Int8:
        case PropertyValueType::Int16:
        case PropertyValueType::Int32:
            Integer(value.integer);
            break;
        case PropertyValueType::Extended:
            if (value.bytes.size() != kExtendedSize)
                throw std::invalid_argument("property stream: Extended is ten bytes");
            Byte(value.type);
            out_.append(value.bytes);
            break;
        case PropertyValueType::String:
        case PropertyValueType::LString:
            if (value.bytes.size() <= kShortTextMax) {
                Byte(PropertyValueType::String);
                ShortText(value.bytes);
            } else {
                Byte(PropertyValueType::LString);
                LongBytes(value.bytes);
            }
            break;
        case PropertyValueType::Ident:
            Byte(value.type);
            ShortText(value.bytes);
            break;
        case PropertyValueType::False:
        case PropertyValueType::True:
        case PropertyValueType::Nil:
            Byte(value.type);
            break;
        case PropertyValueType::Binary:
            Byte(value.type);
            LongBytes(value.bytes);
            break;
        case PropertyValueType::Set:
            Byte(value.type);
            for (const std::string& name : value.set) {
                if (name.empty())
                    throw std::invalid_argument("property stream: empty set member");
                ShortText(name);
            }
            Byte(std::uint8_t{0});
            break;
        case PropertyValueType::Collection:
            Byte(value.type);
            for (const std::vector<PropertyRecord>& item : value.items) {
                Byte(PropertyValueType::List);
                Records(item);
            }
            Byte(PropertyValueType::Null);
            break;
        }
    }

    void Integer(std::int32_t value) {
        if (value >= std::numeric_limits<std::int8_t>::min() &&
            value <= std::numeric_limits<std::int8_t>::max()) {
            Byte(PropertyValueType::Int8);
            LittleEndian(static_cast<std::uint32_t>(value), 1);
        } else if (value >= std::numeric_limits<std::int16_t>::min() &&
                   value <= std::numeric_limits<std::int16_t>::max()) {
            Byte(PropertyValueType::Int16);
            LittleEndian(static_cast<std::uint32_t>(value), 2);
        } else {
            Byte(PropertyValueType::Int32);
            LittleEndian(static_cast<std::uint32_t>(value), 4);
        }
    }

    [[nodiscard]] std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

// ---- reading -------------------------------------------------------------

// Every read checks the bytes left first and reports damage by returning
// false; nothing is allocated for a length before the bytes are known to be
// there.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    [[nodiscard]] bool AtEnd() const { return pos_ == bytes_.size(); }

    bool Literal(std::string_view expected) {
        if (bytes_.substr(pos_, expected.size()) != expected)
            return false;
        pos_ += expected.size();
        return true;
    }

    bool Byte(std::uint8_t& value) {
        if (pos_ >= bytes_.size())
            return false;
        value = static_cast<std::uint8_t>(bytes_[pos_++]);
        return true;
    }

    // Consumes the byte when it is zero: the end of a list of any kind.
    bool EndMarker() {
        if (pos_ < bytes_.size() && bytes_[pos_] == 0) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Raw(std::size_t count, std::string& out) {
        if (bytes_.size() - pos_ < count)
            return false;
        out.assign(bytes_.substr(pos_, count));
        pos_ += count;
        return true;
    }

    bool LittleEndian(int width, std::uint32_t& value) {
        if (bytes_.size() - pos_ < static_cast<std::size_t>(width))
            return false;
        value = 0;
        for (int i = 0; i < width; ++i)
            value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes_[pos_ + i]))
                     << (8 * i);
        pos_ += static_cast<std::size_t>(width);
        return true;
    }

    bool ShortText(std::string& out) {
        std::uint8_t length = 0;
        return Byte(length) && Raw(length, out);
    }

    bool LongBytes(std::string& out) {
        std::uint32_t length = 0;
        return LittleEndian(4, length) && Raw(length, out);
    }

    // Records up to their end marker.
    bool Records(std::vector<PropertyRecord>& records, int depth) {
        while (!EndMarker()) {
            PropertyRecord record;
            if (!ShortText(record.name) || !Value(record.value, depth))
                return false;
            records.push_back(std::move(record));
        }
        return true;
    }

    bool Value(PropertyValue& value, int depth) {
        if (depth > kMaxDepth)
            return false;
        std::uint8_t type = 0;
        if (!Byte(type) || type > static_cast<std::uint8_t>(PropertyValueType::Collection))
            return false;
        value.type = static_cast<PropertyValueType>(type);
        switch (value.type) {
        case PropertyValueType::Null:
            return false;
        case PropertyValueType::List:
            while (!EndMarker()) {
                PropertyValue item;
                if (!Value(item, depth + 1))
                    return false;
                value.list.push_back(std::move(item));
            }
            return true;
        case PropertyValueType::Int8:
            return SignedInteger(1, value.integer);
        case PropertyValueType::Int16:
            return SignedInteger(2, value.integer);
        case PropertyValueType::Int32:
            return SignedInteger(4, value.integer);
        case PropertyValueType::Extended:
            return Raw(kExtendedSize, value.bytes);
        case PropertyValueType::String:
        case PropertyValueType::Ident:
            return ShortText(value.bytes);
        case PropertyValueType::False:
        case PropertyValueType::True:
        case PropertyValueType::Nil:
            return true;
        case PropertyValueType::Binary:
        case PropertyValueType::LString:
            return LongBytes(value.bytes);
        case PropertyValueType::Set:
            for (;;) {
                std::string name;
                if (!ShortText(name))
                    return false;
                if (name.empty())
                    return true;
                value.set.push_back(std::move(name));
            }
        case PropertyValueType::Collection:
            while (!EndMarker()) {
                std::uint8_t listType = 0;
                if (!Byte(listType) ||
                    listType != static_cast<std::uint8_t>(PropertyValueType::List))
                    return false;
                std::vector<PropertyRecord> item;
                if (!Records(item, depth + 1))
                    return false;
                value.items.push_back(std::move(item));
            }
            return true;
        }
        return false;
    }

private:
    bool SignedInteger(int width, std::int32_t& out) {
        std::uint32_t raw = 0;
        if (!LittleEndian(width, raw))
            return false;
        const int unusedBits = 32 - 8 * width;
        // Sign-extend from the top bit of the stored width.
        out = static_cast<std::int32_t>(raw << unusedBits) >> unusedBits;
        return true;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace

PropertyValue IntegerValue(std::int32_t value) {
    PropertyValue v;
    v.type = value >= std::numeric_limits<std::int8_t>::min() &&
                     value <= std::numeric_limits<std::int8_t>::max()
                 ? PropertyValueType::Int8
             : value >= std::numeric_limits<std::int16_t>::min() &&
                     value <= std::numeric_limits<std::int16_t>::max()
                 ? PropertyValueType::Int16
                 : PropertyValueType::Int32;
    v.integer = value;
    return v;
}

PropertyValue BooleanValue(bool value) {
    PropertyValue v;
    v.type = value ? PropertyValueType::True : PropertyValueType::False;
    return v;
}

PropertyValue TextValue(std::string text) {
    PropertyValue v;
    v.type = text.size() <= kShortTextMax ? PropertyValueType::String : PropertyValueType::LString;
    v.bytes = std::move(text);
    return v;
}

PropertyValue IdentValue(std::string name) {
    PropertyValue v;
    v.type = PropertyValueType::Ident;
    v.bytes = std::move(name);
    return v;
}

PropertyValue SetValue(std::vector<std::string> names) {
    PropertyValue v;
    v.type = PropertyValueType::Set;
    v.set = std::move(names);
    return v;
}

PropertyValue ListValue(std::vector<PropertyValue> values) {
    PropertyValue v;
    v.type = PropertyValueType::List;
    v.list = std::move(values);
    return v;
}

PropertyValue CollectionValue(std::vector<std::vector<PropertyRecord>> items) {
    PropertyValue v;
    v.type = PropertyValueType::Collection;
    v.items = std::move(items);
    return v;
}

std::string WritePropertyStream(const ComponentStream& component) {
    Writer writer;
    for (char c : kSignature)
        writer.Byte(static_cast<std::uint8_t>(c));
    writer.ShortText(component.className);
    writer.ShortText(component.name);
    writer.Records(component.properties);
    writer.Byte(std::uint8_t{0}); // no child components
    return writer.Take();
}

std::optional<ComponentStream> ReadPropertyStream(std::string_view bytes) {
    Reader reader(bytes);
    ComponentStream component;
    if (!reader.Literal(kSignature) || !reader.ShortText(component.className) ||
        !reader.ShortText(component.name) || !reader.Records(component.properties, 0) ||
        !reader.EndMarker() || !reader.AtEnd())
        return std::nullopt;
    return component;
}

} // namespace mojiro
