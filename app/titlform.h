#pragma once

#include "widgets/controls.h"

#include <array>
#include <cstdint>

class QTimer;

// The animated title: the program's name grows from the bottom of the window to
// the top, rests there, then shows once in Greek letters and starts again. Any key
// or click leaves it for the proverb window.
class titlform : public LeaveOnInputWindow
{
    Q_OBJECT
public:
    titlform();
    void load() override;

protected:
    void windowKeyPressed() override { Form_KeyPress(); }
    void windowClicked() override { Form_Click(); }
    void showEvent(QShowEvent *event) override;

private slots:
    void Timer1_Timer();
    void Form_KeyPress();
    void Form_Click();
    void Label1_Click(int index);
    void Label2_Click();
    void Label2_DblClick();

private:
    std::array<ClickLabel *, 8> Label1{};
    ClickLabel *Label2 = nullptr;
    QTimer *Timer1 = nullptr;
};

// The animation: a tick every 200 ms; the caption grows over the labels 1 to 7,
// rests at the top until the tick counter passes 12, shows once in Greek (label 0)
// and starts again, 13 ticks in all.
inline constexpr int TitleTickMilliseconds = 200;
inline constexpr std::int16_t TitleLastTick = 12;
inline constexpr std::int16_t TitleLargestLabel = 7;

// The caption as the Symbol font draws it: Latin letters become the Greek letters
// on the same keys (T becomes Tau, a alpha, r rho, w omega, c chi, ...).
QString symbolFontText(const QString &latin);
