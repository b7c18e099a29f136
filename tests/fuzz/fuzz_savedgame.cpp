// libFuzzer target: the reader of the saved game, which takes the bytes of a
// file in the state directory as they are, written by this program, a later
// one, another program, a torn write or nobody.
//
// Whatever the input, reading must not crash; a game it gives must be
// consistent and read back alike once written, and a file of the current
// version must be written back as exactly the bytes it was read from, so that
// no two such files read as the same game and no field is read loosely. An
// older version's file is written in the current version.

#include "records/SavedGameFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const records::SavedGameReading reading = records::readSavedGame(bytes);
    if (!reading.game) {
        if (reading.reason.empty())
            std::abort();
        return 0;
    }
    if (!reading.reason.empty() || !records::consistencyFault(*reading.game).empty())
        std::abort();
    const std::string written = records::writeSavedGame(*reading.game);
    if (records::readSavedGame(written).game != reading.game)
        std::abort();
    const std::string currentHeader =
        "Hueriddle saved game\nversion " + std::to_string(records::kSavedGameVersion) + "\n";
    if (bytes.substr(0, currentHeader.size()) == currentHeader && written != bytes)
        std::abort();
    return 0;
}
