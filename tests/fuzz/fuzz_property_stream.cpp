// Feeds arbitrary bytes to the property stream reader, as a stream and as the
// stored editor property set. Reading never crashes; whatever the reader
// accepts is written back in one canonical form; a set either takes the
// stream whole or stays exactly as it was, and a set that took a stream saves
// a stream that loads again.
#include "settings/EditorProp.h"
#include "settings/PropertyStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace mojiro;

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// A design-valued set whose stream tells every later state apart.
const std::string& DesignStream() {
    static const std::string stream = [] {
        TEditorProp prop;
        prop.SetDesignValues();
        return prop.SaveToStream();
    }();
    return stream;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (const auto component = ReadPropertyStream(bytes)) {
        const std::string written = WritePropertyStream(*component);
        const auto reread = ReadPropertyStream(written);
        Check(reread.has_value());
        Check(WritePropertyStream(*reread) == written);
    }

    TEditorProp prop;
    prop.SetDesignValues();
    if (prop.LoadFromStream(bytes)) {
        const std::string saved = prop.SaveToStream();
        TEditorProp again;
        again.SetDesignValues();
        Check(again.LoadFromStream(saved));
        Check(again.SaveToStream() == saved);
    } else {
        Check(prop.SaveToStream() == DesignStream());
    }
    return 0;
}
