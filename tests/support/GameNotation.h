#pragma once

// Games for tests written as one short line, the one way tests build a
// records::PlayedGame or a records::HistoryEntry by hand:
//
//   [at SECONDS] VARIANT [RESULT | STATE] SECRET: ROW... [placed CODES]
//
//   VARIANT  with | without (replacement)
//   RESULT   won | lost | abandoned: what the rows make of the game, checked
//   STATE    over | playing: set as written, for a game that could not come
//            from play; without RESULT or STATE the game is over exactly
//            after four black or the eighth row
//   SECRET   four codes, e.g. 1234
//   ROW      GGGG:BW, the guess's four codes, a colon, the black and white
//            counts, then "m" when Move played it and "!" when the score is
//            meant not to be the secret's: 1122:11 3344:11m 1111:30!
//   CODES    the four codes on the open row, 0 for an empty peg
//   SECONDS  when the game ended (for a history entry); kEndedAt otherwise
//
// e.g. "with won 1234: 1122:11 3344:11m 1234:40". Codes are single digits, 0
// to 9, so that games with codes out of range can be written too. Every
// score without "!" is checked against the secret, and a RESULT against the
// rows: a mistyped game stops the program with a line on standard error
// naming the notation, rather than test something else.

#include "records/HistoryEntry.h"
#include "rules/Scoring.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace notation
{

// 2025-12-11 02:00 UTC.
inline constexpr std::int64_t kEndedAt = 1765418400;

[[noreturn]] inline void refuse(std::string_view text, std::string_view why)
{
    std::fprintf(stderr, "game notation \"%.*s\": %.*s\n", int(text.size()), text.data(),
                 int(why.size()), why.data());
    std::abort();
}

namespace detail
{

inline std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        text.remove_prefix(start);
        const std::size_t end = text.find(' ');
        found.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return found;
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool readCodes(std::string_view word, rules::Combination &codes)
{
    if (word.size() != std::size_t(rules::kPositions))
        return false;
    for (std::size_t position = 0; position < word.size(); ++position) {
        if (!isDigit(word[position]))
            return false;
        codes[position] = word[position] - '0';
    }
    return true;
}

inline std::string codesText(const rules::Combination &codes)
{
    std::string text;
    for (std::int32_t code : codes)
        text += std::to_string(code);
    return text;
}

inline std::string_view resultWord(records::GameResult result)
{
    switch (result) {
    case records::GameResult::Won:
        return "won";
    case records::GameResult::Lost:
        return "lost";
    case records::GameResult::Abandoned:
        break;
    }
    return "abandoned";
}

} // namespace detail

inline records::HistoryEntry entry(std::string_view text)
{
    const std::vector<std::string_view> words = detail::words(text);
    std::size_t at = 0;
    const auto next = [&]() -> std::string_view {
        return at < words.size() ? words[at++] : std::string_view();
    };
    records::HistoryEntry read{kEndedAt, {}};
    records::PlayedGame &game = read.game;

    std::string_view word = next();
    if (word == "at") {
        const std::string seconds(next());
        char *end = nullptr;
        read.endedAt = std::strtoll(seconds.c_str(), &end, 10);
        if (seconds.empty() || *end != '\0')
            refuse(text, "\"at\" is not followed by a number of seconds");
        word = next();
    }
    if (word != "with" && word != "without")
        refuse(text, "no variant, with or without");
    game.unique = word == "without";

    word = next();
    std::string_view result;
    std::string_view state;
    if (word == "won" || word == "lost" || word == "abandoned") {
        result = word;
        word = next();
    } else if (word == "over" || word == "playing") {
        state = word;
        word = next();
    }
    if (!word.ends_with(':') || !detail::readCodes(word.substr(0, word.size() - 1), game.secret))
        refuse(text, "no secret of four codes followed by a colon");

    for (word = next(); !word.empty() && word != "placed"; word = next()) {
        if (game.rows.full())
            refuse(text, "more than eight rows");
        records::PlayedRow row;
        bool deliberate = false;
        std::string_view rest = word;
        if (rest.ends_with('!')) {
            deliberate = true;
            rest.remove_suffix(1);
        }
        if (rest.ends_with('m')) {
            row.byMove = true;
            rest.remove_suffix(1);
        }
        if (rest.size() != 7 || rest[4] != ':' ||
            !detail::readCodes(rest.substr(0, 4), row.guess) || !detail::isDigit(rest[5]) ||
            !detail::isDigit(rest[6]))
            refuse(text, "a row is not GGGG:BW with m for Move and ! for a wrong score");
        row.score = {rest[5] - '0', rest[6] - '0'};
        const bool secretsScore = row.score == rules::score(game.secret, row.guess);
        if (secretsScore == deliberate)
            refuse(text, deliberate ? "a row marked ! holds the secret's score"
                                    : "a row's score is not the secret's; mark it ! if meant");
        game.rows.push_back(row);
    }
    if (word == "placed" && !detail::readCodes(next(), game.placed))
        refuse(text, "\"placed\" is not followed by four codes");
    if (at != words.size())
        refuse(text, "words after the end of the game");

    game.over = state.empty() ? game.won() || game.rows.full() : state == "over";
    if (!result.empty() && detail::resultWord(game.result()) != result)
        refuse(text, "the rows do not make the result named");
    return read;
}

inline records::PlayedGame game(std::string_view text)
{
    return entry(text).game;
}

// The notation of `game`, which game() reads back as the same game.
inline std::string text(const records::PlayedGame &game)
{
    std::string out = game.unique ? "without " : "with ";
    const bool overAsPlayed = game.over == (game.won() || game.rows.full());
    out += overAsPlayed ? detail::resultWord(game.result()) : (game.over ? "over" : "playing");
    out += ' ' + detail::codesText(game.secret) + ':';
    for (const records::PlayedRow &row : game.rows) {
        out += ' ' + detail::codesText(row.guess) + ':' + std::to_string(row.score.black) +
               std::to_string(row.score.white);
        if (row.byMove)
            out += 'm';
        if (row.score != rules::score(game.secret, row.guess))
            out += '!';
    }
    if (game.placed != rules::Combination{})
        out += " placed " + detail::codesText(game.placed);
    return out;
}

inline std::string text(const records::HistoryEntry &entry)
{
    return "at " + std::to_string(entry.endedAt) + ' ' + text(entry.game);
}

} // namespace notation
