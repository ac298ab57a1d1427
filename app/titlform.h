#pragma once

#include <QWidget>

#include <array>

class ClickLabel;
class QKeyEvent;
class QTimer;

// The animated title: the program's name grows from the bottom of the window to
// the top, rests there, then shows once in Greek letters and starts again. Any key
// or click leaves it for the proverb window.
class titlform : public QWidget
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
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void leave();
    QTimer *pendingLabel2Click_ = nullptr;
    bool pressed_ = false;
};

// The caption as the Symbol font draws it: Latin letters become the Greek letters
// on the same keys (T becomes Tau, a alpha, r rho, w omega, c chi, ...).
QString symbolFontText(const QString &latin);

// Shift, Control and the like press no key of their own.
bool isModifierOnly(const QKeyEvent *event);
