#pragma once

#include "app/controls.h"

#include <array>

class QTimer;

// The animated title: the program's name grows from the bottom of the window to
// the top, rests there, then shows once in Greek letters and starts again. Any key
// or click leaves it for the proverb window.
class titlform : public LeaveOnInputWindow
{
    Q_OBJECT
public:
    titlform();
    void load();

    std::array<ClickLabel *, 8> Label1{};
    ClickLabel *Label2 = nullptr;
    QTimer *Timer1 = nullptr;

public slots:
    void Timer1_Timer();
    void Form_KeyPress();
    void Form_Click();
    void Label1_Click(int index);
    void Label2_Click();
    void Label2_DblClick();

protected:
    void windowKeyPressed() override { Form_KeyPress(); }
    void windowClicked() override { Form_Click(); }
    void showEvent(QShowEvent *event) override;

private:
    void leave();
    QTimer *pendingLabel2Click_ = nullptr;
};

// The caption as the Symbol font draws it: Latin letters become the Greek letters
// on the same keys (T becomes Tau, a alpha, r rho, w omega, c chi, ...).
QString symbolFontText(const QString &latin);
