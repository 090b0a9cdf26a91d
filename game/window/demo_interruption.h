#pragma once
// Ends the demo (sides.h: the computer on both sides) on the first click or key of a person
// anywhere in the program: both sides go back to the person, and that click or key (press
// and release) goes no further, so it neither moves a piece nor starts a game; the game
// stays as it is and the person plays on from there.

#include <QObject>

namespace bramlow {

class Sides;

class DemoInterruption : public QObject {
    Q_OBJECT
public:
    explicit DemoInterruption(Sides& sides);
    ~DemoInterruption() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Watches the program's input only while the demo runs or its last input is swallowed.
    void followSides();

    Sides& sides_;
    bool watching_ = false;
    bool swallowing_ = false;
};

} // namespace bramlow
