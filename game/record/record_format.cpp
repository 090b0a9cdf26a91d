#include "record/record_format.h"

#include "engine/draw_feed.h"
#include "engine/game_texts.h"

#include <algorithm>
#include <iterator>

#include <charconv>
#include <cstdio>

namespace bramlow {

namespace {

std::string drawText(float x)
{
    // The shortest decimal that reads back as exactly this float, without an exponent.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string quoted(const std::string& text) { return '"' + text + '"'; }

// Each line's bytes: valid UTF-8 without NUL or other control characters but the tab.
bool validLineText(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size()) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x80) {
            if (c < 0x20 && c != '\t')
                return false;
            if (c == 0x7f)
                return false;
            ++i;
            continue;
        }
        int extra = 0;
        std::uint32_t code = 0;
        if ((c & 0xe0) == 0xc0) {
            extra = 1;
            code = c & 0x1f;
        } else if ((c & 0xf0) == 0xe0) {
            extra = 2;
            code = c & 0x0f;
        } else if ((c & 0xf8) == 0xf0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= line.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(line[i + static_cast<std::size_t>(k)]);
            if ((next & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3f);
        }
        // Overlong forms, surrogates and numbers beyond Unicode are no UTF-8.
        static constexpr std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (code < least[extra] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// Reads the words of one line; a quoted word may hold spaces.
class Words {
public:
    explicit Words(std::string_view line) : rest_(line) {}

    std::optional<std::string_view> word()
    {
        if (rest_.empty() || rest_.front() == ' ')
            return std::nullopt;
        const std::size_t end = rest_.find(' ');
        const std::string_view word = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        afterSpace_ = end != std::string_view::npos;
        return word;
    }

    std::optional<std::string> quotedWord()
    {
        if (rest_.size() < 2 || rest_.front() != '"')
            return std::nullopt;
        const std::size_t close = rest_.find('"', 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        std::string text(rest_.substr(1, close - 1));
        rest_ = rest_.substr(close + 1);
        afterSpace_ = false;
        if (!rest_.empty()) {
            if (rest_.front() != ' ')
                return std::nullopt;
            rest_.remove_prefix(1);
            afterSpace_ = true;
        }
        return text;
    }

    bool expect(std::string_view keyword) { return word() == keyword; }
    // Nothing left, and no space dangling at the end.
    bool done() const { return rest_.empty() && !afterSpace_; }

private:
    std::string_view rest_;
    bool afterSpace_ = false;
};

std::optional<float> readDraw(std::string_view text)
{
    if (text.empty() || text.size() > 16 || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    float x = 0.0f;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !isDrawValue(x))
        return std::nullopt;
    return x;
}

std::optional<Player> readPlayer(std::optional<std::string_view> word)
{
    if (word == "Silber")
        return Player::silber;
    if (word == "Gold")
        return Player::gold;
    return std::nullopt;
}

std::optional<bool> readYesNo(std::optional<std::string_view> word)
{
    if (word == "ja")
        return true;
    if (word == "nein")
        return false;
    return std::nullopt;
}

std::optional<int> readFace(std::optional<std::string_view> word)
{
    if (!word || word->size() != 1 || (*word)[0] < '1' || (*word)[0] > '6')
        return std::nullopt;
    return (*word)[0] - '0';
}

// The texts a new game can find: a message of the game, the picked-up piece's field and code.
bool possibleStart(const StartState& start)
{
    const std::string* const messages[] = {&message::ownPiece, &message::startRow, &message::opponentHome,
                                           &message::wrongDistance, &message::backwards, &message::move,
                                           &message::captureGold, &message::captureSilber};
    const bool knownMessage = start.message.empty() || std::any_of(std::begin(messages), std::end(messages),
                                                                   [&](const std::string* m) { return *m == start.message; });
    const bool field = start.speicher == "Text1" || cellNamed(start.speicher);
    const bool code = start.speicher2 == "Text1" ||
                      (!start.speicher2.empty() && start.speicher2.size() <= 2 &&
                       start.speicher2.find_first_not_of("0123456789") == std::string::npos);
    return knownMessage && field && code;
}

std::optional<StartState> readStart(std::string_view line)
{
    Words words(line);
    StartState start;
    if (!words.expect("anfang") || !words.expect("logo"))
        return std::nullopt;
    const auto logo = words.word();
    if (logo != "an" && logo != "aus")
        return std::nullopt;
    start.image1Enabled = logo == "an";
    if (!words.expect("würfel"))
        return std::nullopt;
    const auto face = readFace(words.word());
    if (!face)
        return std::nullopt;
    start.dieFace = *face;
    for (std::string* text : {&start.message, &start.speicher, &start.speicher2}) {
        static constexpr std::string_view names[] = {"meldung", "speicher", "speicher2"};
        const auto i = static_cast<std::size_t>(text == &start.message ? 0 : text == &start.speicher ? 1 : 2);
        if (!words.expect(names[i]))
            return std::nullopt;
        auto value = words.quotedWord();
        if (!value)
            return std::nullopt;
        *text = std::move(*value);
    }
    if (!words.done() || !possibleStart(start))
        return std::nullopt;
    return start;
}

// An action or a check value; the message says what is wrong.
std::variant<RecordEntry, std::string> readEntry(std::string_view line)
{
    Words words(line);
    const auto keyword = words.word();
    RecordAction action;
    if (keyword == "neu") {
        action.kind = ActionKind::newGame;
        const auto draw = words.word();
        const auto x = draw ? readDraw(*draw) : std::nullopt;
        const auto player = readPlayer(words.word());
        if (!x || !player || !words.done())
            return std::string("erwartet „neu <Zufallszahl> Silber|Gold“");
        action.draw = *x;
        action.player = *player;
        return RecordEntry(action);
    }
    if (keyword == "wurf") {
        action.kind = ActionKind::roll;
        const auto player = readPlayer(words.word());
        const auto draw = words.word();
        const auto x = draw ? readDraw(*draw) : std::nullopt;
        const auto face = readFace(words.word());
        if (!player || !x || !face || !words.done())
            return std::string("erwartet „wurf Silber|Gold <Zufallszahl> <Augenzahl 1 bis 6>“");
        action.player = *player;
        action.draw = *x;
        action.face = *face;
        return RecordEntry(action);
    }
    if (keyword == "nimm" || keyword == "setze") {
        action.kind = keyword == "nimm" ? ActionKind::pickUp : ActionKind::destination;
        const auto name = words.word();
        const auto cell = name ? cellNamed(std::string(*name)) : std::nullopt;
        const auto accepted = readYesNo(words.word());
        if (!cell || !accepted || !words.done())
            return "erwartet „" + std::string(*keyword) + " <Feld wie b34, s12, g28> ja|nein“";
        action.cell = *cell;
        action.accepted = *accepted;
        return RecordEntry(action);
    }
    if (keyword == "logo") {
        if (!words.done())
            return std::string("nach „logo“ folgt nichts mehr");
        return RecordEntry(action);
    }
    if (keyword == "prüfwert") {
        const auto hex = words.word();
        CheckLine check;
        if (!hex || hex->size() != 8 || hex->find_first_not_of("0123456789abcdef") != std::string_view::npos ||
            !words.done())
            return std::string("erwartet „prüfwert“ und acht Hexadezimalziffern (0-9, a-f)");
        std::from_chars(hex->data(), hex->data() + hex->size(), check.value, 16);
        return RecordEntry(check);
    }
    return std::string("unbekannte Zeile; erwartet eines von „neu“, „wurf“, „nimm“, „setze“, „logo“, „prüfwert“");
}

} // namespace

RecordError errorAt(std::size_t line, const std::string& what)
{
    return {line, "Zeile " + std::to_string(line) + ": " + what};
}

std::string recordLine(const RecordAction& action)
{
    switch (action.kind) {
    case ActionKind::newGame: return "neu " + drawText(action.draw) + ' ' + playerName(action.player);
    case ActionKind::roll:
        return "wurf " + playerName(action.player) + ' ' + drawText(action.draw) + ' ' + std::to_string(action.face);
    case ActionKind::pickUp:
    case ActionKind::destination:
        return std::string(action.kind == ActionKind::pickUp ? "nimm " : "setze ") + action.cell.name() +
               (action.accepted ? " ja" : " nein");
    case ActionKind::logo: return "logo";
    }
    return "logo";
}

std::string recordLine(const CheckLine& check)
{
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(check.value));
    return std::string("prüfwert ") + hex;
}

std::string startLine(const StartState& start)
{
    return std::string("anfang logo ") + (start.image1Enabled ? "an" : "aus") + " würfel " +
           std::to_string(start.dieFace) + " meldung " + quoted(start.message) + " speicher " +
           quoted(start.speicher) + " speicher2 " + quoted(start.speicher2);
}

std::string recordText(const Record& record)
{
    std::string text = recordHeader + '\n' + startLine(record.start) + '\n';
    for (const RecordEntry& entry : record.entries)
        text += std::visit([](const auto& e) { return recordLine(e); }, entry) + '\n';
    return text;
}

ParsedRecord parseRecord(std::string_view bytes, const RecordLimits& limits)
{
    ParsedRecord parsed;
    if (bytes.size() > limits.maxBytes) {
        parsed.error = {0, "Die Datei ist mit " + std::to_string(bytes.size()) + " Bytes zu groß für eine Partie (höchstens " +
                               std::to_string(limits.maxBytes) + ")."};
        return parsed;
    }
    if (bytes.empty()) {
        parsed.error = errorAt(1, "Die Datei ist leer; erwartet „" + recordHeader + "“.");
        return parsed;
    }
    Record record;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        ++lineNumber;
        const std::size_t end = bytes.find('\n', start);
        const bool finished = end != std::string_view::npos;
        std::string_view line = bytes.substr(start, finished ? end - start : std::string_view::npos);
        start = finished ? end + 1 : bytes.size();
        if (lineNumber > limits.maxLines) {
            parsed.error = errorAt(lineNumber, "zu viele Zeilen (höchstens " + std::to_string(limits.maxLines) + ").");
            return parsed;
        }
        if (!finished && limits.dropUnfinishedLastLine && lineNumber > 2)
            break;
        if (line.size() > limits.maxLineBytes) {
            parsed.error = errorAt(lineNumber, "Die Zeile ist mit " + std::to_string(line.size()) +
                                                   " Bytes zu lang (höchstens " + std::to_string(limits.maxLineBytes) + ").");
            return parsed;
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find('\0') != std::string_view::npos) {
            parsed.error = errorAt(lineNumber, "Die Zeile enthält ein Nullzeichen.");
            return parsed;
        }
        if (!validLineText(line)) {
            parsed.error = errorAt(lineNumber, "Die Zeile ist kein gültiger UTF-8-Text ohne Steuerzeichen.");
            return parsed;
        }
        if (lineNumber == 1) {
            if (line.starts_with("Bramlow-Partie ") && line != recordHeader) {
                parsed.error = errorAt(1, "Die Partie stammt aus einer anderen Version („" + std::string(line) +
                                              "“); diese Version liest „" + recordHeader + "“.");
                return parsed;
            }
            if (line != recordHeader) {
                parsed.error = errorAt(1, "Das ist keine Bramlow-Partie; erwartet „" + recordHeader + "“.");
                return parsed;
            }
        } else if (lineNumber == 2) {
            const auto state = readStart(line);
            if (!state) {
                parsed.error = errorAt(2, "erwartet „anfang logo an|aus würfel <1 bis 6> meldung \"…\" speicher \"…\" "
                                          "speicher2 \"…\"“.");
                return parsed;
            }
            record.start = *state;
        } else {
            auto entry = readEntry(line);
            if (auto* what = std::get_if<std::string>(&entry)) {
                parsed.error = errorAt(lineNumber, *what + '.');
                return parsed;
            }
            record.entries.push_back(std::get<RecordEntry>(entry));
        }
    }
    if (lineNumber < 2) {
        parsed.error = errorAt(2, "Die Partie bricht nach der ersten Zeile ab.");
        return parsed;
    }
    parsed.record = std::move(record);
    return parsed;
}

} // namespace bramlow
