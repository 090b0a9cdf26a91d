#include "game_table.h"

#include <gtest/gtest.h>

namespace bramlow::test {

void GameTable::setPosition(const Diagram& diagram)
{
    for (const auto& [feld, code] : codesOf(diagram))
        engine.drucke(feld, code);
    view.log.clear();
}

void GameTable::rollFor(const std::string& player, int face)
{
    view.setText(TextBox::ausgabe1, player);
    view.setText(TextBox::ausgabe2, "Bitte wuerfeln!");
    random.queue({rollOf(face)});
    engine.wuerfel_Click();
    EXPECT_EQ(engine.wurf(), face);
    view.log.clear();
}

void GameTable::pickUpFor(const std::string& player, int face, const std::string& feld)
{
    rollFor(player, face);
    click(feld);
    EXPECT_EQ(prompt(), "Wohin bewegen?") << "picking up " << feld;
    view.log.clear();
}

void GameTable::click(const std::string& feld)
{
    ASSERT_EQ(feld.size(), 3u) << feld;
    const auto index = static_cast<std::int16_t>(std::stoi(feld.substr(1)));
    switch (feld[0]) {
    case 'b':
        engine.b_Click(index);
        break;
    case 's':
        engine.s_Click(index);
        break;
    case 'g':
        engine.g_Click(index);
        break;
    default:
        FAIL() << "no array " << feld[0];
    }
}

} // namespace bramlow::test
