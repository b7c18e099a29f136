#include "records/HistoryLine.h"

namespace records
{

namespace
{

constexpr std::string_view kMagic = "hueriddle ";
constexpr std::string_view kChecksumMark = " #";
constexpr std::size_t kChecksumDigits = 8;
// Seconds of twelve digits reach past the year 30000.
constexpr std::size_t kMaxTimeDigits = 12;
constexpr std::size_t kMaxVersionDigits = 9;

std::uint32_t fnv1a(std::string_view bytes)
{
    std::uint32_t hash = 2166136261u;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return hash;
}

constexpr std::string_view resultName(GameResult result)
{
    switch (result) {
    case GameResult::Won:
        return "won";
    case GameResult::Lost:
        return "lost";
    case GameResult::Abandoned:
        break;
    }
    return "abandoned";
}

void appendCombination(std::string &out, const rules::Combination &combination)
{
    for (std::int32_t code : combination)
        out.push_back(static_cast<char>('0' + code));
}

// Reads the text up to the next blank (or the end) and moves past the blank.
std::string_view nextField(std::string_view &rest)
{
    const std::size_t blank = rest.find(' ');
    const std::string_view field = rest.substr(0, blank);
    rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
    return field;
}

// A decimal number without a sign or a needless leading zero.
bool readNumber(std::string_view text, std::size_t maxDigits, std::int64_t &value)
{
    if (text.empty() || text.size() > maxDigits || (text.size() > 1 && text[0] == '0'))
        return false;
    value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return false;
        value = value * 10 + (digit - '0');
    }
    return true;
}

bool readCode(char digit, std::int32_t &code)
{
    if (digit < '0' + rules::kFirstCode || digit > '0' + rules::kLastCode)
        return false;
    code = digit - '0';
    return true;
}

bool readCombination(std::string_view text, rules::Combination &combination)
{
    if (text.size() != rules::kPositions)
        return false;
    for (int position = 0; position < rules::kPositions; ++position)
        if (!readCode(text[static_cast<std::size_t>(position)], combination[position]))
            return false;
    return true;
}

bool readCount(char digit, std::int32_t &count)
{
    if (digit < '0' || digit > '0' + rules::kPositions)
        return false;
    count = digit - '0';
    return true;
}

// "1122:11" or "1122:11m".
bool readRow(std::string_view text, PlayedRow &row)
{
    if (text.size() != 7 && text.size() != 8)
        return false;
    if (!readCombination(text.substr(0, 4), row.guess) || text[4] != ':' ||
        !readCount(text[5], row.score.black) || !readCount(text[6], row.score.white))
        return false;
    row.byMove = text.size() == 8;
    return !row.byMove || text[7] == 'm';
}

bool readHex(std::string_view text, std::uint32_t &value)
{
    if (text.size() != kChecksumDigits)
        return false;
    value = 0;
    for (const char digit : text) {
        value <<= 4;
        if (digit >= '0' && digit <= '9')
            value |= static_cast<std::uint32_t>(digit - '0');
        else if (digit >= 'a' && digit <= 'f')
            value |= static_cast<std::uint32_t>(digit - 'a' + 10);
        else
            return false;
    }
    return true;
}

} // namespace

std::string formatHistoryLine(const HistoryEntry &entry)
{
    const PlayedGame &game = entry.game;
    std::string line;
    line.reserve(64 + 9 * rules::kRows);
    line += kMagic;
    line += std::to_string(kHistoryVersion);
    line += ' ';
    line += std::to_string(entry.endedAt);
    line += game.unique ? " without " : " with ";
    line += resultName(game.result());
    line += ' ';
    appendCombination(line, game.secret);
    for (const PlayedRow &row : game.rows) {
        line += ' ';
        appendCombination(line, row.guess);
        line += ':';
        line.push_back(static_cast<char>('0' + row.score.black));
        line.push_back(static_cast<char>('0' + row.score.white));
        if (row.byMove)
            line += 'm';
    }
    static constexpr char kHexDigits[] = "0123456789abcdef";
    const std::uint32_t checksum = fnv1a(line);
    line += kChecksumMark;
    for (int shift = 28; shift >= 0; shift -= 4)
        line.push_back(kHexDigits[(checksum >> shift) & 0xfu]);
    return line;
}

HistoryLineKind parseHistoryLine(std::string_view line, HistoryEntry &entry)
{
    if (!line.starts_with(kMagic))
        return HistoryLineKind::Unreadable;
    std::string_view rest = line.substr(kMagic.size());
    std::int64_t version = 0;
    if (!readNumber(nextField(rest), kMaxVersionDigits, version) || version < kHistoryVersion)
        return HistoryLineKind::Unreadable;
    if (version > kHistoryVersion)
        return HistoryLineKind::LaterVersion;

    // The checksum first: a damaged line is refused whatever it looks like.
    constexpr std::size_t kTail = kChecksumMark.size() + kChecksumDigits;
    if (rest.size() < kTail)
        return HistoryLineKind::Unreadable;
    const std::size_t mark = line.size() - kTail;
    std::uint32_t checksum = 0;
    if (line.substr(mark, kChecksumMark.size()) != kChecksumMark ||
        !readHex(line.substr(mark + kChecksumMark.size()), checksum) ||
        fnv1a(line.substr(0, mark)) != checksum)
        return HistoryLineKind::Unreadable;
    rest.remove_suffix(kTail);
    // Fields are parted by single blanks; one more at the end would be
    // dropped unseen by the reading below.
    if (rest.ends_with(' '))
        return HistoryLineKind::Unreadable;

    HistoryEntry read;
    if (!readNumber(nextField(rest), kMaxTimeDigits, read.endedAt))
        return HistoryLineKind::Unreadable;
    PlayedGame &game = read.game;
    const std::string_view variant = nextField(rest);
    if (variant != "with" && variant != "without")
        return HistoryLineKind::Unreadable;
    game.unique = variant == "without";
    const std::string_view resultWord = nextField(rest);
    GameResult result = GameResult::Abandoned;
    if (resultWord == resultName(GameResult::Won))
        result = GameResult::Won;
    else if (resultWord == resultName(GameResult::Lost))
        result = GameResult::Lost;
    else if (resultWord != resultName(GameResult::Abandoned))
        return HistoryLineKind::Unreadable;
    game.over = result != GameResult::Abandoned;
    if (!readCombination(nextField(rest), game.secret))
        return HistoryLineKind::Unreadable;
    while (!rest.empty()) {
        PlayedRow row;
        if (game.rows.full() || !readRow(nextField(rest), row))
            return HistoryLineKind::Unreadable;
        game.rows.push_back(row);
    }
    // A game is written once a row is committed; the result named must be
    // the one the rows make, as "won" and "lost" both mean over.
    if (game.rows.empty() || game.result() != result || !consistencyFault(game).empty())
        return HistoryLineKind::Unreadable;
    entry = read;
    return HistoryLineKind::Game;
}

} // namespace records
