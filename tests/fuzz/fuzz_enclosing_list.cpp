// Feeds arbitrary bytes to the enclosing-character list loader as a file.
// Loading never crashes and either refuses the file, throws one of the
// loader's own errors, or yields a list that saves and loads again to the
// same bytes.
#include "editor/EditorBrackets.h"
#include "editor/EditorTypes.h"
#include "settings/EnclosingListFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

using namespace mojiro;

std::string Folder() {
    static const std::string folder = "/tmp/fuzz_enclosing_list." + std::to_string(::getpid());
    static const bool made = (std::system(("mkdir -p " + folder).c_str()), true);
    (void)made;
    return folder;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = Folder() + "/input";
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TEditorBracketCollection list;
    try {
        if (!LoadEnclosingList(input, list))
            return 0;
    } catch (const FileError&) {
        return 0; // damaged numbers or a short file
    } catch (const EditorError&) {
        return 0; // more pairs than a list holds
    }
    const std::string first = Folder() + "/first";
    const std::string second = Folder() + "/second";
    SaveEnclosingList(first, list);
    TEditorBracketCollection again;
    if (!LoadEnclosingList(first, again))
        std::abort();
    SaveEnclosingList(second, again);
    if (Bytes(first) != Bytes(second))
        std::abort();
    return 0;
}
