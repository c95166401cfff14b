// The storage list "str-data.txt" as any editor or older program may have left it: parsed as
// start-up parses it, and what was accepted written and read again unchanged.
#include "storage/record_io.h"
#include "storage/store_file.h"
#include "storage/store_list_io.h"

#include <cstdlib>
#include <string_view>

using namespace vavivor;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const StoreListParse parsed = parseStoreList(text);
    check(parsed.list.has_value() == parsed.error.empty());
    if (!parsed.list) {
        return 0;
    }
    const StoreListFile& list = *parsed.list;
    check(list.count >= 1 && list.count <= kMaxStoreEntries);
    check(list.current >= 1 && list.current <= list.count);
    check(list.entries.size() == static_cast<std::size_t>(list.count));
    for (const std::string& entry : list.entries) {
        check(isUtf8(entry));
        windowsPathProblem(entry);
    }
    defaultStorePath("/home/user/Vavivor", list.entries.front());

    const StoreListParse again =
        parseStoreList(formatStoreList(list.count, list.current, list.entries));
    check(again.list.has_value());
    check(again.list->count == list.count && again.list->current == list.current);
    check(again.list->entries == list.entries);
    return 0;
}
