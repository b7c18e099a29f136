#pragma once

#include "records/PlayedGame.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace records
{

// What the reader made of some bytes: a game, or the reason they are not one,
// in a few words for a line on standard error.
struct SavedGameReading {
    std::optional<PlayedGame> game;
    std::string reason;
};

// The saved game's file format, version 2: lines of ASCII text, each ended by
// a line feed, in this order and nothing else:
//   Hueriddle saved game
//   version 2
//   variant with-replacement | variant without-replacement
//   secret C C C C
//   row C C C C B W player | row C C C C B W move
//                          (once for each committed row, from row 7 down)
//   placed P P P P
//   state playing | state over
//   end
// C is a code 1..6, P a code 0..6, B and W the black and white counts; the
// last word of a row says who played it, so that a resumed game's statistics
// still know the rows Move played. Version 1 files, whose rows end with the
// score, are read as rows the player played. The first two lines never
// change, so that every version can tell a later version's file from a
// damaged one.
inline constexpr int kSavedGameVersion = 2;
// The largest file a version of the program writes, with room to spare; the
// reader refuses anything longer unread.
inline constexpr std::size_t kSavedGameMaxBytes = 4096;

std::string writeSavedGame(const PlayedGame &game);

// Reads the bytes of a saved game, trusting nothing: a file that is empty, cut
// short, of a later version, of another program or otherwise damaged gives a
// reason and no game. A game given is consistent (consistencyFault() is empty).
SavedGameReading readSavedGame(std::string_view bytes);

} // namespace records
