#include "turn_narration.h"

#include "engine/game_texts.h"

namespace bramlow {

namespace {

QString fieldOf(const std::optional<TurnNarration::Place>& place)
{
    if (!place)
        return {};
    const char letter = place->array == CellArray::b ? 'b' : place->array == CellArray::s ? 's' : 'g';
    return QStringLiteral("%1%2").arg(QLatin1Char(letter)).arg(place->index);
}

bool isEmptyCell(CellCode code)
{
    return code == EMPTY_ODD || code == EMPTY_EVEN || code == SILBER_HOME_EMPTY || code == GOLD_HOME_EMPTY;
}

QString oneLine(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String(" "));
}

} // namespace

void TurnNarration::begin(const std::string& playerLine)
{
    *this = {};
    if (playerLine == playerLine::silber)
        actor_ = QString::fromStdString(silberName);
    else if (playerLine == playerLine::gold)
        actor_ = QString::fromStdString(goldName);
}

void TurnNarration::textWritten(TextBox box, const std::string& text)
{
    if (box == TextBox::ausgabe1)
        playerLine_ = text;
    else if (box == TextBox::ausgabe2)
        prompt_ = text;
}

void TurnNarration::messageShown(const std::string& caption)
{
    // A move shows "Ich gehe!" and a capture "Ich schmeisse …": the cells tell those better.
    if (caption != message::move && caption != message::captureGold && caption != message::captureSilber)
        refusal_ = QString::fromStdString(caption);
}

void TurnNarration::cellShown(CellArray array, int index, CellCode code)
{
    const Place field{array, index};
    const bool moverIsSilber = actor_ == QString::fromStdString(silberName);
    if (code == SILBER_SELECTED || code == GOLD_SELECTED)
        pickedUp_ = field;
    else if (isEmptyCell(code))
        from_ = field;
    else if (moverIsSilber ? isSilberPiece(code) : isGoldPiece(code))
        to_ = field; // on the board or, arriving, in the target row
    else if (code == SILBER_HOME || code == GOLD_HOME)
        sentHome_ = field; // the opponent's piece, knocked out
}

void TurnNarration::dieShown(const std::string& file)
{
    // "wuerfel4.bmp"
    if (file.size() > 7 && file[7] >= '1' && file[7] <= '6')
        face_ = file[7] - '0';
}

void TurnNarration::soundPlayed(const std::string& datei)
{
    if (datei == sound::schlecht)
        refusedSound_ = true;
}

QString TurnNarration::sentence() const
{
    QStringList parts;
    if (newGame_) {
        parts << QStringLiteral("Neues Spiel.");
    } else {
        if (face_)
            parts << QStringLiteral("%1 würfelt eine %2.").arg(actor_).arg(*face_);
        if (pickedUp_)
            parts << QStringLiteral("%1 nimmt die Figur auf %2.").arg(actor_, fieldOf(pickedUp_));
        if (to_ && sentHome_) {
            const QString victim = QString::fromStdString(actor_ == QString::fromStdString(silberName) ? goldName : silberName);
            parts << QStringLiteral("%1 zieht von %2 nach %3 und schlägt %4; die Figur geht zurück auf %5.")
                         .arg(actor_, fieldOf(from_), fieldOf(to_), victim, fieldOf(sentHome_));
        } else if (to_) {
            parts << QStringLiteral("%1 zieht von %2 nach %3.").arg(actor_, fieldOf(from_), fieldOf(to_));
        }
        if (!refusal_.isEmpty())
            parts << refusal_ + QLatin1Char('.');
        else if (refusedSound_)
            parts << QStringLiteral("Dieses Feld kann nicht gewählt werden.");
    }
    if (playerLine_)
        parts << oneLine(*playerLine_) + QLatin1Char('.');
    if (prompt_ && !prompt_->empty())
        parts << oneLine(*prompt_);
    return parts.join(QLatin1Char(' '));
}

std::optional<std::pair<TurnNarration::Place, TurnNarration::Place>> TurnNarration::move() const
{
    if (newGame_ || !from_ || !to_)
        return std::nullopt;
    return std::pair{*from_, *to_};
}

} // namespace bramlow
