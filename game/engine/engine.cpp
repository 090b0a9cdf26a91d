#include "engine/engine.h"

#include "engine/field_name.h"
#include "engine/move_evaluation.h"

#include <stdexcept>

namespace bramlow {

Engine::Engine(WindowView& view, RandomSource& random) : view_(view), random_(random), board_(view) {}

void Engine::b_Click(std::int16_t index) { cellClick('b', index); }
void Engine::s_Click(std::int16_t index) { cellClick('s', index); }
void Engine::g_Click(std::int16_t index) { cellClick('g', index); }

void Engine::cellClick(char letter, std::int16_t index)
{
    const auto cell = cellWithIndex(letter, index);
    if (!cell)
        throw std::out_of_range("array " + std::string(1, letter) + " has no cell with Index " + std::to_string(index));
    auswertung(*cell, wurf_, board_, view_);
}

CellCode Engine::lese(const std::string& feld) const { return board_.lese(feld); }

void Engine::drucke(const std::string& feld, CellCode wert) { board_.drucke(feld, wert); }

} // namespace bramlow
