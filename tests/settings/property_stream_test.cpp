// The property stream format on its own: exact bytes of what is written, and
// what the reader refuses.
#include "settings/PropertyStream.h"

#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

namespace mojiro {
namespace {

using namespace std::string_literals;

ComponentStream Component(std::vector<PropertyRecord> records) {
    return ComponentStream{"TEditorProp", "EditorProp1", std::move(records)};
}

// The bytes every stream of Component() begins with.
const std::string kHeader = "TPF0\x0bTEditorProp\x0b"
                            "EditorProp1"s;

std::string StreamOf(const PropertyValue& value) {
    return WritePropertyStream(Component({{"P", value}}));
}

// What a single record "P" with this value is written as, after the header
// and the name and before the two end markers.
std::string ValueBytes(const PropertyValue& value) {
    const std::string stream = StreamOf(value);
    const std::size_t start = kHeader.size() + 2; // length byte and "P"
    return stream.substr(start, stream.size() - start - 2);
}

TEST(PropertyStream, WritesSignatureNamesRecordsAndEndMarkers) {
    const std::string stream = WritePropertyStream(
        Component({{"WordWrap", BooleanValue(true)}, {"Caret.TabSpaceCount", IntegerValue(8)}}));
    EXPECT_EQ(kHeader + "\x08WordWrap\x09"
                        "\x13"
                        "Caret.TabSpaceCount\x02\x08"
                        "\x00\x00"s,
              stream);
}

TEST(PropertyStream, IntegersTakeTheSmallestWidthThatHoldsThem) {
    EXPECT_EQ("\x02\x00"s, ValueBytes(IntegerValue(0)));
    EXPECT_EQ("\x02\x7f"s, ValueBytes(IntegerValue(127)));
    EXPECT_EQ("\x02\x80"s, ValueBytes(IntegerValue(-128)));
    EXPECT_EQ("\x03\x80\x00"s, ValueBytes(IntegerValue(128)));
    EXPECT_EQ("\x03\x7f\xff"s, ValueBytes(IntegerValue(-129)));
    EXPECT_EQ("\x03\xff\x7f"s, ValueBytes(IntegerValue(32767)));
    EXPECT_EQ("\x04\x00\x80\x00\x00"s, ValueBytes(IntegerValue(32768)));
    EXPECT_EQ("\x04\x00\x00\x00\x80"s,
              ValueBytes(IntegerValue(std::numeric_limits<std::int32_t>::min())));
    // A value read in a wider form than needed is written in the smallest.
    PropertyValue wide = IntegerValue(5);
    wide.type = PropertyValueType::Int32;
    EXPECT_EQ("\x02\x05"s, ValueBytes(wide));
}

TEST(PropertyStream, TextsOver255BytesTakeAFourByteLength) {
    EXPECT_EQ("\x06\x02\x81\x41"s, ValueBytes(TextValue("\x81\x41"))); // 、
    const std::string longest(255, 'a');
    EXPECT_EQ("\x06\xff"s + longest, ValueBytes(TextValue(longest)));
    const std::string longer(256, 'b');
    EXPECT_EQ("\x0c\x00\x01\x00\x00"s + longer, ValueBytes(TextValue(longer)));
}

TEST(PropertyStream, SetsListsAndCollectionsEndWithZero) {
    EXPECT_EQ("\x0b\x06"
              "fsBold\x0b"
              "fsUnderline\x00"s,
              ValueBytes(SetValue({"fsBold", "fsUnderline"})));
    EXPECT_EQ("\x0b\x00"s, ValueBytes(SetValue({})));
    EXPECT_EQ("\x01\x06\x01x\x06\x01y\x00"s,
              ValueBytes(ListValue({TextValue("x"), TextValue("y")})));
    EXPECT_EQ("\x0e\x00"s, ValueBytes(CollectionValue({})));
    EXPECT_EQ("\x0e\x01\x0bLeftBracket\x06\x01(\x00\x01\x00\x00"s,
              ValueBytes(CollectionValue({{{"LeftBracket", TextValue("(")}}, {}})));
}

TEST(PropertyStream, EveryValueTypeReadsBackAsWritten) {
    PropertyValue extended;
    extended.type = PropertyValueType::Extended;
    extended.bytes = "\x00\x00\x00\x00\x00\x00\x00\x80\xff\x3f"s; // 1.0
    PropertyValue binary;
    binary.type = PropertyValueType::Binary;
    binary.bytes = "\x00\x01\x02"s;
    PropertyValue nil;
    nil.type = PropertyValueType::Nil;
    const ComponentStream component = Component({
        {"Int8", IntegerValue(-1)},
        {"Int16", IntegerValue(-300)},
        {"Int32", IntegerValue(-70000)},
        {"Extended", extended},
        {"Short", TextValue("\x82\xa0")}, // あ
        {"Long", TextValue(std::string(1000, 'z'))},
        {"Ident", IdentValue("clWindow")},
        {"False", BooleanValue(false)},
        {"True", BooleanValue(true)},
        {"Binary", binary},
        {"Set", SetValue({"fsItalic"})},
        {"Nil", nil},
        {"List", ListValue({IntegerValue(1), ListValue({TextValue("in")}), ListValue({})})},
        {"Collection",
         CollectionValue({{{"A", IntegerValue(1)}, {"B", SetValue({})}}, {}, {{"C", nil}}})},
    });
    const auto read = ReadPropertyStream(WritePropertyStream(component));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(component, *read);
}

TEST(PropertyStream, ReaderSignExtendsEachWidth) {
    const auto read = ReadPropertyStream(kHeader + "\x01"
                                                   "a\x02\xff\x01"
                                                   "b\x03\x00\x80\x01"
                                                   "c\x04\x05\x00\x00\x00\x00\x00"s);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(3u, read->properties.size());
    EXPECT_EQ(-1, read->properties[0].value.integer);
    EXPECT_EQ(-32768, read->properties[1].value.integer);
    EXPECT_EQ(5, read->properties[2].value.integer);
}

TEST(PropertyStream, EveryTruncationIsRefused) {
    const std::string stream = WritePropertyStream(Component({
        {"Set", SetValue({"fsBold"})},
        {"Long", TextValue(std::string(300, 'x'))},
        {"List", ListValue({TextValue("w")})},
        {"Items", CollectionValue({{{"Style", SetValue({})}}})},
    }));
    ASSERT_TRUE(ReadPropertyStream(stream).has_value());
    for (std::size_t length = 0; length < stream.size(); ++length)
        EXPECT_FALSE(ReadPropertyStream(stream.substr(0, length)).has_value()) << length;
}

TEST(PropertyStream, DamagedStructureIsRefused) {
    const std::string end = "\x00\x00"s;
    EXPECT_FALSE(ReadPropertyStream("TPF1\x0bTEditorProp\x0b"
                                    "EditorProp1\x00\x00"s));
    EXPECT_FALSE(ReadPropertyStream(kHeader + end + "\x00"s)) << "bytes after the end";
    EXPECT_FALSE(ReadPropertyStream(kHeader + "\x00\x01"s)) << "a child component";
    EXPECT_FALSE(ReadPropertyStream(kHeader + "\x01P\x0f"s + end)) << "unknown type byte";
    EXPECT_FALSE(ReadPropertyStream(kHeader + "\x01P\x00"s + end)) << "Null as a value";
    EXPECT_FALSE(ReadPropertyStream(kHeader + "\x01P\x0c\xff\xff\xff\xff"s + end))
        << "length past the end";
    EXPECT_FALSE(ReadPropertyStream(kHeader + "\x01P\x0e\x02\x05\x00"s + end))
        << "collection item that is no list";
    const std::string deep = std::string(100, '\x01') + std::string(100, '\x00');
    EXPECT_FALSE(ReadPropertyStream(kHeader + "\x01P"s + deep + end)) << "nesting";
}

TEST(PropertyStream, WriterRefusesWhatCannotBeStored) {
    EXPECT_THROW(
        (void)WritePropertyStream(Component({{std::string(256, 'n'), BooleanValue(true)}})),
        std::invalid_argument);
    EXPECT_THROW((void)StreamOf(IdentValue(std::string(256, 'i'))), std::invalid_argument);
    PropertyValue null;
    null.type = PropertyValueType::Null;
    EXPECT_THROW((void)StreamOf(null), std::invalid_argument);
    EXPECT_THROW((void)StreamOf(SetValue({""})), std::invalid_argument);
}

} // namespace
} // namespace mojiro
