#include "recording_view.h"

namespace bramlow::test {

std::string nameOf(TextBox box)
{
    switch (box) {
    case TextBox::ausgabe1:
        return "ausgabe1";
    case TextBox::ausgabe2:
        return "ausgabe2";
    case TextBox::speicher:
        return "speicher";
    case TextBox::speicher2:
        return "speicher2";
    }
    return "?";
}

namespace {

std::string letterOf(CellArray array)
{
    switch (array) {
    case CellArray::b:
        return "b";
    case CellArray::s:
        return "s";
    case CellArray::g:
        return "g";
    }
    return "?";
}

} // namespace

std::string RecordingView::text(TextBox box) const
{
    const auto it = texts_.find(box);
    return it == texts_.end() ? std::string() : it->second;
}

void RecordingView::setText(TextBox box, const std::string& text)
{
    log.push_back(nameOf(box) + " := " + text);
    texts_[box] = text;
}

void RecordingView::setMessage(const std::string& caption)
{
    log.push_back("ausgabe11 := " + caption);
    message = caption;
}

void RecordingView::setCellPicture(CellArray array, std::int16_t index, const std::string& file)
{
    const std::string cell = letterOf(array) + std::to_string(index);
    log.push_back(cell + " <- " + file);
    cellPictures[cell] = file;
    if (onCellPicture)
        onCellPicture();
}

void RecordingView::setDiePicture(const std::string& file)
{
    log.push_back("wuerfel <- " + file);
    diePicture = file;
}

void RecordingView::setImage1Enabled(bool enabled)
{
    log.push_back(enabled ? "Image1 enabled" : "Image1 disabled");
    image1Enabled = enabled;
}

void RecordingView::setDieVisible(bool visible)
{
    log.push_back(visible ? "wuerfel shown" : "wuerfel hidden");
    dieVisible = visible;
}

void RecordingView::Play(const std::string& datei) { log.push_back("play " + datei); }

std::vector<std::string> RecordingView::sounds() const
{
    std::vector<std::string> result;
    for (const auto& line : log) {
        if (line.rfind("play ", 0) == 0)
            result.push_back(line.substr(5));
    }
    return result;
}

std::vector<std::string> RecordingView::pictures() const
{
    std::vector<std::string> result;
    for (const auto& line : log) {
        if (line.find(" <- ") != std::string::npos && line.rfind("wuerfel", 0) != 0)
            result.push_back(line);
    }
    return result;
}

} // namespace bramlow::test
