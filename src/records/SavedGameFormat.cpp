#include "records/SavedGameFormat.h"

#include <charconv>
#include <vector>

namespace records
{

namespace
{

constexpr std::string_view kMagicLine = "Hueriddle saved game";
constexpr std::string_view kWithReplacement = "with-replacement";
constexpr std::string_view kWithoutReplacement = "without-replacement";
constexpr std::string_view kPlayedByPlayer = "player";
constexpr std::string_view kPlayedByMove = "move";

void appendCodes(std::string &out, const rules::Combination &codes)
{
    for (std::int32_t code : codes) {
        out += ' ';
        out += std::to_string(code);
    }
}

// Splits the text into lines; false when the last one has no line feed.
bool splitLines(std::string_view text, std::vector<std::string_view> &lines)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            return false;
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return true;
}

// The words of a line after `keyword`, separated by single blanks; nothing
// when the line does not start with the keyword and a blank.
std::optional<std::vector<std::string_view>> fields(std::string_view line, std::string_view keyword)
{
    if (line.size() <= keyword.size() || line.substr(0, keyword.size()) != keyword ||
        line[keyword.size()] != ' ')
        return std::nullopt;
    line.remove_prefix(keyword.size() + 1);
    std::vector<std::string_view> words;
    for (;;) {
        const std::size_t blank = line.find(' ');
        words.push_back(line.substr(0, blank));
        if (words.back().empty())
            return std::nullopt;
        if (blank == std::string_view::npos)
            return words;
        line.remove_prefix(blank + 1);
    }
}

// A small number written in plain decimal digits, without sign or leading
// zero.
std::optional<std::int32_t> number(std::string_view word)
{
    if (word.empty() || word.size() > 6 || (word.size() > 1 && word[0] == '0'))
        return std::nullopt;
    for (char c : word)
        if (c < '0' || c > '9')
            return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// Reads `count` numbers after `keyword` into `values`.
bool numbers(std::string_view line, std::string_view keyword, std::size_t count,
             std::int32_t *values)
{
    const auto words = fields(line, keyword);
    if (!words || words->size() != count)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = number((*words)[i]);
        if (!value)
            return false;
        values[i] = *value;
    }
    return true;
}

SavedGameReading refuse(std::string reason)
{
    return {std::nullopt, std::move(reason)};
}

SavedGameReading damaged(std::size_t lineIndex, std::string_view what)
{
    return refuse("damaged at line " + std::to_string(lineIndex + 1) + ": " + std::string(what));
}

} // namespace

std::string writeSavedGame(const PlayedGame &game)
{
    std::string out;
    out += kMagicLine;
    out += "\nversion " + std::to_string(kSavedGameVersion) + "\nvariant ";
    out += game.unique ? kWithoutReplacement : kWithReplacement;
    out += "\nsecret";
    appendCodes(out, game.secret);
    for (const PlayedRow &row : game.rows) {
        out += "\nrow";
        appendCodes(out, row.guess);
        out += ' ' + std::to_string(row.score.black) + ' ' + std::to_string(row.score.white) + ' ';
        out += row.byMove ? kPlayedByMove : kPlayedByPlayer;
    }
    out += "\nplaced";
    appendCodes(out, game.placed);
    out += game.over ? "\nstate over" : "\nstate playing";
    out += "\nend\n";
    return out;
}

SavedGameReading readSavedGame(std::string_view bytes)
{
    if (bytes.empty())
        return refuse("the file is empty");
    if (bytes.size() > kSavedGameMaxBytes)
        return refuse("the file is too large to be a saved game");
    // The first line tells a foreign file; a cut inside it leaves a prefix.
    const std::size_t firstEnd = bytes.find('\n');
    const std::string_view first = bytes.substr(0, firstEnd);
    if (first != kMagicLine) {
        if (firstEnd == std::string_view::npos && kMagicLine.substr(0, first.size()) == first)
            return refuse("the file is cut short");
        return refuse("not a Hueriddle saved game");
    }

    std::vector<std::string_view> lines;
    const bool whole = splitLines(bytes, lines);
    if (lines.size() < 2)
        return refuse("the file is cut short");
    std::int32_t version = 0;
    if (!numbers(lines[1], "version", 1, &version))
        return whole ? damaged(1, "no version") : refuse("the file is cut short");
    if (version > kSavedGameVersion)
        return refuse("written by a later version of Hueriddle (file version " +
                      std::to_string(version) + ")");
    if (version < 1)
        return damaged(1, "no version");
    if (!whole || lines.back() != "end")
        return refuse("the file is cut short");

    PlayedGame game;
    std::size_t at = 2;
    const auto variant = at < lines.size() ? fields(lines[at], "variant") : std::nullopt;
    if (!variant || variant->size() != 1 ||
        ((*variant)[0] != kWithReplacement && (*variant)[0] != kWithoutReplacement))
        return damaged(at, "no variant");
    game.unique = (*variant)[0] == kWithoutReplacement;
    ++at;
    if (at >= lines.size() || !numbers(lines[at], "secret", 4, game.secret.data()))
        return damaged(at, "no secret");
    ++at;
    while (at < lines.size() && lines[at].substr(0, 4) == "row ") {
        if (game.rows.full())
            return damaged(at, "more than eight rows");
        // From version 2 on, a row ends with who played it.
        std::string_view line = lines[at];
        bool byMove = false;
        if (version >= 2) {
            const std::size_t blank = line.rfind(' ');
            const std::string_view who =
                blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
            if (who != kPlayedByPlayer && who != kPlayedByMove)
                return damaged(at, "a row is not four codes and a score, then player or move");
            byMove = who == kPlayedByMove;
            line = line.substr(0, blank);
        }
        std::int32_t values[6];
        if (!numbers(line, "row", 6, values))
            return damaged(at, "a row is not four codes and a score");
        PlayedRow row;
        for (int position = 0; position < rules::kPositions; ++position)
            row.guess[position] = values[position];
        row.score = {values[4], values[5]};
        row.byMove = byMove;
        game.rows.push_back(row);
        ++at;
    }
    if (at >= lines.size() || !numbers(lines[at], "placed", 4, game.placed.data()))
        return damaged(at, "no placed pegs");
    ++at;
    if (at < lines.size() && lines[at] == "state playing")
        game.over = false;
    else if (at < lines.size() && lines[at] == "state over")
        game.over = true;
    else
        return damaged(at, "no state");
    ++at;
    if (at + 1 != lines.size())
        return damaged(at, "more lines than a saved game has");

    std::string fault = consistencyFault(game);
    if (!fault.empty())
        return refuse("not a game that can be played: " + fault);
    return {std::move(game), {}};
}

} // namespace records
