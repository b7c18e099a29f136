// libFuzzer target: the reader of the history of games, which takes the bytes
// of a file that this program, a later version of it, a kill halfway through a
// write, a full disk or another program may have left.
//
// Whatever the input, reading must not crash; every game it gives must be one
// the program can have played, written back to the very line it came from,
// and the lines it gives, skips or leaves for a later version must add up to
// the lines of the input. A fuzzer rarely forges a checksum, so each line is
// also read sealed with its right checksum, to reach the reading of the fields.

#include "records/HistoryLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

// The line's checksum as the history's format defines it: FNV-1a, 32 bits,
// eight lower-case hex digits after " #".
std::string sealed(std::string_view line)
{
    std::uint32_t hash = 2166136261u;
    for (const char byte : line) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(line);
    text += " #";
    for (int shift = 28; shift >= 0; shift -= 4)
        text.push_back(kDigits[(hash >> shift) & 0xfu]);
    return text;
}

void checkGame(const records::HistoryEntry &entry, std::string_view line)
{
    if (entry.game.rows.empty() || !records::consistencyFault(entry.game).empty() ||
        records::formatHistoryLine(entry) != line)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::int64_t lines = 0;
    std::int64_t emptyLines = 0;
    std::size_t start = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\n')
            continue;
        ++lines;
        if (at == start)
            ++emptyLines;
        const std::string line = sealed(bytes.substr(start, at - start));
        records::HistoryEntry entry;
        if (records::parseHistoryLine(line, entry) == records::HistoryLineKind::Game)
            checkGame(entry, line);
        start = at + 1;
    }
    const bool torn = start < bytes.size();

    std::int64_t games = 0;
    const records::HistoryScan scan =
        records::scanHistory(bytes, [&](const records::HistoryEntry &entry) {
            ++games;
            const std::string line = records::formatHistoryLine(entry);
            checkGame(entry, line);
            if (bytes.find(line + '\n') == std::string_view::npos)
                std::abort();
            records::HistoryEntry again;
            if (records::parseHistoryLine(line, again) != records::HistoryLineKind::Game ||
                !(again == entry))
                std::abort();
        });
    if (scan.games != games || scan.tornEnd != torn ||
        scan.games + scan.unreadable + scan.laterVersion + emptyLines != lines)
        std::abort();
    return 0;
}
